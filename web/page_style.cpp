#include "web/page_style.h"

#include <algorithm>

#include "web/legible_colour.h"

namespace waves {

namespace {

// The light grey the page paints a "default" background in every engine
// (page.js, shell.html).
constexpr Rgb kButtonFace{239, 239, 239};

std::string css_colour(Rgb rgb) {
    return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," + std::to_string(rgb.blue) + ")";
}

// What shows behind a control's text: its own background, or for a
// transparent label that of its container.
Rgb background_behind(const std::vector<ControlSpec>& layout, const ControlSpec& control) {
    LayoutColour background = control.background;
    if (control.transparent) {
        const auto container = std::find_if(layout.begin(), layout.end(),
                                            [&](const ControlSpec& c) { return c.name == control.container; });
        background = container != layout.end() ? container->background : kWindowBackground;
    }
    return background == LayoutColour::platform_default ? kButtonFace : layout_rgb(background);
}

}  // namespace

std::string css_colour(LayoutColour colour) {
    return colour == LayoutColour::platform_default ? "" : css_colour(layout_rgb(colour));
}

// The layout's text colour, darkened where it would not be legible.
std::string css_text_colour(const std::vector<ControlSpec>& layout, const ControlSpec& control) {
    if (control.text == LayoutColour::platform_default) return "";
    return css_colour(legible_on(layout_rgb(control.text), background_behind(layout, control)));
}

// The layout's face, its stand-ins, then the generic family.
std::string css_font_family(const FontSpec& font) {
    std::string family = "\"" + std::string(font.face) + "\"";
    for (const std::string_view stand_in : font.stand_ins) family += ", \"" + std::string(stand_in) + "\"";
    switch (font.generic) {
        case GenericFamily::serif: return family + ", serif";
        case GenericFamily::sans_serif: return family + ", sans-serif";
        case GenericFamily::monospace: return family + ", monospace";
    }
    return family;
}

}  // namespace waves
