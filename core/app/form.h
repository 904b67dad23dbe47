// The state of the window Form1 as the core sees it: the parameter record
// and the controls the handlers write to, behind small interfaces.
//
// The window owns the controls and the surfaces and fills in these pointers
// before Form_Load runs; every pointer is then non-null for the life of the
// window. Only start-up (start_up.h, lesson_state.h), RESET (controls/reset_button.h) and
// the handlers in controls/ write parameters and labels; the drawing
// routines only read.
#pragma once

#include <array>

#include "core/app/option_selection.h"
#include "core/model/parameters.h"
#include "core/app/text_label.h"
#include "core/app/window_placement.h"
#include "core/graphs/graph_surfaces.h"

namespace waves {

struct FormLabels {
    std::array<TextLabel*, kComponentCount> Labela{};  // amplitude of A..D
    std::array<TextLabel*, kComponentCount> Labelb{};  // frequency of A..D
    TextLabel* labelt = nullptr;                       // t_span, after "t="
    TextLabel* value_std_a = nullptr;                  // amplitude of W
    TextLabel* value_std_b = nullptr;                  // frequency of W
};

struct FormOptions {
    std::array<OptionSelection*, kComponentCount> switch_c{};  // "cos" of A..D
    std::array<OptionSelection*, kComponentCount> switch_s{};  // "sin" of A..D
    OptionSelection* Option9 = nullptr;                         // "cos" of W
    OptionSelection* Option10 = nullptr;                        // "sin" of W
    // "step n" (Option1..Option4) and "step a" (Option5..Option8), in the
    // order of kStepSizes.
    std::array<OptionSelection*, kStepSizes.size()> step_n{};
    std::array<OptionSelection*, kStepSizes.size()> step_a{};
};

struct Form {
    Parameters params;
    GraphSurfaces surfaces;
    FormLabels labels;
    FormOptions options;
    WindowPlacement* window = nullptr;
};

}  // namespace waves
