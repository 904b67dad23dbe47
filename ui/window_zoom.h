// The window on a projector: the whole window at a larger scale.
//
//   Ctrl+plus (also Ctrl+=)  the next step of 100%, 125%, 150%, 200%, 250%
//                            and 300% that the screen's available area
//                            still holds, frame included; none past it;
//   Ctrl+minus               the step before, down to 100%;
//   Ctrl+0                   100%, the size the window opens at;
//   F11                      full screen, the window scaled to fit the
//                            screen and centred on it, as the web page fits
//                            its viewport; F11 again returns to the step
//                            it had.
// At a scale s every control's rectangle is its rectangle in the layout
// table (layout/) times s, its position and size each rounded to the
// nearest pixel (at 100% exactly the window as built, ui/twips.h), and every font is its layout
// size times s; the window's client area is 9840 x 6900 twips times s. The
// graph surfaces, resized, draw their pictures again at their new device
// size from their records (ui/graph_surface_widget.h): sharp, with lines one
// device pixel wide. The graphs' contents, the parameters and the coordinate
// frames are untouched.
//
// After a change of step the window keeps its centre where it can, and its
// top-left corner inside the screen's available area.
#pragma once

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QWidget>

#include <array>
#include <vector>

#include "layout/layout_table.h"
#include "ui/control_tree.h"

namespace waves {

class WindowZoom final : public QObject {
    Q_OBJECT

public:
    static constexpr std::array<double, 6> kSteps{1.0, 1.25, 1.5, 2.0, 2.5, 3.0};

    // Installs the keys on the window. REQUIRES: controls are the window's,
    // built from layout, which outlives the zoom.
    WindowZoom(QWidget& window, const ControlTree& controls, const std::vector<ControlSpec>& layout);

    // The scale the window is drawn at now.
    double scale() const { return scale_; }

    void zoom_in();
    void zoom_out();
    void zoom_to_own_size();
    void toggle_full_screen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The largest step whose window fits the screen's available area.
    int largest_fitting_step() const;
    void go_to_step(int step);
    // Lays every control out at scale, the top-level ones moved by offset.
    void lay_out(double scale, QPoint offset);
    void fit_full_screen();

    QWidget& window_;
    const ControlTree& controls_;
    const std::vector<ControlSpec>& layout_;
    QFont window_font_;
    int step_ = 0;
    double scale_ = 1.0;
};

}  // namespace waves
