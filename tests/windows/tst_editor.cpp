#include "document/codeeditor.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "document/syntaxhighlighter.h"
#include "filesession.h"
#include "insert/insertcommands.h"
#include "search/searchcommands.h"
#include "settings/optionscommand.h"

#include <QCheckBox>
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

} // namespace

// What Orvane adds to the designed editor: colouring, line numbers, Undo and Redo, Go to Line,
// files from outside and recent files.
class TestEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFrame> test_;
    QTemporaryDir folder_;

    MainFrame& frame() { return test_->frame(); }
    DocumentWindow* active() { return test_->active(); }
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
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
