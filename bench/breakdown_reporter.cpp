#include "bench/breakdown_reporter.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace waves {

namespace {

double to_milliseconds(double time, benchmark::TimeUnit unit) {
    switch (unit) {
    case benchmark::kNanosecond: return time / 1e6;
    case benchmark::kMicrosecond: return time / 1e3;
    case benchmark::kMillisecond: return time;
    case benchmark::kSecond: return time * 1e3;
    }
    return time;
}

}  // namespace

BreakdownReporter::BreakdownReporter(std::string full_redraw, std::string core_only)
    : ConsoleReporter(OO_Tabular), full_redraw_(std::move(full_redraw)), core_only_(std::move(core_only)) {}

void BreakdownReporter::ReportRuns(const std::vector<Run>& reports) {
    std::vector<Run> shown;
    for (const Run& run : reports) {
        // A single repetition reports no aggregate: its one run is the median.
        const bool median = run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median"
                                                              : run.repetitions <= 1;
        if (!median) continue;
        shown.push_back(run);
        if (run.error_occurred) continue;
        medians_[run.run_name.function_name].emplace_back(run.run_name.args,
                                                          to_milliseconds(run.GetAdjustedRealTime(), run.time_unit));
    }
    if (!shown.empty()) ConsoleReporter::ReportRuns(shown);
}

void BreakdownReporter::Finalize() {
    ConsoleReporter::Finalize();
    const auto& full = medians_[full_redraw_];
    const auto& core = medians_[core_only_];
    if (full.empty() || core.empty()) return;
    std::ostream& out = GetOutputStream();
    out << "\nWhere a full redraw's time goes (medians, ms):\n";
    char line[160];
    std::snprintf(line, sizeof line, "%-16s %12s %14s %20s\n", "span", "full redraw", "core (samples)",
                  "surfaces and paint");
    out << line;
    for (const auto& [args, total] : full) {
        const auto found = std::find_if(core.begin(), core.end(), [&](const auto& c) { return c.first == args; });
        if (found == core.end()) continue;
        const double computing = found->second;
        const double drawing = total - computing;
        std::snprintf(line, sizeof line, "%-16s %12.3f %8.3f (%3.0f%%) %12.3f (%3.0f%%)\n", args.c_str(), total,
                      computing, 100.0 * computing / total, drawing, 100.0 * drawing / total);
        out << line;
    }
    out.flush();
}

}  // namespace waves
