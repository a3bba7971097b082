#include "document/codeeditor.h"
#include "document/documentwindow.h"
#include "document/filecommands.h"
#include "filesession.h"
#include "toolchain/compilermarkers.h"
#include "toolchain/diagnosticmarkers.h"
#include "toolchain/errornavigation.h"

#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>

using namespace orvane;
using namespace orvane::test;
using namespace Qt::StringLiterals;

namespace {

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

class TestDiagnosticMarkers : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFrame> test_;
    QTemporaryDir folder_;

    MainFrame& frame() const { return test_->frame(); }
    DocumentWindow& window() const { return *test_->active(); }
    CodeEditor& editor() const { return *qobject_cast<CodeEditor*>(&window().editor()); }
    DiagnosticMarkers& markers() const { return MarkersOf(frame(), window()); }
    QString status() const { return frame().statusBar1().currentMessage(); }

    // Line `line`'s middle, as the gutter sees it.
    int lineY(int line) const {
        return editor()
            .cursorRect(QTextCursor(editor().document()->findBlockByNumber(line - 1)))
            .center()
            .y();
    }

    QString save(const QString& name, const QString& text) const {
        writeBytes(folder_.filePath(name), text.toUtf8());
        return folder_.filePath(name);
    }

private slots:
    void init() {
        QVERIFY((test_ = std::make_unique<TestFrame>())->start());
        editor().setPlainText(source);
    }

    void cleanup() { test_.reset(); }

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
        markers().show(Diagnostics(diagnostics));
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
        markers().show(Diagnostics({u"3|16|0|e|a"_s, u"4|13|0|e|b"_s}));
        QTextCursor edit(editor().document()->findBlockByNumber(line - 1));
        edit.setPosition(edit.position() + column);
        edit.setPosition(edit.position() + removed, QTextCursor::KeepAnchor);
        edit.insertText(inserted);
        QTEST(Underlined(editor()), "underlined");
    }

    // F8 and Shift+F8 from the top: each marker in turn, round from the last to the first.
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
        markers().show(Diagnostics({u"4|13|0|e|c"_s, u"2|14|0|w|a"_s, u"3|16|0|e|b"_s}));
        QList<int> lines;
        for (QChar key : keys) {
            (key == u'n' ? GoToNextError : GoToPreviousError)(frame());
            lines.append(editor().textCursor().blockNumber() + 1);
        }
        QTEST(lines, "lines");
        QTEST(status(), "status");
    }

    void noMarkerToGoTo() {
        GoToNextError(frame());
        QCOMPARE(status(), u"No compiler messages are marked in this window."_s);
        QCOMPARE(editor().textCursor().position(), 0);
    }

    // After a compile, each saved window shows what the compiler said about its file; a window
    // with unsaved changes keeps what it had.
    void compileMarksOpenFiles() {
        const QString a = save(u"A.java"_s, source);
        const QString b = save(u"B.java"_s, u"class B {\n    int k = 2\n}"_s);
        const QString c = save(u"C.java"_s, source);
        for (const QString& path : {a, b, c})
            OpenDocumentFile(frame(), path);
        const QList<DocumentWindow*> windows = frame().documentWindows().mid(1);
        MarkersOf(frame(), *windows[2]).show(Diagnostics({u"2|5|0|e|old"_s}));
        windows[2]->editor().appendPlainText(u"// unsaved"_s);
        ShowCompilerMarkers(
            frame(),
            u"B.java:2: error: ';' expected\n    int k = 2\n             ^\n"_s + c +
                u":4: error: stale\n    int y = z;\n            ^\n"_s + a +
                u":3: error: cannot find symbol\n    void f() { foo(); }\n               ^\n2 errors\n"_s,
            folder_.path());
        const auto underlined = [&](int i) {
            return Underlined(*qobject_cast<CodeEditor*>(&windows[i]->editor()));
        };
        QCOMPARE(underlined(0),
                 u"class A {\n    int x = 1\n    void f() { [foo](); }\n    int y = z;\n}"_s);
        QCOMPARE(underlined(1), u"class B {\n    int k = [2]\n}"_s);
        QVERIFY(underlined(2).startsWith(u"class A {\n    [int] x"_s));
    }
};

QTEST_MAIN(TestDiagnosticMarkers)
#include "tst_diagnosticmarkers.moc"
