// Printing the window: print_window on a PDF printer, read back with
// poppler's tools (poppler-utils): one landscape sheet of A4 or Letter, as
// the locale measures; the window centred on it, as large as the printable
// area allows, on white; and the graphs drawn as vectors, not as their
// on-screen pictures (the PDF holds no image the size of a graph).
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include "ui/window_print.h"
#include "window_driver.h"

namespace waves {

namespace {

// Runs a poppler tool; its standard output, or nothing on failure.
std::optional<QString> run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool is_white(QRgb pixel) { return qRed(pixel) > 250 && qGreen(pixel) > 250 && qBlue(pixel) > 250; }

}  // namespace

class WindowPrintTest : public QObject {
    Q_OBJECT

private slots:
    void prints_the_window_centred_on_one_landscape_sheet() {
        std::unique_ptr<MainWindow> window;
        QVERIFY(window_driver::open_window(window));
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString pdf = folder.filePath(QStringLiteral("window.pdf"));

        QPrinter printer(QPrinter::HighResolution);
        prepare_printer(printer);
        const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        QCOMPARE(printer.pageLayout().pageSize().id(), letter ? QPageSize::Letter : QPageSize::A4);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QVERIFY(print_window(*window, printer));

        const auto read_info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(read_info, "pdfinfo (poppler-utils) cannot read the PDF");
        const QString info = *read_info;
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))), qPrintable(info));
        const auto size = QRegularExpression(QStringLiteral("Page size: +([0-9.]+) x ([0-9.]+) pts")).match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        const QSizeF points(size.captured(1).toDouble(), size.captured(2).toDouble());
        const QSizeF wanted = letter ? QSizeF(792, 612) : QSizeF(841.89, 595.28);
        QVERIFY2(qAbs(points.width() - wanted.width()) < 1 && qAbs(points.height() - wanted.height()) < 1,
                 qPrintable(info));

        // At 72 dots per inch, one pixel a point.
        QVERIFY(run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                                  QStringLiteral("-singlefile"), pdf, folder.filePath("page")})
                     .has_value());
        QImage page(folder.filePath(QStringLiteral("page.png")));
        QVERIFY(!page.isNull());
        QRect ink;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (!is_white(page.pixel(x, y))) ink |= QRect(x, y, 1, 1);
            }
        }
        // Centred, filling the printable area one way, the window's shape.
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
        QVERIFY2(qAbs(ink.center().x() - page.width() / 2.0) <= 2 && qAbs(ink.center().y() - page.height() / 2.0) <= 2,
                 qPrintable(QStringLiteral("window printed at %1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
        const bool fills_across = qAbs(ink.width() - printable.width()) <= 2;
        const bool fills_down = qAbs(ink.height() - printable.height()) <= 2;
        QVERIFY(fills_across || fills_down);
        QVERIFY(qAbs(ink.width() / static_cast<double>(ink.height()) - 656.0 / 460.0) < 0.02);

        // The graphs' pictures are no images in the PDF: the style's
        // borders are, strips a few pixels wide, but nothing of a graph's size.
        const auto images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY(images);
        for (const QString& line : images->split(QLatin1Char('\n')).mid(2)) {
            const QStringList fields = line.simplified().split(QLatin1Char(' '));
            if (fields.size() < 5) continue;
            const int width = fields[3].toInt(), height = fields[4].toInt();
            QVERIFY2(width < 100 || height < 40, qPrintable(QStringLiteral("an image of %1 x %2").arg(width).arg(height)));
        }
    }
};

}  // namespace waves

QTEST_MAIN(waves::WindowPrintTest)
#include "window_print_test.moc"
