#include "ui/window_zoom.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <cmath>

#include "ui/appearance.h"
#include "ui/graph_surface_widget.h"

namespace waves {

namespace {

// A length of the layout in pixels at the scale, rounded half up, as
// twips_to_pixels rounds at 100%.
int scaled_pixels(int twips, double scale) {
    return static_cast<int>(std::floor((2.0 * twips * scale + kTwipsPerPixel) / (2.0 * kTwipsPerPixel)));
}

QSize client_size(double scale) {
    return {scaled_pixels(kClientWidthTwips, scale), scaled_pixels(kClientHeightTwips, scale)};
}

void add_key(QWidget& window, const QKeySequence& keys, WindowZoom& zoom, void (WindowZoom::*action)()) {
    auto* shortcut = new QShortcut(keys, &window);
    QObject::connect(shortcut, &QShortcut::activated, &zoom, action);
}

}  // namespace

WindowZoom::WindowZoom(QWidget& window, const ControlTree& controls, const std::vector<ControlSpec>& layout)
    : QObject(&window), window_(window), controls_(controls), layout_(layout), window_font_(window.font()) {
    add_key(window, QKeySequence(Qt::CTRL | Qt::Key_Plus), *this, &WindowZoom::zoom_in);
    add_key(window, QKeySequence(Qt::CTRL | Qt::Key_Equal), *this, &WindowZoom::zoom_in);
    add_key(window, QKeySequence(Qt::CTRL | Qt::Key_Minus), *this, &WindowZoom::zoom_out);
    add_key(window, QKeySequence(Qt::CTRL | Qt::Key_0), *this, &WindowZoom::zoom_to_own_size);
    add_key(window, QKeySequence(Qt::Key_F11), *this, &WindowZoom::toggle_full_screen);
    window.installEventFilter(this);
}

void WindowZoom::zoom_in() {
    if (window_.isFullScreen()) return;
    if (step_ + 1 < static_cast<int>(kSteps.size()) && step_ + 1 <= largest_fitting_step()) go_to_step(step_ + 1);
}

void WindowZoom::zoom_out() {
    if (window_.isFullScreen()) return;
    if (step_ > 0) go_to_step(step_ - 1);
}

void WindowZoom::zoom_to_own_size() {
    if (window_.isFullScreen()) return;
    if (step_ != 0) go_to_step(0);
}

void WindowZoom::toggle_full_screen() {
    if (window_.isFullScreen()) {
        window_.showNormal();
        go_to_step(step_);
        return;
    }
    window_.setMinimumSize(0, 0);
    window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_.showFullScreen();
    fit_full_screen();
}

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Resize && window_.isFullScreen()) fit_full_screen();
    return QObject::eventFilter(watched, event);
}

int WindowZoom::largest_fitting_step() const {
    const QScreen* screen = window_.screen() != nullptr ? window_.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return 0;
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    const QSize room = screen->availableGeometry().size() - frame;
    int largest = 0;
    for (int step = 1; step < static_cast<int>(kSteps.size()); ++step) {
        const QSize wanted = client_size(kSteps[static_cast<std::size_t>(step)]);
        if (wanted.width() <= room.width() && wanted.height() <= room.height()) largest = step;
    }
    return largest;
}

void WindowZoom::go_to_step(int step) {
    step_ = step;
    const QPoint centre = window_.frameGeometry().center();
    lay_out(kSteps[static_cast<std::size_t>(step)], QPoint());
    window_.setFixedSize(client_size(scale_));
    // The same centre, the top-left corner kept on the screen.
    const QScreen* screen = window_.screen() != nullptr ? window_.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const QSize outer = window_.frameGeometry().size();
    QPoint corner = centre - QPoint(outer.width() / 2, outer.height() / 2);
    corner.setX(std::max(available.left(), std::min(corner.x(), available.right() + 1 - outer.width())));
    corner.setY(std::max(available.top(), std::min(corner.y(), available.bottom() + 1 - outer.height())));
    window_.move(corner);
}

void WindowZoom::fit_full_screen() {
    const QSize room = window_.size();
    const QSize own = client_size(1.0);
    const double scale = std::min(static_cast<double>(room.width()) / own.width(),
                                  static_cast<double>(room.height()) / own.height());
    const QSize used = client_size(scale);
    lay_out(scale, QPoint((room.width() - used.width()) / 2, (room.height() - used.height()) / 2));
}

void WindowZoom::lay_out(double scale, QPoint offset) {
    scale_ = scale;
    window_.setFont(scaled_font(window_font_, scale));
    for (const ControlSpec& control : layout_) {
        QWidget* widget = controls_.find(control.name);
        if (widget == nullptr) continue;
        // Each of the four numbers, as the window was built at 100%.
        QRect rect(scaled_pixels(control.left, scale), scaled_pixels(control.top, scale),
                   scaled_pixels(control.width, scale), scaled_pixels(control.height, scale));
        if (control.container == "Form1") rect.translate(offset);
        widget->setGeometry(rect);
        if (control.font != FontCode::none) widget->setFont(scaled_font(layout_font(control.font), scale));
        if (auto* graph = qobject_cast<GraphSurfaceWidget*>(widget)) graph->set_caption_scale(scale);
    }
}

}  // namespace waves
