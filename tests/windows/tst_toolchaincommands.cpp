#include "platform/programstarter.h"
#include "testsettings.h"
#include "toolchain/toolchaincommands.h"
#include "toolchain/toolstarter.h"
#include "toolchainbench.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBlock>

#include <unistd.h>

using namespace orvane;
using namespace orvane::test;
using namespace Qt::StringLiterals;

#ifdef __SANITIZE_ADDRESS__
// Freed memory reused as without the sanitizer, so the bound below measures the pane.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}
#endif

namespace {

qint64 residentBytes() {
    QFile statm(u"/proc/self/statm"_s); // the second field: resident pages
    if (!statm.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/statm");
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// Whether the program whose id a script wrote to `idFile` runs; a zombie counts as gone.
bool childRuns(const QString& idFile) {
    QFile id(idFile);
    if (!id.open(QIODevice::ReadOnly))
        return false;
    QFile stat(u"/proc/"_s + QString::fromLatin1(id.readAll().trimmed()) + u"/stat"_s);
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2, 1) != "Z";
}

ToolCommand shell(const QString& script, const QStringList& arguments = {}) {
    return {u"sh"_s, QStringList{u"-c"_s, script, u"sh"_s} + arguments};
}

} // namespace

// The commands that compile, run and preview, and the pane that shows what they print.
class TestToolchainCommands : public QObject {
    Q_OBJECT

    TemporarySettings store_;
    std::unique_ptr<ToolchainBench> bench_; // the pane tests', made on first use

    ToolchainBench& bench() {
        if (!bench_)
            bench_ = std::make_unique<ToolchainBench>();
        return *bench_;
    }
    void start(const ToolCommand& command, const QString& compiledSource = QString()) {
        QCOMPARE(StartTool(bench().frame, command, {.compiledSource = compiledSource}), 0);
    }

private slots:
    void init() { store_.clear(); }
    void cleanup() { bench_.reset(); }

    // Endless output keeps memory flat and the pane within its limits; Stop ends its child too.
    void endlessPrinterStaysBoundedAndStops() {
        const QString childFile = bench().projects() + u"child"_s;
        start(shell(u"sleep 1000 & echo $! > \"$1\"; exec yes \"$2\""_s,
                    {childFile, QString(99, u'x')}));
        auto* stop = bench().pane().findChild<QPushButton*>(u"cmdStop"_s);
        QTRY_VERIFY_WITH_TIMEOUT(bench().pane().droppedLines() > 0, 30000);
        QTest::qWait(500);
        const qint64 before = residentBytes();
        const qint64 droppedBefore = bench().pane().droppedLines();
        // A hundred megabytes more.
        QTRY_VERIFY_WITH_TIMEOUT(bench().pane().droppedLines() - droppedBefore > 1000000, 120000);
        const qint64 growth = residentBytes() - before;
        QVERIFY2(growth < 48 * 1024 * 1024, qPrintable(u"grew by %1 bytes"_s.arg(growth)));
        const OutputLimits limits;
        const QTextDocument& shown = *bench().pane().view().document();
        QVERIFY(shown.characterCount() <= limits.characters && shown.blockCount() <= limits.lines);
        QVERIFY(shown.firstBlock().text().contains(u"earlier lines dropped"_s));

        QVERIFY(childRuns(childFile));
        stop->click();
        bench().waitForPrograms();
        QVERIFY2(bench().pane().text().endsWith(u"\nStopped\n\n"_s),
                 qPrintable(bench().pane().text().right(300)));
        QVERIFY(stop->isHidden());
        QTRY_VERIFY(!childRuns(childFile));
    }

    // Past its limits the oldest lines go down to nine tenths; the command line stays on top.
    void historyKeepsTheNewestLines() {
        OutputPane pane(bench().frame, bench().frame, {100, 100000, 4000});
        QProcess* seq = StartProgram({u"seq"_s, {u"1"_s, u"1000"_s}, {}}, &pane);
        pane.follow(*seq, u"seq 1 1000"_s);
        QTRY_COMPARE(pane.runningPrograms(), 0);
        const QStringList lines = pane.text().split(u'\n');
        QVERIFY2(lines.size() > 90 && lines.size() <= 101, qPrintable(pane.text()));
        QCOMPARE(lines.first(),
                 u"(%1 earlier lines dropped: the pane keeps the most recent output)"_s.arg(
                     pane.droppedLines()));
        QCOMPARE(lines.at(1), u"seq 1 1000 (continued)"_s);
        QCOMPARE(lines.at(2).toLongLong(), pane.droppedLines()); // the command line went too
        QVERIFY(pane.text().endsWith(u"\n1000\nExit status 0\n\n"_s));
    }

    // Each new program's end comes into view, even after the user scrolled back.
    void newProgramsComeIntoView() {
        for (int run = 0; run < 3; ++run) {
            start(shell(u"seq 1 60"_s));
            bench().waitForPrograms();
            QPlainTextEdit& view = bench().pane().view();
            QTextBlock last = view.document()->lastBlock();
            while (!last.text().startsWith(u"Exit status"_s))
                last = last.previous();
            QVERIFY2(view.viewport()->rect().contains(view.cursorRect(QTextCursor(last))),
                     qPrintable(u"run %1"_s.arg(run)));
            view.verticalScrollBar()->setValue(0);
        }
    }

    // The pane uses the terminal rules, keeping their state between two writes.
    void terminalOutput_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected"); // the lines between command line and end line
        QTest::newRow("progress counter")
            << u"printf 'count 1\\rcount 2\\rdone\\n'"_s << u"done\n"_s;
        QTest::newRow("colour split")
            << u"printf 'x\\033[3'; sleep 0.3; printf '1my\\n'"_s << u"xy\n"_s;
    }

    void terminalOutput() {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        start(shell(script));
        bench().waitForPrograms();
        const QStringList lines = bench().pane().text().split(u'\n');
        QCOMPARE(lines.mid(1).join(u'\n'), expected + u"Exit status 0\n\n"_s);
    }

    // A program that leaves another running behind: Stop stays offered, and ends that one.
    void stopOutlivesTheProgram() {
        const QString childFile = bench().projects() + u"child"_s;
        start(shell(u"sleep 1000 >/dev/null 2>&1 & echo $! > \"$1\""_s, {childFile}));
        bench().waitForPrograms();
        auto* stop = bench().pane().findChild<QPushButton*>(u"cmdStop"_s);
        QVERIFY(childRuns(childFile));
        QTest::qWait(700);
        QVERIFY(!stop->isHidden());
        stop->click();
        QTRY_VERIFY(!childRuns(childFile));
        QTRY_VERIFY(stop->isHidden());
    }

    void doubleClick_data() {
        QTest::addColumn<bool>("compiler");
        QTest::addColumn<QString>("line");     // %1 stands for the compiled source's folder
        QTest::addColumn<QString>("expected"); // the file shown at line 2, or empty: nothing
        QTest::newRow("compiler, the source") << true << u"%1/A.java:2: error: x"_s << u"A.java"_s;
        QTest::newRow("program, the source") << false << u"%1/A.java:2: x"_s << QString();
    }

    // Only a compiler run's lines about its source's folder lead to a file, at the line named.
    void doubleClick() {
        QFETCH(bool, compiler);
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const QString source = bench().write(u"A.java"_s, "one\r\ntwo\r\n");
        start(shell(u"echo \"$1\""_s, {line.arg(bench().projects().chopped(1))}),
              compiler ? source : QString());
        bench().waitForPrograms();
        QPlainTextEdit& view = bench().pane().view();
        const QTextCursor at(view.document()->findBlockByNumber(1));
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(at).center());
        const DocumentWindow* shown = bench().frame.activeDocument(); // else the untitled one
        QCOMPARE(bench().frame.documentWindows().size(), expected.isEmpty() ? 1 : 2);
        QCOMPARE(shown->documentPath(),
                 expected.isEmpty() ? QString() : bench().projects() + expected);
        if (!expected.isEmpty())
            QCOMPARE(shown->text().selStart(), 5); // line 2
    }

    // No location, untitled, no compile mode: a message each, Options opened twice, no compile.
    void compileRefusals() {
        ToolchainBench bench;
        bench.fake.missingPrograms = QStringList{"javac"};
        for (const char* button : {"cmdOk", "cmdCancel"}) {
            bench.fake.driveDialog([button](QDialog& d) {
                QCOMPARE(d.findChild<QTabWidget*>("SSTab1")->currentIndex(), 2);
                d.findChild<QLineEdit*>("txtCompiler")->setText("/jdk/javac");
                d.findChild<QPushButton*>(button)->click();
            });
        }
        QAction* compile = bench.frame.command("mnuViewCompile");
        compile->trigger();
        bench.settings.save("SDKNormal", "False"); // as stored by an earlier version's Ok
        compile->trigger();
        bench.saveAs("A.java");
        compile->trigger();
        QCOMPARE(
            bench.messageTexts(),
            QStringList({"The location of the compiler was not specified.",
                         "No Java source file specified.", "The compile mode was not specified."}));
        QCOMPARE(bench.fake.modalDialogs, QList<QString>({"frmOptions", "frmOptions"}));
        QVERIFY(bench.fake.programCalls.isEmpty() && !bench.frame.findChild<OutputPane*>());
    }

    // Before Options was ever confirmed, the JDK on the search path compiles normally.
    void freshInstallCompilesWithTheSearchPathsJdk() {
        ToolchainBench bench;
        store_.clear(); // what the bench stored
        const QString javac = QStandardPaths::findExecutable("javac");
        QVERIFY2(!javac.isEmpty(), "javac is not on the search path");
        const QString source = bench.saveAs("A.java");
        CompileDocument(bench.frame);
        QCOMPARE(bench.messageTexts(), QStringList());
        QCOMPARE(bench.calls(), QStringList{javac + " -encoding UTF-8 -sourcepath " +
                                            QFileInfo(source).absolutePath() + " " + source});
    }

    // The chosen compiler is started; each answer to a failed start is followed.
    void compileFailedStart() {
        ToolchainBench bench({"SDKNormal", "SDKVerbose"});
        const QString javac = bench.saveAs("javac");
        bench.settings.save(SettingKey::SDKLocation, javac);
        bench.fake.missingPrograms = QStringList{javac};
        const QString source = bench.saveAs("A.java");
        bench.fake.messageAnswers << MessageAnswer::Retry << MessageAnswer::Ignore
                                  << MessageAnswer::Abort;
        CompileDocument(bench.frame);
        const QString rest =
            " -encoding UTF-8 -sourcepath " + QFileInfo(source).absolutePath() + " " + source;
        QCOMPARE(bench.calls(),
                 QStringList({javac + rest, javac + rest, javac + " -verbose" + rest}));
        QCOMPARE(bench.messageTexts().filter("Error Number: 53").size(), 3);
    }

    void previewAsksToSaveThenShowsThePage() {
        ToolchainBench bench;
        bench.fake.answerMessage(MessageAnswer::No);
        bench.frame.toolbarButton("Preview")->trigger();
        QCOMPARE(bench.messageTexts(), QStringList{"Document must be saved before previewing."
                                                   "\r\n\r\nDo you want to save now?"});
        const QString page = bench.saveAs("index.html");
        bench.frame.toolbarButton("Preview")->trigger();
        QCOMPARE(bench.fake.openedUrls, QList{QUrl::fromLocalFile(page)});
    }

    // Hidden files are not listed; Begin waits for an option; a java that cannot start is quiet.
    void runClassFile() {
        ToolchainBench bench;
        bench.fake.missingPrograms = QStringList{"java"};
        for (const char* name : {"Page.html", "Hello.class", ".hidden"})
            bench.saveAs(name);
        bench.fake.driveDialog([](QDialog& dialog) {
            QCOMPARE(dialog.findChild<QListWidget*>("File1")->count(), 2);
            QVERIFY(!dialog.findChild<QPushButton*>("cmdBegin")->isEnabled());
            BeginRun("Hello.class", "optJava")(dialog);
        });
        bench.frame.toolbarButton("Run")->trigger();
        QVERIFY(bench.fake.messages.isEmpty());
        QCOMPARE(bench.calls(), QStringList{"java -cp " + bench.frame.projectsFolder() + " Hello"});
    }

    // The JDK's own viewer, else Orvane's run by java, the pane says which; no applet classes: a
    // box.
    void runAppletPage_data() {
        QTest::addColumn<bool>("jdkHasViewer");
        QTest::addColumn<QByteArray>("script"); // what the viewer does
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("told"); // the user gets a message box
        const QByteArray noClasses = "echo 'orvane-viewer: no applet classes'; exit 3";
        QTest::newRow("the JDK's own")
            << true << noClasses << "The JDK's applet viewer shows the page." << false;
        const QString builtIn = "This JDK has no applet viewer of its own: Orvane's applet viewer "
                                "shows the page.";
        QTest::newRow("applet ending with 3") << false << QByteArray("exit 3") << builtIn << false;
        QTest::newRow("no applet classes") << false << noClasses << builtIn << true;
    }

    void runAppletPage() {
        QFETCH(bool, jdkHasViewer);
        QFETCH(QByteArray, script);
        ToolchainBench bench;
        const QString page = bench.saveAs("Page.html");
        const QString tool = bench.saveAs("tool.sh", "#!/bin/sh\n" + script);
        QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner));
        if (jdkHasViewer)
            bench.fake.foundPrograms.insert("appletviewer", tool);
        else
            bench.fake.missingPrograms.append("appletviewer");
        bench.fake.foundPrograms.insert("java", tool);
        bench.fake.driveDialog(BeginRun("Page.html", "optApplet"));
        bench.frame.toolbarButton("Run")->trigger();
        const QString viewer = QDir(bench.fake.programFolderPath).filePath("orvane-viewer.jar");
        QCOMPARE(bench.calls(),
                 QStringList{tool + (jdkHasViewer ? QString() : " -jar " + viewer) + " " + page});
        bench.waitForPrograms();
        QCoreApplication::processEvents();
        QFETCH(QString, note);
        QFETCH(bool, told);
        QVERIFY2(bench.pane().text().startsWith(note + "\n"), qPrintable(bench.pane().text()));
        QCOMPARE(bench.fake.messages.size(), told ? 1 : 0);
        if (told)
            QVERIFY(bench.messageTexts().constFirst().contains("no applet classes") &&
                    bench.fake.messages.constFirst().icon == MessageIcon::Exclamation);
    }
};

QTEST_MAIN(TestToolchainCommands)
#include "tst_toolchaincommands.moc"
