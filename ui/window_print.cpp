#include "ui/window_print.h"

#include <QKeySequence>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QShortcut>

#include <algorithm>

namespace waves {

void prepare_printer(QPrinter& printer) {
    const bool us_paper = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    printer.setPageSize(QPageSize(us_paper ? QPageSize::Letter : QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
}

bool print_window(QWidget& window, QPrinter& printer) {
    // render() paints onto a printer through one bitmap of the whole
    // window; recorded into a QPicture first, the window stays vectors and
    // text, played back at the printer's resolution.
    QPicture recording;
    QPainter recorder;
    if (!recorder.begin(&recording)) return false;
    window.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The printable area in device pixels, relative to the painter's origin.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF own = window.size();
    const double scale = std::min(page.width() / own.width(), page.height() / own.height());
    const QSizeF used = own * scale;
    painter.translate((page.width() - used.width()) / 2.0, (page.height() - used.height()) / 2.0);
    painter.scale(scale, scale);
    // A picture plays back enlarged by the device's resolution over its
    // own; the scale above already maps the window onto the page.
    painter.scale(static_cast<double>(recording.logicalDpiX()) / printer.logicalDpiX(),
                  static_cast<double>(recording.logicalDpiY()) / printer.logicalDpiY());
    painter.drawPicture(0, 0, recording);
    return painter.end();
}

void install_window_print(QWidget& window) {
    auto* print = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), &window);
    QObject::connect(print, &QShortcut::activated, &window, [&window] {
        QPrinter printer(QPrinter::HighResolution);
        prepare_printer(printer);
        printer.setDocName(window.windowTitle());
        QPrintDialog dialog(&printer, &window);
        if (dialog.exec() == QDialog::Accepted) print_window(window, printer);
    });
}

}  // namespace waves
