// The window Form1: builds every control from the layout, hands them to the
// core, binds their events to the handlers and runs start-up, all before it
// is first shown.
//
// It owns the core's form state (the parameter record and the pointers to
// its own controls) for as long as it lives. As the core's WindowPlacement
// it has a fixed client area of 9840 x 6900 twips (656 x 460 pixels), is not
// resizable, and places itself where start-up centres it; on a screen too
// small for it, the centred position would put the title bar off the
// screen, so the top-left corner is then kept inside the screen's available
// area instead.
//
// After every event the graphs' accessible descriptions, and the captions
// of the means while they are drawn, are brought up to date with their new
// pictures. Ctrl+C and Ctrl+Shift+C copy the picture of the window or of
// the focused graph (ui/picture_copy.h); M draws the means or hides them
// (ui/mean_captions.h); Ctrl+P prints the window (ui/window_print.h);
// Ctrl+plus, Ctrl+minus, Ctrl+0 and F11 scale it (ui/window_zoom.h).
#pragma once

#include <QWidget>

#include "core/app/form.h"
#include "core/app/lesson_state.h"
#include "core/app/window_placement.h"
#include "ui/control_tree.h"
#include "ui/event_dispatch.h"

namespace waves {

class WindowZoom;

class MainWindow final : public QWidget, private WindowPlacement {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    const Form& form() const { return form_; }
    // The state the handlers work on. Only tests and the benchmark write to
    // it directly, to reach a far span or frequency without 100,000 clicks.
    Form& form() { return form_; }
    const ControlTree& controls() const { return controls_; }
    // The window's scale for a projector.
    WindowZoom& zoom() { return *zoom_; }

    // Shows the lesson instead of the start values: every value, option
    // button, picture and description as if it had been clicked there.
    void open_lesson(const LessonState& lesson);

private:
    // The graphs' descriptions and the means' captions, as the parameters say.
    void show_what_the_graphs_say();

    // WindowPlacement, in twips.
    void set_outer_size(float width_twips, float height_twips) override;
    TwipSize outer_size() const override;
    TwipSize screen_size() const override;
    void move_to(float left_twips, float top_twips) override;

    Form form_;
    ControlTree controls_;
    EventDispatch dispatch_;
    TwipSize outer_size_{};
    WindowZoom* zoom_ = nullptr;  // owned by Qt, as a child
};

}  // namespace waves
