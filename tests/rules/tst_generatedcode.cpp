#include "about/versiontext.h"
#include "expectedfile.h"
#include "insert/awtcode.h"
#include "insert/functionrules.h"
#include "insert/objectrules.h"
#include "insert/statementskeletons.h"
#include "insert/variablerules.h"
#include "templates/appletpage.h"
#include "templates/javatemplates.h"

#include <QTest>

#include <optional>
#include <tuple>
#include <utility>

using namespace orvane;

namespace {

using Generator = QString (*)(const ProjectValues&, const QString&);

const ProjectValues sample{QStringLiteral("MyApplet"), QStringLiteral("Jane Doe"),
                           QStringLiteral("A test applet."), QStringLiteral("2001")};
const QString version = QStringLiteral("1.01");

const QString javaSource = QStringLiteral("import java.awt.*;\r\n");
const QString noJava = QStringLiteral("No Java source code specified.");
const QString noName = QStringLiteral("Variable does not have a specified name.");

// What Insert > Statement > IF, or the Ok button of Insert Variable or Insert Function, reads.
enum class Rule { Statement, Variable, Function };
struct Call {
    Rule rule = Rule::Variable;
    QString name{};
    std::optional<JavaType> type{};
    std::optional<Scope> scope{};
    QString document = javaSource;
    bool keepOpen = false;
};

InsertOutcome Outcome(const Call& call) {
    if (call.rule == Rule::Statement)
        return InsertSkeleton(StatementKind::If, call.document);
    if (call.rule == Rule::Variable)
        return InsertVariable(call.name, *call.type, call.document, call.keepOpen);
    return InsertFunction(call.name, call.type, call.scope, call.document, call.keepOpen);
}

// A source with both markers; the declaration and statement lines go below them.
QString Applet(const QString& declaration = {}, const QString& statement = {}) {
    return QStringLiteral("import java.awt.*;\r\n// Declare global variables here\r\n") +
           declaration + QStringLiteral("public void init() {\r\n// Execution code goes here\r\n") +
           statement + QStringLiteral("}\r\n");
}

// What the Insert Object dialog's tabs hold as it opens, by page.
const std::array<ObjectValues, objectPageCount> presets{{
    {.name = "lblLabel1", .caption = "This is a label control"},
    {.name = "txtText1", .text = "Type some text here", .length = "0"},
    {.name = "fntFont1", .family = "Helvetica", .style = "Font.PLAIN", .size = "12"},
    {.name = "optOption1", .caption = "Option control caption"},
    {.name = "btnButton1", .caption = "Button caption"},
    {.name = "scrScroll1",
     .orientation = "Scrollbar.HORIZONTAL",
     .location = "1",
     .thumbSize = "10",
     .minimum = "1",
     .maximum = "100"},
}};

ObjectForm Form(ObjectPage page, bool keepOpen = false) {
    return {.page = page, .values = presets, .keepOpen = keepOpen};
}

} // namespace

Q_DECLARE_METATYPE(StatementKind)
Q_DECLARE_METATYPE(Call)
Q_DECLARE_METATYPE(ObjectKind)
Q_DECLARE_METATYPE(ObjectValues)
Q_DECLARE_METATYPE(ObjectForm)
Q_DECLARE_METATYPE(Generator)

class TestGeneratedCode : public QObject {
    Q_OBJECT

private slots:
    void writesExactText_data() {
        QTest::addColumn<Generator>("generator");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // the golden file's text
        const std::tuple<const char*, Generator, const char*> rows[] = {
            {"standard", WriteStandardApplet, "standardapplet.java"},
            {"ActionListener", WriteActionListenerApplet, "actionlistenerapplet.java"},
            {"MouseListener", WriteMouseListenerApplet, "mouselistenerapplet.java"},
            {"Runnable", WriteRunnableApplet, "runnableapplet.java"},
            {"application", WriteFrameApplication, "frameapplication.java"},
            {"page", WriteAppletPage, "appletpage.html"}};
        for (const auto& [tag, generator, file] : rows)
            QTest::newRow(tag) << generator
                               << (generator == WriteFrameApplication ? "MyApp" : "MyApplet")
                               << test::ExpectedFile(file);
    }

    void writesExactText() {
        QFETCH(Generator, generator);
        ProjectValues values = sample;
        QFETCH(QString, name);
        values.name = name;
        QTEST(generator(values, version), "expected");
    }

    void versionText() {
        QCOMPARE(VersionText(2, 3, 0), QStringLiteral("2.30"));
        QCOMPARE(VersionText(1, 0, 14), QStringLiteral("1.014"));
    }

    // Each skeleton byte for byte: tests/rules/expected/skeleton-<row>.txt.
    void skeletonText_data() {
        QTest::addColumn<StatementKind>("kind");
        const char* names[] = {"if",      "ifelse", "for",      "while",
                               "dowhile", "switch", "trycatch", "trycatchfinally"};
        for (int kind = 0; kind < 8; ++kind)
            QTest::newRow(names[kind]) << StatementKind(kind);
    }

    void skeletonText() {
        QFETCH(StatementKind, kind);
        const QString file = QStringLiteral("skeleton-%1.txt").arg(QTest::currentDataTag());
        QCOMPARE(SkeletonText(kind), test::ExpectedFile(file));
    }

    void outcome_data() {
        QTest::addColumn<Call>("call");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("result"); // the message if there is one, else the text
        const Rule statement = Rule::Statement;
        const QString ifText = test::ExpectedFile(QStringLiteral("skeleton-if.txt"));
        QTest::newRow("statement, capitals")
            << Call{.rule = statement, .document = "IMPORT JAVA.AWT.*;"} << true << ifText;
        QTest::newRow("statement, two blanks")
            << Call{.rule = statement, .document = "import  java.awt.*;"} << true << noJava;

        // int, long and boolean are spelled out by the rows below.
        const std::pair<JavaType, const char*> types[] = {{JavaType::Double, "double"},
                                                          {JavaType::Float, "float"},
                                                          {JavaType::Short, "short"},
                                                          {JavaType::Char, "char"}};
        for (const auto& [type, keyword] : types)
            QTest::addRow("variable %s", keyword)
                << Call{.name = "myVariableName", .type = type} << true
                << QStringLiteral("        %1 myVariableName;\r\n").arg(QLatin1StringView(keyword));
        const std::optional<JavaType> intType = JavaType::Int;
        QTest::newRow("variable kept open")
            << Call{.name = "count", .type = intType, .keepOpen = true} << false
            << "        int count;\r\n";
        QTest::newRow("variable trimmed, inner blank kept")
            << Call{.name = "  a b  ", .type = JavaType::Long} << true << "        long a b;\r\n";
        QTest::newRow("variable empty name")
            << Call{.type = intType, .keepOpen = true} << false << noName;
        QTest::newRow("variable name before document")
            << Call{.type = intType, .document = ""} << false << noName;
        QTest::newRow("variable without Java closes though kept open")
            << Call{.name = "x", .type = intType, .document = "import  java", .keepOpen = true}
            << true << noJava;

        const Rule function = Rule::Function;
        const char* body =
            "()\r\n     {\r\n        // Include function code here\r\n\r\n     }\r\n";
        QTest::newRow("public void sum")
            << Call{function, "sum", JavaType::Void, Scope::Public} << true
            << QStringLiteral("\r\n     public void sum") + body;
        QTest::newRow("private boolean, trimmed, kept open")
            << Call{function, " isDone ", JavaType::Boolean, Scope::Private, javaSource, true}
            << false << QStringLiteral("\r\n     private boolean isDone") + body;
        QTest::newRow("a blank passes as a function name")
            << Call{function, " ", intType, Scope::Public} << true
            << QStringLiteral("\r\n     public int ") + body;
        QTest::newRow("function document first")
            << Call{function, "", {}, {}, "import  java", true} << true << noJava;
        QTest::newRow("function empty name") << Call{function, "", intType, Scope::Public} << false
                                             << "Function does not have a specified name.";
        QTest::newRow("function nothing chosen") << Call{function, "myFunctionName"} << false
                                                 << "Function does not have a specified data type.";
        QTest::newRow("function without scope")
            << Call{function, "f", intType} << false << "Function does not have a specified scope.";
    }

    void outcome() {
        QFETCH(Call, call);
        const InsertOutcome outcome = Outcome(call);
        QTEST(outcome.message ? outcome.message->text : outcome.text, "result");
        QVERIFY(!outcome.message ||
                (outcome.text.isEmpty() && outcome.message->title == u"Orvane" &&
                 outcome.message->icon == MessageIcon::Information &&
                 outcome.message->buttons == MessageButtons::Ok));
        QTEST(outcome.closesDialog, "closes");
    }

    // The button's and the radio button's code is shown whole by the insertion rows below.
    void buildObjectCode_data() {
        QTest::addColumn<ObjectKind>("kind");
        QTest::addColumn<ObjectValues>("values");
        QTest::addColumn<QString>("declaration");
        QTest::addColumn<QString>("statement");
        QTest::newRow("label") << ObjectKind::Label << presets[int(ObjectPage::Label)]
                               << "     Label lblLabel1 = new Label(\"This is a label control\");"
                               << "          add(lblLabel1);";
        QTest::newRow("text area")
            << ObjectKind::TextArea << presets[int(ObjectPage::Text)]
            << "     TextArea txtText1 = new TextArea(\"Type some text here\");"
            << "          add(txtText1);";
        QTest::newRow("text field, length quoted")
            << ObjectKind::TextField << presets[int(ObjectPage::Text)]
            << "     TextField txtText1 = new TextField(\"0\");"
            << "          add(txtText1);";
        QTest::newRow("font") << ObjectKind::Font << presets[int(ObjectPage::Font)]
                              << "     Font fntFont1 = new Font(\"Helvetica\", Font.PLAIN, 12);"
                              << "          setFont(fntFont1);";
        QTest::newRow("checkbox")
            << ObjectKind::Checkbox << presets[int(ObjectPage::Options)]
            << "     Checkbox optOption1 = new Checkbox(\"Option control caption\");"
            << "          add(optOption1);\r\n          optOption1.addItemListener(this);";
        QTest::newRow("scrollbar")
            << ObjectKind::Scrollbar << presets[int(ObjectPage::Scrollbar)]
            << "     Scrollbar scrScroll1 = new Scrollbar(Scrollbar.HORIZONTAL, 1, 10, 1, 100);"
            << "          add(scrScroll1);\r\n          scrScroll1.addAdjustmentListener(this);";
        QTest::newRow("values trimmed, inner blanks kept")
            << ObjectKind::Font
            << ObjectValues{.name = " fnt ",
                            .family = "  Times Roman ",
                            .style = " A + B",
                            .size = "1 4 "}
            << "     Font fnt = new Font(\"Times Roman\", A + B, 1 4);"
            << "          setFont(fnt);";
    }

    void buildObjectCode() {
        QFETCH(ObjectKind, kind);
        QFETCH(ObjectValues, values);
        const ObjectCode code = BuildObjectCode(kind, values);
        QTEST(code.declaration, "declaration");
        QTEST(code.statement, "statement");
    }

    // The Insert Object dialog's lists, in order.
    void objectChoices() {
        QCOMPARE(TextLengthChoices(), QString("0 5 10 15 20 25 30 35 40 45 50").split(u' '));
        QCOMPARE(FontFamilyChoices(),
                 QStringList({"Courier", "Dialog", "Helvetica", "Symbol", "Times Roman"}));
        QCOMPARE(FontStyleChoices(),
                 QString("Font.PLAIN Font.BOLD Font.ITALIC Font.UNDERLINE").split(u' '));
        QCOMPARE(FontSizeChoices(), QString("8 10 12 14 16 18 20 22 24 26 28 30 32 34 36 38 40 42 "
                                            "44 46 48 50 52 54 56 58 60 62 64 66 68 70 72")
                                        .split(u' '));
        QCOMPARE(ScrollbarOrientationChoices(),
                 QStringList({"Scrollbar.HORIZONTAL", "Scrollbar.VERTICAL"}));
    }

    void insertObject_data() {
        QTest::addColumn<ObjectForm>("form");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("result"); // empty: the document stays as it was
        const QString noJava = QStringLiteral("No Java source code provided.");
        const QString declarationOnly =
            QStringLiteral("import java.awt.*;\r\n// Declare global variables here\r\n");
        ObjectForm radio = Form(ObjectPage::Options, true);
        radio.radioChosen = true;
        const QString group = QStringLiteral("     CheckboxGroup RadioButtons;\r\n");
        const QString button = QStringLiteral(
            "     Checkbox optOption1 = new Checkbox(\"Option control caption\" ,false, "
            "RadioButtons);\r\n");
        const QString statements = QStringLiteral(
            "          add(optOption1);\r\n          optOption1.addItemListener(this);\r\n");
        QTest::newRow("radio button, kept open")
            << radio << false << "" << Applet()
            << Applet("     CheckboxGroup RadioButtons = new CheckboxGroup();\r\n" + button,
                      statements);
        // A field may not use a field declared below it: the group moves up with the button.
        QTest::newRow("radio button, group declared below")
            << radio << false << "" << Applet(button + group)
            << Applet(group + button + button, statements);
        const QString markers = QStringLiteral("// Declare global variables here\r\n");
        const QString rest =
            QStringLiteral("import java.awt.*;\r\n// Execution code goes here\r\n");
        QTest::newRow("radio button, the document starts with the marker")
            << radio << false << "" << markers + group + rest
            << markers + group + button + rest + statements;
        QTest::newRow("radio button, group declared above")
            << radio << false << "" << group + Applet() << group + Applet(button, statements);
        // Markers in any letters keep their own; the first one counts, mid-line or at the end.
        QTest::newRow("markers found as written")
            << Form(ObjectPage::Button) << true << ""
            << "import java.awt.*;\r\n// DECLARE Global VARIABLES here x\r\n"
               "// Declare global variables here\r\n// execution code goes here"
            << "import java.awt.*;\r\n// DECLARE Global VARIABLES here\r\n"
               "     Button btnButton1 = new Button(\"Button caption\"); x\r\n"
               "// Declare global variables here\r\n// execution code goes here\r\n"
               "          add(btnButton1);";
        QTest::newRow("no Java source comes first")
            << Form(ObjectPage::Text, true) << true << noJava
            << Applet().replace("import java", "import  java") << "";
        QTest::newRow("text without type")
            << Form(ObjectPage::Text) << false << "Text control requires a type." << Applet() << "";
        QTest::newRow("options without type")
            << Form(ObjectPage::Options) << false << "Option control requires a type." << Applet()
            << "";
        QTest::newRow("only the execution marker")
            << Form(ObjectPage::Button) << true << noJava
            << "import java.awt.*;\r\n// Execution code goes here\r\n"
            << "";
        QTest::newRow("only the declaration marker")
            << Form(ObjectPage::Button) << false << "Cannot read unformatted source code."
            << declarationOnly
            << declarationOnly + "     Button btnButton1 = new Button(\"Button caption\");\r\n";
    }

    void insertObject() {
        QFETCH(ObjectForm, form);
        QFETCH(QString, document);
        QFETCH(QString, result);
        const ObjectOutcome outcome = InsertObject(form, document);
        QTEST(outcome.message ? outcome.message->text : QString(), "message");
        if (outcome.message)
            QVERIFY(outcome.message->title == u"Orvane" &&
                    outcome.message->icon == MessageIcon::Information);
        QString text = document;
        for (const MarkerEdit& edit : outcome.edits)
            text = ApplyEdit(text, edit);
        QCOMPARE(text, result.isEmpty() ? document : result);
        QTEST(outcome.closesDialog, "closes");
    }
};

QTEST_APPLESS_MAIN(TestGeneratedCode)
#include "tst_generatedcode.moc"
