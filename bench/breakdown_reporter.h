// The console report of the benchmark, one line per case with its median
// (or its one run, without repetitions), plus, at the end, where the time of
// a full redraw goes: for each span, the median of the full redraw on the
// real window next to the median of the same handler on a form whose
// surfaces do nothing (the core computing samples and grid positions and
// making its surface calls); the difference is the surfaces' drawing and
// the paint.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace waves {

class BreakdownReporter final : public benchmark::ConsoleReporter {
public:
    // full_redraw and core_only name the two benchmark families to compare;
    // both take the span as their one argument.
    BreakdownReporter(std::string full_redraw, std::string core_only);

    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

private:
    std::string full_redraw_;
    std::string core_only_;
    // Median real time in milliseconds, by family, with its argument
    // ("t_span:3"), in the order the runs came.
    std::map<std::string, std::vector<std::pair<std::string, double>>> medians_;
};

}  // namespace waves
