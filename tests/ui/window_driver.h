// What the Qt tests of the program's real window do with it over and over,
// as a user would: open a fresh window and wait until it is on the screen,
// find a control by its layout name, read the text of a label, and click
// the upper or lower arrow of a spin button.
//
// Header-only: every *_test.cpp in this folder is an executable of its own.
// A click lands where a user's would, across the middle of the arrow and a
// quarter of the button's height from its top or bottom edge.
#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string_view>

#include "ui/main_window.h"
#include "ui/spin_button.h"

namespace waves::window_driver {

// The two arrows of a spin button.
enum class Arrow { upper, lower };

// Replaces `window` with a fresh window and shows it. Returns whether it
// was exposed on the screen in time.
[[nodiscard]] inline bool open_window(std::unique_ptr<MainWindow>& window) {
    window = std::make_unique<MainWindow>();
    window->show();
    return QTest::qWaitForWindowExposed(window.get());
}

// The window's control called `name`, as the widget class the layout gives it.
// REQUIRES: the layout has a control of that name and kind.
template <typename Widget = QWidget>
Widget& control(const MainWindow& window, std::string_view name) {
    return window.controls().get<Widget>(name);
}

// The text the label called `name` shows.
// REQUIRES: the layout has a label of that name.
inline QString label_text(const MainWindow& window, std::string_view name) {
    return control<QLabel>(window, name).text();
}

// The point of the spin button a click on the arrow goes to.
inline QPoint arrow_point(const QWidget& spin_button, Arrow arrow) {
    const int height = spin_button.height();
    return {spin_button.width() / 2, arrow == Arrow::upper ? height / 4 : height * 3 / 4};
}

// One click of the left button on the arrow, delivered at once.
inline void click_arrow(SpinButton& spin_button, Arrow arrow) {
    QTest::mouseClick(&spin_button, Qt::LeftButton, {}, arrow_point(spin_button, arrow));
}

// One click of the left button on the arrow of the spin button called `name`.
// REQUIRES: the layout has a spin button of that name.
inline void click_arrow(const MainWindow& window, std::string_view name, Arrow arrow) {
    click_arrow(control<SpinButton>(window, name), arrow);
}

}  // namespace waves::window_driver
