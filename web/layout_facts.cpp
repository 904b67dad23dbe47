#include "web/layout_facts.h"

#include "core/app/start_up.h"
#include "layout/control_events.h"
#include "web/page_model.h"

namespace waves {

std::string_view page_kind_name(ControlKind kind) {
    switch (kind) {
        case ControlKind::frame: return "frame";
        case ControlKind::graph_surface: return "graph";
        case ControlKind::label: return "label";
        case ControlKind::option_button: return "option";
        case ControlKind::push_button: return "push";
        case ControlKind::spin_button: return "spin";
    }
    return "";
}

std::string_view page_text_align(TextAlign align) {
    switch (align) {
        case TextAlign::left: return "left";
        case TextAlign::right: return "right";
        case TextAlign::centre: return "center";
    }
    return "";
}

namespace {

// The names of the values 0 … last of an enumeration, as a JSON array.
template <typename Enum, typename Name>
std::string name_list(Enum last, Name name) {
    std::string list = "[";
    for (int value = 0; value <= static_cast<int>(last); ++value) {
        if (value > 0) list += ", ";
        list += '"';
        list += name(static_cast<Enum>(value));
        list += '"';
    }
    return list + "]";
}

// The window's title goes into the JSON as it stands, which needs it to
// hold nothing that JSON escapes.
static_assert(kWindowCaption.find_first_of("\"\\\n\t") == std::string_view::npos);

// A whole number of CSS pixels, as the window's twips always are.
std::string pixels(float twips) { return std::to_string(static_cast<long>(css_pixels(static_cast<double>(twips)))); }

}  // namespace

std::string layout_facts_json() {
    return "{\"kinds\": " + name_list(ControlKind::spin_button, page_kind_name) +
           ", \"alignments\": " + name_list(TextAlign::centre, page_text_align) +
           ", \"repeatDelay\": " + std::to_string(kArrowRepeatDelayMs) +
           ", \"repeatInterval\": " + std::to_string(kArrowRepeatIntervalMs) +
           ", \"window\": {\"width\": " + pixels(kOuterWidthTwips) + ", \"height\": " + pixels(kOuterHeightTwips) +
           "}, \"title\": \"" + std::string(kWindowCaption) + "\"}";
}

}  // namespace waves
