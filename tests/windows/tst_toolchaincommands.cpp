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
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace orvane;
using namespace orvane::test;

namespace {

const QString locationMessage = QStringLiteral("The location of the compiler was not specified.");
const QString unsavedMessage = QStringLiteral("No Java source file specified.");

struct Bench {
    FakeDesktop fake;
    SettingsStore settings;
    MainFrame frame{fake, settings};

    Bench() { frame.start(); }

    DocumentWindow& document() { return *frame.activeDocument(); }
    QString projects() const { return frame.projectsFolder(); }

    // Makes the active document the saved file `name` of the projects folder.
    QString saveAs(const QString& name) {
        const QString path = projects() + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write("class A {}\r\n") < 0)
            qFatal("cannot write %s", qPrintable(path));
        document().text().setText(QStringLiteral("class A {}"));
        document().setDocumentPath(path);
        document().setCaption(name.toUpper());
        return path;
    }

    void chooseModes(const QString& modes) {
        settings.save(SettingKey::SDKNormal, modes.contains(u'n') ? "True" : "False");
        settings.save(SettingKey::SDKDebug, modes.contains(u'd') ? "True" : "False");
        settings.save(SettingKey::SDKOptimize, modes.contains(u'o') ? "True" : "False");
        settings.save(SettingKey::SDKVerbose, modes.contains(u'v') ? "True" : "False");
    }

    void writeProjectFile(const QString& name) {
        QFile file(projects() + name);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(name));
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& message : fake.messages)
            texts.append(message.text);
        return texts;
    }

    QList<QStringList> calls() const {
        QList<QStringList> words;
        for (const ProgramCall& call : fake.programCalls)
            words.append(QStringList{call.program} + call.arguments);
        return words;
    }
};

// A stand-in compiler that takes a while and says what it was given.
QString WriteFakeCompiler(const QString& folder) {
    const QString path = folder + QStringLiteral("/javac");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write("#!/bin/sh\necho \"start $*\"\nsleep 0.3\necho \"end $*\"\n"
                   "[ \"$1\" = -g ] && exit 3\nexit 0\n") < 0)
        qFatal("cannot write the fake compiler");
    file.setPermissions(file.permissions() | QFileDevice::ExeUser);
    return path;
}

// Picks `name` in the list (none when empty), goes to the tool option `option` and presses Begin.
void PressBegin(QDialog& dialog, const QString& name, const QString& option) {
    auto* list = dialog.findChild<QListWidget*>("File1");
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    if (!name.isEmpty() && items.size() == 1)
        items.constFirst()->setSelected(true);
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

    void compileRefusals_data() {
        QTest::addColumn<bool>("location");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("no location, new document")
            << false << false << QStringList{locationMessage};
        QTest::newRow("no location, saved") << false << true << QStringList{locationMessage};
        QTest::newRow("new document") << true << false << QStringList{unsavedMessage};
        QTest::newRow("saved, no mode chosen") << true << true << QStringList{};
    }

    void compileRefusals() {
        QFETCH(bool, location);
        QFETCH(bool, saved);
        QFETCH(QStringList, messages);
        Bench bench;
        if (location)
            bench.settings.save(SettingKey::SDKLocation, "/opt/jdk/bin/javac");
        bench.document().text().setText("class A {}");
        if (saved)
            bench.saveAs("A.java");
        bench.document().menuItem("mnuViewCompile")->trigger();
        QCOMPARE(bench.messageTexts(), messages);
        for (const Message& message : std::as_const(bench.fake.messages)) {
            QCOMPARE(message.title, QStringLiteral("Orvane"));
            QCOMPARE(message.icon, MessageIcon::Information);
        }
        QVERIFY(bench.fake.programCalls.isEmpty());
        QVERIFY(!bench.frame.findChild<OutputPane*>());
        QCOMPARE(bench.fake.busyDepth, 0);
    }

    // Each mode runs the chosen compiler side by side; each run keeps a block of its own.
    void compileRunsChosenCompilerPerMode() {
        Bench bench;
        QTemporaryDir bin;
        const QString compiler = WriteFakeCompiler(bin.path());
        bench.settings.save(SettingKey::SDKLocation, compiler);
        bench.chooseModes("dn");
        const QString source = bench.saveAs("A.java");

        CompileDocument(bench.frame);
        QCOMPARE(bench.calls(), (QList<QStringList>{{compiler, source}, {compiler, "-g", source}}));
        auto* pane = bench.frame.findChild<OutputPane*>();
        QVERIFY(pane);
        QVERIFY(pane->isVisible());
        QCOMPARE(bench.frame.dockWidgetArea(pane), Qt::BottomDockWidgetArea);
        QTRY_COMPARE_WITH_TIMEOUT(pane->runningPrograms(), 0, 10000);
        QCOMPARE(pane->text(), QStringLiteral("%1 %2\nstart %2\nend %2\nExit status 0\n\n"
                                              "%1 -g %2\nstart -g %2\nend -g %2\nExit status 3\n\n")
                                   .arg(compiler, source));
        QVERIFY(bench.fake.messages.isEmpty());
    }

    // Without a usable location the compiler is the one on the search path.
    void compileFailedStart_data() {
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QStringList>("started"); // the switch of each start, "" for normal

        using A = MessageAnswer;
        QTest::newRow("abort") << QList<A>{A::Abort} << QStringList{""};
        QTest::newRow("retry, abort") << QList<A>{A::Retry, A::Abort} << QStringList{"", ""};
        QTest::newRow("ignore, ignore")
            << QList<A>{A::Ignore, A::Ignore} << QStringList{"", "-verbose"};
        QTest::newRow("retry, ignore, abort")
            << QList<A>{A::Retry, A::Ignore, A::Abort} << QStringList{"", "", "-verbose"};
    }

    void compileFailedStart() {
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QStringList, started);
        Bench bench;
        bench.fake.missingPrograms = QStringList{"javac"};
        bench.settings.save(SettingKey::SDKLocation, "/nowhere/bin/javac");
        bench.chooseModes("nv");
        const QString source = bench.saveAs("A.java");
        for (MessageAnswer answer : answers)
            bench.fake.answerMessage(answer);

        CompileDocument(bench.frame);
        QList<QStringList> expected;
        for (const QString& mode : started)
            expected.append(mode.isEmpty() ? QStringList{"javac", source}
                                           : QStringList{"javac", mode, source});
        QCOMPARE(bench.calls(), expected);
        QCOMPARE(bench.fake.messages.size(), answers.size());
        for (const Message& message : std::as_const(bench.fake.messages)) {
            QVERIFY(message.text.contains("Error Number: 53"));
            QCOMPARE(message.buttons, MessageButtons::AbortRetryIgnore);
        }
        QCOMPARE(bench.fake.busyDepth, 0);
        QVERIFY(bench.frame.findChild<OutputPane*>()->text().contains("Could not start"));
    }

    // Orvane stops the programs it still follows when it ends, rather than hang or orphan them.
    void runningProgramsEndWithTheFrame() {
        auto bench = std::make_unique<Bench>();
        auto* process = new QProcess;
        process->start("sleep", {"30"});
        QVERIFY(process->waitForStarted());
        const QString proc = QStringLiteral("/proc/%1").arg(process->processId());
        ShowOutputPane(bench->frame).follow(*process, "sleep 30");
        QCOMPARE(bench->frame.findChild<OutputPane*>()->runningPrograms(), 1);
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
        QTest::addColumn<bool>("opened");

        const QString question = QStringLiteral("Document must be saved before previewing.\r\n\r\n"
                                                "Do you want to save now?");
        const QString refusal = QStringLiteral("Cannot preview Java source code or plain text.");
        QTest::newRow("page") << "index.html" << MessageAnswer::Ok << "" << true;
        QTest::newRow("htm") << "index.htm" << MessageAnswer::Ok << refusal << false;
        QTest::newRow("source") << "A.java" << MessageAnswer::Ok << refusal << false;
        QTest::newRow("new, no") << "" << MessageAnswer::No << question << false;
        QTest::newRow("new, yes") << "" << MessageAnswer::Yes << question << false;
    }

    void preview() {
        QFETCH(QString, saved);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, message);
        QFETCH(bool, opened);
        Bench bench;
        bench.document().text().setText("<html></html>");
        const QString path = saved.isEmpty() ? QString() : bench.saveAs(saved);
        bench.fake.answerMessage(answer);

        bench.frame.toolbarButton("Preview")->trigger();
        QCOMPARE(bench.messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(bench.fake.openedUrls,
                 opened ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
        if (!message.isEmpty())
            QCOMPARE(bench.fake.messages.constFirst().icon,
                     saved.isEmpty() ? MessageIcon::Question : MessageIcon::Exclamation);
    }

    void previewWithoutDocumentDoesNothing() {
        Bench bench;
        bench.frame.activeDocument()->parentWidget()->close();
        QTRY_VERIFY(bench.frame.documentWindows().isEmpty());
        PreviewDocument(bench.frame);
        QVERIFY(bench.fake.messages.isEmpty());
        QVERIFY(bench.fake.openedUrls.isEmpty());
    }

    void runDialogOpens() {
        Bench bench;
        for (const char* name : {"Page.html", "Hello.class", "a.java", ".hidden"})
            bench.writeProjectFile(name);
        bench.document().text().setText("x");
        bench.fake.driveDialog([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Run Project"));
            auto* list = dialog.findChild<QListWidget*>("File1");
            QStringList names;
            for (int i = 0; i < list->count(); ++i)
                names.append(list->item(i)->text());
            QCOMPARE(names, (QStringList{"a.java", "Hello.class", "Page.html"}));
            QVERIFY(list->selectedItems().isEmpty());
            const QList<std::pair<const char*, const char*>> captions{
                {"optWeb", "Web browser (HTML files only)"},
                {"optApplet", "AppletViewer (HTML files only)"},
                {"optJava", "JavaViewer (CLASS files only)"}};
            for (const auto& [name, caption] : captions)
                QCOMPARE(dialog.findChild<QRadioButton*>(name)->text(), QString(caption));
            QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(),
                     QStringLiteral("Select the project you wish to run:"));
            QCOMPARE(dialog.findChild<QGroupBox*>("Frame1")->title(),
                     QStringLiteral("Run project with:"));
            QVERIFY(dialog.findChild<QRadioButton*>("optWeb")->isChecked());

            auto* begin = dialog.findChild<QPushButton*>("cmdBegin");
            QVERIFY(!begin->isEnabled());
            list->item(0)->setSelected(true);
            QVERIFY(!begin->isEnabled());
            dialog.findChild<QRadioButton*>("optApplet")->setFocus();
            QTRY_VERIFY(begin->isEnabled());
        });
        bench.frame.toolbarButton("Run")->trigger();
        QCOMPARE(bench.fake.modalDialogs, QList<QString>{"frmRun"});
        QVERIFY(bench.fake.dialogDrivers.isEmpty());
    }

    void runDialogWithoutProjectsFolder() {
        Bench bench;
        QVERIFY(QDir(bench.projects()).removeRecursively());
        int listed = -1;
        bench.fake.driveDialog([&listed](QDialog& dialog) {
            listed = dialog.findChild<QListWidget*>("File1")->count();
        });
        ShowRunDialog(bench.frame);
        QCOMPARE(listed, 0);
    }

    void runBegin_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QString>("message");     // the first message, if any
        QTest::addColumn<QStringList>("started"); // program and arguments of every start
        QTest::addColumn<bool>("closed");

        using A = MessageAnswer;
        const QString folder = QStringLiteral("<projects>");
        QTest::newRow("nothing selected")
            << ""
            << "optWeb" << QList<A>{} << "You must select a project to run." << QStringList{}
            << false;
        QTest::newRow("source in interpreter")
            << "Hello.java"
            << "optJava" << QList<A>{}
            << "JavaViewer requires a CLASS file (filename.class) to execute." << QStringList{}
            << false;
        QTest::newRow("page in browser") << "Page.html"
                                         << "optWeb" << QList<A>{} << "" << QStringList{} << true;
        QTest::newRow("viewer missing, retry, abort")
            << "Page.html"
            << "optApplet" << QList<A>{A::Retry, A::Abort} << "A system file error has occured."
            << QStringList{"appletviewer", "appletviewer"} << true;
        QTest::newRow("interpreter missing ends quietly")
            << "Hello.class"
            << "optJava" << QList<A>{} << "" << QStringList{"java"} << true;
    }

    void runBegin() {
        QFETCH(QString, selected);
        QFETCH(QString, option);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QString, message);
        QFETCH(QStringList, started);
        QFETCH(bool, closed);
        Bench bench;
        bench.fake.missingPrograms = QStringList{"appletviewer", "java"};
        for (const char* name : {"Page.html", "Hello.class", "Hello.java"})
            bench.writeProjectFile(name);
        for (MessageAnswer answer : answers)
            bench.fake.answerMessage(answer);
        int result = -1;
        bench.fake.driveDialog([&](QDialog& dialog) {
            PressBegin(dialog, selected, option);
            result = dialog.result();
        });
        ShowRunDialog(bench.frame);

        QCOMPARE(result, closed ? QDialog::Accepted : QDialog::Rejected);
        QCOMPARE(bench.fake.messages.isEmpty(), message.isEmpty());
        if (!message.isEmpty())
            QVERIFY2(bench.fake.messages.constFirst().text.startsWith(message),
                     qPrintable(bench.fake.messages.constFirst().text));
        QStringList programs;
        for (const ProgramCall& call : std::as_const(bench.fake.programCalls))
            programs.append(call.program);
        QCOMPARE(programs, started);
        const QString page = bench.projects() + "Page.html";
        if (option == u"optWeb" && closed)
            QCOMPARE(bench.fake.openedUrls, QList<QUrl>{QUrl::fromLocalFile(page)});
        if (option == u"optApplet" && closed)
            QCOMPARE(bench.fake.programCalls.constFirst().arguments, QStringList{page});
        if (option == u"optJava" && closed)
            QCOMPARE(bench.fake.programCalls.constFirst().arguments,
                     (QStringList{"-cp", bench.projects(), "Hello"}));
        QCOMPARE(bench.fake.busyDepth, 0);
    }
};

QTEST_MAIN(TestToolchainCommands)
#include "tst_toolchaincommands.moc"
