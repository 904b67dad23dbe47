// An independent model of what each handler must do, written from the rules
// of the controls rather than from their code: from the parameters before an
// event it tells whether the handler acts or refuses, what the parameters
// become, which label it writes and which graphs it redraws, in which order.
//
// Surfaces are numbered in the order of RecordedForm::surfaces():
// 0 W (std_grph); 1 A (Grph(0)), 2 A' (m_grph(0)), ... 7 D, 8 D'; 9 E (Gr);
// 10 E' (m_gr).
#pragma once

#include <cstdint>
#include <vector>

#include "core/model/parameters.h"
#include "tests/property/handler_event.h"

namespace waves::property {

inline constexpr int kSurfaceCount = 11;
inline constexpr int kSumSurface = 9;          // Gr
inline constexpr int kSumOfProductsSurface = 10;  // m_gr

// Gr and m_gr have the tall sum frame; every other surface the wave frame.
bool has_sum_frame(int surface);
// Surfaces that a full redraw frames and draws as one step: W; A, A'; B, B';
// C, C'; D, D'; E, E'. A surface's frame is set after every drawing of the
// groups before its own.
int frame_group(int surface);

// The limits of the values, in tenths.
inline constexpr std::int64_t kRaiseLimit = 100;  // raising is refused from here on
inline constexpr std::int64_t kHighestValue = 109;  // 99 + the largest step

// Which graphs an event redraws.
enum class Redraw {
    none,        // step options, and every refused step
    component,   // Grph(i), m_grph(i), Gr, m_gr
    reference,   // std_grph, m_grph(0..3), m_gr
    everything,  // every frame and every graph: the span arrows and RESET
};

// The labels a handler may write.
enum class LabelName { none, Labela, Labelb, labelt, value_std_a, value_std_b };

struct Prediction {
    bool acts = false;   // false: refused, so nothing at all may change
    Parameters after;    // the parameters after the event
    Redraw redraw = Redraw::none;
    int component = 0;   // the row of Redraw::component and of Labela / Labelb
    LabelName label = LabelName::none;  // the one label written, if any
};

Prediction predict(const Parameters& before, Event event);

// The surfaces a redraw draws on, in the order they must be drawn.
std::vector<int> redrawn_surfaces(Redraw redraw, int component);

}  // namespace waves::property
