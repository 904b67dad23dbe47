// The window under benchmark: the program's real MainWindow, shown on Qt's
// offscreen platform, driven through the signals of its real widgets, so a
// case runs exactly the handlers, drawing routines and graph surfaces that
// a click runs, and then the paint that puts the result on the screen.
//
// The window keeps its form to itself. form() hands it out all the same, for
// the two things no click can do quickly: set t_span to 100000 without
// first clicking "t=" 99999 times, and run Form_Load again on a built window.
#pragma once

#include <string_view>

#include "core/app/form.h"
#include "ui/main_window.h"

namespace waves {

class BenchWindow {
public:
    // Builds and shows the window and delivers its first paint.
    BenchWindow();

    // A = 5 cos x, B = 3 sin 3x, C = 2 cos 5x, D = 1 sin 7x, W as it starts
    // (cos x), set with clicks: every one of the eleven graphs shows a curve.
    void show_classroom_waves();

    // The "t=" path at the given span: t_span is set one below it and the
    // up arrow pressed, so all eleven surfaces are rescaled and redrawn.
    // REQUIRES: periods >= 1.
    void set_span(int periods);

    // One press on the upper or lower arrow of the named spin button.
    void spin_up(std::string_view spin_button);
    void spin_down(std::string_view spin_button);
    // A click on "RESET".
    void click_reset();

    // Delivers the window's pending paints: what the screen shows after the
    // event.
    void paint();

    Form& form();

private:
    MainWindow window_;
};

// One window with the classroom waves, shared by the cases.
BenchWindow& classroom_window();

}  // namespace waves
