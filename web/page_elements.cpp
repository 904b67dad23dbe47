#include "web/page_elements.h"

#include "core/app/start_up.h"
#include "layout/accessible_text.h"
#include "layout/layout_style.h"
#include "web/page_bridge.h"
#include "web/page_model.h"
#include "web/page_style.h"

namespace waves {

namespace {

void open_window() {
    const std::string title(kWindowCaption);
    const double client_width = css_pixels(kClientWidthTwips);
    const double client_height = css_pixels(kClientHeightTwips);
    const double outer_width = css_pixels(static_cast<double>(kOuterWidthTwips));
    const double outer_height = css_pixels(static_cast<double>(kOuterHeightTwips));
    waves_page_open_window(title.c_str(), outer_width, outer_height, client_width, client_height,
                           (outer_width - client_width) / 2.0, css_colour(kWindowBackground).c_str());
}

void add_control(const std::vector<ControlSpec>& layout, const PageControl& page) {
    const ControlSpec& control = layout[static_cast<std::size_t>(page.id)];
    waves_page_add_control(page.id, control.name.c_str(), static_cast<int>(control.kind), page.dom_parent, page.left,
                           page.top, page.width, page.height, page.stacking, control.caption.c_str());
    const bool has_font = control.font != FontCode::none;
    const FontSpec* font = has_font ? &layout_font_spec(control.font) : nullptr;
    waves_page_style_control(page.id, css_colour(control.background).c_str(),
                             css_text_colour(layout, control).c_str(), has_font ? css_font_family(*font).c_str() : "",
                             has_font ? font->pixel_size : 0, has_font && font->italic ? 1 : 0,
                             has_font ? font->weight : 400, static_cast<int>(control.align),
                             control.transparent ? 1 : 0);
    if (control.kind == ControlKind::option_button) waves_page_set_checked(page.id, control.selected ? 1 : 0);
}

std::string name_controls(const std::vector<ControlSpec>& layout, const Translator& translator,
                          PageElements& elements) {
    for (const AccessibleText& text : accessible_texts()) {
        const int id = control_index(layout, text.control);
        if (id < 0) return "no control called " + text.control + " to name";
        const std::string name = accessible_name(text, translator);
        waves_page_name_control(id, name.c_str(), accessible_description(text, translator).c_str());
        if (text.value_label.empty()) continue;
        const int label = control_index(layout, text.value_label);
        if (label < 0) return "no value label called " + text.value_label;
        waves_page_set_subject(label, name.c_str());
        elements.labels.push_back(std::make_unique<DomLabel>(label, id));
    }
    return "";
}

}  // namespace

std::string build_page(const std::vector<ControlSpec>& layout, const Translator& translator,
                       PageElements& elements) {
    open_window();
    const std::vector<PageControl> page_elements = page_controls(layout);
    for (const PageControl& page : page_elements) {
        add_control(layout, page);
        const ControlSpec& control = layout[static_cast<std::size_t>(page.id)];
        if (control.kind == ControlKind::graph_surface) {
            elements.surfaces.push_back(
                {page.id, std::make_unique<picture::PixelSurface>(layout_rgb(control.background), page.height)});
        }
    }
    // A group owns controls whose elements come after its own.
    for (const PageControl& page : page_elements) {
        for (const int owned : page.owned) waves_page_own(page.id, owned);
    }
    return name_controls(layout, translator, elements);
}

}  // namespace waves
