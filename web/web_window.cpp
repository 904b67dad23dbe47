#include "web/web_window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <variant>

#include "app/lesson_state.h"
#include "app/lesson_state_text.h"
#include "app/start_up.h"
#include "layout/accessible_text.h"
#include "layout/form_parts.h"
#include "layout/graph_descriptions.h"
#include "layout/layout_style.h"
#include "web/page_model.h"
#include "web/page_style.h"
#include "web/page_translator.h"

WebWindow::WebWindow() : layout_(window_layout()) {
    if (!build_page() || !bind_form()) return;
    waves::Form_Load(form_);
    started_ = true;
    if (const auto lesson = linked_lesson()) {
        waves::open_in_state(form_, *lesson);
        keep_state();
    }
    after_event();
    waves_page_ready();
}

std::optional<waves::LessonState> WebWindow::linked_lesson() {
    int length = 0;
    char* fragment = waves_page_fragment(&length);
    const std::string text = fragment != nullptr ? std::string(fragment, static_cast<std::size_t>(length)) : "";
    std::free(fragment);
    if (text.empty()) {
        waves_page_refuse_state("");
        return std::nullopt;
    }
    const auto read = waves::read_state_text(text);
    if (const auto* refusal = std::get_if<waves::StateRefusal>(&read)) {
        const std::string reason =
            waves::refusal_text(*refusal, translator_.translate("LessonState", refusal->reason));
        waves_page_refuse_state(reason.c_str());
        return std::nullopt;
    }
    waves_page_refuse_state("");
    return std::get<waves::LessonState>(read);
}

void WebWindow::on_fragment_changed() {
    if (!started_) return;
    // As if the page were opened anew with this fragment: a refused or
    // empty one leaves the start values, and the address as it is until
    // the next event.
    const auto lesson = linked_lesson();
    waves::open_in_state(form_, lesson.value_or(waves::LessonState{}));
    kept_state_.clear();
    if (lesson) keep_state();
    after_event();
}

void WebWindow::keep_state() {
    std::string text = waves::state_text(waves::lesson_state(form_.params));
    if (text == kept_state_) return;
    kept_state_ = std::move(text);
    waves_page_keep_state(kept_state_.c_str());
}

int WebWindow::id_of(const std::string& name) const {
    for (std::size_t id = 0; id < layout_.size(); ++id) {
        if (layout_[id].name == name) return static_cast<int>(id);
    }
    return -1;
}

bool WebWindow::build_page() {
    const std::string title(kWindowCaption);
    const double client_width = css_pixels(kClientWidthTwips);
    const double client_height = css_pixels(kClientHeightTwips);
    const double outer_width = css_pixels(static_cast<double>(waves::kOuterWidthTwips));
    const double outer_height = css_pixels(static_cast<double>(waves::kOuterHeightTwips));
    waves_page_open_window(title.c_str(), outer_width, outer_height, client_width, client_height,
                           (outer_width - client_width) / 2.0, css_colour(kWindowBackground).c_str());

    const std::vector<PageControl> page_elements = page_controls(layout_);
    for (const PageControl& page : page_elements) {
        const ControlSpec& control = layout_[static_cast<std::size_t>(page.id)];
        waves_page_add_control(page.id, control.name.c_str(), static_cast<int>(control.kind), page.dom_parent,
                               page.left, page.top, page.width, page.height, page.stacking, control.caption.c_str());
        const bool has_font = control.font != FontCode::none;
        const FontSpec* font = has_font ? &layout_font_spec(control.font) : nullptr;
        waves_page_style_control(page.id, css_colour(control.background).c_str(),
                                 css_text_colour(layout_, control).c_str(),
                                 has_font ? css_font_family(*font).c_str() : "", has_font ? font->pixel_size : 0,
                                 has_font && font->italic ? 1 : 0, has_font ? font->weight : 400,
                                 static_cast<int>(control.align), control.transparent ? 1 : 0);
        if (control.kind == ControlKind::option_button) waves_page_set_checked(page.id, control.selected ? 1 : 0);
        if (control.kind == ControlKind::graph_surface) {
            surfaces_.push_back(
                {page.id, std::make_unique<picture::PixelSurface>(layout_rgb(control.background), page.height)});
        }
    }

    // A group owns controls whose elements come after its own.
    for (const PageControl& page : page_elements) {
        for (const int owned : page.owned) waves_page_own(page.id, owned);
    }

    for (const AccessibleText& text : accessible_texts()) {
        const int id = id_of(text.control);
        if (id < 0) {
            waves_page_fail(("no control called " + text.control + " to name").c_str());
            return false;
        }
        const std::string name = accessible_name(text, translator_);
        waves_page_name_control(id, name.c_str(), accessible_description(text, translator_).c_str());
        if (!text.value_label.empty()) {
            const int label = id_of(text.value_label);
            if (label < 0) {
                waves_page_fail(("no value label called " + text.value_label).c_str());
                return false;
            }
            waves_page_set_subject(label, name.c_str());
            labels_.push_back(std::make_unique<DomLabel>(label, id));
        }
    }
    return true;
}

bool WebWindow::bind_form() {
    for (Surface& surface : surfaces_) {
        waves::GraphSurface** slot = surface_slot(form_, layout_[static_cast<std::size_t>(surface.id)].name);
        if (slot != nullptr) *slot = surface.surface.get();
    }
    for (std::size_t id = 0; id < layout_.size(); ++id) {
        if (waves::OptionSelection** slot = option_slot(form_, layout_[id].name)) {
            options_.push_back(std::make_unique<DomOption>(static_cast<int>(id)));
            *slot = options_.back().get();
        }
    }
    for (const auto& label : labels_) {
        if (waves::TextLabel** slot = label_slot(form_, layout_[static_cast<std::size_t>(label->id())].name)) {
            *slot = label.get();
        }
    }
    form_.window = this;
    if (const std::string missing = missing_parts(form_); !missing.empty()) {
        waves_page_fail(("the window has no " + missing).c_str());
        return false;
    }

    handlers_.assign(layout_.size(), {});
    for (const ControlHandler& handler : control_handlers()) {
        const int id = id_of(handler.control);
        if (id < 0) {
            waves_page_fail(("no control called " + handler.control + " to bind").c_str());
            return false;
        }
        handlers_[static_cast<std::size_t>(id)].push_back(&handler);
    }
    descriptions_.assign(layout_.size(), "");
    return true;
}

void WebWindow::on_event(int id, ControlEvent event) {
    if (!started_ || id < 0 || id >= static_cast<int>(handlers_.size())) return;
    for (const ControlHandler* handler : handlers_[static_cast<std::size_t>(id)]) {
        if (handler->event == event) handler->handler(form_, handler->index);
    }
    after_event();
    waves_page_refuse_state("");
    keep_state();
}

void WebWindow::after_event() {
    show_changed_pictures();
    for (const auto& [graph, description] : graph_descriptions(form_.params, translator_)) {
        const int id = id_of(graph);
        std::string& shown = descriptions_[static_cast<std::size_t>(id)];
        if (shown == description) continue;
        shown = description;
        waves_page_set_description(id, shown.c_str());
    }
}

void WebWindow::show_changed_pictures() {
    for (Surface& surface : surfaces_) {
        if (!surface.surface->take_changed()) continue;
        const picture::PixelRaster& raster = surface.surface->raster();
        waves_page_show_picture(surface.id, raster.pixels(), raster.width(), raster.height());
    }
}

void WebWindow::on_graph_resized(int id, int width, int height) {
    if (!started_) return;
    for (Surface& surface : surfaces_) {
        if (surface.id == id) surface.surface->set_device_size(width, height);
    }
    show_changed_pictures();
}

void WebWindow::on_viewport_changed() {
    if (started_) waves::size_and_centre_window(*this);
}

// The window gets the largest size that fits the viewport: the page scales
// it, and the core centres what it got.
void WebWindow::set_outer_size(float width_twips, float height_twips) {
    const waves::TwipSize screen = screen_size();
    const auto width = static_cast<double>(width_twips);
    const auto height = static_cast<double>(height_twips);
    const double scale =
        fit_scale(width, height, static_cast<double>(screen.width), static_cast<double>(screen.height));
    waves_page_zoom_window(scale);
    outer_size_ = {static_cast<float>(width * scale), static_cast<float>(height * scale)};
}

waves::TwipSize WebWindow::outer_size() const { return outer_size_; }

waves::TwipSize WebWindow::screen_size() const {
    return {static_cast<float>(waves_page_viewport_width() * kTwipsPerPixel),
            static_cast<float>(waves_page_viewport_height() * kTwipsPerPixel)};
}

void WebWindow::move_to(float left_twips, float top_twips) {
    // The window fits, so this only keeps rounding from pushing it out of the page.
    waves_page_place_window(std::max(0.0, css_pixels(static_cast<double>(left_twips))),
                            std::max(0.0, css_pixels(static_cast<double>(top_twips))));
}
