#include "document/codeeditor.h"
#include "document/documentwindow.h"
#include "document/editorzoom.h"
#include "document/filecommands.h"
#include "document/syntaxhighlighter.h"
#include "document/togglecomment.h"
#include "expectedfile.h"
#include "filesession.h"
#include "insert/insertcommands.h"
#include "markedtext.h"
#include "search/searchcommands.h"
#include "settings/optionscommand.h"
#include "toolchain/compilermarkers.h"
#include "toolchain/diagnosticmarkers.h"
#include "toolchain/errornavigation.h"

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
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

using namespace orvane;
using namespace orvane::test;
using namespace Qt::StringLiterals;

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

using Keys = std::function<void(QPlainTextEdit&)>;

Keys press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return [key, modifiers](QPlainTextEdit& e) {
        QTest::keyClick(&e, key, modifiers);
    };
}

void findRow(const char* name, bool replace, const QString& text, const QString& search,
             const QString& replacement, int presses, const QString& expected, int noMatch = 0) {
    QTest::newRow(name) << replace << text << search << replacement << presses << expected
                        << noMatch;
}

const QString source = u"class A {\n    int x = 1\n    void f() { foo(); }\n    int y = z;\n}"_s;

// "line|column|endColumn|kind|message" each; kind e, w or n.
QList<CompilerDiagnostic> Diagnostics(const QStringList& rows) {
    QList<CompilerDiagnostic> list;
    for (const QString& row : rows) {
        const QStringList f = row.split(u'|');
        const DiagnosticKind kind = f[3] == u"e"   ? DiagnosticKind::Error
                                    : f[3] == u"w" ? DiagnosticKind::Warning
                                                   : DiagnosticKind::Note;
        list.append({{}, f[0].toInt(), f[1].toInt(), f[2].toInt(), kind, f[4]});
    }
    return list;
}

// The editor's text with each underline between "[" and "]".
QString Underlined(const CodeEditor& editor) {
    QString text = editor.toPlainText();
    QList<std::pair<int, int>> spans;
    for (const QTextEdit::ExtraSelection& mark : editor.layer(EditorLayer::Diagnostics))
        spans.append({mark.cursor.selectionStart(), mark.cursor.selectionEnd()});
    for (auto span = spans.crbegin(); span != spans.crend(); ++span)
        text.insert(span->second, u']').insert(span->first, u'[');
    return text;
}

} // namespace

// The code editor as typed into, its Find, Replace and compiler markers, files from outside,
// recent files, and the Insert menu's statements and dialogs.
class TestEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFrame> test_;
    QTemporaryDir folder_;

    MainFrame& frame() { return test_->frame(); }
    DocumentWindow& active() { return *test_->active(); }
    DocumentText document() { return active().text(); }
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

    CodeEditor& editor() { return *qobject_cast<CodeEditor*>(&active().editor()); }
    DiagnosticMarkers& markers() { return MarkersOf(frame(), active()); }
    QString status() { return frame().statusBar1().currentMessage(); }

    // Line `line`'s middle, as the gutter sees it.
    int lineY(int line) {
        const QTextCursor start(editor().document()->findBlockByNumber(line - 1));
        return editor().cursorRect(start).center().y();
    }

    // The sample class with `rows` shown as the compiler's diagnostics.
    void showOnSource(const QStringList& rows) {
        editor().setPlainText(source);
        markers().show(Diagnostics(rows));
    }

    // Opens `text` from a file named `name`, the caret at the first "|" (taken out).
    void open(const char* name, QString text) {
        const qsizetype caret = text.indexOf(u'|');
        text.remove(u'|');
        writeBytes(file(name), text.toUtf8());
        QVERIFY(OpenDocumentFile(frame(), file(name)));
        active().text().setSelStart(int(std::max<qsizetype>(caret, 0)));
    }

private slots:
    void init() { QVERIFY((test_ = std::make_unique<TestFrame>())->start()); }
    void cleanup() { test_.reset(); }

    void indentation_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("result");
        QTest::newRow("enter keeps the indent")
            << "class A {\r\n    int a;|\r\n}" << press(Qt::Key_Return)
            << "class A {\r\n    int a;\r\n    \r\n}";
        QTest::newRow("enter after { adds a level")
            << "class A {|\r\n}" << press(Qt::Key_Return) << "class A {\r\n    \r\n}";
        QTest::newRow("enter in a comment")
            << "    // see {|" << press(Qt::Key_Return) << "    // see {\r\n    ";
        QTest::newRow("} takes a level off")
            << "class A {\r\n    void f() {|\r\n}" << Keys([](QPlainTextEdit& e) {
                   QTest::keyClick(&e, Qt::Key_Return);
                   QTest::keyClicks(&e, QStringLiteral("x();"));
                   QTest::keyClick(&e, Qt::Key_Return);
                   QTest::keyClicks(&e, QStringLiteral("}"));
               })
            << "class A {\r\n    void f() {\r\n        x();\r\n    }\r\n}";
        QTest::newRow("} in a string stays")
            << "    s = \"|" << press(Qt::Key_BraceRight) << "    s = \"}";
        QTest::newRow("tab inserts blanks to the stop") << "ab|" << press(Qt::Key_Tab) << "ab  ";
        QTest::newRow("a file indented with tabs keeps tabs")
            << "class A {\r\n\tvoid f() {|\r\n\t}\r\n}" << press(Qt::Key_Return)
            << "class A {\r\n\tvoid f() {\r\n\t\t\r\n\t}\r\n}";
    }

    void indentation() {
        QFETCH(QString, text);
        QFETCH(Keys, keys);
        QFETCH(QString, result);
        open("A.java", text);
        keys(editor());
        QCOMPARE(active().text().text(), result);
    }

    // Tab and Shift+Tab on selected lines, each one step for Undo.
    void tabOnSelectedLinesAndUndo() {
        open("A.java", "a();\r\n  b();\r\n\r\nc();");
        setMarked(active().text(), QStringLiteral("a([);\r\n  b();\r\n\r\nc]();"));
        QTest::keyClick(&editor(), Qt::Key_Tab);
        QCOMPARE(active().text().text(), QStringLiteral("    a();\r\n      b();\r\n\r\n    c();"));
        QTest::keyClick(&editor(), Qt::Key_Backtab);
        QTest::keyClick(&editor(), Qt::Key_Backtab);
        QCOMPARE(active().text().text(), QStringLiteral("a();\r\nb();\r\n\r\nc();"));
        editor().undo();
        QCOMPARE(active().text().text(), QStringLiteral("a();\r\n    b();\r\n\r\nc();"));
    }

    void brackets_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("marked");
        QTest::addColumn<bool>("matched");
        QTest::newRow("caret before an opening") << "f(|a[1], \")\")" << QList<int>{1, 11} << true;
        QTest::newRow("caret after a closing") << "{ g(); }|" << QList<int>{7, 0} << true;
        QTest::newRow("unmatched") << "f|((x)" << QList<int>{1} << false;
        QTest::newRow("in a comment") << "// (|" << QList<int>{} << true;
    }

    void brackets() {
        QFETCH(QString, text);
        QFETCH(QList<int>, marked);
        QFETCH(bool, matched);
        open("B.java", text);
        const QList<QTextEdit::ExtraSelection> marks = editor().layer(EditorLayer::Brackets);
        QList<int> positions;
        for (const QTextEdit::ExtraSelection& mark : marks)
            positions << mark.cursor.selectionStart();
        QCOMPARE(positions, marked);
        if (!marks.isEmpty())
            QCOMPARE(marks.first().format.fontWeight() == QFont::Bold, matched);
    }

    void statusField_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a tab counts as the tab width")
            << QByteArray("a\r\n\tb;") << 5 << "Ln 2, Col 6    UTF-8 \u00b7 CR LF";
        QTest::newRow("LF file in Windows-1252")
            << QByteArray("caf\xe9\n\nx") << 6 << "Ln 2, Col 1    Windows-1252 \u00b7 LF";
    }

    void statusField() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, caret);
        QFETCH(QString, shown);
        writeBytes(folder_.filePath("s.txt"), bytes);
        QVERIFY(OpenDocumentFile(frame(), folder_.filePath("s.txt")));
        active().text().setSelStart(caret);
        auto* field = frame().statusBar1().findChild<QLabel*>("StatusBar1Caret");
        QCOMPARE(field->text(), shown);
    }

    void findAgain() {
        open("F.java", "|one two\r\nOne\r\nx");
        RememberSearch(QStringLiteral(" one "));
        QList<int> found; // round the start to the bottom, then round the end to the top
        for (const auto step : {FindNext, FindPrevious, FindNext}) {
            step(frame());
            found << active().text().selStart();
        }
        QCOMPARE(found, (QList<int>{0, 9, 0}));
        QCOMPARE(status(), QStringLiteral("Passed the end of the document: found from the top."));
        RememberSearch(QStringLiteral("two\nOne"));
        FindPrevious(frame());
        QCOMPARE(active().text().selStart(), 4);
        RememberSearch(QStringLiteral("absent"));
        FindNext(frame());
        QCOMPARE(shownTexts(test_->desktop), QStringList{"Sorry, no match could be found."});
    }

    void pressesFind_data() {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<int>("presses"); // more than one ticks "keep open"
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("noMatch");

        findRow("case beyond ASCII", false, "Kein Ärger\r\nПривет, МИР!", "мир", "", 1,
                "Kein Ärger\r\nПривет, [МИР]!");
        findRow("blanks trimmed, from the top", false, "abc x x", " X ", "", 1, "abc [x] x");
        findRow("empty search", false, "abc", "", "", 1, "|abc");
        findRow("not found stays open", false, "abc", "zzz", "", 1, "abc|", 1);
        findRow("replace one per press", true, "a-a-a", "a", " b ", 2, "b-b|-a");
        findRow("replacement holds the search", true, "xax", "A", "aa", 3, "xaa|aax");
        findRow("empty replacement deletes", true, "hello world", "o", "", 1, "hell| world");
        // A break typed or pasted into a box is one whole CR LF of the document.
        findRow("LF in the search", true, "ab\r\ncdef", "b\ncd", "XY", 1, "aXY|ef");
        findRow("lone CR in the search", true, "ab\r\ncdef", "b\rcd", "XY", 1, "aXY|ef");
        findRow("search ends with a break", true, "ab\r\ncd", "b\n", "X", 1, "aX|cd");
        findRow("search starts with a break", false, "ab\r\ncd", "\ncd", "", 1, "ab[\r\ncd]");
        findRow("LF in the replacement", true, "ab\r\ncd", "b", "x\ny", 1, "ax\r\ny|\r\ncd");
    }

    void pressesFind() {
        QFETCH(bool, replace);
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(int, presses);
        QFETCH(int, noMatch);
        DocumentText document = active().text();
        document.setText(text);
        document.setSelStart(int(text.size())); // a search from the caret would find nothing
        bool stillOpen = false;
        test_->desktop.driveDialog([&](QDialog& dialog) {
            // The button waits for the search box's first change, also for an empty search.
            dialog.findChild<QLineEdit*>("txtFind")->insert(QStringLiteral("x"));
            dialog.findChild<QLineEdit*>("txtFind")->setText(search);
            dialog.findChild<QLineEdit*>("txtReplace")->setText(replacement);
            dialog.findChild<QCheckBox*>("chkOpen")->setChecked(presses > 1);
            for (int i = 0; i < presses; ++i)
                dialog.findChild<QPushButton*>("cmdFind")->click();
            stillOpen = dialog.isVisible();
        });
        replace ? ShowReplaceDialog(frame()) : ShowFindDialog(frame());

        QTEST(marked(document), "expected");
        QCOMPARE(shownTexts(test_->desktop),
                 QStringList(noMatch, "Sorry, no match could be found."));
        QCOMPARE(stillOpen, presses > 1 || noMatch > 0);
    }

    void toggleComment_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* tag, const char* name, const char* text,
                            const char* result) {
            QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(text)
                               << QString::fromLatin1(result);
        };
        row("java lines", "T.java", "[  a();\r\n ]   b();\r\nc();",
            "  // a();\r\n  //   b();\r\nc();");
        row("java caret line back", "T.java", "x;\r\n  // |y;", "x;\r\n  y;");
        row("html selection", "T.html", "<p>[<b>x</b>]</p>", "<p><!-- <b>x</b> --></p>");
        row("html caret line", "T.html", "  <b>|x</b>", "  <!-- <b>x</b> -->");
    }

    void toggleComment() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, result);
        open(name.toLatin1().constData(), {});
        setMarked(active().text(), text);
        const QString before = active().text().text();
        ToggleComment(frame());
        QCOMPARE(active().text().text(), result);
        editor().undo();
        QCOMPARE(active().text().text(), before);
    }

    // Every window follows, new ones too; the wheel with Ctrl zooms; the stored font stays.
    void zoom() {
        DocumentWindow& first = active();
        const qreal size = first.editor().font().pointSizeF();
        ZoomIn(frame());
        ZoomIn(frame());
        DocumentWindow* second = frame().newDocumentWindow();
        QCOMPARE(first.editor().font().pointSizeF(), size + 2);
        QCOMPARE(second->editor().font().pointSizeF(), size + 2);
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(second->editor().viewport(), &wheel);
        QCOMPARE(first.editor().font().pointSizeF(), size + 1);
        ZoomReset(frame());
        QCOMPARE(second->editor().font().pointSizeF(), size);
        QCOMPARE(test_->store.get("FontNameSize", "absent"), QStringLiteral("absent"));
    }

    // A keystroke on a line too long to colour recolours nothing of it; the next line is
    // coloured.
    void longLineLeftPlain() {
        open("L.html", "|" + QStringLiteral("<b>x</b>").repeated(6000) + "\r\n<i>");
        QTest::keyClicks(&editor(), QStringLiteral("<i>"));
        const QTextBlock line = editor().document()->firstBlock();
        QVERIFY(line.layout()->formats().isEmpty());
        QCOMPARE(line.next().layout()->formats().size(), 2);
    }

    // Lines beyond the first screen are coloured while the program is idle.
    void restColouredWhenIdle() {
        open("I.java", QStringLiteral("int a;\r\n").repeated(3000));
        const SyntaxHighlighter& colouring = active().codeEditor().highlighter();
        const QTextBlock last = editor().document()->lastBlock().previous();
        QVERIFY(colouring.isColouring());
        QVERIFY(last.layout()->formats().isEmpty());
        QTRY_VERIFY(!colouring.isColouring());
        QCOMPARE(last.layout()->formats().size(), 1);
    }

    // Each diagnostic underlines its token and puts its sign beside its line; hovering either
    // shows the message.
    void markersPlaced_data() {
        QTest::addColumn<QStringList>("diagnostics");
        QTest::addColumn<QString>("underlined");
        QTest::addColumn<int>("line"); // whose gutter sign is hovered
        QTest::addColumn<QString>("gutterTip");
        QTest::addColumn<QString>("textTip"); // hovering the first underline
        QTest::newRow("caret past the end of the line")
            << QStringList{u"2|14|0|e|';' expected"_s}
            << u"class A {\n    int x = [1]\n    void f() { foo(); }\n    int y = z;\n}"_s << 2
            << u"Error: ';' expected"_s << u"';' expected"_s;
        QTest::newRow("error and warning in order, the checker's end column")
            << QStringList{u"4|13|14|w|unused"_s, u"3|16|0|e|cannot find symbol\n  symbol: foo"_s}
            << u"class A {\n    int x = 1\n    void f() { [foo](); }\n    int y = [z];\n}"_s << 4
            << u"Warning: unused"_s << u"cannot find symbol\n  symbol: foo"_s;
        QTest::newRow("two on one line, a line past the end left out")
            << QStringList{u"3|10|0|n|first"_s, u"3|16|0|e|second"_s, u"9|1|0|e|gone"_s}
            << u"class A {\n    int x = 1\n    void [f]() { [foo](); }\n    int y = z;\n}"_s << 3
            << u"Note: first\nError: second"_s << u"first"_s;
    }

    void markersPlaced() {
        QFETCH(QStringList, diagnostics);
        showOnSource(diagnostics);
        QTEST(Underlined(editor()), "underlined");
        QFETCH(int, line);
        QTEST(editor().gutterToolTip(lineY(line)), "gutterTip");
        QCOMPARE(editor().gutterToolTip(lineY(1)), QString());
        QTEST(markers().messageAt(markers().positions().first()), "textTip");
    }

    // A marker moves with its text and goes once its own line changes.
    void markersFollowEdits_data() {
        QTest::addColumn<int>("line"); // where the edit starts, at this line's start + column
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("underlined");
        QTest::newRow("lines inserted above: kept")
            << 2 << 0 << 0 << u"// one\n// two\n"_s
            << u"class A {\n// one\n// two\n    int x = 1\n    void f() { [foo](); }\n    int y = [z];\n}"_s;
        QTest::newRow("line above edited: kept")
            << 2 << 4 << 3 << u"long"_s
            << u"class A {\n    long x = 1\n    void f() { [foo](); }\n    int y = [z];\n}"_s;
        QTest::newRow("its line typed in: dropped")
            << 3 << 4 << 0 << u"static "_s
            << u"class A {\n    int x = 1\n    static void f() { foo(); }\n    int y = [z];\n}"_s;
        QTest::newRow("its line deleted: dropped")
            << 3 << 0 << 24 << u""_s << u"class A {\n    int x = 1\n    int y = [z];\n}"_s;
    }

    void markersFollowEdits() {
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(int, removed);
        QFETCH(QString, inserted);
        showOnSource({u"3|16|0|e|a"_s, u"4|13|0|e|b"_s});
        QTextCursor edit(editor().document()->findBlockByNumber(line - 1));
        edit.setPosition(edit.position() + column);
        edit.setPosition(edit.position() + removed, QTextCursor::KeepAnchor);
        edit.insertText(inserted);
        QTEST(Underlined(editor()), "underlined");
    }

    // F8 and Shift+F8 from the top: each marker in turn, round from the last to the first; with
    // none marked, F8 says so.
    void nextAndPreviousError_data() {
        QTest::addColumn<QString>("keys"); // n next, p previous
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QString>("status"); // for the caret's last line
        QTest::newRow("next, wrapping") << u"nnnn"_s << QList<int>{2, 3, 4, 2} << u"Warning: a"_s;
        QTest::newRow("previous wraps to the last")
            << u"ppp"_s << QList<int>{4, 3, 2} << u"Warning: a"_s;
        QTest::newRow("back and forth") << u"nnpn"_s << QList<int>{2, 3, 2, 3} << u"Error: b"_s;
    }

    void nextAndPreviousError() {
        QFETCH(QString, keys);
        showOnSource({});
        GoToNextError(frame());
        QCOMPARE(status(), u"No compiler messages are marked in this window."_s);
        showOnSource({u"4|13|0|e|c"_s, u"2|14|0|w|a"_s, u"3|16|0|e|b"_s});
        QList<int> lines;
        for (QChar key : keys) {
            (key == u'n' ? GoToNextError : GoToPreviousError)(frame());
            lines.append(editor().textCursor().blockNumber() + 1);
        }
        QTEST(lines, "lines");
        QTEST(status(), "status");
    }

    // After a compile, each saved window shows what the compiler said about its file; a window
    // with unsaved changes keeps what it had.
    void compileMarksOpenFiles() {
        open("A.java", source);
        open("B.java", u"class B {\n    int k = 2\n}"_s);
        open("C.java", source);
        const QList<DocumentWindow*> windows = frame().documentWindows().mid(1);
        MarkersOf(frame(), *windows[2]).show(Diagnostics({u"2|5|0|e|old"_s}));
        windows[2]->editor().appendPlainText(u"// unsaved"_s);
        ShowCompilerMarkers(
            frame(),
            u"B.java:2: error: ';' expected\n    int k = 2\n             ^\n"_s + file("C.java") +
                u":4: error: stale\n    int y = z;\n            ^\n"_s + file("A.java") +
                u":3: error: cannot find symbol\n    void f() { foo(); }\n               ^\n2 errors\n"_s,
            folder_.path());
        QCOMPARE(Underlined(windows[0]->codeEditor()),
                 u"class A {\n    int x = 1\n    void f() { [foo](); }\n    int y = z;\n}"_s);
        QCOMPARE(Underlined(windows[1]->codeEditor()), u"class B {\n    int k = [2]\n}"_s);
        QVERIFY(Underlined(windows[2]->codeEditor()).startsWith(u"class A {\n    [int] x"_s));
    }

    // After typing, one Undo takes back the command alone and Redo brings it back. The statement
    // skeletons all go through one insertion; the dialogs, Enter and Paste have their own.
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
        QTest::newRow("enter with its indent") << Command([](TestFrame& t) {
            t.active()->text().setSelStart(int(t.active()->text().text().indexOf(u"() {")) + 4);
            QTest::keyClick(&t.active()->editor(), Qt::Key_Return);
        });
        QTest::newRow("paste") << Command([](TestFrame& t) {
            t.desktop.setClipboardText(QStringLiteral("XYZ"));
            t.item(QStringLiteral("mnuEditPaste"))->trigger();
        });
    }

    void undoRestoresEachCommandInOneStep() {
        QFETCH(Command, command);
        DocumentText text = active().text();
        text.setText(javaSource);
        text.setSelStart(int(javaSource.indexOf(u'{')) + 1);
        QAction* undo = test_->item("mnuEditUndo");
        QVERIFY(!undo->isEnabled());
        QTest::keyClicks(&editor(), QStringLiteral(" x"));
        const QString typed = text.text();
        command(*test_);
        QVERIFY(text.text() != typed);
        undo->trigger();
        QCOMPARE(text.text(), typed);
        test_->item("mnuEditRedo")->trigger();
        QVERIFY(text.text() != typed);
    }

    void goToLineMovesTheCaretToTheLinesStart() {
        active().text().setText(javaSource);
        QString shownRange;
        test_->desktop.driveDialog([&](QDialog& d) {
            shownRange = d.findChild<QLabel*>("lblLine")->text();
            d.findChild<QSpinBox*>("txtLine")->setValue(4);
            d.findChild<QPushButton*>("cmdOk")->click();
        });
        test_->item("mnuEditGoTo")->trigger();
        QCOMPARE(shownRange, QStringLiteral("&Line number (1 - 7):"));
        QCOMPARE(active().text().selStart(), int(javaSource.indexOf(u"    public void")));
    }

    // Named on the command line: each file in its own window by Open's rules, no empty window
    // beside them; none that opens leaves the usual empty one.
    void filesFromTheCommandLine_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("windows");
        QTest::addColumn<QString>("message"); // the one shown, %1 for the folder; empty: none
        QTest::newRow("two files") << QStringList{"Hello.java", "page.html"}
                                   << QStringList{"HELLO.JAVA", "PAGE.HTML"} << "";
        QTest::newRow("missing file") << QStringList{"gone.java"} << QStringList{"Untitled"}
                                      << "The file [%1/gone.java] does not exist.";
    }

    void filesFromTheCommandLine() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, windows);
        QFETCH(QString, message);
        writeBytes(file("Hello.java"), javaSource.toUtf8());
        writeBytes(file("page.html"), "<p>hi</p>");
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
    // each off in every open window, and set the tab stops of new ones.
    void colouringAndGutterFollowTheOptions() {
        open("Hello.java", javaSource);
        QCOMPARE(editor().highlighter().language(), SyntaxLanguage::Java);
        QVERIFY(!editor().document()->firstBlock().layout()->formats().isEmpty());
        QVERIFY(editor().gutterWidth() > 0 && editor().showsCurrentLine());

        test_->desktop.driveDialog([](QDialog& d) {
            for (const char* box :
                 {"chkColouring", "chkLineNumbers", "chkCheckJava", "chkInsertSpaces"})
                d.findChild<QCheckBox*>(box)->setChecked(false);
            d.findChild<QSpinBox*>("spnTabWidth")->setValue(2);
            d.findChild<QPushButton*>("cmdOk")->click();
        });
        ShowOptionsDialog(frame(), OptionsTab::Editor);
        QCOMPARE(editor().highlighter().language(), SyntaxLanguage::None);
        QCOMPARE(editor().gutterWidth(), 0);
        for (const char* key : {"LineNumbers", "CheckJavaAsIType", "InsertSpaces"})
            QCOMPARE(test_->store.getIn("Editor", key), QStringLiteral("0"));
        QCOMPARE(test_->store.getIn("Editor", "TabWidth"), QStringLiteral("2"));
        const CodeEditor& fresh = frame().newDocumentWindow()->codeEditor();
        QCOMPARE(fresh.gutterWidth(), 0);
        QCOMPARE(fresh.indentStyle(), (IndentStyle{true, 2}));
    }

    void droppedFilesOpenLikeOpen() {
        writeBytes(file("Hello.java"), javaSource.toUtf8());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file("Hello.java")), QUrl("https://example.org/x.java")});
        QVERIFY(frame().openDroppedFiles(data));
        QCOMPARE(openCaptions(), (QStringList{"Untitled", "HELLO.JAVA"}));
        QVERIFY(test_->desktop.messages.isEmpty());
    }

    // Newest first, each once, at most eight; a file gone leaves the list with a message.
    void recentFiles() {
        QStringList paths;
        for (int i = 0; i < 9; ++i) {
            paths << file(qPrintable(QStringLiteral("f%1.txt").arg(i)));
            open(qPrintable(QStringLiteral("f%1.txt").arg(i)), QStringLiteral("x"));
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
        test_->desktop.driveDialog([this](QDialog& d) {
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
            QCOMPARE(shownTexts(test_->desktop),
                     QStringList{"Variable does not have a specified name."});
            QVERIFY(d.isVisible());
            Click(d.findChild<QPushButton*>("cmdCancel"));
        });
        trigger(QStringLiteral("mnuInsertVariable"));
        QCOMPARE(document().text(), QStringLiteral("import java.awt.*;\r\n"
                                                   "        double myVariableName;\r\n"
                                                   "        double a b;\r\n\r\n"));
    }

    // Nothing is chosen at opening; the method follows the selection, which stays.
    void functionDialog() {
        setMarked(document(), QStringLiteral("import java.awt.*;\r\n[SEL]"));
        test_->desktop.driveDialog([](QDialog& d) {
            QVERIFY(Activate(d));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtFunction"));
            for (QRadioButton* option : d.findChildren<QRadioButton*>())
                QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
            Click(d.findChild<QRadioButton*>("optLong"));
            Click(d.findChild<QRadioButton*>("optPrivate"));
            Click(d.findChild<QPushButton*>("cmdOK"));
        });
        trigger(QStringLiteral("mnuInsertFunction"));
        const QString method = QStringLiteral("\r\n     private long myFunctionName()\r\n     {\r\n"
                                              "        // Include function code here\r\n"
                                              "\r\n     }\r\n");
        QCOMPARE(document().text(), QStringLiteral("import java.awt.*;\r\nSEL") + method);
        QCOMPARE(document().selStart(), int(23 + method.size()));
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
        test_->desktop.driveDialog([&](QDialog& d) {
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
        QCOMPARE(test_->desktop.modalDialogs,
                 page < 0 ? QList<QString>() : QList<QString>{"frmObject"});
        QCOMPARE(test_->desktop.busyDepth, 0);
    }

    // Kept open, each new object goes directly below the markers, above the one before.
    void objectKeptOpen() {
        const QString applet = QStringLiteral("import java.applet.*;\r\n"
                                              "     // Declare global variables here\r\n"
                                              "          // Execution code goes here\r\n");
        setMarked(document(), u'[' + applet + u']');
        test_->desktop.driveDialog([](QDialog& d) {
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
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
