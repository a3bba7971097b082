#include "document/documentwindow.h"
#include "expectedfile.h"
#include "insert/insertcommands.h"
#include "markedtext.h"
#include "testframe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace orvane;
using test::marked;
using test::setMarked;

namespace {

bool Activate(QDialog& dialog) {
    dialog.activateWindow();
    return QTest::qWaitFor([&] { return dialog.isAncestorOf(QApplication::focusWidget()); });
}

// Near the left end, where option buttons and check boxes take clicks whatever their width.
void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

} // namespace

class TestInsertDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestFrame> s_;
    test::FakeDesktop& desktop() { return s_->desktop; }
    DocumentText document() { return s_->active()->text(); }
    void trigger(const QString& menuItem) { s_->item(menuItem)->trigger(); }

private slots:
    void init() { QVERIFY((s_ = std::make_unique<test::TestFrame>())->start()); }
    void cleanup() { s_.reset(); }

    void statementAtCaret_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("skeleton"); // tests/rules/expected/skeleton-<name>.txt
        QTest::addColumn<int>("selLength");
        const char* items[][2] = {{"IF", "if"},        {"IFELSE", "ifelse"},
                                  {"FORS", "for"},     {"WHILES", "while"},
                                  {"DOM", "dowhile"},  {"SWITCH", "switch"},
                                  {"TRY", "trycatch"}, {"FINALLY", "trycatchfinally"}};
        for (const auto& [item, file] : items)
            QTest::newRow(item) << "mnuInsertStatement" + QString::fromLatin1(item) << file << 0;
        QTest::newRow("over a selection") << "mnuInsertStatementWHILES"
                                          << "while" << 3;
    }

    void statementAtCaret() {
        QFETCH(QString, item);
        QFETCH(QString, skeleton);
        QFETCH(int, selLength);
        const QString before = QStringLiteral("import java.awt.*;\r\n  a");
        setMarked(document(), before + (selLength ? "[SEL]b\r\n" : "|SELb\r\n"));
        trigger(item);
        const QString expected = test::ExpectedFile("skeleton-" + skeleton + ".txt");
        QCOMPARE(marked(document()), before + expected + u'|' + (selLength ? "b\r\n" : "SELb\r\n"));
    }

    // The type follows the focus; kept open, the second declaration follows the first.
    void variableDialog() {
        setMarked(document(), QStringLiteral("import java.awt.*;\r\n[SEL]\r\n"));
        desktop().driveDialog([this](QDialog& d) {
            QVERIFY(Activate(d));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optInt"));
            QVERIFY(d.findChild<QRadioButton*>("optInt")->isChecked());
            d.findChild<QRadioButton*>("optDouble")->setFocus(Qt::TabFocusReason);
            QVERIFY(d.findChild<QRadioButton*>("optDouble")->isChecked());

            auto* name = d.findChild<QLineEdit*>("txtVariable");
            auto* ok = d.findChild<QPushButton*>("cmdOK");
            name->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(name->selectedText(), QStringLiteral("myVariableName"));
            Click(d.findChild<QCheckBox*>("chkOpen"));
            Click(ok);
            name->setText(u'a' + QString(16, u' ') + u'b');
            name->setFocus(Qt::TabFocusReason);
            Click(ok); // the loss of focus removes fifteen of the sixteen blanks
            name->setText(QStringLiteral("   "));
            Click(ok);
            QCOMPARE(desktop().messages.size(), 1);
            QCOMPARE(desktop().messages[0].text, "Variable does not have a specified name.");
            QVERIFY(d.isVisible());
            Click(d.findChild<QPushButton*>("cmdCancel"));
            QVERIFY(!d.isVisible());
        });
        trigger(QStringLiteral("mnuInsertVariable"));
        QCOMPARE(document().text(), QStringLiteral("import java.awt.*;\r\n"
                                                   "        double myVariableName;\r\n"
                                                   "        double a b;\r\n\r\n"));
    }

    // Nothing is chosen at opening; the method follows the selection, which stays.
    void functionDialog() {
        setMarked(document(), QStringLiteral("import java.awt.*;\r\n[SEL]"));
        desktop().driveDialog([](QDialog& d) {
            QVERIFY(Activate(d));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtFunction"));
            for (QRadioButton* option : d.findChildren<QRadioButton*>())
                QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
            Click(d.findChild<QRadioButton*>("optLong"));
            Click(d.findChild<QRadioButton*>("optPrivate"));
            Click(d.findChild<QPushButton*>("cmdOK"));
            QVERIFY(!d.isVisible());
        });
        trigger(QStringLiteral("mnuInsertFunction"));
        const QString method = QStringLiteral("\r\n     private long myFunctionName()\r\n     {\r\n"
                                              "        // Include function code here\r\n"
                                              "\r\n     }\r\n");
        QCOMPARE(document().text(), QStringLiteral("import java.awt.*;\r\nSEL") + method);
        QCOMPARE(document().selStart(), int(23 + method.size()));
        QVERIFY(desktop().messages.isEmpty());
    }

    // Menu items by object name, toolbar buttons by key; the toolbar also presets an option.
    void objectDialogOpens_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("page"); // -1: no dialog
        QTest::addColumn<QString>("checked");
        const char* menus[] = {"Label", "Text", "Font", "Checkbox", "Radio", "Button", "Scrollbar"};
        const int menuPages[] = {0, 1, 2, 3, 3, 4, 5};
        for (int i = 0; i < 7; ++i)
            QTest::addRow("menu %s", menus[i])
                << "mnuInsertObject" + QString::fromLatin1(menus[i]) << menuPages[i] << "";
        const char* keys[] = {"Label",    "TextEdit",    "TextField", "Font",
                              "Checkbox", "Radiobutton", "Button",    "Scrollbar"};
        const int keyPages[] = {0, 1, 1, 2, 3, 3, 4, 5};
        const char* presets[] = {
            "", "optTextField", "optTextArea", "", "optCheckbox", "optRadio", "", ""};
        for (int i = 0; i < 8; ++i)
            QTest::addRow("toolbar %s", keys[i]) << keys[i] << keyPages[i] << presets[i];
        QTest::newRow("toolbar key in other letters") << "label" << -1 << "";
    }

    void objectDialogOpens() {
        QFETCH(QString, opener);
        QFETCH(int, page);
        QFETCH(QString, checked);
        desktop().driveDialog([&](QDialog& d) {
            QCOMPARE(d.findChild<QTabWidget*>("SSTab")->currentIndex(), page);
            for (const char* option : {"optTextArea", "optTextField", "optCheckbox", "optRadio"})
                QCOMPARE(d.findChild<QRadioButton*>(option)->isChecked(), checked == option);
            QCOMPARE(d.findChild<QComboBox*>("cboTextLength")->isEnabled(),
                     checked != "optTextArea");
        });
        if (opener.startsWith(u"mnu"))
            trigger(opener);
        else
            ShowObjectForToolbarKey(s_->frame(), opener);
        QCOMPARE(desktop().modalDialogs, page < 0 ? QList<QString>() : QList<QString>{"frmObject"});
        QCOMPARE(desktop().busyDepth, 0);
    }

    // Kept open, each new object goes directly below the markers, above the one before.
    void objectKeptOpen() {
        const QString applet = QStringLiteral("import java.applet.*;\r\n"
                                              "     // Declare global variables here\r\n"
                                              "          // Execution code goes here\r\n");
        setMarked(document(), u'[' + applet + u']');
        desktop().driveDialog([](QDialog& d) {
            QVERIFY(Activate(d));
            auto* ok = d.findChild<QPushButton*>("Command1");
            Click(d.findChild<QRadioButton*>("optTextArea"));
            Click(d.findChild<QCheckBox*>("chkOpen"));
            Click(ok);
            d.findChild<QLineEdit*>("txtTextName")->setText(QStringLiteral(" txtText2 "));
            Click(d.findChild<QRadioButton*>("optTextField"));
            d.findChild<QComboBox*>("cboTextLength")->setCurrentIndex(2);
            Click(ok);
            QVERIFY(d.isVisible());
        });
        trigger(QStringLiteral("mnuInsertObjectText"));
        QCOMPARE(
            document().text(),
            QStringLiteral("import java.applet.*;\r\n"
                           "     // Declare global variables here\r\n"
                           "     TextField txtText2 = new TextField(\"10\");\r\n"
                           "     TextArea txtText1 = new TextArea(\"Type some text here\");\r\n"
                           "          // Execution code goes here\r\n"
                           "          add(txtText2);\r\n"
                           "          add(txtText1);\r\n"));
        QVERIFY(desktop().messages.isEmpty());
    }
};

QTEST_MAIN(TestInsertDialogs)
#include "tst_insertdialogs.moc"
