// waves_bench: the handlers of the window timed on the real Qt graph
// surfaces, on the offscreen platform (no display needed), with the
// program's own style and fonts. Takes Google Benchmark's flags, e.g.
//   waves_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// and ends with where a full redraw's time goes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStyleFactory>

#include "bench/breakdown_reporter.h"
#include "ui/appearance.h"

namespace waves {

}  // namespace waves

int main(int argc, char* argv[]) {
    using namespace waves;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    // The picture is what is timed, not a display: offscreen unless the
    // caller asks for another platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    install_font_substitutes();

    BreakdownReporter reporter("full_redraw", "full_redraw_core_only");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
