// The window Form1 as a web page: builds the page's elements from the
// layout tables (page_elements.h), with the names and descriptions in the
// page's language, binds them to the core as the desktop binds its widgets
// (page_controls.h, layout/form_binding.h) and runs start-up.
//
// After every event it shows the pictures that changed, one putImageData
// per changed canvas with the mean's caption over it while the means are
// drawn (layout/mean_captions.h), and brings each graph's description for screen
// readers up to date. The canvases keep their pictures; nothing is drawn
// again unless a handler draws or the page reports that a canvas covers a
// new number of device pixels (a new scale of the window, a new device
// pixel ratio): then that surface renders its record at exactly that size,
// so a picture is never stretched. Until the page has reported a canvas's
// size its surface has none.
//
// As the core's WindowPlacement the window is a box of the layout's outer
// size in the browser's viewport, which is its screen, scaled to the
// largest size that fits it (fit_scale, page_model.h); the outer size it
// reports is that scaled size, so the core centres it. When the viewport
// changes size, the window is scaled and centred again.
//
// The page's URL fragment holds the lesson (page_lesson.h): the page opens
// in the lesson its URL names, or says in one sentence why it cannot and
// starts as usual; after every event the fragment is brought up to date;
// and when the fragment is changed from outside, the page opens the lesson
// it now names, as if it had been opened with it.
//
// One instance lives as long as the page.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/app/form.h"
#include "core/app/window_placement.h"
#include "layout/control_events.h"
#include "layout/layout_table.h"
#include "web/page_controls.h"
#include "web/page_elements.h"
#include "web/page_lesson.h"
#include "web/page_translator.h"

namespace waves {

class WebWindow final : private WindowPlacement {
public:
    WebWindow();
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    // Builds the page, binds it and runs start-up; the page's calls during
    // it (a refused lesson's notice changes the viewport) reach this window.
    void start();

    // An event of the control with this id in the layout table.
    void on_event(int id, ControlEvent event);
    // The canvas of the graph id now covers width x height device pixels.
    void on_graph_resized(int id, int width, int height);
    void on_viewport_changed();
    void on_fragment_changed();
    // The key M: the means over A'..D' and E' on or off.
    void on_mean_key();

private:
    // Builds the page and binds it to the form; false, with the page told
    // why, if the layout tables do not fit together.
    bool build_and_bind();
    // Shows the changed pictures and the graphs' new descriptions.
    void after_event();
    void show_changed_pictures();
    // Reads the viewport's size (less the room of a refused lesson's notice).
    void measure_screen();

    // WindowPlacement, in twips of the page's CSS px; the outer size
    // is the scaled one.
    void set_outer_size(float width_twips, float height_twips) override;
    TwipSize outer_size() const override;
    TwipSize screen_size() const override;
    void move_to(float left_twips, float top_twips) override;

    const std::vector<ControlSpec>& layout_;
    const PageTranslator translator_;
    Form form_;
    PageElements elements_;
    PageControls controls_;
    PageLesson lesson_;
    std::vector<std::string> descriptions_;  // by control id, as last shown
    std::vector<std::string> mean_captions_;  // by control id, text and height as last shown
    TwipSize outer_size_{};
    TwipSize screen_{};
    bool started_ = false;
};

}  // namespace waves
