#include "samplejava.h"

#include "document/printlayout.h"
#include "document/syntaxcolouring.h"
#include "insert/objectrules.h"
#include "search/findindocument.h"
#include "templates/appletpage.h"
#include "templates/javatemplates.h"

#include <benchmark/benchmark.h>

namespace {

using namespace orvane;

// The word stands only at the very end, so the whole text is searched, letter case ignored.
void FindAtEnd(benchmark::State& state) {
    QString text = SampleJavaText();
    text.replace(text.size() - 12, 12, QStringLiteral("NeedleInText"));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindInDocument(text, QStringLiteral("needleintext")));
}
BENCHMARK(FindAtEnd)->Unit(benchmark::kMillisecond);

void InsertAtMarkerEnd(benchmark::State& state) {
    const QString text = SampleJavaText();
    for (auto _ : state) {
        auto edit = InsertAtMarker(text, executionMarker, QStringLiteral("add(label1);\r\n"));
        benchmark::DoNotOptimize(ApplyEdit(text, *edit));
    }
}
BENCHMARK(InsertAtMarkerEnd)->Unit(benchmark::kMillisecond);

// Courier New 11 on a 600 dpi printer: "0" is about 132 twips wide, a line about 250.
void PrintLayout(benchmark::State& state) {
    const QString text = SampleJavaText();
    PrintMetrics metrics;
    metrics.pageWidth = 11520;
    metrics.pageHeight = 15120;
    metrics.lineHeight = 250;
    metrics.textWidth = [](QStringView piece) {
        return 132.0 * double(piece.size());
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(LayOutPrintText(text, metrics));
}
BENCHMARK(PrintLayout)->Unit(benchmark::kMillisecond);

// The colouring rules alone over every line of the sample, each starting where the last ended.
void ColourLines(benchmark::State& state) {
    const QStringList lines = SampleJavaText().split(QStringLiteral("\r\n"));
    for (auto _ : state) {
        int lineState = 0;
        for (const QString& line : lines)
            lineState = ColourLine(SyntaxLanguage::Java, line, lineState).endState;
        benchmark::DoNotOptimize(lineState);
    }
}
BENCHMARK(ColourLines)->Unit(benchmark::kMillisecond);

template <QString (*generate)(const ProjectValues&, const QString&)>
void BuildTemplate(benchmark::State& state) {
    const ProjectValues values{"MyApplet", "Author", "A line.\r\nAnother line.", "2001"};
    for (auto _ : state)
        benchmark::DoNotOptimize(generate(values, QStringLiteral("1.01")));
}
BENCHMARK(BuildTemplate<WriteAppletPage>)->Name("BuildTemplate/AppletPage");
BENCHMARK(BuildTemplate<WriteStandardApplet>)->Name("BuildTemplate/StandardApplet");
BENCHMARK(BuildTemplate<WriteActionListenerApplet>)->Name("BuildTemplate/ActionListenerApplet");
BENCHMARK(BuildTemplate<WriteMouseListenerApplet>)->Name("BuildTemplate/MouseListenerApplet");
BENCHMARK(BuildTemplate<WriteRunnableApplet>)->Name("BuildTemplate/RunnableApplet");
BENCHMARK(BuildTemplate<WriteFrameApplication>)->Name("BuildTemplate/FrameApplication");

} // namespace

BENCHMARK_MAIN();
