// What each graph shows, in words and numbers, for screen readers: the
// formula plotted from the current parameters and the span, e.g.
//   "A = 5 cos(1 x), t = 3 periods"
//   "A' = A × W = 5 cos(1 x) × 1 cos(1 x), t = 3 periods"
//   "E = A + B + C + D = 5 cos(1 x) + 2 sin(3 x), t = 3 periods"
//   "E' = W × E = 1 cos(1 x) × (5 cos(1 x) + 2 sin(3 x)), t = 3 periods"
//   "W = 1 cos(1 x), t = 1 period"
// Amplitudes and frequencies read as their labels do (number text of the
// tenths divided by 10). A sum leaves out components of amplitude 0 and is
// "0" when all are 0.
//
// The formula is the same in every language; the words around it come from
// SpanWords, which a front end translates: "%1, t = %2 period" for one
// period and "%1, t = %2 periods" otherwise, %1 being the formula and %2
// the span as its label shows it.
#pragma once

#include <string>

#include "core/model/parameters.h"
#include "core/model/translatable.h"

namespace waves {

struct SpanWords {
    std::string one_period = QT_TRANSLATE_NOOP("GraphDescription", "%1, t = %2 period");
    std::string periods = QT_TRANSLATE_NOOP("GraphDescription", "%1, t = %2 periods");
};

// REQUIRES for the indexed ones: 0 <= index < kComponentCount.
std::string describe_component_graph(const Parameters& params, int index, const SpanWords& words = {});
std::string describe_product_graph(const Parameters& params, int index, const SpanWords& words = {});
std::string describe_reference_graph(const Parameters& params, const SpanWords& words = {});
std::string describe_sum_graph(const Parameters& params, const SpanWords& words = {});
std::string describe_sum_of_products_graph(const Parameters& params, const SpanWords& words = {});

// "A".."D" for 0..3.
std::string component_letter(int index);

}  // namespace waves
