#include "layout/graph_descriptions.h"

#include "core/graphs/graph_description.h"

namespace waves {

std::vector<std::pair<std::string, std::string>> graph_descriptions(const Parameters& params,
                                                                    const Translator& translator) {
    const SpanWords english;
    const SpanWords words{translator.translate("GraphDescription", english.one_period.c_str()),
                          translator.translate("GraphDescription", english.periods.c_str())};
    const MeanWords english_means;
    const MeanWords mean_words{translator.translate("GraphDescription", english_means.product.c_str()),
                               translator.translate("GraphDescription", english_means.sum_of_products.c_str())};
    std::vector<std::pair<std::string, std::string>> descriptions;
    descriptions.emplace_back("std_grph", waves::describe_reference_graph(params, words));
    for (int i = 0; i < kComponentCount; ++i) {
        const std::string index = "(" + std::to_string(i) + ")";
        descriptions.emplace_back("Grph" + index, waves::describe_component_graph(params, i, words));
        descriptions.emplace_back("m_grph" + index, waves::describe_product_graph(params, i, words, mean_words));
    }
    descriptions.emplace_back("Gr", waves::describe_sum_graph(params, words));
    descriptions.emplace_back("m_gr", waves::describe_sum_of_products_graph(params, words, mean_words));
    return descriptions;
}

}  // namespace waves
