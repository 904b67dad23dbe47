#include "core/graphs/graph_description.h"

#include <cassert>
#include <cstddef>

#include "core/graphs/product_mean.h"
#include "core/graphs/product_sum.h"
#include "core/model/number_text.h"

namespace waves {
namespace {

std::string tenths(std::int64_t value) { return number_text(static_cast<double>(value) / 10.0); }

std::string wave(const std::string& amplitude, bool cosine, const std::string& frequency) {
    return amplitude + (cosine ? " cos(" : " sin(") + frequency + " x)";
}

std::string component_wave(const Parameters& p, int index) {
    assert(index >= 0 && index < kComponentCount);
    const auto i = static_cast<std::size_t>(index);
    return wave(tenths(p.wave_a[i]), p.wave_cos[i], tenths(p.wave_f[i]));
}

std::string reference_wave(const Parameters& p) {
    return wave(tenths(p.std_a), p.std_cos, number_text(p.std_f / 10.0f));
}

// The components that contribute, joined by " + ", or "0".
std::string component_terms(const Parameters& p, int* count) {
    std::string terms;
    *count = 0;
    for (int i = 0; i <= p.wave_last; ++i) {
        if (p.wave_a[static_cast<std::size_t>(i)] == 0) continue;
        if (!terms.empty()) terms += " + ";
        terms += component_wave(p, i);
        ++*count;
    }
    return terms.empty() ? "0" : terms;
}

std::string with_span(const std::string& formula, const Parameters& p, const SpanWords& words) {
    return fill_in(p.t_span == 1.0f ? words.one_period : words.periods, {formula, number_text(p.t_span)});
}

}  // namespace

std::string component_letter(int index) {
    assert(index >= 0 && index < kComponentCount);
    return std::string(1, static_cast<char>('A' + index));
}

std::string describe_component_graph(const Parameters& p, int index, const SpanWords& words) {
    return with_span(component_letter(index) + " = " + component_wave(p, index), p, words);
}

std::string describe_product_graph(const Parameters& p, int index, const SpanWords& words,
                                   const MeanWords& mean_words) {
    const std::string letter = component_letter(index);
    const std::string product = letter + "' = " + letter + " × W = " + component_wave(p, index) + " × " + reference_wave(p);
    return with_span(
        fill_in(mean_words.product, {product, sum_text(product_terms(p, index)), mean_text(product_mean(p, index))}), p,
        words);
}

std::string describe_reference_graph(const Parameters& p, const SpanWords& words) {
    return with_span("W = " + reference_wave(p), p, words);
}

std::string describe_sum_graph(const Parameters& p, const SpanWords& words) {
    int count = 0;
    return with_span("E = A + B + C + D = " + component_terms(p, &count), p, words);
}

std::string describe_sum_of_products_graph(const Parameters& p, const SpanWords& words,
                                           const MeanWords& mean_words) {
    int count = 0;
    const std::string terms = component_terms(p, &count);
    const std::string e = count > 1 ? "(" + terms + ")" : terms;
    std::string means;
    for (int i = 0; i < kComponentCount; ++i) means += (i == 0 ? "" : " + ") + mean_text(product_mean(p, i));
    return with_span(fill_in(mean_words.sum_of_products, {"E' = W × E = " + reference_wave(p) + " × " + e,
                                                          sum_text(sum_of_products_terms(p)), means,
                                                          mean_text(sum_of_products_mean(p))}),
                     p, words);
}

}  // namespace waves
