#include "document/codeeditor.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "document/syntaxhighlighter.h"
#include "expectedfile.h"
#include "filesession.h"
#include "insert/insertcommands.h"
#include "markedtext.h"
#include "search/searchcommands.h"
#include "settings/optionscommand.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>

using namespace orvane;
using namespace orvane::test;

namespace {

const QString javaSource = QStringLiteral("import java.awt.*;\r\n"
                                          "public class Hello {\r\n"
                                          "    // Declare global variables here\r\n"
                                          "    public void init() {\r\n"
                                          "        // Execution code goes here\r\n"
                                          "    }\r\n"
                                          "}");

using Command = std::function<void(TestFrame&)>;

// Opens a dialog with `show` and lets `drive` fill it in and press its button.
Command throughDialog(void (*show)(Workspace&), FakeDesktop::DialogDriver drive) {
    return [show, drive](TestFrame& t) {
        t.desktop.driveDialog(drive);
        show(t.frame());
    };
}

bool Activate(QDialog& dialog) {
    dialog.activateWindow();
    return QTest::qWaitFor([&] { return dialog.isAncestorOf(QApplication::focusWidget()); });
}

// Near the left end, where option buttons and check boxes take clicks whatever their width.
void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

} // namespace

// What Orvane adds to the designed editor (colouring, line numbers, Undo and Redo, Go to Line,
// files from outside and recent files), and the Insert menu's statements and dialogs.
class TestEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFrame> test_;
    QTemporaryDir folder_;

    MainFrame& frame() { return test_->frame(); }
    DocumentWindow* active() { return test_->active(); }
    FakeDesktop& desktop() { return test_->desktop; }
    DocumentText document() { return active()->text(); }
    void trigger(const QString& menuItem) { test_->item(menuItem)->trigger(); }
    QString file(const char* name) { return folder_.filePath(QString::fromLatin1(name)); }
    QStringList openCaptions() {
        QStringList out;
        for (const DocumentWindow* window : frame().documentWindows())
            out << window->caption();
        return out;
    }
    QStringList recentMenu() {
        auto* menu = frame().documentMenuBar().findChild<QMenu*>(QStringLiteral("mnuFile"));
        emit menu->aboutToShow();
        QStringList out;
        for (const QAction* item : menu->findChildren<QAction*>(QStringLiteral("mnuFileRecent")))
            out << item->text();
        return out;
    }

private slots:
    void init() { QVERIFY((test_ = std::make_unique<TestFrame>())->start()); }
    void cleanup() { test_.reset(); }

    // The statement skeletons all go through one insertion; the dialogs each have their own.
    void undoRestoresEachCommandInOneStep_data() {
        QTest::addColumn<Command>("command");
        QTest::newRow("statement") << Command(
            [](TestFrame& t) { InsertStatement(t.frame(), StatementKind::TryCatchFinally); });
        QTest::newRow("variable") << throughDialog(ShowVariableDialog, [](QDialog& d) {
            d.findChild<QLineEdit*>("txtVariable")->setText(QStringLiteral("count"));
            d.findChild<QPushButton*>("cmdOK")->click();
        });
        QTest::newRow("function") << throughDialog(ShowFunctionDialog, [](QDialog& d) {
            d.findChild<QLineEdit*>("txtFunction")->setText(QStringLiteral("count"));
            d.findChild<QRadioButton*>("optLong")->setChecked(true);
            d.findChild<QRadioButton*>("optPrivate")->setChecked(true);
            d.findChild<QPushButton*>("cmdOK")->click();
        });
        QTest::newRow("object at both markers")
            << throughDialog([](Workspace& w) { ShowObjectPage(w, 0); },
                             [](QDialog& d) { d.findChild<QPushButton*>("Command1")->click(); });
        QTest::newRow("replace") << Command([](TestFrame& t) {
            t.active()->text().setSelStart(0);
            throughDialog(ShowReplaceDialog, [](QDialog& d) {
                d.findChild<QLineEdit*>("txtFind")->setText(QStringLiteral("Hello"));
                d.findChild<QLineEdit*>("txtReplace")->setText(QStringLiteral("Bye"));
                d.findChild<QPushButton*>("cmdFind")->click();
            })(t);
        });
    }

    void undoRestoresEachCommandInOneStep() {
        QFETCH(Command, command);
        DocumentText text = active()->text();
        text.setText(javaSource);
        text.setSelStart(int(javaSource.indexOf(u'{')) + 1);
        QAction* undo = test_->item("mnuEditUndo");
        QVERIFY(!undo->isEnabled());
        command(*test_);
        QVERIFY(text.text() != javaSource);
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(text.text(), javaSource);
        QVERIFY(!undo->isEnabled());
        test_->item("mnuEditRedo")->trigger();
        QVERIFY(text.text() != javaSource);
    }

    // Typing, then Edit > Paste: Undo takes back the paste alone.
    void pasteIsAStepOfItsOwn() {
        QPlainTextEdit& editor = active()->editor();
        QTest::keyClicks(&editor, QStringLiteral("abc"));
        test_->desktop.setClipboardText(QStringLiteral("XYZ"));
        test_->item("mnuEditPaste")->trigger();
        QCOMPARE(active()->text().text(), QStringLiteral("abcXYZ"));
        test_->item("mnuEditUndo")->trigger();
        QCOMPARE(active()->text().text(), QStringLiteral("abc"));
    }

    void goToLineMovesTheCaretToTheLinesStart() {
        active()->text().setText(javaSource);
        QString shownRange;
        test_->desktop.driveDialog([&](QDialog& d) {
            shownRange = d.findChild<QLabel*>("lblLine")->text();
            d.findChild<QSpinBox*>("txtLine")->setValue(4);
            d.findChild<QPushButton*>("cmdOk")->click();
        });
        test_->item("mnuEditGoTo")->trigger();
        QCOMPARE(shownRange, QStringLiteral("&Line number (1 - 7):"));
        QCOMPARE(active()->text().selStart(), int(javaSource.indexOf(u"    public void")));
        test_->desktop.driveDialog([](QDialog& d) {
            d.findChild<QSpinBox*>("txtLine")->setValue(1);
            d.findChild<QPushButton*>("cmdCancel")->click();
        });
        test_->item("mnuEditGoTo")->trigger();
        QCOMPARE(active()->editor().textCursor().blockNumber(), 3);
    }

    // Named on the command line: each file in its own window by Open's rules, no empty window
    // beside them; none that opens leaves the usual empty one.
    void filesFromTheCommandLine_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("windows");
        QTest::addColumn<QString>("message"); // the one shown, %1 for the folder; empty: none
        const QString tooLarge = "The file [%1/big.java] is too large to open.";
        QTest::newRow("two files") << QStringList{"Hello.java", "page.html"}
                                   << QStringList{"HELLO.JAVA", "PAGE.HTML"} << "";
        QTest::newRow("one too large")
            << QStringList{"big.java", "Hello.java"} << QStringList{"HELLO.JAVA"} << tooLarge;
        QTest::newRow("only too large")
            << QStringList{"big.java"} << QStringList{"Untitled"} << tooLarge;
        QTest::newRow("missing file") << QStringList{"gone.java"} << QStringList{"Untitled"}
                                      << "The file [%1/gone.java] does not exist.";
    }

    void filesFromTheCommandLine() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, windows);
        QFETCH(QString, message);
        writeBytes(file("Hello.java"), javaSource.toUtf8());
        writeBytes(file("page.html"), "<p>hi</p>");
        writeBytes(file("big.java"), QByteArray(65001, 'x'));
        QStringList paths;
        for (const QString& name : names)
            paths << folder_.filePath(name);
        test_.reset();
        test_ = std::make_unique<TestFrame>();
        QVERIFY(test_->start(paths));
        QCOMPARE(openCaptions(), windows);
        QCOMPARE(shownTexts(test_->desktop),
                 message.isEmpty() ? QStringList() : QStringList{message.arg(folder_.path())});
    }

    // Opened from a file, Java shows coloured beside its line numbers; the Editor options turn
    // each off in every open window, and set the tab stops.
    void colouringAndGutterFollowTheOptions() {
        writeBytes(file("Hello.java"), javaSource.toUtf8());
        OpenDocumentFile(frame(), file("Hello.java"));
        const CodeEditor& editor = active()->codeEditor();
        QCOMPARE(editor.highlighter().language(), SyntaxLanguage::Java);
        QVERIFY(!editor.document()->firstBlock().layout()->formats().isEmpty());
        QVERIFY(editor.gutterWidth() > 0 && editor.showsCurrentLine());

        test_->desktop.driveDialog([](QDialog& d) {
            d.findChild<QCheckBox*>("chkColouring")->setChecked(false);
            d.findChild<QCheckBox*>("chkLineNumbers")->setChecked(false);
            QVERIFY(d.findChild<QCheckBox*>("chkCheckJava")->isChecked());
            d.findChild<QCheckBox*>("chkCheckJava")->setChecked(false);
            QCOMPARE(d.findChild<QSpinBox*>("spnTabWidth")->value(), 4);
            QVERIFY(d.findChild<QCheckBox*>("chkInsertSpaces")->isChecked());
            d.findChild<QSpinBox*>("spnTabWidth")->setValue(2);
            d.findChild<QCheckBox*>("chkInsertSpaces")->setChecked(false);
            d.findChild<QPushButton*>("cmdOk")->click();
        });
        ShowOptionsDialog(frame(), OptionsTab::Editor);
        QCOMPARE(editor.highlighter().language(), SyntaxLanguage::None);
        QCOMPARE(editor.gutterWidth(), 0);
        QVERIFY(editor.showsCurrentLine());
        QCOMPARE(test_->store.getIn("Editor", "LineNumbers"), QStringLiteral("0"));
        QCOMPARE(test_->store.getIn("Editor", "CheckJavaAsIType"), QStringLiteral("0"));
        QCOMPARE(test_->store.getIn("Editor", "TabWidth"), QStringLiteral("2"));
        QCOMPARE(test_->store.getIn("Editor", "InsertSpaces"), QStringLiteral("0"));
        QCOMPARE(test_->store.get("FontNameValue", "absent"), QStringLiteral("Courier New"));
        const CodeEditor& fresh = frame().newDocumentWindow()->codeEditor();
        QCOMPARE(fresh.gutterWidth(), 0);
        QCOMPARE(fresh.indentStyle(), (IndentStyle{true, 2}));
    }

    void droppedFilesOpenLikeOpen() {
        writeBytes(file("Hello.java"), javaSource.toUtf8());
        writeBytes(file("big.java"), QByteArray(65001, 'x'));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file("Hello.java")),
                      QUrl::fromLocalFile(file("big.java")), QUrl("https://example.org/x.java")});
        QVERIFY(frame().openDroppedFiles(data));
        QCOMPARE(openCaptions(), (QStringList{"Untitled", "HELLO.JAVA"}));
        QCOMPARE(test_->desktop.messages.size(), 1);
    }

    // Newest first, each once, at most eight; a file gone leaves the list with a message.
    void recentFiles() {
        QStringList paths;
        for (int i = 0; i < 9; ++i) {
            paths << file(qPrintable(QStringLiteral("f%1.txt").arg(i)));
            writeBytes(paths.last(), "x");
            OpenDocumentFile(frame(), paths.last());
        }
        OpenDocumentFile(frame(), paths[4]);
        QStringList expected = {"&1 " + paths[4]};
        for (int i : {8, 7, 6, 5, 3, 2, 1})
            expected << QStringLiteral("&%1 ").arg(expected.size() + 1) + paths[i];
        QCOMPARE(recentMenu(), expected);

        QFile::remove(paths[7]);
        const QList<DocumentWindow*> before = frame().documentWindows();
        frame().documentMenuBar().findChildren<QAction*>("mnuFileRecent").at(2)->trigger();
        QCOMPARE(frame().documentWindows(), before);
        QCOMPARE(test_->desktop.messages.last().text,
                 "The file [" + paths[7] +
                     "] no longer exists. It has been removed from the list of recent files.");
        QVERIFY(!recentMenu().join(u' ').contains(paths[7]));
        QCOMPARE(recentMenu().size(), 7);

        DocumentWindow* untitled = frame().newDocumentWindow();
        untitled->text().setText(QStringLiteral("new"));
        test_->desktop.fileAnswers.enqueue(file("saved.txt"));
        SaveDocument(frame(), *untitled);
        QCOMPARE(recentMenu().first(), "&1 " + file("saved.txt"));
    }

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
        const QString expected = ExpectedFile("skeleton-" + skeleton + ".txt");
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
            ShowObjectForToolbarKey(frame(), opener);
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

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
