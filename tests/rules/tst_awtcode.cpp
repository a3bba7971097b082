#include "insert/awtcode.h"
#include "insert/objectrules.h"

#include <QTest>

using namespace orvane;

Q_DECLARE_METATYPE(ObjectKind)
Q_DECLARE_METATYPE(ObjectValues)
Q_DECLARE_METATYPE(ObjectPage)

namespace {

const QString applet = QStringLiteral("import java.awt.*;\r\n"
                                      "public class A {\r\n"
                                      "// Declare global variables here\r\n"
                                      "public void init() {\r\n"
                                      "// Execution code goes here\r\n"
                                      "}\r\n"
                                      "}\r\n");

// The Insert Object dialog as it opens.
ObjectForm PresetForm() {
    ObjectForm form;
    form.values[int(ObjectPage::Label)] = {.name = QStringLiteral("lblLabel1"),
                                           .caption = QStringLiteral("This is a label control")};
    form.values[int(ObjectPage::Text)] = {.name = QStringLiteral("txtText1"),
                                          .text = QStringLiteral("Type some text here"),
                                          .length = QStringLiteral("0")};
    form.values[int(ObjectPage::Options)] = {.name = QStringLiteral("optOption1"),
                                             .caption = QStringLiteral("Option control caption")};
    return form;
}

QString Applied(QString text, const QList<MarkerEdit>& edits) {
    for (const MarkerEdit& edit : edits)
        text = ApplyEdit(text, edit);
    return text;
}

} // namespace

class TestAwtCode : public QObject {
    Q_OBJECT

private slots:
    void buildObjectCode_data() {
        QTest::addColumn<ObjectKind>("kind");
        QTest::addColumn<ObjectValues>("values");
        QTest::addColumn<QString>("declaration");
        QTest::addColumn<QString>("statement");
        QTest::newRow("label") << ObjectKind::Label
                               << ObjectValues{.name = "lblLabel1",
                                               .caption = "This is a label control"}
                               << "     Label lblLabel1 = new Label(\"This is a label control\");"
                               << "          add(lblLabel1);";
        QTest::newRow("text area")
            << ObjectKind::TextArea
            << ObjectValues{.name = "txtText1", .text = "Type some text here", .length = "0"}
            << "     TextArea txtText1 = new TextArea(\"Type some text here\");"
            << "          add(txtText1);";
        QTest::newRow("text field, length quoted")
            << ObjectKind::TextField
            << ObjectValues{.name = "txtText1", .text = "Type some text here", .length = "10"}
            << "     TextField txtText1 = new TextField(\"10\");"
            << "          add(txtText1);";
        QTest::newRow("font") << ObjectKind::Font
                              << ObjectValues{.name = "fntFont1",
                                              .family = "Helvetica",
                                              .style = "Font.PLAIN",
                                              .size = "12"}
                              << "     Font fntFont1 = new Font(\"Helvetica\", Font.PLAIN, 12);"
                              << "          add(fntFont1);";
        QTest::newRow("checkbox")
            << ObjectKind::Checkbox
            << ObjectValues{.name = "optOption1", .caption = "Option control caption"}
            << "     Checkbox optOption1 = new Checkbox(\"Option control caption\");"
            << "          add(optOption1);\r\n          optOption1.addItemListener(this);";
        QTest::newRow("radio button")
            << ObjectKind::RadioButton
            << ObjectValues{.name = "optOption1", .caption = "Option control caption"}
            << "     CheckboxGroup RadioButtons = new CheckboxGroup();\r\n"
               "          Checkbox optOption1;\r\n"
               "          optOption1 = new Checkbox(\"Option control caption\" ,false, "
               "RadioButtons);"
            << "          add(optOption1);\r\n          optOption1.addItemListener(this);";
        QTest::newRow("button") << ObjectKind::Button
                                << ObjectValues{.name = "btnButton1", .caption = "Button caption"}
                                << "     Button btnButton1 = new Button(\"Button caption\");"
                                << "          add(btnButton1);";
        QTest::newRow("scrollbar")
            << ObjectKind::Scrollbar
            << ObjectValues{.name = "scrScroll1",
                            .orientation = "Scrollbar.HORIZONTAL",
                            .location = "1",
                            .thumbSize = "10",
                            .minimum = "1",
                            .maximum = "100"}
            << "     Scrollbar scrScroll1 = new Scrollbar(Scrollbar.HORIZONTAL, 1, 10, 1, 100);"
            << "          add(scrScroll1);\r\n          scrScroll1.addAdjustmentListener(this);";
        QTest::newRow("values trimmed, inner blanks kept")
            << ObjectKind::Font
            << ObjectValues{.name = " fnt ",
                            .family = "  Times Roman ",
                            .style = " Font.BOLD + Font.ITALIC",
                            .size = "1 4 "}
            << "     Font fnt = new Font(\"Times Roman\", Font.BOLD + Font.ITALIC, 1 4);"
            << "          add(fnt);";
        QTest::newRow("empty name") << ObjectKind::Label << ObjectValues{.caption = "x"}
                                    << "     Label  = new Label(\"x\");"
                                    << "          add();";
        QTest::newRow("non-numeric scrollbar values")
            << ObjectKind::Scrollbar
            << ObjectValues{.name = "s", .orientation = "V", .location = "a", .maximum = "1e3"}
            << "     Scrollbar s = new Scrollbar(V, a, , , 1e3);"
            << "          add(s);\r\n          s.addAdjustmentListener(this);";
        QTest::newRow("double quote written unchanged")
            << ObjectKind::Button << ObjectValues{.name = "b", .caption = "Say \"hi\""}
            << "     Button b = new Button(\"Say \"hi\"\");"
            << "          add(b);";
    }

    void buildObjectCode() {
        QFETCH(ObjectKind, kind);
        QFETCH(ObjectValues, values);
        QFETCH(QString, declaration);
        QFETCH(QString, statement);
        const ObjectCode code = BuildObjectCode(kind, values);
        QCOMPARE(code.declaration, declaration);
        QCOMPARE(code.statement, statement);
    }

    void offeredChoices() {
        QCOMPARE(TextLengthChoices(),
                 QStringList({"0", "5", "10", "15", "20", "25", "30", "35", "40", "45", "50"}));
        QCOMPARE(FontFamilyChoices(),
                 QStringList({"Courier", "Dialog", "Helvetica", "Symbol", "Times Roman"}));
        QCOMPARE(FontStyleChoices(),
                 QStringList({"Font.PLAIN", "Font.BOLD", "Font.ITALIC", "Font.UNDERLINE"}));
        const QStringList sizes = FontSizeChoices();
        QCOMPARE(sizes.size(), 33);
        QCOMPARE(sizes.first(), QStringLiteral("8"));
        QCOMPARE(sizes.at(2), QStringLiteral("12"));
        QCOMPARE(sizes.last(), QStringLiteral("72"));
        QCOMPARE(ScrollbarOrientationChoices(),
                 QStringList({"Scrollbar.HORIZONTAL", "Scrollbar.VERTICAL"}));
    }

    void insertAtMarker_data() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("expected"); // empty: the marker is not found
        QTest::addColumn<int>("caret");
        QTest::newRow("below the marker")
            << "a\r\n  // Declare global variables here\r\nb"
            << "a\r\n  // Declare global variables here\r\nX\r\nb" << 40;
        QTest::newRow("capitals kept") << "// DECLARE Global VARIABLES here\r\n"
                                       << "// DECLARE Global VARIABLES here\r\nX\r\n"
                                       << 35;
        QTest::newRow("first of two")
            << "// Declare global variables here\r\n// Declare global variables here"
            << "// Declare global variables here\r\nX\r\n// Declare global variables here" << 35;
        QTest::newRow("marker ends the document")
            << "x // Declare global variables here"
            << "x // Declare global variables here\r\nX" << 37;
        QTest::newRow("marker mid-line") << "// Declare global variables here; y"
                                         << "// Declare global variables here\r\nX; y" << 35;
        QTest::newRow("missing") << "// Declare global variable here" << QString() << 0;
        QTest::newRow("empty document") << QString() << QString() << 0;
    }

    void insertAtMarker() {
        QFETCH(QString, document);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        const std::optional<MarkerEdit> edit =
            InsertAtMarker(document, declarationMarker, QStringLiteral("X"));
        QCOMPARE(edit.has_value(), !expected.isEmpty());
        if (edit) {
            QCOMPARE(ApplyEdit(document, *edit), expected);
            QCOMPARE(edit->caretAfter(), caret);
        }
    }

    void insertObject_data() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<ObjectPage>("page");
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("keepOpen");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("closes");
        const QString noJava = QStringLiteral("No Java source code provided.");
        const QString withoutImport = QString(applet).replace("import java", "import  java");

        QTest::newRow("label")
            << applet << ObjectPage::Label << "" << false << ""
            << "import java.awt.*;\r\n"
               "public class A {\r\n"
               "// Declare global variables here\r\n"
               "     Label lblLabel1 = new Label(\"This is a label control\");\r\n"
               "public void init() {\r\n"
               "// Execution code goes here\r\n"
               "          add(lblLabel1);\r\n"
               "}\r\n"
               "}\r\n"
            << true;
        QTest::newRow("radio button, kept open")
            << applet << ObjectPage::Options << "radio" << true << ""
            << "import java.awt.*;\r\n"
               "public class A {\r\n"
               "// Declare global variables here\r\n"
               "     CheckboxGroup RadioButtons = new CheckboxGroup();\r\n"
               "          Checkbox optOption1;\r\n"
               "          optOption1 = new Checkbox(\"Option control caption\" ,false, "
               "RadioButtons);\r\n"
               "public void init() {\r\n"
               "// Execution code goes here\r\n"
               "          add(optOption1);\r\n"
               "          optOption1.addItemListener(this);\r\n"
               "}\r\n"
               "}\r\n"
            << false;
        QTest::newRow("text field")
            << applet << ObjectPage::Text << "field" << false << ""
            << QString(applet)
                   .replace("here\r\npublic",
                            "here\r\n     TextField txtText1 = new TextField(\"0\");\r\npublic")
                   .replace("here\r\n}", "here\r\n          add(txtText1);\r\n}")
            << true;
        QTest::newRow("no Java source comes first")
            << withoutImport << ObjectPage::Text << "" << true << noJava << withoutImport << true;
        QTest::newRow("text without type") << applet << ObjectPage::Text << "" << false
                                           << "Text control requires a type." << applet << false;
        QTest::newRow("options without type")
            << applet << ObjectPage::Options << "" << false << "Option control requires a type."
            << applet << false;
        QTest::newRow("hand-written source without markers")
            << "import java.awt.*;\r\nclass A {}\r\n"
            << ObjectPage::Label << "" << true << noJava << "import java.awt.*;\r\nclass A {}\r\n"
            << true;
        QTest::newRow("only the execution marker")
            << "import java.awt.*;\r\n// Execution code goes here\r\n"
            << ObjectPage::Button << "" << false << noJava
            << "import java.awt.*;\r\n// Execution code goes here\r\n"
            << true;
        QTest::newRow("only the declaration marker")
            << "import java.awt.*;\r\n// Declare global variables here\r\n"
            << ObjectPage::Button << "" << false << "Cannot read unformatted source code."
            << "import java.awt.*;\r\n// Declare global variables here\r\n"
               "     Button btnButton1 = new Button(\"Button caption\");\r\n"
            << false;
    }

    void insertObject() {
        QFETCH(QString, document);
        QFETCH(ObjectPage, page);
        QFETCH(QString, option);
        QFETCH(bool, keepOpen);
        QFETCH(QString, message);
        QFETCH(QString, result);
        QFETCH(bool, closes);
        ObjectForm form = PresetForm();
        form.values[int(ObjectPage::Button)] = {.name = "btnButton1", .caption = "Button caption"};
        form.page = page;
        form.textAreaChosen = option == u"area";
        form.textFieldChosen = option == u"field";
        form.checkboxChosen = option == u"checkbox";
        form.radioChosen = option == u"radio";
        form.keepOpen = keepOpen;

        const ObjectOutcome outcome = InsertObject(form, document);
        QCOMPARE(outcome.message ? outcome.message->text : QString(), message);
        if (outcome.message) {
            QCOMPARE(outcome.message->title, QStringLiteral("Orvane"));
            QCOMPARE(outcome.message->icon, MessageIcon::Information);
        }
        QCOMPARE(Applied(document, outcome.edits), result);
        QCOMPARE(outcome.closesDialog, closes);
    }
};

QTEST_APPLESS_MAIN(TestAwtCode)
#include "tst_awtcode.moc"
