#include "about/versiontext.h"
#include "document/filecommands.h"
#include "insert/insertcommands.h"
#include "templates/javatemplates.h"
#include "testsettings.h"
#include "toolchain/toolstarter.h"
#include "toolchainbench.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>

using namespace orvane;

namespace {

struct Bench : test::ToolchainBench {
    explicit Bench(const QString& javac) : ToolchainBench({"SDKNormal"}, javac) {}

    // File > Open on `name` of the projects folder, then Compile.
    void openAndCompile(const QString& name) {
        fake.answerFileDialog(projects() + name);
        OpenDocument(frame);
        CompileDocument(frame);
        waitForPrograms();
    }
};

// Answers an Insert dialog, keeping its presets: the variable "counter", the public void method
// "reset", the `n`th object named with n where the preset ends in 1.
test::FakeDesktop::DialogDriver Answer(int n) {
    return [n](QDialog& dialog) {
        for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
            if (box->objectName().endsWith("Name"))
                box->setText(box->text().replace(u'1', QString::number(n)));
        }
        if (auto* box = dialog.findChild<QLineEdit*>("txtVariable"))
            box->setText("counter");
        if (auto* box = dialog.findChild<QLineEdit*>("txtFunction")) {
            box->setText("reset");
            dialog.findChild<QRadioButton*>("optPublic")->click();
            dialog.findChild<QRadioButton*>("optVoid")->click();
        }
        auto* ok = dialog.findChild<QPushButton*>("cmdOK");
        (ok ? ok : dialog.findChild<QPushButton*>("Command1"))->click();
    };
}

} // namespace

class TestToolchainTools : public QObject {
    Q_OBJECT

    test::TemporarySettings store_;
    QString javac_;

private slots:
    void initTestCase() {
        javac_ = QStandardPaths::findExecutable("javac");
        QVERIFY2(!javac_.isEmpty() && !QStandardPaths::findExecutable("java").isEmpty(),
                 "javac and java must be on the search path (scripts/dependencies.sh)");
    }

    void init() { store_.clear(); }

    // Double-clicking the compiler's message brings back the source's window at that line.
    void compileErrorLeadsToLine() {
        Bench bench(javac_);
        DocumentWindow& window = *bench.frame.activeDocument();
        bench.compile("Broken.java", "class Broken {\r\n\r\n    int x = 1\r\n}\r\n");
        const QStringList lines = bench.pane().text().split(u'\n');
        const auto line = lines.indexOf(bench.projects() + "Broken.java:3: error: ';' expected");
        QVERIFY2(line >= 0, qPrintable(bench.pane().text()));

        bench.frame.newDocumentWindow();
        QPlainTextEdit& view = bench.pane().view();
        const QTextCursor at(view.document()->findBlockByNumber(int(line)));
        view.setTextCursor(at);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(at).center());
        QCOMPARE(bench.frame.activeDocument(), &window);
        QCOMPARE(window.text().selStart(), 18); // after "class Broken {\r\n\r\n"
    }

    // A packaged source compiles with its package neighbours from the package root; Run lists
    // its class and runs it by its full name. A package line its folders don't spell is refused.
    void packagedClassCompilesAndRuns() {
        Bench bench(javac_);
        QVERIFY(QDir(bench.projects()).mkpath("a/b") && QDir(bench.projects()).mkpath("x"));
        bench.write("a/b/Helper.java", "package a.b;\r\nclass Helper { static String hi() { "
                                       "return \"hi from a.b\"; } }\r\n");
        bench.write("a/b/Pk.java", "/* demo */ package a.b;\r\npublic class Pk { public static "
                                   "void main(String[] a) { System.out.println(Helper.hi()); } }");
        bench.openAndCompile("a/b/Pk.java");
        bench.run("a/b/Pk.class", "optJava");
        bench.waitForPrograms();
        QVERIFY2(bench.pane().text().contains(" a.b.Pk\nhi from a.b\nExit status 0\n"),
                 qPrintable(bench.pane().text()));

        bench.write("x/Wrong.java", "package a.b;\r\nclass Wrong {}\r\n");
        bench.openAndCompile("x/Wrong.java");
        QVERIFY2(bench.pane().text().endsWith(
                     "x/Wrong.java says \"package a.b;\", so it must lie in a folder a/b of the "
                     "projects folder (or of another package root). Move the source there, or "
                     "change its package line to match its folder; it was not compiled.\n\n"),
                 qPrintable(bench.pane().text()));
    }

    // A source read as single-byte text, or with a byte order mark, compiles in its encoding.
    // The compiler is found at a JDK's folder (its bin folder in the JDK tests), and a location
    // without one is said so instead of using another JDK.
    void compileFromWhereChosen_data() {
        QTest::addColumn<QString>("sdk");       // empty: the javac on the search path
        QTest::addColumn<QByteArray>("source"); // Main.java, the one compiled
        QTest::addColumn<QString>("pane");      // a part of what the pane shows
        const QByteArray plain = "public class Main { }\r\n";
        const QString jdk = "/usr/lib/jvm/java-17-openjdk-amd64";
        const QString done = "Exit status 0";
        QTest::newRow("single-byte source")
            << QString() << QByteArray("public class Main { String caf\xe9 = \"cr\xe8me\"; }\r\n")
            << done;
        QTest::newRow("byte order mark") << QString() << "\xef\xbb\xbf" + plain << done;
        QTest::newRow("JDK folder") << jdk << plain << jdk + "/bin/javac -encoding";
        QTest::newRow("no javac there")
            << "/usr/share" << plain
            << "There is no javac at /usr/share/bin/javac, the compiler location chosen in View > "
               "Options (Compiler tab). Choose the javac of a JDK, its folder or its bin folder "
               "there.";
    }

    void compileFromWhereChosen() {
        QFETCH(QString, sdk);
        QFETCH(QByteArray, source);
        QFETCH(QString, pane);
        Bench bench(sdk.isEmpty() ? javac_ : sdk);
        bench.write("Main.java", source);
        bench.openAndCompile("Main.java");
        QVERIFY2(bench.pane().text().contains(pane), qPrintable(bench.pane().text()));
        QCOMPARE(QFileInfo::exists(bench.projects() + "Main.class"), !pane.startsWith("There"));
    }

    // A console program reads two lines typed into the pane's input line, then sees the end of
    // its input, sent with Ctrl+D there rather than taken by the Edit menu.
    void consoleProgramReadsTypedLines() {
        Bench bench(javac_);
        bench.compile("Ask.java",
                      "import java.util.Scanner;\r\n"
                      "public class Ask { public static void main(String[] args) {\r\n"
                      "    Scanner in = new Scanner(System.in);\r\n"
                      "    String first = in.nextLine(), second = in.nextLine();\r\n"
                      "    System.out.println(second + first + in.hasNextLine()); } }\r\n");
        const QString java = LocateJdkProgram(bench.frame, JdkTool::Interpreter);
        QCOMPARE(StartTool(bench.frame, {java, {"-cp", bench.projects(), "Ask"}}), 0);
        auto* input = bench.pane().findChild<QLineEdit*>("txtInput");
        bench.frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bench.frame));
        input->setFocus();
        for (const char* line : {"one", "two"}) {
            QTest::keyClicks(input, line);
            QTest::keyClick(input, Qt::Key_Return);
        }
        QTest::keyClick(input, Qt::Key_D, Qt::ControlModifier);
        bench.waitForPrograms();
        QVERIFY2(bench.pane().text().endsWith("one\ntwo\ntwoonefalse\nExit status 0\n\n"),
                 qPrintable(bench.pane().text()));
    }

    // The Insert dialogs' code compiles in a Standard Applet; objects that listen to theirs in a
    // class implementing the listener.
    void insertedCodeCompiles_data() {
        QTest::addColumn<QStringList>("keys"); // Variable, Function or object toolbar keys
        QTest::addColumn<QString>("listener");
        QTest::addColumn<QString>("method"); // the listener's one method
        QTest::newRow("variable, method, label, text field, text area, font, button")
            << QStringList{"Variable",  "Function", "Label", "TextEdit",
                           "TextField", "Font",     "Button"}
            << ""
            << "";
        QTest::newRow("checkbox, two radio buttons in one group")
            << QStringList{"Checkbox", "Radiobutton", "Radiobutton"} << "ItemListener"
            << "itemStateChanged(ItemEvent e)";
        QTest::newRow("scrollbar") << QStringList{"Scrollbar"} << "AdjustmentListener"
                                   << "adjustmentValueChanged(AdjustmentEvent e)";
    }

    void insertedCodeCompiles() {
        QFETCH(QStringList, keys);
        QFETCH(QString, listener);
        QFETCH(QString, method);
        Bench bench(javac_);
        QString applet =
            WriteStandardApplet({"MyApplet", "Jane Doe", "A first line\r\nand a second.", "2001"},
                                ProgramVersionText());
        if (!listener.isEmpty()) {
            applet.replace("extends Applet", "extends Applet implements " + listener);
            applet.insert(applet.lastIndexOf(u'}'), "     public void " + method + " { }\r\n");
        }
        DocumentText document = bench.frame.activeDocument()->text();
        document.setText(applet);
        document.setSelStart(int(applet.lastIndexOf("}\r\n")));
        for (int i = 0; i < keys.size(); ++i) {
            bench.fake.driveDialog(Answer(i + 1));
            if (keys.at(i) == "Variable")
                ShowVariableDialog(bench.frame);
            else if (keys.at(i) == "Function")
                ShowFunctionDialog(bench.frame);
            else
                ShowObjectForToolbarKey(bench.frame, keys.at(i));
        }
        QVERIFY(bench.fake.messages.isEmpty());
        QVERIFY(document.text() != applet);
        bench.compile("MyApplet.java", document.text().toUtf8());
        QVERIFY2(bench.pane().text().endsWith("Exit status 0\n\n"),
                 qPrintable(bench.pane().text()));
    }
};

QTEST_MAIN(TestToolchainTools)
#include "tst_toolchaintools.moc"
