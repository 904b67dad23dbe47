// screen_probe: reads the screen of the X display named by $DISPLAY, for the
// tests and scripts that run the real program in a private X server.
//
//   screen_probe grab OUT.png [x y w h]
//       saves the whole screen, or the rectangle of it, as a PNG;
//   screen_probe count R G B x y w h
//       prints how many pixels of the rectangle match the colour, each of
//       red, green and blue within kTolerance.
//   screen_probe same A.png B.png
//       compares two pictures pixel for pixel, exactly: status 0 when they
//       have the same size and pixels; 1, with what differs, otherwise.
//
// Coordinates are screen pixels. It always uses the X11 (xcb) platform,
// whatever QT_QPA_PLATFORM says. Exit status: 0 done, 1 the screen could
// not be read or the file not written, 2 wrong arguments.
#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace waves {

namespace {

// Anti-aliased text keeps a few pixels near its colour, and the plots' lines
// are drawn exactly in theirs.
constexpr int kTolerance = 24;

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int usage() {
    std::fputs("usage: screen_probe grab OUT.png [x y w h]\n"
               "       screen_probe count R G B x y w h\n"
               "       screen_probe same A.png B.png\n",
               stderr);
    return kUsage;
}

std::optional<int> number(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

// The rectangle given by the four arguments from `first` on.
std::optional<QRect> rectangle(const QStringList& arguments, qsizetype first) {
    const auto x = number(arguments[first]);
    const auto y = number(arguments[first + 1]);
    const auto w = number(arguments[first + 2]);
    const auto h = number(arguments[first + 3]);
    if (!x || !y || !w || !h || *w <= 0 || *h <= 0) return std::nullopt;
    return QRect(*x, *y, *w, *h);
}

// The rectangle of the screen, or a null image if it is not all on the
// screen. An empty rectangle means the whole screen.
QImage grab(QRect area) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    if (area.isEmpty()) area = screen->geometry();
    if (!screen->geometry().contains(area)) return {};
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

bool matches(QRgb pixel, int red, int green, int blue) {
    return std::abs(qRed(pixel) - red) <= kTolerance && std::abs(qGreen(pixel) - green) <= kTolerance &&
           std::abs(qBlue(pixel) - blue) <= kTolerance;
}

int grab_to_file(const QStringList& arguments) {
    if (arguments.size() != 3 && arguments.size() != 7) return usage();
    QRect area;  // empty: the whole screen
    if (arguments.size() == 7) {
        const auto given = rectangle(arguments, 3);
        if (!given) return usage();
        area = *given;
    }
    const QImage image = grab(area);
    if (image.isNull()) {
        std::fputs("screen_probe: cannot read that part of the screen\n", stderr);
        return kFailed;
    }
    if (!image.save(arguments[2], "PNG")) {
        std::fprintf(stderr, "screen_probe: cannot write %s\n", qPrintable(arguments[2]));
        return kFailed;
    }
    return kDone;
}

int count_colour(const QStringList& arguments) {
    if (arguments.size() != 9) return usage();
    const auto red = number(arguments[2]);
    const auto green = number(arguments[3]);
    const auto blue = number(arguments[4]);
    const auto area = rectangle(arguments, 5);
    if (!red || !green || !blue || !area) return usage();
    const QImage image = grab(*area);
    if (image.size() != area->size()) {
        std::fputs("screen_probe: cannot read that part of the screen\n", stderr);
        return kFailed;
    }
    long count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (matches(image.pixel(x, y), *red, *green, *blue)) ++count;
        }
    }
    std::printf("%ld\n", count);
    return kDone;
}

int same_pictures(const QStringList& arguments) {
    if (arguments.size() != 4) return usage();
    QImage pictures[2];
    for (int i = 0; i < 2; ++i) {
        if (!pictures[i].load(arguments[2 + i])) {
            std::fprintf(stderr, "screen_probe: cannot read %s\n", qPrintable(arguments[2 + i]));
            return kFailed;
        }
        pictures[i] = pictures[i].convertToFormat(QImage::Format_RGB32);
    }
    if (pictures[0].size() != pictures[1].size()) {
        std::fprintf(stderr, "screen_probe: %d x %d and %d x %d pixels\n", pictures[0].width(),
                     pictures[0].height(), pictures[1].width(), pictures[1].height());
        return kFailed;
    }
    long differing = 0;
    QPoint first;
    for (int y = 0; y < pictures[0].height(); ++y) {
        for (int x = 0; x < pictures[0].width(); ++x) {
            if (pictures[0].pixel(x, y) == pictures[1].pixel(x, y)) continue;
            if (differing++ == 0) first = QPoint(x, y);
        }
    }
    if (differing > 0) {
        std::fprintf(stderr, "screen_probe: %ld pixels differ, the first at (%d, %d): #%06x and #%06x\n", differing,
                     first.x(), first.y(), pictures[0].pixel(first) & 0xffffffu, pictures[1].pixel(first) & 0xffffffu);
        return kFailed;
    }
    return kDone;
}

}  // namespace

}  // namespace waves

int main(int argc, char* argv[]) {
    using namespace waves;
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 2) return usage();
    if (arguments[1] == QLatin1String("grab")) return grab_to_file(arguments);
    if (arguments[1] == QLatin1String("count")) return count_colour(arguments);
    if (arguments[1] == QLatin1String("same")) return same_pictures(arguments);
    return usage();
}
