#include "core/model/translatable.h"

namespace waves {

std::string fill_in(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string filled;
    filled.reserve(text.size() + 16);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool place_holder = text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
        const auto number = place_holder ? static_cast<std::size_t>(text[at + 1] - '1') : arguments.size();
        if (number < arguments.size()) {
            filled += *(arguments.begin() + number);
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

}  // namespace waves
