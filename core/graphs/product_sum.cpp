#include "core/graphs/product_sum.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdlib>

#include "core/model/number_text.h"

namespace waves {
namespace {

// Adds one term of the identities; frequency may be negative.
void add_term(std::vector<SumTerm>& terms, std::int64_t coefficient, bool cosine, std::int64_t frequency) {
    if (frequency < 0) {
        frequency = -frequency;
        if (!cosine) coefficient = -coefficient;
    }
    if (!cosine && frequency == 0) return;
    terms.push_back({coefficient, cosine, frequency});
}

// Sorted by frequency, cos before sin, one term for each, none of 0.
std::vector<SumTerm> added_up(std::vector<SumTerm> terms) {
    std::sort(terms.begin(), terms.end(), [](const SumTerm& a, const SumTerm& b) {
        return a.frequency != b.frequency ? a.frequency < b.frequency : a.cosine && !b.cosine;
    });
    std::vector<SumTerm> sum;
    for (const SumTerm& term : terms) {
        if (!sum.empty() && sum.back().frequency == term.frequency && sum.back().cosine == term.cosine) {
            sum.back().coefficient += term.coefficient;
        } else {
            sum.push_back(term);
        }
    }
    std::erase_if(sum, [](const SumTerm& term) { return term.coefficient == 0; });
    return sum;
}

void add_product(std::vector<SumTerm>& terms, const Parameters& p, int index) {
    assert(index >= 0 && index < kComponentCount);
    const auto i = static_cast<std::size_t>(index);
    const std::int64_t half_ab = p.wave_a[i] * p.std_a;  // ab/2 in 1/200
    if (half_ab == 0) return;
    const std::int64_t f = p.wave_f[i];
    const auto g = static_cast<std::int64_t>(p.std_f);
    const bool component_cos = p.wave_cos[i];
    if (component_cos == p.std_cos) {
        add_term(terms, half_ab, true, f - g);
        add_term(terms, component_cos ? half_ab : -half_ab, true, f + g);
    } else {
        add_term(terms, half_ab, false, component_cos ? g - f : f - g);
        add_term(terms, half_ab, false, f + g);
    }
}

}  // namespace

std::vector<SumTerm> product_terms(const Parameters& params, int index) {
    std::vector<SumTerm> terms;
    add_product(terms, params, index);
    return added_up(std::move(terms));
}

std::vector<SumTerm> sum_of_products_terms(const Parameters& params) {
    std::vector<SumTerm> terms;
    for (int i = 0; i <= params.wave_last; ++i) add_product(terms, params, i);
    return added_up(std::move(terms));
}

std::string sum_text(const std::vector<SumTerm>& terms) {
    if (terms.empty()) return "0";
    std::string text;
    for (const SumTerm& term : terms) {
        const bool negative = term.coefficient < 0;
        if (text.empty()) {
            if (negative) text += "-";
        } else {
            text += negative ? " - " : " + ";
        }
        text += number_text(static_cast<double>(std::abs(term.coefficient)) / 200.0);
        if (term.frequency == 0) continue;
        text += (term.cosine ? " cos(" : " sin(") + tenths_text(term.frequency) + " x)";
    }
    return text;
}

}  // namespace waves
