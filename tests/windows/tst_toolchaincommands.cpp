#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "testsettings.h"
#include "toolchain/outputpane.h"
#include "toolchain/toolchaincommands.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace orvane;
using namespace Qt::StringLiterals;

namespace {

using Answers = QList<MessageAnswer>;

struct Bench {
    test::FakeDesktop fake;
    SettingsStore settings;
    MainFrame frame{fake, settings};

    // `modes` holds the letters n, d, o, v of the chosen compile modes.
    Bench(const QString& compiler, const QString& modes) {
        frame.start();
        frame.activeDocument()->text().setText(QStringLiteral("class A {}"));
        if (!compiler.isEmpty())
            settings.save(SettingKey::SDKLocation, compiler);
        const char* keys[] = {"SDKNormal", "SDKDebug", "SDKOptimize", "SDKVerbose"};
        for (int i = 0; i < 4; ++i)
            settings.save(keys[i], modes.contains(QLatin1Char("ndov"[i])) ? "True" : "False");
    }

    OutputPane* pane() const { return frame.findChild<OutputPane*>(); }

    // Writes the file `name` of the projects folder and makes it the active document's.
    QString saveAs(const QString& name) {
        QFile file(frame.projectsFolder() + name);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(name));
        frame.activeDocument()->setDocumentPath(file.fileName());
        frame.activeDocument()->setCaption(name.toUpper());
        return file.fileName();
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

} // namespace

class TestToolchainCommands : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;

private slots:
    void init() { store_.clear(); }

    // Without a location its message comes first, then Options on the Compiler tab; nothing is
    // compiled, also when the user sets a location there and presses Ok.
    void compileRefusals_data() {
        QTest::addColumn<QString>("compiler");
        QTest::addColumn<QString>("saved"); // the saved file's name, empty for a new document
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("optionsTab"); // -1: no Options dialog
        QTest::newRow("no location, new") << QString() << QString()
                                          << QStringList{"The location of the compiler was "
                                                         "not specified."}
                                          << 2;
        QTest::newRow("new") << u"/jdk/javac"_s << QString()
                             << QStringList{"No Java source file specified."} << -1;
        QTest::newRow("no mode") << u"/jdk/javac"_s << u"A.java"_s << QStringList{} << -1;
    }

    void compileRefusals() {
        QFETCH(QString, compiler);
        QFETCH(QString, saved);
        Bench bench(compiler, compiler.isEmpty() ? "n" : "");
        if (!saved.isEmpty())
            bench.saveAs(saved);
        int optionsTab = -1;
        bench.fake.driveDialog([&](QDialog& d) {
            optionsTab = d.findChild<QTabWidget*>("SSTab1")->currentIndex();
            QCOMPARE(bench.fake.messages.size(), 1);
            d.findChild<QLineEdit*>("txtCompiler")->setText("/jdk/javac");
            d.findChild<QPushButton*>("cmdOk")->click();
        });
        bench.frame.activeDocument()->menuItem("mnuViewCompile")->trigger();
        QTEST(bench.messageTexts(), "messages");
        QTEST(optionsTab, "optionsTab");
        QVERIFY(bench.fake.programCalls.isEmpty() && !bench.pane());
    }

    // Each chosen mode starts the chosen compiler (here one that fails with -g); programs side
    // by side keep a block each in the pane.
    void compileRunsChosenCompilerPerMode() {
        QTemporaryDir bin;
        QFile javac(bin.filePath("javac"));
        QVERIFY(javac.open(QIODevice::WriteOnly));
        javac.write("#!/bin/sh\necho \"start $*\"\nsleep 0.3\necho end\n[ $1 != -g ] || exit 3\n");
        javac.close();
        QVERIFY(javac.setPermissions(javac.permissions() | QFileDevice::ExeUser));
        Bench bench(javac.fileName(), "dn");
        const QString source = bench.saveAs("A.java");

        CompileDocument(bench.frame);
        QVERIFY(bench.pane()->isVisible());
        QCOMPARE(bench.frame.dockWidgetArea(bench.pane()), Qt::BottomDockWidgetArea);
        QTRY_COMPARE_WITH_TIMEOUT(bench.pane()->runningPrograms(), 0, 10000);
        QCOMPARE(bench.pane()->text(),
                 QStringLiteral("%1 -encoding UTF-8 %2\nstart -encoding UTF-8 %2\nend\n"
                                "Exit status 0\n\n%1 -g -encoding UTF-8 %2\n"
                                "start -g -encoding UTF-8 %2\nend\nExit status 3\n\n")
                     .arg(javac.fileName(), source));
        QVERIFY(bench.fake.messages.isEmpty());
    }

    // A compiler that is not where the user said is looked for on the search path.
    void compileFailedStart_data() {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("started");
        using A = MessageAnswer;
        QTest::newRow("retry, abort") << Answers{A::Retry, A::Abort} << QStringList{"", ""};
        QTest::newRow("ignore, ignore")
            << Answers{A::Ignore, A::Ignore} << QStringList{"", " -verbose"};
    }

    void compileFailedStart() {
        QFETCH(Answers, answers);
        QFETCH(QStringList, started);
        Bench bench("/nowhere/javac", "nv");
        bench.fake.missingPrograms = QStringList{"javac"};
        const QString source = bench.saveAs("A.java");
        bench.fake.messageAnswers.append(answers);

        CompileDocument(bench.frame);
        for (QString& call : started)
            call = "javac" + call + " -encoding UTF-8 " + source;
        QCOMPARE(bench.calls(), started);
        QCOMPARE(bench.fake.messages.size(), answers.size());
        for (const QString& text : bench.messageTexts())
            QVERIFY(text.contains("Error Number: 53"));
    }

    void previewAsksToSaveThenShowsThePage() {
        Bench bench({}, {});
        bench.fake.answerMessage(MessageAnswer::No);
        bench.frame.toolbarButton("Preview")->trigger();
        QCOMPARE(bench.messageTexts(), QStringList{"Document must be saved before previewing."
                                                   "\r\n\r\nDo you want to save now?"});
        const QString page = bench.saveAs("index.html");
        bench.frame.toolbarButton("Preview")->trigger();
        QCOMPARE(bench.fake.openedUrls, QList{QUrl::fromLocalFile(page)});
    }

    void runBegin_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("option");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("closed");
        using A = MessageAnswer;
        QTest::newRow("nothing selected")
            << QString() << u"optWeb"_s << Answers{} << QStringList{} << false;
        QTest::newRow("viewer missing: retry, abort")
            << u"Page.html"_s << u"optApplet"_s << Answers{A::Retry, A::Abort}
            << QStringList{"appletviewer %1Page.html", "appletviewer %1Page.html"} << true;
        QTest::newRow("interpreter missing, quietly")
            << u"Hello.class"_s << u"optJava"_s << Answers{} << QStringList{"java -cp %1 Hello"}
            << true;
    }

    // The projects folder is listed without hidden files; Begin waits for an option's focus.
    void runBegin() {
        QFETCH(QString, selected);
        QFETCH(QString, option);
        QFETCH(Answers, answers);
        QFETCH(QStringList, started);
        Bench bench({}, {});
        bench.fake.missingPrograms = QStringList{"appletviewer", "java"};
        for (const char* name : {"Page.html", "Hello.class", ".hidden"})
            bench.saveAs(name);
        bench.fake.messageAnswers.append(answers);
        int result = -1;
        bench.fake.driveDialog([&](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>("File1");
            QCOMPARE(list->count(), 2);
            auto* begin = dialog.findChild<QPushButton*>("cmdBegin");
            QVERIFY(!begin->isEnabled());
            for (QListWidgetItem* item : list->findItems(selected, Qt::MatchExactly))
                item->setSelected(true);
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            auto* tool = dialog.findChild<QRadioButton*>(option);
            QTest::mouseClick(tool, Qt::LeftButton, {}, QPoint(8, tool->height() / 2));
            QTest::mouseClick(begin, Qt::LeftButton);
            result = dialog.result();
        });
        bench.frame.toolbarButton("Run")->trigger();
        QTEST(result == QDialog::Accepted, "closed");
        QCOMPARE(bench.fake.messages.size(), answers.size() + (selected.isEmpty() ? 1 : 0));
        QCOMPARE(bench.calls(), started.replaceInStrings("%1", bench.frame.projectsFolder()));
    }
};

QTEST_MAIN(TestToolchainCommands)
#include "tst_toolchaincommands.moc"
