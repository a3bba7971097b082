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
using namespace orvane::test;

namespace {

constexpr int timeoutMs = 60000;

const QByteArray application = "public class App {\r\n"
                               "    public static void main(String[] args) throws Exception {\r\n"
                               "        int answer = 42;\r\n"
                               "        System.out.println(\"Hello from Orvane\");\r\n"
                               "        Thread.sleep(300);\r\n"
                               "        System.err.println(answer);\r\n"
                               "    }\r\n"
                               "}\r\n";

const QByteArray broken = "public class Broken {\r\n"
                          "    void f() {\r\n"
                          "        int x = 1\r\n"
                          "    }\r\n"
                          "}\r\n";

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

struct Bench {
    FakeDesktop fake;
    SettingsStore settings;
    MainFrame frame{fake, settings};

    Bench(const QString& javac, const QString& mode) {
        frame.start();
        settings.save(SettingKey::SDKLocation, javac);
        settings.save(mode, "True");
    }

    QString projects() const { return frame.projectsFolder(); }
    OutputPane& pane() const { return *frame.findChild<OutputPane*>(); }

    // Writes `bytes` to `path` and shows them in the active window as that saved file.
    DocumentWindow& showSaved(const QString& path, const QByteArray& bytes) {
        WriteFile(path, bytes);
        DocumentWindow& window = *frame.activeDocument();
        window.text().setText(QString::fromUtf8(bytes));
        window.setDocumentPath(path);
        window.setCaption(QFileInfo(path).fileName().toUpper());
        return window;
    }

    void waitForPrograms() const {
        QTRY_COMPARE_WITH_TIMEOUT(pane().runningPrograms(), 0, timeoutMs);
    }

    // The pane's line that starts with `text`, counted from 0, or -1.
    int paneLine(const QString& text) const {
        const QStringList lines = pane().text().split(u'\n');
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).startsWith(text))
                return i;
        }
        return -1;
    }
};

} // namespace

class TestToolchainTools : public QObject {
    Q_OBJECT

    TemporarySettings store_;
    QString javac_;

private slots:
    void initTestCase() {
        javac_ = QStandardPaths::findExecutable("javac");
        if (javac_.isEmpty() || QStandardPaths::findExecutable("java").isEmpty())
            QFAIL("javac and java must be installed on the search path (scripts/dependencies.sh)");
    }

    void init() { store_.clear(); }

    // Every mode compiles; only the debugging mode writes the local variable table.
    void compile_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("switch_");
        QTest::addColumn<QString>("folder");
        QTest::newRow("normal") << "SDKNormal"
                                << ""
                                << "";
        QTest::newRow("debugging information") << "SDKDebug"
                                               << "-g "
                                               << "";
        QTest::newRow("optimised") << "SDKOptimize"
                                   << "-O "
                                   << "";
        QTest::newRow("verbose") << "SDKVerbose"
                                 << "-verbose "
                                 << "";
        QTest::newRow("folder with a blank") << "SDKNormal"
                                             << ""
                                             << "My Sources/";
    }

    void compile() {
        QFETCH(QString, mode);
        QFETCH(QString, switch_);
        QFETCH(QString, folder);
        Bench bench(javac_, mode);
        QVERIFY(QDir().mkpath(bench.projects() + folder));
        const QString source = bench.projects() + folder + "App.java";
        bench.showSaved(source, application);

        bench.frame.activeDocument()->menuItem("mnuViewCompile")->trigger();
        bench.waitForPrograms();
        const QString text = bench.pane().text();
        const QString quoted = folder.isEmpty() ? source : '"' + source + '"';
        QVERIFY2(text.startsWith(javac_ + ' ' + switch_ + quoted + '\n'), qPrintable(text));
        QVERIFY2(text.endsWith("Exit status 0\n\n"), qPrintable(text));
        QFile classFile(bench.projects() + folder + "App.class");
        QVERIFY(classFile.open(QIODevice::ReadOnly));
        QCOMPARE(classFile.readAll().contains("LocalVariableTable"), switch_ == u"-g ");
    }

    // New > Application Template > Finish, then Compile.
    void compileNewApplication() {
        Bench bench(javac_, "SDKNormal");
        bench.fake.driveDialog(
            [](QDialog& dialog) { dialog.findChild<QPushButton*>("cmdFinish")->click(); });
        bench.frame.activeDocument()->menuItem("mnuFileNewApplication")->trigger();
        QCOMPARE(bench.frame.activeDocument()->caption(), QStringLiteral("DOCUMENT1.JAVA"));
        CompileDocument(bench.frame);
        bench.waitForPrograms();
        QVERIFY2(bench.pane().text().endsWith("Exit status 0\n\n"),
                 qPrintable(bench.pane().text()));
        QVERIFY(QFileInfo::exists(bench.projects() + "Document1.class"));
    }

    // Double-clicking the compiler's message brings back the source's window at that line.
    void compileErrorLeadsToLine() {
        Bench bench(javac_, "SDKNormal");
        const QString source = bench.projects() + "Broken.java";
        DocumentWindow& window = bench.showSaved(source, broken);
        CompileDocument(bench.frame);
        bench.waitForPrograms();
        const int line = bench.paneLine(source + ":3: error: ';' expected");
        QVERIFY2(line >= 0, qPrintable(bench.pane().text()));
        QVERIFY(bench.pane().text().endsWith("Exit status 1\n\n"));

        bench.frame.newDocumentWindow();
        QPlainTextEdit& view = bench.pane().view();
        const QTextCursor at(view.document()->findBlockByNumber(line));
        view.setTextCursor(at);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(at).center());
        QCOMPARE(bench.frame.activeDocument(), &window);
        QCOMPARE(window.text().selStart(), LineStartPosition(window.text().text(), 3));
        QCOMPARE(bench.frame.documentWindows().size(), 2);
    }

    // A message about a file that no window shows opens that file.
    void messageOpensItsFile() {
        Bench bench(javac_, "SDKNormal");
        const QString source = bench.projects() + "Broken.java";
        WriteFile(source, broken);
        auto* javac = new QProcess;
        javac->start(javac_, {source});
        QVERIFY(javac->waitForStarted());
        ShowOutputPane(bench.frame).follow(*javac, "javac Broken.java");
        bench.waitForPrograms();

        QVERIFY(!bench.pane().activateLine(bench.paneLine("1 error")));
        QVERIFY(bench.pane().activateLine(bench.paneLine(source + ":3:")));
        const DocumentWindow& opened = *bench.frame.activeDocument();
        QCOMPARE(bench.frame.documentWindows().size(), 2);
        QCOMPARE(opened.caption(), QStringLiteral("BROKEN.JAVA"));
        QCOMPARE(opened.documentPath(), source);
        QCOMPARE(opened.text().selStart(), LineStartPosition(opened.text().text(), 3));
    }

    void runConsoleClass() {
        Bench bench(javac_, "SDKNormal");
        WriteFile(bench.projects() + "App.java", application);
        QCOMPARE(QProcess::execute(javac_, {bench.projects() + "App.java"}), 0);
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
        QCOMPARE(bench.fake.programCalls.size(), 1);
        bench.waitForPrograms();

        // The interpreter is looked for beside the chosen compiler first.
        const QString java = QFileInfo(javac_).absolutePath() + "/java";
        QCOMPARE(bench.pane().text(),
                 QStringLiteral("%1 -cp %2 App\nHello from Orvane\n42\nExit status 0\n\n")
                     .arg(java, bench.projects()));
    }
};

QTEST_MAIN(TestToolchainTools)
#include "tst_toolchaintools.moc"
