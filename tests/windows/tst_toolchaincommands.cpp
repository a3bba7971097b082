#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "testsettings.h"
#include "toolchain/outputpane.h"
#include "toolchain/toolchaincommands.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

using Answers = QList<MessageAnswer>;

struct Bench {
    FakeDesktop fake;
    SettingsStore settings;
    MainFrame frame{fake, settings};

    Bench() {
        frame.start();
        frame.activeDocument()->text().setText("class A {}");
    }

    QString projects() const { return frame.projectsFolder(); }
    OutputPane* pane() const { return frame.findChild<OutputPane*>(); }

    QString writeProjectFile(const QString& name) {
        QFile file(projects() + name);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }

    // Makes the active document the saved file `name` of the projects folder.
    QString saveAs(const QString& name) {
        const QString path = writeProjectFile(name);
        frame.activeDocument()->setDocumentPath(path);
        frame.activeDocument()->setCaption(name.toUpper());
        return path;
    }

    void chooseModes(const QString& letters) {
        const char* keys[] = {"SDKNormal", "SDKDebug", "SDKOptimize", "SDKVerbose"};
        for (int i = 0; i < 4; ++i)
            settings.save(keys[i], letters.contains(QLatin1Char("ndov"[i])) ? "True" : "False");
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& message : fake.messages)
            texts.append(message.text);
        return texts;
    }

    QStringList calls() const {
        QStringList lines;
        for (const ProgramCall& call : fake.programCalls)
            lines.append(QStringList(QStringList{call.program} + call.arguments).join(u' '));
        return lines;
    }
};

// A stand-in compiler that takes a while, says what it was given, and fails with -g.
QString WriteFakeCompiler(const QString& folder) {
    QFile file(folder + QStringLiteral("/javac"));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write("#!/bin/sh\necho \"start $*\"\nsleep 0.3\necho \"end $*\"\n"
                   "[ \"$1\" = -g ] && exit 3\nexit 0\n") < 0)
        qFatal("cannot write the fake compiler");
    file.setPermissions(file.permissions() | QFileDevice::ExeUser);
    return file.fileName();
}

// Picks `name` in the list (if there), clicks the option button `option` and presses Begin.
void PressBegin(QDialog& dialog, const QString& name, const QString& option) {
    for (QListWidgetItem* item :
         dialog.findChild<QListWidget*>("File1")->findItems(name, Qt::MatchExactly))
        item->setSelected(true);
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        qFatal("the Run Project dialog never became active");
    auto* tool = dialog.findChild<QRadioButton*>(option);
    QTest::mouseClick(tool, Qt::LeftButton, {}, QPoint(8, tool->height() / 2));
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdBegin"), Qt::LeftButton);
}

} // namespace

class TestToolchainCommands : public QObject {
    Q_OBJECT

    TemporarySettings store_;

private slots:
    void init() { store_.clear(); }

    // Without a location the message comes first, then Options on its Compiler tab; nothing is
    // compiled, also when the user sets a location there and presses Ok.
    void compileRefusals_data() {
        QTest::addColumn<bool>("location");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QList<QString>>("dialogs");

        const QString where = "The location of the compiler was not specified.";
        const QList<QString> options{"frmOptions"};
        QTest::newRow("no location, new") << false << false << QStringList{where} << options;
        QTest::newRow("no location, saved") << false << true << QStringList{where} << options;
        QTest::newRow("new") << true << false << QStringList{"No Java source file specified."}
                             << QList<QString>{};
        QTest::newRow("saved, no mode") << true << true << QStringList{} << QList<QString>{};
    }

    void compileRefusals() {
        QFETCH(bool, location);
        QFETCH(bool, saved);
        QFETCH(QStringList, messages);
        QFETCH(QList<QString>, dialogs);
        Bench bench;
        if (location)
            bench.settings.save(SettingKey::SDKLocation, "/opt/jdk/bin/javac");
        else
            bench.chooseModes("n");
        if (saved)
            bench.saveAs("A.java");
        int currentTab = -1;
        qsizetype messagesBefore = -1;
        bench.fake.driveDialog([&](QDialog& d) {
            currentTab = d.findChild<QTabWidget*>("SSTab1")->currentIndex();
            messagesBefore = bench.fake.messages.size();
            d.findChild<QLineEdit*>("txtCompiler")->setText("/opt/jdk/bin/javac");
            d.findChild<QPushButton*>("cmdOk")->click();
        });
        bench.frame.activeDocument()->menuItem("mnuViewCompile")->trigger();
        QCOMPARE(bench.messageTexts(), messages);
        QCOMPARE(bench.fake.modalDialogs, dialogs);
        if (!dialogs.isEmpty()) {
            QCOMPARE(currentTab, 2);
            QCOMPARE(messagesBefore, 1);
        }
        QVERIFY(bench.fake.programCalls.isEmpty());
        QVERIFY(!bench.pane());
    }

    // Each chosen mode runs the chosen compiler; programs side by side keep a block each.
    void compileRunsChosenCompilerPerMode() {
        Bench bench;
        QTemporaryDir bin;
        const QString javac = WriteFakeCompiler(bin.path());
        bench.settings.save(SettingKey::SDKLocation, javac);
        bench.chooseModes("dn");
        const QString source = bench.saveAs("A.java");

        CompileDocument(bench.frame);
        QCOMPARE(bench.calls(), (QStringList{javac + " -encoding UTF-8 " + source,
                                             javac + " -g -encoding UTF-8 " + source}));
        QVERIFY(bench.pane()->isVisible());
        QCOMPARE(bench.frame.dockWidgetArea(bench.pane()), Qt::BottomDockWidgetArea);
        QTRY_COMPARE_WITH_TIMEOUT(bench.pane()->runningPrograms(), 0, 10000);
        QCOMPARE(bench.pane()->text(),
                 QStringLiteral("%1 -encoding UTF-8 %2\nstart -encoding UTF-8 %2\n"
                                "end -encoding UTF-8 %2\nExit status 0\n\n"
                                "%1 -g -encoding UTF-8 %2\nstart -g -encoding UTF-8 %2\n"
                                "end -g -encoding UTF-8 %2\nExit status 3\n\n")
                     .arg(javac, source));
        QVERIFY(bench.fake.messages.isEmpty());
    }

    // Without a usable location the compiler is looked for on the search path.
    void compileFailedStart_data() {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("started");

        using A = MessageAnswer;
        QTest::newRow("abort") << Answers{A::Abort} << QStringList{"javac"};
        QTest::newRow("retry, abort")
            << Answers{A::Retry, A::Abort} << QStringList{"javac", "javac"};
        QTest::newRow("ignore, ignore")
            << Answers{A::Ignore, A::Ignore} << QStringList{"javac", "javac -verbose"};
        QTest::newRow("retry, ignore, abort") << Answers{A::Retry, A::Ignore, A::Abort}
                                              << QStringList{"javac", "javac", "javac -verbose"};
    }

    void compileFailedStart() {
        QFETCH(Answers, answers);
        QFETCH(QStringList, started);
        Bench bench;
        bench.fake.missingPrograms = QStringList{"javac"};
        bench.settings.save(SettingKey::SDKLocation, "/nowhere/javac");
        bench.chooseModes("nv");
        const QString source = bench.saveAs("A.java");
        bench.fake.messageAnswers.append(answers);

        CompileDocument(bench.frame);
        for (QString& call : started)
            call += " -encoding UTF-8 " + source;
        QCOMPARE(bench.calls(), started);
        QCOMPARE(bench.fake.messages.size(), answers.size());
        for (const Message& message : std::as_const(bench.fake.messages))
            QVERIFY(message.text.contains("Error Number: 53"));
        QCOMPARE(bench.fake.busyDepth, 0);
    }

    // Orvane stops the programs it still follows when it ends, rather than hang or orphan them.
    void runningProgramsEndWithTheFrame() {
        auto bench = std::make_unique<Bench>();
        auto* process = new QProcess;
        process->start("sleep", {"30"});
        QVERIFY(process->waitForStarted());
        const QString proc = QStringLiteral("/proc/%1").arg(process->processId());
        ShowOutputPane(bench->frame).follow(*process, "sleep 30");
        QElapsedTimer timer;
        timer.start();
        bench.reset();
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(!QFileInfo::exists(proc));
    }

    void preview_data() {
        QTest::addColumn<QString>("saved"); // the saved file's name, empty for a new document
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("message");

        const QString ask = "Document must be saved before previewing.\r\n\r\n"
                            "Do you want to save now?";
        const QString refusal = "Cannot preview Java source code or plain text.";
        QTest::newRow("page") << "index.html" << MessageAnswer::Ok << "";
        QTest::newRow("htm") << "index.htm" << MessageAnswer::Ok << refusal;
        QTest::newRow("new, no") << "" << MessageAnswer::No << ask;
        QTest::newRow("new, yes") << "" << MessageAnswer::Yes << ask;
    }

    void preview() {
        QFETCH(QString, saved);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, message);
        Bench bench;
        const QString path = saved.isEmpty() ? QString() : bench.saveAs(saved);
        bench.fake.answerMessage(answer);

        bench.frame.toolbarButton("Preview")->trigger();
        QCOMPARE(bench.messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
        const bool shown = message.isEmpty();
        QCOMPARE(bench.fake.openedUrls, shown ? QList{QUrl::fromLocalFile(path)} : QList<QUrl>{});
        // Yes saves as the Save command does, and previews nothing yet.
        QCOMPARE(bench.fake.saveRequests.size(), answer == MessageAnswer::Yes ? 1 : 0);
    }

    void previewWithoutDocumentDoesNothing() {
        Bench bench;
        delete bench.frame.activeDocument()->parentWidget();
        PreviewDocument(bench.frame);
        QVERIFY(bench.fake.messages.isEmpty());
        QVERIFY(bench.fake.openedUrls.isEmpty());
    }

    void runDialogOpens_data() {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("projects") << true << QStringList{"a.java", "Hello.class", "Page.html"};
        QTest::newRow("no projects folder") << false << QStringList{};
    }

    void runDialogOpens() {
        QFETCH(bool, folder);
        QFETCH(QStringList, listed);
        Bench bench;
        for (const char* name : {"Page.html", "Hello.class", "a.java", ".hidden"})
            bench.writeProjectFile(name);
        if (!folder)
            QVERIFY(QDir(bench.projects()).removeRecursively());
        bench.fake.driveDialog([&listed](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>("File1");
            QStringList names;
            for (int i = 0; i < list->count(); ++i)
                names.append(list->item(i)->text());
            QCOMPARE(names, listed);
            QVERIFY(dialog.findChild<QRadioButton*>("optWeb")->isChecked());
            auto* begin = dialog.findChild<QPushButton*>("cmdBegin");
            QVERIFY(!begin->isEnabled());
            dialog.findChild<QRadioButton*>("optApplet")->setFocus();
            QTRY_VERIFY(begin->isEnabled());
        });
        bench.frame.toolbarButton("Run")->trigger();
        QCOMPARE(bench.fake.modalDialogs, QList<QString>{"frmRun"});
    }

    void runBegin_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("option");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QString>("message"); // how the first message starts, if any
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("closed");

        using A = MessageAnswer;
        QTest::newRow("nothing selected")
            << ""
            << "optWeb" << Answers{} << "You must select a project to run." << QStringList{}
            << false;
        QTest::newRow("source in interpreter")
            << "Hello.java"
            << "optJava" << Answers{}
            << "JavaViewer requires a CLASS file (filename.class) to execute." << QStringList{}
            << false;
        QTest::newRow("page in browser") << "Page.html"
                                         << "optWeb" << Answers{} << "" << QStringList{} << true;
        QTest::newRow("viewer missing: retry, abort")
            << "Page.html"
            << "optApplet" << Answers{A::Retry, A::Abort} << "A system file error has occured."
            << QStringList{"appletviewer <projects>Page.html", "appletviewer <projects>Page.html"}
            << true;
        QTest::newRow("interpreter missing, quietly")
            << "Hello.class"
            << "optJava" << Answers{} << "" << QStringList{"java -cp <projects> Hello"} << true;
    }

    void runBegin() {
        QFETCH(QString, selected);
        QFETCH(QString, option);
        QFETCH(Answers, answers);
        QFETCH(QString, message);
        QFETCH(QStringList, started);
        QFETCH(bool, closed);
        Bench bench;
        bench.fake.missingPrograms = QStringList{"appletviewer", "java"};
        for (const char* name : {"Page.html", "Hello.class", "Hello.java"})
            bench.writeProjectFile(name);
        bench.fake.messageAnswers.append(answers);
        int result = -1;
        bench.fake.driveDialog([&](QDialog& dialog) {
            PressBegin(dialog, selected, option);
            result = dialog.result();
        });
        ShowRunDialog(bench.frame);

        QCOMPARE(result, closed ? QDialog::Accepted : QDialog::Rejected);
        QCOMPARE(bench.fake.messages.isEmpty(), message.isEmpty());
        if (!message.isEmpty())
            QVERIFY(bench.fake.messages.constFirst().text.startsWith(message));
        QCOMPARE(bench.calls(), started.replaceInStrings("<projects>", bench.projects()));
        const QUrl page = QUrl::fromLocalFile(bench.projects() + "Page.html");
        QCOMPARE(bench.fake.openedUrls,
                 closed && option == u"optWeb" ? QList{page} : QList<QUrl>{});
    }
};

QTEST_MAIN(TestToolchainCommands)
#include "tst_toolchaincommands.moc"
