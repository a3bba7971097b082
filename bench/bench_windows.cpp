#include "samplejava.h"

#include "app/mainframe.h"
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

// Colouring the whole sample as Java, as when it is opened.
void ColourSample(benchmark::State& state) {
    QPlainTextEdit editor;
    editor.setPlainText(SampleJavaText());
    SyntaxHighlighter highlighter(*editor.document(), editor.palette());
    for (auto _ : state) {
        highlighter.setLanguage(SyntaxLanguage::Java);
        state.PauseTiming();
        highlighter.setLanguage(SyntaxLanguage::None);
        state.ResumeTiming();
    }
}
BENCHMARK(ColourSample)->Unit(benchmark::kMillisecond);

// Typing in the middle of the coloured sample: the edit and the recolouring it sets off, for an
// ordinary character and for the "/*" that turns everything below into a comment.
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
