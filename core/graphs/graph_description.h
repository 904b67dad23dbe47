// What each graph shows, in words and numbers, for screen readers: the
// formula plotted from the current parameters and the span, e.g.
//   "A = 5 cos(1 x), t = 3 periods"
//   "A' = A × W = 5 cos(1 x) × 1 cos(1 x) = 2.5 + 2.5 cos(2 x), mean 2.5, t = 3 periods"
//   "E = A + B + C + D = 5 cos(1 x) + 2 sin(3 x), t = 3 periods"
//   "E' = W × E = 1 cos(1 x) × (5 cos(1 x) + 2 sin(3 x))
//        = 2.5 + 2.5 cos(2 x) + 1 sin(2 x) + 1 sin(4 x),
//        mean A' + B' + C' + D' = 2.5 + 0 + 0 + 0 = 2.5, t = 3 periods" (one line)
//   "W = 1 cos(1 x), t = 1 period"
// Amplitudes and frequencies read as their labels do (number text of the
// tenths divided by 10). A sum leaves out components of amplitude 0 and is
// "0" when all are 0. A product goes on as a sum of waves (product_sum.h)
// and its mean over the span (product_mean.h), E''s as the sum of the four
// means; they are said whether the means are drawn or not.
//
// The formula is the same in every language; the words around it come from
// SpanWords, which a front end translates: "%1, t = %2 period" for one
// period and "%1, t = %2 periods" otherwise, %1 being the formula and %2
// the span as its label shows it; MeanWords likewise for the sum and the
// mean, "%1 = %2, mean %3" with the product, its sum and its mean, and for
// E' "%1 = %2, mean A' + B' + C' + D' = %3 = %4" with the four means
// joined by " + " as %3 and their sum as %4.
#pragma once

#include <string>

#include "core/model/parameters.h"
#include "core/model/translatable.h"

namespace waves {

struct SpanWords {
    std::string one_period = QT_TRANSLATE_NOOP("GraphDescription", "%1, t = %2 period");
    std::string periods = QT_TRANSLATE_NOOP("GraphDescription", "%1, t = %2 periods");
};

struct MeanWords {
    std::string product = QT_TRANSLATE_NOOP("GraphDescription", "%1 = %2, mean %3");
    std::string sum_of_products =
        QT_TRANSLATE_NOOP("GraphDescription", "%1 = %2, mean A' + B' + C' + D' = %3 = %4");
};

// REQUIRES for the indexed ones: 0 <= index < kComponentCount.
std::string describe_component_graph(const Parameters& params, int index, const SpanWords& words = {});
std::string describe_product_graph(const Parameters& params, int index, const SpanWords& words = {},
                                   const MeanWords& mean_words = {});
std::string describe_reference_graph(const Parameters& params, const SpanWords& words = {});
std::string describe_sum_graph(const Parameters& params, const SpanWords& words = {});
std::string describe_sum_of_products_graph(const Parameters& params, const SpanWords& words = {},
                                           const MeanWords& mean_words = {});

// "A".."D" for 0..3.
std::string component_letter(int index);

}  // namespace waves
