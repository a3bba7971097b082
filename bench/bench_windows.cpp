#include "samplejava.h"

#include "app/mainframe.h"
#include "document/documentfile.h"
#include "document/documentwindow.h"
#include "platform/qtdesktop.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

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

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
