#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "testsettings.h"
#include "toolchain/compilermessage.h"
#include "toolchain/outputpane.h"
#include "toolchain/toolchaincommands.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>

using namespace orvane;

namespace {

const QByteArray application = "public class App {\r\n"
                               "    public static void main(String[] args) {\r\n"
                               "        int answer = 42;\r\n"
                               "        System.out.println(\"Hello from Orvane \" + answer);\r\n"
                               "    }\r\n"
                               "}\r\n";

struct Bench {
    test::FakeDesktop fake;
    SettingsStore settings;
    MainFrame frame{fake, settings};

    Bench(const QString& javac, const QString& mode = QStringLiteral("SDKNormal")) {
        frame.start();
        settings.save(SettingKey::SDKLocation, javac);
        settings.save(mode, "True");
    }

    QString projects() const { return frame.projectsFolder(); }
    OutputPane& pane() const { return *frame.findChild<OutputPane*>(); }

    // Compiles `bytes` saved at `path` as the active window's file.
    void compile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        file.close();
        DocumentWindow& window = *frame.activeDocument();
        window.text().setText(QString::fromUtf8(bytes));
        window.setDocumentPath(path);
        window.setCaption(QFileInfo(path).fileName().toUpper());
        CompileDocument(frame);
        waitForPrograms();
    }

    void waitForPrograms() const { QTRY_COMPARE_WITH_TIMEOUT(pane().runningPrograms(), 0, 60000); }
};

} // namespace

class TestToolchainTools : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    QString javac_;

private slots:
    void initTestCase() {
        javac_ = QStandardPaths::findExecutable("javac");
        if (javac_.isEmpty() || QStandardPaths::findExecutable("java").isEmpty())
            QFAIL("javac and java must be installed on the search path (scripts/dependencies.sh)");
    }

    void init() { store_.clear(); }

    // New > Application Template > Finish, then Compile.
    void compileNewApplication() {
        Bench bench(javac_);
        bench.fake.driveDialog(
            [](QDialog& dialog) { dialog.findChild<QPushButton*>("cmdFinish")->click(); });
        bench.frame.activeDocument()->menuItem("mnuFileNewApplication")->trigger();
        bench.frame.activeDocument()->menuItem("mnuViewCompile")->trigger();
        bench.waitForPrograms();
        QVERIFY2(bench.pane().text().endsWith("Exit status 0\n\n"),
                 qPrintable(bench.pane().text()));
        QVERIFY(QFileInfo::exists(bench.projects() + "Document1.class"));
    }

    // The path is one argument, and debugging information is javac's -g.
    void compileInFolderWithBlankWithDebuggingInformation() {
        Bench bench(javac_, "SDKDebug");
        const QString folder = bench.projects() + "My Sources/";
        QVERIFY(QDir().mkpath(folder));
        bench.compile(folder + "App.java", application);
        const QString text = bench.pane().text();
        QVERIFY2(text.startsWith(javac_ + " -g -encoding UTF-8 \"" + folder + "App.java\"\n"),
                 qPrintable(text));
        QFile classFile(folder + "App.class");
        QVERIFY(classFile.open(QIODevice::ReadOnly));
        QVERIFY(classFile.readAll().contains("LocalVariableTable"));
    }

    // Double-clicking the compiler's message brings back the source's window at that line.
    void compileErrorLeadsToLine() {
        Bench bench(javac_);
        const QString source = bench.projects() + "Broken.java";
        DocumentWindow& window = *bench.frame.activeDocument();
        bench.compile(source, "class Broken {\r\n\r\n    int x = 1\r\n}\r\n");
        const QStringList lines = bench.pane().text().split(u'\n');
        const int line = int(lines.indexOf(source + ":3: error: ';' expected"));
        QVERIFY2(line >= 0, qPrintable(bench.pane().text()));
        QVERIFY(bench.pane().text().endsWith("Exit status 1\n\n"));

        bench.frame.newDocumentWindow();
        QPlainTextEdit& view = bench.pane().view();
        const QTextCursor at(view.document()->findBlockByNumber(line));
        view.setTextCursor(at);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(at).center());
        QCOMPARE(bench.frame.activeDocument(), &window);
        QCOMPARE(window.text().selStart(), LineStartPosition(window.text().text(), 3));
    }

    // The interpreter is looked for beside the chosen compiler and given the class by name.
    void runConsoleClass() {
        Bench bench(javac_);
        bench.compile(bench.projects() + "App.java", application);
        bench.fake.driveDialog([](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>("File1");
            list->findItems("App.class", Qt::MatchExactly).constFirst()->setSelected(true);
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            auto* option = dialog.findChild<QRadioButton*>("optJava");
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdBegin"), Qt::LeftButton);
        });
        ShowRunDialog(bench.frame);
        bench.waitForPrograms();
        const QString java = QFileInfo(javac_).absolutePath() + "/java";
        QVERIFY2(bench.pane().text().endsWith(
                     QStringLiteral("%1 -cp %2 App\nHello from Orvane 42\nExit status 0\n\n")
                         .arg(java, bench.projects())),
                 qPrintable(bench.pane().text()));
    }
};

QTEST_MAIN(TestToolchainTools)
#include "tst_toolchaintools.moc"
