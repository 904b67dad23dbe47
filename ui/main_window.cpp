#include "ui/main_window.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/app/start_up.h"
#include "ui/accessible_names.h"
#include "ui/appearance.h"
#include "ui/graph_descriptions.h"
#include "ui/mean_captions.h"
#include "ui/picture_copy.h"
#include "ui/accessible_interfaces.h"
#include "ui/twips.h"
#include "ui/window_binding.h"
#include "ui/window_print.h"
#include "ui/window_zoom.h"

namespace waves {

namespace {

QScreen* screen_of(const QWidget& widget) {
    QScreen* screen = widget.screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), dispatch_([this] { show_what_the_graphs_say(); }) {
    install_accessibility();
    setWindowTitle(QString::fromUtf8(kWindowCaption.data(), static_cast<qsizetype>(kWindowCaption.size())));
    setFixedSize(twips_to_pixels(kClientWidthTwips), twips_to_pixels(kClientHeightTwips));
    QPalette background = palette();
    background.setColor(QPalette::Window, layout_colour(kWindowBackground));
    setPalette(background);
    setAutoFillBackground(true);

    controls_ = build_control_tree(*this, window_layout());
    name_controls_for_screen_readers(controls_);
    form_.window = this;
    bind_window(controls_, window_layout(), form_, dispatch_);
    install_picture_copy(*this);
    install_mean_key(*this, form_, dispatch_);
    zoom_ = new WindowZoom(*this, controls_, window_layout());
    install_window_print(*this);

    Form_Load(form_);
    show_what_the_graphs_say();
}

void MainWindow::open_lesson(const LessonState& lesson) {
    open_in_state(form_, lesson);
    show_what_the_graphs_say();
}

void MainWindow::show_what_the_graphs_say() {
    describe_graphs(controls_, form_.params);
    show_mean_captions(controls_, form_.params);
}

void MainWindow::set_outer_size(float width_twips, float height_twips) {
    // The client area is fixed by the layout; the frame around it is the
    // window manager's. The outer size asked for is what centring uses.
    outer_size_ = {width_twips, height_twips};
}

TwipSize MainWindow::outer_size() const { return outer_size_; }

TwipSize MainWindow::screen_size() const {
    const QSize size = screen_of(*this)->geometry().size();
    return {pixels_to_twips(size.width()), pixels_to_twips(size.height())};
}

void MainWindow::move_to(float left_twips, float top_twips) {
    const QScreen* screen = screen_of(*this);
    const QRect available = screen->availableGeometry();
    QPoint position = screen->geometry().topLeft() + QPoint(twips_to_pixels(left_twips), twips_to_pixels(top_twips));
    // Only when centring pushes the title bar off the screen.
    if (position.x() < available.left()) position.setX(available.left());
    if (position.y() < available.top()) position.setY(available.top());
    move(position);
}

}  // namespace waves
