#include "ui/picture_copy.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMimeData>
#include <QPixmap>
#include <QShortcut>
#include <QTimer>

#include "ui/graph_surface_widget.h"

namespace waves {

namespace {

// How long the notice stays shown after a copy: long enough for a screen
// reader that reads it when it appears, short enough not to linger in the
// window's accessible tree.
constexpr int kNoticeMilliseconds = 5000;

// The resolution of a logical pixel on paper: the usual 96 dots per inch.
constexpr double kLogicalDotsPerInch = 96.0;
constexpr double kMetresPerInch = 0.0254;

}  // namespace

QByteArray png_with_resolution(QImage image) {
    const int dots_per_metre = qRound(kLogicalDotsPerInch * image.devicePixelRatio() / kMetresPerInch);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

namespace {

void copy_to_clipboard(const QImage& image) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png_with_resolution(image));
    QGuiApplication::clipboard()->setMimeData(data);  // the clipboard owns it
}

// The client area as the screen shows it, at the window's device pixel ratio.
QImage picture_of_window(QWidget& window) { return window.grab().toImage(); }

void copy_window(QWidget& window, PictureCopyNotice& notice, const QString& message) {
    copy_to_clipboard(picture_of_window(window));
    notice.announce(message);
}

void copy_focused_graph(QWidget& window, PictureCopyNotice& notice) {
    const auto* graph = qobject_cast<GraphSurfaceWidget*>(window.focusWidget());
    if (graph == nullptr) {
        copy_window(window, notice,
                    QCoreApplication::translate("PictureCopyNotice",
                                                "No graph has the focus: picture of the window copied"));
        return;
    }
    copy_to_clipboard(graph->picture());
    notice.announce(QCoreApplication::translate("PictureCopyNotice", "Picture of the graph %1 copied")
                        .arg(graph->accessibleName()));
}

// The notice is a notification to assistive technology.
QAccessibleInterface* notice_factory(const QString&, QObject* object) {
    if (auto* notice = qobject_cast<PictureCopyNotice*>(object)) {
        return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

PictureCopyNotice::PictureCopyNotice(QWidget& window)
    : QWidget(&window), text_(new QLabel(this)), hide_timer_(new QTimer(this)) {
    static const bool factory_installed = [] {
        QAccessible::installFactory(notice_factory);
        return true;
    }();
    (void)factory_installed;
    setObjectName(QStringLiteral("picture_copy_notice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Nothing of it is seen or takes a click.
    setGeometry(0, 0, 0, 0);
    text_->setGeometry(0, 0, 0, 0);
    hide();
    hide_timer_->setSingleShot(true);
    hide_timer_->setInterval(kNoticeMilliseconds);
    connect(hide_timer_, &QTimer::timeout, this, &QWidget::hide);
}

void PictureCopyNotice::announce(const QString& message) {
    hide();
    text_->setText(message);
    show();
    hide_timer_->start();
}

void install_picture_copy(QWidget& window) {
    auto* notice = new PictureCopyNotice(window);
    auto* copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_C), &window);
    QObject::connect(copy, &QShortcut::activated, notice, [&window, notice] {
        copy_window(window, *notice, QCoreApplication::translate("PictureCopyNotice", "Picture of the window copied"));
    });
    auto* copy_graph = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &window);
    QObject::connect(copy_graph, &QShortcut::activated, notice,
                     [&window, notice] { copy_focused_graph(window, *notice); });
}

}  // namespace waves
