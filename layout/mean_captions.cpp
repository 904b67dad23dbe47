#include "layout/mean_captions.h"

namespace waves {

std::vector<GraphMeanCaption> mean_captions(const Parameters& params) {
    std::vector<GraphMeanCaption> captions;
    if (!params.show_means) return captions;
    for (int i = 0; i < kComponentCount; ++i) {
        captions.push_back({"m_grph(" + std::to_string(i) + ")", product_mean_caption(params, i)});
    }
    captions.push_back({"m_gr", sum_of_products_mean_caption(params)});
    return captions;
}

}  // namespace waves
