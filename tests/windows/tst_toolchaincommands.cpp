#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "settings/settingsstore.h"
#include "testsettings.h"
#include "toolchain/outputpane.h"
#include "toolchain/toolchaincommands.h"
#include "toolchainbench.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

using namespace orvane;

using Bench = test::ToolchainBench;

class TestToolchainCommands : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;

private slots:
    void init() { store_.clear(); }

    // Without a location its message comes first, then Options on the Compiler tab, and nothing
    // is compiled after Ok there; then a new document is refused; a saved one with no compile
    // mode gets its message and Options on the Compiler tab again, and compiles nothing.
    void compileRefusals() {
        Bench bench;
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
        Bench bench;
        store_.clear();
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
        Bench bench({"SDKNormal", "SDKVerbose"});
        const QString javac = bench.saveAs("javac");
        bench.settings.save(SettingKey::SDKLocation, javac);
        bench.fake.missingPrograms = QStringList{javac};
        const QString source = bench.saveAs("A.java");
        bench.fake.messageAnswers << MessageAnswer::Retry << MessageAnswer::Ignore
                                  << MessageAnswer::Abort;
        CompileDocument(bench.frame);
        QCOMPARE(bench.calls(),
                 QStringList({javac, javac, javac + " -verbose"})
                     .replaceInStrings(QRegularExpression("$"),
                                       " -encoding UTF-8 -sourcepath " +
                                           QFileInfo(source).absolutePath() + " " + source));
        QCOMPARE(bench.fake.messages.size(), 3);
        for (const QString& text : bench.messageTexts())
            QVERIFY(text.contains("Error Number: 53"));
    }

    void previewAsksToSaveThenShowsThePage() {
        Bench bench;
        bench.fake.answerMessage(MessageAnswer::No);
        bench.frame.toolbarButton("Preview")->trigger();
        QCOMPARE(bench.messageTexts(), QStringList{"Document must be saved before previewing."
                                                   "\r\n\r\nDo you want to save now?"});
        const QString page = bench.saveAs("index.html");
        bench.frame.toolbarButton("Preview")->trigger();
        QCOMPARE(bench.fake.openedUrls, QList{QUrl::fromLocalFile(page)});
    }

    // The list leaves hidden files out; Begin waits for an option's focus; an interpreter that
    // cannot start ends quietly.
    void runClassFile() {
        Bench bench;
        bench.fake.missingPrograms = QStringList{"java"};
        for (const char* name : {"Page.html", "Hello.class", ".hidden"})
            bench.saveAs(name);
        bench.fake.driveDialog([](QDialog& dialog) {
            QCOMPARE(dialog.findChild<QListWidget*>("File1")->count(), 2);
            QVERIFY(!dialog.findChild<QPushButton*>("cmdBegin")->isEnabled());
            test::BeginRun("Hello.class", "optJava")(dialog);
            QCOMPARE(dialog.result(), QDialog::Accepted);
        });
        bench.frame.toolbarButton("Run")->trigger();
        QVERIFY(bench.fake.messages.isEmpty());
        QCOMPARE(bench.calls(), QStringList{"java -cp " + bench.frame.projectsFolder() + " Hello"});
    }

    // Run > AppletViewer takes the JDK's own viewer where there is one, else Orvane's, run by
    // the JDK's java; the pane says which. A runtime without applet classes gets a message.
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
        QTest::newRow("Orvane's") << false << QByteArray("exit 0") << builtIn << false;
        QTest::newRow("applet ending with 3") << false << QByteArray("exit 3") << builtIn << false;
        QTest::newRow("no applet classes") << false << noClasses << builtIn << true;
    }

    void runAppletPage() {
        QFETCH(bool, jdkHasViewer);
        QFETCH(QByteArray, script);
        Bench bench;
        const QString page = bench.saveAs("Page.html");
        // Both tools are one script, the row's.
        const QString tool = bench.saveAs("tool.sh", "#!/bin/sh\n" + script);
        QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner));
        if (jdkHasViewer)
            bench.fake.foundPrograms.insert("appletviewer", tool);
        else
            bench.fake.missingPrograms.append("appletviewer");
        bench.fake.foundPrograms.insert("java", tool);
        bench.fake.driveDialog(test::BeginRun("Page.html", "optApplet"));
        bench.frame.toolbarButton("Run")->trigger();
        const QString viewer = QDir(bench.fake.programFolderPath).filePath("orvane-viewer.jar");
        QCOMPARE(bench.calls(),
                 QStringList{tool + (jdkHasViewer ? QString() : " -jar " + viewer) + " " + page});
        auto* pane = bench.frame.findChild<OutputPane*>();
        QTRY_COMPARE(pane->runningPrograms(), 0);
        QCoreApplication::processEvents();
        QFETCH(QString, note);
        QFETCH(bool, told);
        QVERIFY2(pane->text().startsWith(note + "\n"), qPrintable(pane->text()));
        QCOMPARE(bench.fake.messages.size(), told ? 1 : 0);
        if (told)
            QVERIFY(bench.messageTexts().constFirst().contains("no applet classes") &&
                    bench.fake.messages.constFirst().icon == MessageIcon::Exclamation);
    }
};

QTEST_MAIN(TestToolchainCommands)
#include "tst_toolchaincommands.moc"
