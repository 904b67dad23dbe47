#include "web/web_window.h"

#include <algorithm>

#include "core/app/lesson_state.h"
#include "core/app/start_up.h"
#include "core/controls/mean_key.h"
#include "layout/form_binding.h"
#include "layout/graph_descriptions.h"
#include "layout/layout_style.h"
#include "layout/mean_captions.h"
#include "web/page_bridge.h"
#include "web/page_model.h"
#include "web/page_style.h"

namespace waves {

WebWindow::WebWindow()
    : layout_(window_layout()),
      controls_(layout_, elements_),
      descriptions_(layout_.size()),
      mean_captions_(layout_.size()) {}

void WebWindow::start() {
    measure_screen();
    if (!build_and_bind()) return;
    Form_Load(form_);
    started_ = true;
    // A link the page refuses shows why above the window; the page reports
    // the viewport changed, and the window takes the room that is left.
    if (const auto lesson = lesson_.linked(translator_)) {
        open_in_state(form_, *lesson);
        lesson_.keep(form_.params);
    }
    after_event();
    waves_page_listen_for_mean_key();
    waves_page_offer_share();
    waves_page_offer_copy();
    waves_page_offer_print();
    waves_page_ready();
}

bool WebWindow::build_and_bind() {
    std::string misfit = build_page(layout_, translator_, elements_);
    if (misfit.empty()) {
        form_.window = this;
        misfit = bind_form(layout_, form_, controls_);
    }
    if (misfit.empty()) return true;
    waves_page_fail(misfit.c_str());
    return false;
}

void WebWindow::on_event(int id, ControlEvent event) {
    if (!started_ || id < 0 || id >= static_cast<int>(layout_.size())) return;
    controls_.run(id, event);
    after_event();
    waves_page_refuse_state("");
    lesson_.keep(form_.params);
}

void WebWindow::on_mean_key() {
    if (!started_) return;
    Form_KeyM(form_);
    after_event();
    waves_page_refuse_state("");
    lesson_.keep(form_.params);
}

void WebWindow::on_fragment_changed() {
    if (!started_) return;
    // As if the page were opened anew with this fragment: a refused or
    // empty one leaves the start values, and the address as it is until
    // the next event.
    const auto lesson = lesson_.linked(translator_);
    open_in_state(form_, lesson.value_or(LessonState{}));
    lesson_.forget();
    if (lesson) lesson_.keep(form_.params);
    after_event();
}

void WebWindow::after_event() {
    show_changed_pictures();
    for (const auto& [graph, description] : graph_descriptions(form_.params, translator_)) {
        const int id = control_index(layout_, graph);
        std::string& shown = descriptions_[static_cast<std::size_t>(id)];
        if (shown == description) continue;
        shown = description;
        waves_page_set_description(id, shown.c_str());
    }
}

void WebWindow::show_changed_pictures() {
    const std::vector<GraphMeanCaption> captions = mean_captions(form_.params);
    static const std::string font_family = css_font_family(layout_font_spec(FontCode::F3));
    static const std::string colour = "rgb(" + std::to_string(mean_colour.red) + "," +
                                      std::to_string(mean_colour.green) + "," + std::to_string(mean_colour.blue) + ")";
    for (PageSurface& surface : elements_.surfaces) {
        const auto id = static_cast<std::size_t>(surface.id);
        const auto caption = std::find_if(captions.begin(), captions.end(),
                                          [&](const GraphMeanCaption& c) { return c.graph == layout_[id].name; });
        const std::string shown_caption =
            caption == captions.end() ? "" : caption->caption.text + "@" + std::to_string(caption->caption.height_fraction);
        const bool changed = surface.surface->take_changed();
        if (!changed && shown_caption == mean_captions_[id]) continue;
        mean_captions_[id] = shown_caption;
        const picture::PixelRaster& raster = surface.surface->raster();
        waves_page_show_picture(surface.id, raster.pixels(), raster.width(), raster.height());
        if (caption == captions.end()) continue;
        waves_page_show_mean_caption(surface.id, caption->caption.text.c_str(), caption->caption.height_fraction,
                                     layout_font_spec(FontCode::F3).pixel_size, font_family.c_str(), colour.c_str());
    }
}

void WebWindow::on_graph_resized(int id, int width, int height) {
    if (!started_) return;
    for (PageSurface& surface : elements_.surfaces) {
        if (surface.id == id) surface.surface->set_device_size(width, height);
    }
    show_changed_pictures();
}

void WebWindow::on_viewport_changed() {
    if (!started_) return;
    measure_screen();
    size_and_centre_window(*this);
}

void WebWindow::measure_screen() {
    screen_ = {static_cast<float>(waves_page_viewport_width() * kTwipsPerPixel),
               static_cast<float>(waves_page_viewport_height() * kTwipsPerPixel)};
}

// The window gets the largest size that fits the viewport: the page scales
// it, and the core centres what it got.
void WebWindow::set_outer_size(float width_twips, float height_twips) {
    const TwipSize screen = screen_size();
    const auto width = static_cast<double>(width_twips);
    const auto height = static_cast<double>(height_twips);
    const double scale =
        fit_scale(width, height, static_cast<double>(screen.width), static_cast<double>(screen.height));
    waves_page_zoom_window(scale);
    outer_size_ = {static_cast<float>(width * scale), static_cast<float>(height * scale)};
}

TwipSize WebWindow::outer_size() const { return outer_size_; }

TwipSize WebWindow::screen_size() const { return screen_; }

void WebWindow::move_to(float left_twips, float top_twips) {
    // The window fits, so this only keeps rounding from pushing it out of the page.
    waves_page_place_window(std::max(0.0, css_pixels(static_cast<double>(left_twips))),
                            std::max(0.0, css_pixels(static_cast<double>(top_twips))));
}

}  // namespace waves
