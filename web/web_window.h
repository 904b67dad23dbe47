// The window Form1 as a web page: builds the page's elements from the
// layout tables, with the names and descriptions in the page's language,
// hands its canvases, value labels and cos/sin radio buttons to the core,
// binds each control's events to the same handlers as the desktop
// (layout/control_events.h) and runs start-up.
//
// After every event it shows the pictures that changed, one putImageData
// per changed canvas, and brings each graph's description for screen
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
// The page's URL fragment holds the lesson (app/lesson_state_text.h): the
// page opens in the lesson its URL names, or says in one sentence why it
// cannot and starts as usual; after every event the fragment is brought up
// to date; and when the fragment is changed from outside, the page opens
// the lesson it now names, as if it had been opened with it.
//
// One instance lives as long as the page.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/form.h"
#include "app/lesson_state.h"
#include "app/window_placement.h"
#include "layout/control_events.h"
#include "layout/layout_table.h"
#include "picture/pixel_surface.h"
#include "web/dom_controls.h"
#include "web/page_translator.h"

class WebWindow final : private waves::WindowPlacement {
public:
    WebWindow();
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    // An event of the control with this id in the layout table.
    void on_event(int id, ControlEvent event);
    // The canvas of the graph id now covers width x height device pixels.
    void on_graph_resized(int id, int width, int height);
    void on_viewport_changed();
    void on_fragment_changed();

private:
    struct Surface {
        int id = 0;
        std::unique_ptr<picture::PixelSurface> surface;
    };

    // Builds the elements; false, with the page told why, if the layout
    // tables do not fit together.
    bool build_page();
    bool bind_form();
    // Shows the changed pictures and the graphs' new descriptions.
    void after_event();
    void show_changed_pictures();
    // The lesson the URL fragment names; none where it is empty or
    // refused (the page then says why).
    std::optional<waves::LessonState> linked_lesson();
    void keep_state();
    int id_of(const std::string& name) const;

    // waves::WindowPlacement, in twips of the page's CSS px; the outer size
    // is the scaled one.
    void set_outer_size(float width_twips, float height_twips) override;
    waves::TwipSize outer_size() const override;
    waves::TwipSize screen_size() const override;
    void move_to(float left_twips, float top_twips) override;

    const std::vector<ControlSpec>& layout_;
    const PageTranslator translator_;
    waves::Form form_;
    std::vector<Surface> surfaces_;
    std::vector<std::unique_ptr<DomLabel>> labels_;
    std::vector<std::unique_ptr<DomOption>> options_;
    // By control id: the handlers of its events.
    std::vector<std::vector<const ControlHandler*>> handlers_;
    std::vector<std::string> descriptions_;  // by control id, as last shown
    std::string kept_state_;                 // the lesson as last put in the fragment
    waves::TwipSize outer_size_{};
    bool started_ = false;
};
