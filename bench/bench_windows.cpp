#include "samplejava.h"

#include "app/mainframe.h"
#include "document/codeeditor.h"
#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "document/recoverykeeper.h"
#include "document/syntaxhighlighter.h"
#include "platform/qtdesktop.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include <benchmark/benchmark.h>

namespace {

using namespace orvane;

struct SampleFile {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("Sample.java"));
    SampleFile() {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(SampleJavaText().toUtf8());
    }
};

// What Open does once the name is chosen: read and decode the file, put it in a new window.
void OpenIntoDocumentWindow(benchmark::State& state) {
    const SampleFile sample;
    QtDesktop desktop;
    SettingsStore settings;
    MainFrame frame(desktop, settings);
    for (auto _ : state) {
        const ReadResult read = ReadDocumentFile(sample.path);
        DocumentWindow* window = frame.newDocumentWindow();
        window->text().setText(read.document.text);
        window->setTextFormat(read.document.format);
        state.PauseTiming();
        delete window->parentWidget();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenIntoDocumentWindow)->Unit(benchmark::kMillisecond);

// The baseline: the same text put straight into a plain text editor.
void SetPlainTextBaseline(benchmark::State& state) {
    const QString text = SampleJavaText();
    for (auto _ : state) {
        QPlainTextEdit editor;
        editor.setPlainText(text);
        benchmark::DoNotOptimize(editor.document());
    }
}
BENCHMARK(SetPlainTextBaseline)->Unit(benchmark::kMillisecond);

// Colouring the whole sample as Java: what opening it costs in all, the first screen at once and
// the rest while idle.
void ColourSample(benchmark::State& state) {
    QPlainTextEdit editor;
    editor.setPlainText(SampleJavaText());
    SyntaxHighlighter highlighter(*editor.document(), editor.palette());
    for (auto _ : state) {
        highlighter.setLanguage(SyntaxLanguage::Java);
        highlighter.colourAll();
        state.PauseTiming();
        highlighter.setLanguage(SyntaxLanguage::None);
        state.ResumeTiming();
    }
}
BENCHMARK(ColourSample)->Unit(benchmark::kMillisecond);

// Typing in the middle of the coloured sample: the edit and the recolouring the keystroke waits
// for, for an ordinary character and for the "/*" that turns everything below into a comment
// (the lines past the first ones are left to idle time).
void TypeInMiddle(benchmark::State& state) {
    const QString typed = state.range(0) == 0 ? QStringLiteral("x") : QStringLiteral("/*");
    QPlainTextEdit editor;
    editor.setPlainText(SampleJavaText());
    SyntaxHighlighter highlighter(*editor.document(), editor.palette());
    highlighter.setLanguage(SyntaxLanguage::Java);
    QTextDocument& document = *editor.document();
    const int middle = document.findBlockByNumber(document.blockCount() / 2).position();
    for (auto _ : state) {
        QTextCursor cursor(&document);
        cursor.setPosition(middle);
        cursor.insertText(typed);
        state.PauseTiming();
        cursor.setPosition(middle);
        cursor.setPosition(middle + int(typed.size()), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        state.ResumeTiming();
    }
}
BENCHMARK(TypeInMiddle)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A keystroke in the middle of a 65,000-byte document window, through the editor's own key
// handling, with the recovery copies kept (1) or not (0): all a keystroke adds is restarting the
// timer that waits for the typing to pause.
void TypeWithRecovery(benchmark::State& state) {
    QtDesktop desktop;
    SettingsStore settings;
    MainFrame frame(desktop, settings);
    DocumentWindow* window = frame.newDocumentWindow();
    window->text().setText(SampleJavaText());
    QPlainTextEdit& editor = window->editor();
    if (state.range(0) == 0)
        QObject::disconnect(editor.document(), nullptr, frame.findChild<RecoveryKeeper*>(),
                            nullptr);
    QTextDocument& document = *editor.document();
    const int middle = document.findBlockByNumber(document.blockCount() / 2).position();
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&editor, &key);
        state.PauseTiming();
        QTextCursor cursor(&document);
        cursor.setPosition(middle);
        cursor.setPosition(middle + 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        editor.setTextCursor(cursor);
        state.ResumeTiming();
    }
}
BENCHMARK(TypeWithRecovery)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The copy taken when the typing pauses: the raw text taken on the window's thread, turned into
// the document's form and written atomically by the writer thread, waited for here.
void RecoveryCopyOfSample(benchmark::State& state) {
    QtDesktop desktop;
    SettingsStore settings;
    MainFrame frame(desktop, settings);
    auto* keeper = frame.findChild<RecoveryKeeper*>();
    DocumentWindow* window = frame.newDocumentWindow();
    window->text().setText(SampleJavaText());
    for (auto _ : state) {
        state.PauseTiming();
        window->text().replaceSelection(QStringLiteral("x"));
        state.ResumeTiming();
        keeper->writeNow();
    }
}
BENCHMARK(RecoveryCopyOfSample)->Unit(benchmark::kMillisecond);

void sendKey(QWidget& editor, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&editor, &press);
    QCoreApplication::sendEvent(&editor, &release);
}

// A whole keystroke in a shown editor, as the user waits for it: the key, the edit, the
// colouring and the layout it sets off, and the repaint that shows it. The editor holds `text`
// coloured as `language`, the caret at `caret`.
void typeOneKey(benchmark::State& state, const QString& text, SyntaxLanguage language, int caret) {
    CodeEditor editor;
    editor.setLineWrapMode(QPlainTextEdit::NoWrap);
    editor.resize(900, 700);
    editor.show();
    editor.highlighter().setLanguage(language);
    editor.setPlainText(text);
    editor.highlighter().colourAll();
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(caret);
    editor.setTextCursor(cursor);
    editor.centerCursor();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        sendKey(editor, Qt::Key_X, QStringLiteral("x"));
        editor.viewport()->repaint();
        state.PauseTiming();
        sendKey(editor, Qt::Key_Backspace, QString());
        editor.viewport()->repaint();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// Minified HTML: one line of 65,000 bytes.
QString LongHtmlLine() {
    const QString piece = QStringLiteral("<p class=\"a\">word &amp; <b>bold</b></p>");
    return piece.repeated(65000 / piece.size() + 1).first(65000);
}

// Arg 1 coloured as HTML, arg 0 plain.
void TypeOnLongLine(benchmark::State& state) {
    typeOneKey(state, LongHtmlLine(),
               state.range(0) == 1 ? SyntaxLanguage::Html : SyntaxLanguage::None, 200);
}
BENCHMARK(TypeOnLongLine)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Arg 1 coloured as Java, arg 0 plain.
void TypeInJavaFile(benchmark::State& state) {
    const QString text = SampleJavaText(64000);
    typeOneKey(state, text, state.range(0) == 1 ? SyntaxLanguage::Java : SyntaxLanguage::None,
               int(text.indexOf(QStringLiteral("total +="), text.size() / 2)));
}
BENCHMARK(TypeInJavaFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The recovery copies go below a test folder, never among the user's own.
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
