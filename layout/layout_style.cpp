#include "layout/layout_style.h"

#include <array>
#include <cassert>

namespace waves {

namespace {

using namespace std::string_view_literals;

constexpr std::array kSerifStandIns = {"Liberation Serif"sv, "Tinos"sv, "DejaVu Serif"sv};
constexpr std::array kProportionalGothicStandIns = {"IPAPGothic"sv, "IPAexGothic"sv, "Noto Sans CJK JP"sv,
                                                    "DejaVu Sans"sv};
constexpr std::array kFixedGothicStandIns = {"IPAGothic"sv, "Noto Sans Mono CJK JP"sv, "DejaVu Sans Mono"sv};

constexpr std::string_view kSerif = "Times New Roman";
constexpr std::string_view kProportionalGothic = "ＭＳ Ｐゴシック";
constexpr std::string_view kFixedGothic = "ＭＳ ゴシック";

const std::array<FontSpec, 5> kFonts = {{
    {kSerif, kSerifStandIns, GenericFamily::serif, 13, true, 400},                                  // F1
    {kSerif, kSerifStandIns, GenericFamily::serif, 13, false, 400},                                 // F2
    {kSerif, kSerifStandIns, GenericFamily::serif, 11, false, 400},                                 // F3
    {kProportionalGothic, kProportionalGothicStandIns, GenericFamily::sans_serif, 13, false, 400},  // F4
    {kFixedGothic, kFixedGothicStandIns, GenericFamily::monospace, 13, false, 700},                 // F5
}};

}  // namespace

Rgb layout_rgb(LayoutColour colour) {
    switch (colour) {
        case LayoutColour::grey: return {192, 192, 192};
        case LayoutColour::light_green: return {192, 255, 192};
        case LayoutColour::light_yellow: return {255, 255, 192};
        case LayoutColour::light_cyan: return {192, 255, 255};
        case LayoutColour::pink: return {255, 192, 255};
        case LayoutColour::white: return {255, 255, 255};
        case LayoutColour::red: return {255, 0, 0};
        case LayoutColour::platform_default: break;
    }
    assert(false && "the platform default colour is the toolkit's own");
    return {};
}

const FontSpec& layout_font_spec(FontCode code) {
    assert(code != FontCode::none && "controls without text have no font");
    const auto index = static_cast<std::size_t>(code) - static_cast<std::size_t>(FontCode::F1);
    return kFonts[index < kFonts.size() ? index : 0];
}

}  // namespace waves
