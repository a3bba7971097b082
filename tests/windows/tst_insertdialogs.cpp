#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "insert/functiondialog.h"
#include "insert/insertcommands.h"
#include "insert/objectdialog.h"
#include "insert/variabledialog.h"
#include "settings/settingsstore.h"

#include "fakedesktop.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace orvane;

namespace {

const QString applet = QStringLiteral("import java.applet.*;\r\n"
                                      "public class A extends Applet {\r\n"
                                      "     // Declare global variables here\r\n"
                                      "     public void init() {\r\n"
                                      "          // Execution code goes here\r\n"
                                      "     }\r\n"
                                      "}\r\n");

// A started frame with its first, empty document window active.
struct Session {
    test::TemporarySettings temporarySettings;
    test::FakeDesktop desktop;
    SettingsStore settings;
    MainFrame frame{desktop, settings};

    Session() { frame.start(); }

    DocumentText document() const { return frame.activeDocument()->text(); }
    void setDocument(const QString& text, int selStart, int selLength = 0) {
        DocumentText doc = document();
        doc.setText(text);
        doc.setSelStart(selStart);
        doc.setSelLength(selLength);
    }
    void trigger(const char* menuItem) {
        frame.activeDocument()->menuItem(QString::fromLatin1(menuItem))->trigger();
    }
    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& message : desktop.messages)
            texts << message.text;
        return texts;
    }
};

template <typename T> T* Child(QDialog& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no %s in %s", name, qPrintable(dialog.objectName()));
    return child;
}

bool Activate(QDialog& dialog) {
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

// Near the left end, where option buttons and check boxes take clicks whatever their width.
void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// The named widgets in the order the Tab key reaches them, starting from the first of them.
QStringList TabOrder(QDialog& dialog, const QStringList& names) {
    QStringList order;
    QWidget* widget = Child<QWidget>(dialog, qPrintable(names.first()));
    do {
        if (names.contains(widget->objectName()))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (order.size() < names.size() && widget->objectName() != names.first());
    return order;
}

} // namespace

class TestInsertDialogs : public QObject {
    Q_OBJECT

private slots:
    void statementAtCaret_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("kind");
        const char* items[] = {"mnuInsertStatementIF",   "mnuInsertStatementIFELSE",
                               "mnuInsertStatementFORS", "mnuInsertStatementWHILES",
                               "mnuInsertStatementDOM",  "mnuInsertStatementSWITCH",
                               "mnuInsertStatementTRY",  "mnuInsertStatementFINALLY"};
        for (int i = 0; i < 8; ++i)
            QTest::newRow(items[i]) << QString::fromLatin1(items[i]) << i;
    }

    void statementAtCaret() {
        QFETCH(QString, item);
        QFETCH(int, kind);
        Session s;
        const QString before = QStringLiteral("import java.awt.*;\r\n  a");
        s.setDocument(before + QStringLiteral("b\r\n"), int(before.size()));
        s.trigger(qPrintable(item));
        const QString skeleton = SkeletonText(StatementKind(kind));
        QCOMPARE(s.document().text(), before + skeleton + QStringLiteral("b\r\n"));
        QCOMPARE(s.document().selStart(), int(before.size() + skeleton.size()));
        QCOMPARE(s.document().selLength(), 0);
        QVERIFY(s.desktop.messages.isEmpty());
    }

    void statementOverSelection() {
        Session s;
        s.setDocument(QStringLiteral("import java.awt.*;\r\nxSELy"), 21, 3);
        InsertStatement(s.frame, StatementKind::While);
        const QString skeleton = SkeletonText(StatementKind::While);
        QCOMPARE(s.document().text(), QStringLiteral("import java.awt.*;\r\nx") + skeleton + u'y');
        QCOMPARE(s.document().selStart(), int(21 + skeleton.size()));
        QCOMPARE(s.document().selLength(), 0);
    }

    void statementRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("two blanks") << QStringLiteral("import  java.awt.*;");
    }

    void statementRefused() {
        QFETCH(QString, text);
        Session s;
        s.setDocument(text, 0, int(text.size()));
        s.trigger("mnuInsertStatementIF");
        QCOMPARE(s.document().text(), text);
        QCOMPARE(s.desktop.messages.size(), 1);
        const Message& message = s.desktop.messages.first();
        QCOMPARE(message.text, QStringLiteral("No Java source code specified."));
        QCOMPARE(message.title, QStringLiteral("Orvane"));
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.buttons, MessageButtons::Ok);
    }

    void variableDialog() {
        Session s;
        s.setDocument(QStringLiteral("import java.awt.*;\r\nSEL\r\n"), 20, 3);
        s.desktop.driveDialog([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Insert Variable"));
            auto* name = Child<QLineEdit>(d, "txtVariable");
            QCOMPARE(name->text(), QStringLiteral("myVariableName"));
            QCOMPARE(Child<QCheckBox>(d, "chkOpen")->text(),
                     QStringLiteral("Keep this dialog open"));
            QVERIFY(!Child<QCheckBox>(d, "chkOpen")->isChecked());
            QCOMPARE(Child<QPushButton>(d, "cmdOK")->text(), QStringLiteral("&Ok"));
            QCOMPARE(Child<QPushButton>(d, "cmdCancel")->text(), QStringLiteral("&Cancel"));
            const QStringList order = {"optInt",    "optLong", "optDouble",   "optFloat",
                                       "optShort",  "optChar", "txtVariable", "cmdOK",
                                       "cmdCancel", "chkOpen", "optBoolean"};
            QCOMPARE(TabOrder(d, order), order);

            QVERIFY(Activate(d));
            auto& dialog = static_cast<VariableDialog&>(d);
            QCOMPARE(dialog.selectedType(), JavaType::Int);
            QVERIFY(Child<QRadioButton>(d, "optInt")->isChecked());
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optInt"));
            // The type follows the focus, by keyboard as by mouse.
            Child<QRadioButton>(d, "optDouble")->setFocus(Qt::TabFocusReason);
            QCOMPARE(dialog.selectedType(), JavaType::Double);
            QVERIFY(Child<QRadioButton>(d, "optDouble")->isChecked());

            name->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(name->selectedText(), QStringLiteral("myVariableName"));
            QTest::keyClicks(name, QStringLiteral("my var"));
            Click(Child<QPushButton>(d, "cmdOK"));
            QVERIFY(!d.isVisible());
        });
        s.trigger("mnuInsertVariable");
        QCOMPARE(s.desktop.modalDialogs, QList<QString>({"frmVariable"}));
        QCOMPARE(s.document().text(),
                 QStringLiteral("import java.awt.*;\r\n        double myvar;\r\n\r\n"));
        QVERIFY(s.desktop.messages.isEmpty());
    }

    void variableKeptOpen() {
        Session s;
        s.setDocument(QStringLiteral("import java.awt.*;\r\n"), 20);
        s.desktop.driveDialog([&s](QDialog& d) {
            QVERIFY(Activate(d));
            auto* name = Child<QLineEdit>(d, "txtVariable");
            auto* ok = Child<QPushButton>(d, "cmdOK");
            Click(Child<QCheckBox>(d, "chkOpen"));
            Click(ok);
            // Sixteen blanks: the loss of focus removes fifteen of them.
            name->setText(u'a' + QString(16, u' ') + u'b');
            name->setFocus(Qt::TabFocusReason);
            Click(ok);
            QCOMPARE(name->text(), QStringLiteral("a b"));
            name->setText(QStringLiteral("   "));
            name->setFocus(Qt::TabFocusReason);
            Click(ok);
            QCOMPARE(s.messageTexts(), QStringList({"Variable does not have a specified name."}));
            QVERIFY(d.isVisible());
            Click(Child<QPushButton>(d, "cmdCancel"));
            QVERIFY(!d.isVisible());
        });
        ShowVariableDialog(s.frame);
        QCOMPARE(s.document().text(), QStringLiteral("import java.awt.*;\r\n"
                                                     "        int myVariableName;\r\n"
                                                     "        int a b;\r\n"));
    }

    void variableClosesWithoutJavaSource() {
        Session s;
        s.setDocument(QStringLiteral("import  java"), 0);
        s.desktop.driveDialog([](QDialog& d) {
            Child<QCheckBox>(d, "chkOpen")->setChecked(true);
            Child<QPushButton>(d, "cmdOK")->click();
            QVERIFY(!d.isVisible());
        });
        s.trigger("mnuInsertVariable");
        QCOMPARE(s.messageTexts(), QStringList({"No Java source code specified."}));
        QCOMPARE(s.document().text(), QStringLiteral("import  java"));
    }

    void functionDialog() {
        Session s;
        s.setDocument(QStringLiteral("import java.awt.*;\r\nSEL"), 20, 3);
        s.desktop.driveDialog([&s](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Insert Function"));
            QCOMPARE(Child<QLineEdit>(d, "txtFunction")->text(), QStringLiteral("myFunctionName"));
            const QStringList order = {"txtFunction", "optPublic",  "optPrivate", "optVoid",
                                       "optInt",      "optDouble",  "optFloat",   "optLong",
                                       "optShort",    "optBoolean", "cmdOK",      "cmdCancel",
                                       "chkOpen",     "optChar"};
            QCOMPARE(TabOrder(d, order), order);
            QVERIFY(Activate(d));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtFunction"));
            for (QRadioButton* option : d.findChildren<QRadioButton*>())
                QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));

            auto* ok = Child<QPushButton>(d, "cmdOK");
            Click(ok);
            Click(Child<QRadioButton>(d, "optLong"));
            Click(ok);
            QCOMPARE(s.messageTexts(), QStringList({"Function does not have a specified data type.",
                                                    "Function does not have a specified scope."}));
            QVERIFY(d.isVisible());
            Click(Child<QRadioButton>(d, "optPrivate"));
            Click(ok);
            QVERIFY(!d.isVisible());
        });
        s.trigger("mnuInsertFunction");
        QCOMPARE(s.desktop.modalDialogs, QList<QString>({"frmFunction"}));
        // The selection stays; the method follows it.
        const QString method = QStringLiteral("\r\n"
                                              "     private long myFunctionName()\r\n"
                                              "     {\r\n"
                                              "        // Include function code here\r\n"
                                              "\r\n"
                                              "     }\r\n");
        QCOMPARE(s.document().text(), QStringLiteral("import java.awt.*;\r\nSEL") + method);
        QCOMPARE(s.document().selStart(), int(23 + method.size()));
    }

    void objectDialogOpens_data() {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("toolbarKey");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<bool>("lengthEnabled");
        const auto menu = [](const char* item, int page) {
            QTest::newRow(item) << QString::fromLatin1(item) << QString() << page << QString()
                                << true;
        };
        menu("mnuInsertObjectLabel", 0);
        menu("mnuInsertObjectText", 1);
        menu("mnuInsertObjectFont", 2);
        menu("mnuInsertObjectCheckbox", 3);
        menu("mnuInsertObjectRadio", 3);
        menu("mnuInsertObjectButton", 4);
        menu("mnuInsertObjectScrollbar", 5);
        const auto key = [](const char* key, int page, const char* checked, bool enabled) {
            QTest::addRow("toolbar %s", key) << QString() << QString::fromLatin1(key) << page
                                             << QString::fromLatin1(checked) << enabled;
        };
        key("Font", 2, "", true);
        key("Label", 0, "", true);
        key("TextEdit", 1, "optTextField", true);
        key("TextField", 1, "optTextArea", false);
        key("Checkbox", 3, "optCheckbox", true);
        key("Radiobutton", 3, "optRadio", true);
        key("Button", 4, "", true);
        key("Scrollbar", 5, "", true);
    }

    void objectDialogOpens() {
        QFETCH(QString, menuItem);
        QFETCH(QString, toolbarKey);
        QFETCH(int, page);
        QFETCH(QString, checked);
        QFETCH(bool, lengthEnabled);
        Session s;
        bool driven = false;
        s.desktop.driveDialog([&](QDialog& d) {
            driven = true;
            QCOMPARE(Child<QTabWidget>(d, "SSTab")->currentIndex(), page);
            for (const char* option : {"optTextArea", "optTextField", "optCheckbox", "optRadio"})
                QCOMPARE(Child<QRadioButton>(d, option)->isChecked(), checked == option);
            QCOMPARE(Child<QComboBox>(d, "cboTextLength")->isEnabled(), lengthEnabled);
            QVERIFY(!Child<QCheckBox>(d, "chkOpen")->isChecked());
        });
        if (menuItem.isEmpty())
            ShowObjectForToolbarKey(s.frame, toolbarKey);
        else
            s.trigger(qPrintable(menuItem));
        QVERIFY(driven);
        QCOMPARE(s.desktop.modalDialogs, QList<QString>({"frmObject"}));
        QCOMPARE(s.desktop.busyDepth, 0);
        QVERIFY(s.desktop.busyCalls > 0);
    }

    void unknownToolbarKeyDoesNothing() {
        Session s;
        ShowObjectForToolbarKey(s.frame, QStringLiteral("label"));
        ShowObjectPage(s.frame, 6);
        QVERIFY(s.desktop.modalDialogs.isEmpty());
    }

    void objectDialogControls() {
        Session s;
        ObjectDialog d(s.frame);
        QCOMPARE(d.windowTitle(), QStringLiteral("Insert Object"));
        auto* tabs = Child<QTabWidget>(d, "SSTab");
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions,
                 QStringList({"Label", "Text", "Font", "Options", "Button", "Scrollbar"}));
        const struct {
            const char* name;
            QStringList items;
            const char* preset;
        } lists[] = {{"cboTextLength", TextLengthChoices(), "0"},
                     {"cboFontStyle", FontFamilyChoices(), "Helvetica"},
                     {"cboFontType", FontStyleChoices(), "Font.PLAIN"},
                     {"cboFontSize", FontSizeChoices(), "12"},
                     {"cboScrollbarStyle", ScrollbarOrientationChoices(), "Scrollbar.HORIZONTAL"}};
        for (const auto& list : lists) {
            auto* box = Child<QComboBox>(d, list.name);
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items << box->itemText(i);
            QCOMPARE(items, list.items);
            QCOMPARE(box->currentText(), QString::fromLatin1(list.preset));
            QVERIFY(box->isEditable());
        }
        for (const char* name :
             {"txtScrollbarMin", "txtScrollbarMax", "txtScrollbarSize", "txtScrollbarLocation"}) {
            auto* box = Child<QLineEdit>(d, name);
            box->clear();
            QTest::keyClicks(box, QStringLiteral("1000"));
            QCOMPARE(box->text(), QStringLiteral("100"));
        }
        const QStringList order = {"txtScrollbarName", "cboScrollbarStyle", "txtScrollbarMin",
                                   "txtScrollbarMax",  "txtScrollbarSize",  "txtScrollbarLocation",
                                   "Command1",         "Command2",          "chkOpen"};
        QCOMPARE(TabOrder(d, order), order);

        d.showPage(ObjectPage::Text);
        d.show();
        QVERIFY(Activate(d));
        auto* length = Child<QComboBox>(d, "cboTextLength");
        Child<QRadioButton>(d, "optTextArea")->setFocus(Qt::TabFocusReason);
        QVERIFY(!length->isEnabled());
        Child<QRadioButton>(d, "optTextField")->setFocus(Qt::TabFocusReason);
        QVERIFY(length->isEnabled());
    }

    void objectInsertedBelowMarkers() {
        Session s;
        s.setDocument(applet, 0, int(applet.size()));
        s.desktop.driveDialog([&s](QDialog& d) {
            QVERIFY(Activate(d));
            auto* ok = Child<QPushButton>(d, "Command1");
            Click(ok);
            QCOMPARE(s.messageTexts(), QStringList({"Text control requires a type."}));
            QVERIFY(d.isVisible());
            Click(Child<QRadioButton>(d, "optTextArea"));
            Click(Child<QCheckBox>(d, "chkOpen"));
            Click(ok);
            Child<QLineEdit>(d, "txtTextName")->setText(QStringLiteral(" txtText2 "));
            Click(Child<QRadioButton>(d, "optTextField"));
            Child<QComboBox>(d, "cboTextLength")->setCurrentIndex(2);
            Click(ok);
            QVERIFY(d.isVisible());
        });
        s.trigger("mnuInsertObjectText");
        QCOMPARE(
            s.document().text(),
            QStringLiteral("import java.applet.*;\r\n"
                           "public class A extends Applet {\r\n"
                           "     // Declare global variables here\r\n"
                           "     TextField txtText2 = new TextField(\"10\");\r\n"
                           "     TextArea txtText1 = new TextArea(\"Type some text here\");\r\n"
                           "     public void init() {\r\n"
                           "          // Execution code goes here\r\n"
                           "          add(txtText2);\r\n"
                           "          add(txtText1);\r\n"
                           "     }\r\n"
                           "}\r\n"));
        QCOMPARE(s.messageTexts().size(), 1);
    }

    void objectWithoutExecutionMarker() {
        Session s;
        const QString text =
            QStringLiteral("import java.awt.*;\r\n// DECLARE GLOBAL VARIABLES HERE");
        s.setDocument(text, 0);
        s.desktop.driveDialog([](QDialog& d) {
            Child<QPushButton>(d, "Command1")->click();
            QVERIFY(d.isVisible());
            Child<QPushButton>(d, "Command1")->click();
            Child<QPushButton>(d, "Command2")->click();
            QVERIFY(!d.isVisible());
        });
        s.trigger("mnuInsertObjectButton");
        const QString button =
            QStringLiteral("\r\n     Button btnButton1 = new Button(\"Button caption\");");
        QCOMPARE(s.document().text(), text + button + button);
        QCOMPARE(s.messageTexts(), QStringList({"Cannot read unformatted source code.",
                                                "Cannot read unformatted source code."}));
    }
};

QTEST_MAIN(TestInsertDialogs)
#include "tst_insertdialogs.moc"
