#include "bench/bench_window.h"

#include <QCoreApplication>
#include <QPushButton>
#include <cassert>
#include <string>

#include "ui/option_button.h"
#include "ui/spin_button.h"

namespace waves {

BenchWindow::BenchWindow() {
    window_.show();
    paint();
}

void BenchWindow::show_classroom_waves() {
    const struct {
        int amplitude;  // presses on the amplitude arrow, 1.0 each
        int frequency;  // presses on the frequency arrow, 1.0 each
        bool sine;
    } waves[] = {{5, 1, false}, {3, 3, true}, {2, 5, false}, {1, 7, true}};
    for (int i = 0; i < kComponentCount; ++i) {
        const auto& wave = waves[i];
        // Built piece by piece: g++ 12 warns falsely (-Wrestrict) on "(" + ….
        std::string index = "(";
        index += std::to_string(i);
        index += ')';
        for (int k = 0; k < wave.amplitude; ++k) spin_up("SpinButton3" + index);
        for (int k = 0; k < wave.frequency; ++k) spin_up("SpinButton4" + index);
        if (wave.sine) window_.controls().get<OptionButton>("switch_s" + index).click();
    }
    paint();
}

void BenchWindow::set_span(int periods) {
    assert(periods >= 1);
    form().params.t_span = static_cast<float>(periods - 1);
    spin_up("SpinButton11");
}

void BenchWindow::spin_up(std::string_view spin_button) {
    emit window_.controls().get<SpinButton>(spin_button).spinUp();
}

void BenchWindow::spin_down(std::string_view spin_button) {
    emit window_.controls().get<SpinButton>(spin_button).spinDown();
}

void BenchWindow::click_reset() { window_.controls().get<QPushButton>("Command1").click(); }

void BenchWindow::paint() { QCoreApplication::processEvents(); }

// The window's own form object is not const; it is only handed out as one.
Form& BenchWindow::form() { return window_.form(); }

BenchWindow& classroom_window() {
    // Never destroyed: it must not outlive the application object in a
    // static destructor.
    static BenchWindow* const window = [] {
        auto* built = new BenchWindow;
        built->show_classroom_waves();
        return built;
    }();
    return *window;
}

}  // namespace waves
