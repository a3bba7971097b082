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

constexpr int compileTimeoutMs = 60000;

const QByteArray application = "public class App {\r\n"
                               "    public static void main(String[] args) {\r\n"
                               "        int answer = 42;\r\n"
                               "        System.out.println(answer);\r\n"
                               "    }\r\n"
                               "}\r\n";

const QByteArray broken = "public class Broken {\r\n"
                          "    public static void main(String[] args) {\r\n"
                          "        int x = 1\r\n"
                          "    }\r\n"
                          "}\r\n";

const QByteArray greeter = "public class Greeter {\r\n"
                           "    public static void main(String[] args) throws Exception {\r\n"
                           "        System.out.println(\"Hello from Orvane\");\r\n"
                           "        Thread.sleep(300);\r\n"
                           "        System.err.println(\"and goodbye\");\r\n"
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

    explicit Bench(const QString& compiler) {
        frame.start();
        settings.save(SettingKey::SDKLocation, compiler);
        settings.save(SettingKey::SDKNormal, "True");
    }

    QString projects() const { return frame.projectsFolder(); }

    // Writes `bytes` to `path` and shows it in the active document window as a saved file.
    DocumentWindow& showSaved(const QString& path, const QByteArray& bytes) {
        WriteFile(path, bytes);
        DocumentWindow& window = *frame.activeDocument();
        window.text().setText(QString::fromUtf8(bytes));
        window.setDocumentPath(path);
        window.setCaption(QFileInfo(path).fileName().toUpper());
        return window;
    }

    OutputPane* pane() const { return frame.findChild<OutputPane*>(); }

    // The pane's first line that contains `text`, counted from 0, or -1.
    int paneLine(const QString& text) const {
        const QStringList lines = pane()->text().split(u'\n');
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).contains(text))
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
    QString java_;

private slots:
    void initTestCase() {
        javac_ = QStandardPaths::findExecutable("javac");
        java_ = QStandardPaths::findExecutable("java");
        if (javac_.isEmpty() || java_.isEmpty())
            QFAIL("javac and java must be installed on the search path (scripts/dependencies.sh)");
    }

    void init() { store_.clear(); }

    // Every mode compiles; only the debugging mode writes the local variable table.
    void compileEachMode_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("switch_");
        QTest::newRow("normal") << "SDKNormal"
                                << "";
        QTest::newRow("debugging information") << "SDKDebug"
                                               << "-g";
        QTest::newRow("optimised") << "SDKOptimize"
                                   << "-O";
        QTest::newRow("verbose") << "SDKVerbose"
                                 << "-verbose";
    }

    void compileEachMode() {
        QFETCH(QString, mode);
        QFETCH(QString, switch_);
        Bench bench(javac_);
        bench.settings.save(SettingKey::SDKNormal, "False");
        bench.settings.save(mode, "True");
        const QString source = bench.projects() + "App.java";
        bench.showSaved(source, application);

        bench.frame.activeDocument()->menuItem("mnuViewCompile")->trigger();
        QVERIFY(bench.pane());
        QTRY_COMPARE_WITH_TIMEOUT(bench.pane()->runningPrograms(), 0, compileTimeoutMs);
        const QString text = bench.pane()->text();
        const QString command =
            switch_.isEmpty() ? javac_ + ' ' + source : javac_ + ' ' + switch_ + ' ' + source;
        QVERIFY2(text.startsWith(command + '\n'), qPrintable(text));
        QVERIFY2(text.endsWith("Exit status 0\n\n"), qPrintable(text));
        QFile classFile(bench.projects() + "App.class");
        QVERIFY(classFile.open(QIODevice::ReadOnly));
        QCOMPARE(classFile.readAll().contains("LocalVariableTable"), switch_ == u"-g");
        QVERIFY(bench.fake.messages.isEmpty());
    }

    void compileInFolderWithBlank() {
        Bench bench(javac_);
        const QString folder = bench.projects() + "My Sources";
        QVERIFY(QDir().mkpath(folder));
        bench.showSaved(folder + "/App.java", application);
        CompileDocument(bench.frame);
        QTRY_COMPARE_WITH_TIMEOUT(bench.pane()->runningPrograms(), 0, compileTimeoutMs);
        QVERIFY2(bench.pane()->text().contains("Exit status 0"), qPrintable(bench.pane()->text()));
        QVERIFY(QFileInfo::exists(folder + "/App.class"));
    }

    // Double-clicking the compiler's message brings back the source's window at that line.
    void compileErrorLeadsToLine() {
        Bench bench(javac_);
        const QString source = bench.projects() + "Broken.java";
        DocumentWindow& window = bench.showSaved(source, broken);
        CompileDocument(bench.frame);
        QTRY_COMPARE_WITH_TIMEOUT(bench.pane()->runningPrograms(), 0, compileTimeoutMs);
        const QString message = source + ":3: error: ';' expected";
        const int line = bench.paneLine(message);
        QVERIFY2(line >= 0, qPrintable(bench.pane()->text()));
        QVERIFY(bench.pane()->text().contains("Exit status 1"));

        bench.frame.newDocumentWindow();
        QVERIFY(bench.frame.activeDocument() != &window);
        QPlainTextEdit& view = bench.pane()->view();
        const QTextCursor at(view.document()->findBlockByNumber(line));
        view.setTextCursor(at);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(at).center());

        QCOMPARE(bench.frame.activeDocument(), &window);
        QCOMPARE(window.text().selStart(), LineStartPosition(window.text().text(), 3));
        QCOMPARE(bench.frame.documentWindows().size(), 2);
    }

    // A message about a file no window shows opens that file.
    void messageOpensItsFile() {
        Bench bench(javac_);
        const QString source = bench.projects() + "Broken.java";
        WriteFile(source, broken);
        auto* javac = new QProcess;
        javac->start(javac_, {source});
        QVERIFY(javac->waitForStarted());
        ShowOutputPane(bench.frame).follow(*javac, "javac Broken.java");
        QTRY_COMPARE_WITH_TIMEOUT(bench.pane()->runningPrograms(), 0, compileTimeoutMs);

        QVERIFY(bench.pane()->activateLine(bench.paneLine(source + ":3:")));
        DocumentWindow* opened = bench.frame.activeDocument();
        QCOMPARE(bench.frame.documentWindows().size(), 2);
        QCOMPARE(opened->caption(), QStringLiteral("BROKEN.JAVA"));
        QCOMPARE(opened->documentPath(), source);
        QCOMPARE(opened->text().text(), QString::fromUtf8(broken));
        QCOMPARE(opened->text().selStart(), LineStartPosition(opened->text().text(), 3));
        QVERIFY(!bench.pane()->activateLine(bench.paneLine("1 error")));
    }

    void runConsoleClass() {
        Bench bench(javac_);
        WriteFile(bench.projects() + "Greeter.java", greeter);
        QCOMPARE(QProcess::execute(javac_, {bench.projects() + "Greeter.java"}), 0);
        bench.fake.driveDialog([](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>("File1");
            list->findItems("Greeter.class", Qt::MatchExactly).constFirst()->setSelected(true);
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            auto* option = dialog.findChild<QRadioButton*>("optJava");
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdBegin"), Qt::LeftButton);
        });
        ShowRunDialog(bench.frame);

        // The interpreter is looked for beside the chosen compiler first.
        const QString interpreter = QFileInfo(javac_).absolutePath() + "/java";
        QCOMPARE(bench.fake.programCalls.size(), 1);
        QCOMPARE(bench.fake.programCalls.constFirst().program, interpreter);
        QVERIFY(bench.pane());
        QTRY_COMPARE_WITH_TIMEOUT(bench.pane()->runningPrograms(), 0, compileTimeoutMs);
        QCOMPARE(bench.pane()->text(), QStringLiteral("%1 -cp %2 Greeter\nHello from Orvane\n"
                                                      "and goodbye\nExit status 0\n\n")
                                           .arg(interpreter, bench.projects()));
        QVERIFY(bench.fake.messages.isEmpty());
    }
};

QTEST_MAIN(TestToolchainTools)
#include "tst_toolchaintools.moc"
