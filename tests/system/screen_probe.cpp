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
//   screen_probe near A.png B.png R G B x y w h
//       compares the ink of one colour in a rectangle of two pictures of
//       the same size, A drawn aliased (each ink pixel has the colour, to
//       within kTolerance) and B perhaps anti-aliased (a pixel at least
//       kInkShare of the way from A's background, the rectangle's
//       commonest colour, to the colour): status 0 when every ink pixel
//       of either lies within one pixel (across or along) of an ink pixel
//       of the other and A has some; 1, with the first stray, otherwise.
//
// Coordinates are screen pixels. It always uses the X11 (xcb) platform,
// whatever QT_QPA_PLATFORM says. Exit status: 0 done, 1 the screen could
// not be read or the file not written, 2 wrong arguments.
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace waves {

namespace {

// Anti-aliased text keeps a few pixels near its colour, and the plots' lines
// are drawn exactly in theirs.
constexpr int kTolerance = 24;

// How far an anti-aliased pixel must be from the background to the colour
// to count as ink: a one-pixel line across two pixels shades each about half.
constexpr double kInkShare = 0.35;

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int usage() {
    std::fputs("usage: screen_probe grab OUT.png [x y w h]\n"
               "       screen_probe count R G B x y w h\n"
               "       screen_probe same A.png B.png\n"
               "       screen_probe near A.png B.png R G B x y w h\n",
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

// Reads the two pictures named by the arguments after the mode, as RGB32;
// says which one it cannot read.
bool load_two_pictures(const QStringList& arguments, QImage (&pictures)[2]) {
    for (int i = 0; i < 2; ++i) {
        if (!pictures[i].load(arguments[2 + i])) {
            std::fprintf(stderr, "screen_probe: cannot read %s\n", qPrintable(arguments[2 + i]));
            return false;
        }
        pictures[i] = pictures[i].convertToFormat(QImage::Format_RGB32);
    }
    return true;
}

int same_pictures(const QStringList& arguments) {
    if (arguments.size() != 4) return usage();
    QImage pictures[2];
    if (!load_two_pictures(arguments, pictures)) return kFailed;
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

double distance(QRgb a, QRgb b) {
    const double red = qRed(a) - qRed(b), green = qGreen(a) - qGreen(b), blue = qBlue(a) - qBlue(b);
    return std::sqrt(red * red + green * green + blue * blue);
}

QRgb commonest_colour(const QImage& image, QRect area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
    }
    QRgb commonest = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) std::tie(commonest, most) = std::pair(it.key(), it.value());
    }
    return commonest;
}

// ink[y][x] for the rectangle, by the test given.
template <class IsInk>
std::vector<std::vector<bool>> ink_of(const QImage& image, QRect area, IsInk is_ink) {
    std::vector<std::vector<bool>> ink(area.height(), std::vector<bool>(area.width()));
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) ink[y][x] = is_ink(image.pixel(area.left() + x, area.top() + y));
    }
    return ink;
}

// The first ink pixel of `from` with no ink of `to` within one pixel.
std::optional<QPoint> stray_ink(const std::vector<std::vector<bool>>& from, const std::vector<std::vector<bool>>& to) {
    const int height = static_cast<int>(from.size());
    for (int y = 0; y < height; ++y) {
        const int width = static_cast<int>(from[y].size());
        for (int x = 0; x < width; ++x) {
            if (!from[y][x]) continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    const int ny = y + dy, nx = x + dx;
                    near = ny >= 0 && ny < height && nx >= 0 && nx < width && to[ny][nx];
                }
            }
            if (!near) return QPoint(x, y);
        }
    }
    return std::nullopt;
}

int near_pictures(const QStringList& arguments) {
    if (arguments.size() != 11) return usage();
    QImage pictures[2];
    if (!load_two_pictures(arguments, pictures)) return kFailed;
    const auto red = number(arguments[4]);
    const auto green = number(arguments[5]);
    const auto blue = number(arguments[6]);
    const auto area = rectangle(arguments, 7);
    if (!red || !green || !blue || !area) return usage();
    if (pictures[0].size() != pictures[1].size() || !pictures[0].rect().contains(*area)) {
        std::fprintf(stderr, "screen_probe: %d x %d and %d x %d pixels, not both holding the rectangle\n",
                     pictures[0].width(), pictures[0].height(), pictures[1].width(), pictures[1].height());
        return kFailed;
    }
    const QRgb colour = qRgb(*red, *green, *blue);
    const QRgb background = commonest_colour(pictures[0], *area);
    const double span = distance(background, colour);
    const auto aliased = ink_of(pictures[0], *area, [&](QRgb pixel) { return matches(pixel, *red, *green, *blue); });
    const auto shaded = ink_of(pictures[1], *area, [&](QRgb pixel) {
        return span > 0 && 1.0 - distance(pixel, colour) / span >= kInkShare;
    });
    long inked = 0;
    for (const auto& row : aliased) inked += std::count(row.begin(), row.end(), true);
    if (inked == 0) {
        std::fputs("screen_probe: the first picture has no pixel of that colour there\n", stderr);
        return kFailed;
    }
    for (int i = 0; i < 2; ++i) {
        const auto stray = i == 0 ? stray_ink(aliased, shaded) : stray_ink(shaded, aliased);
        if (!stray) continue;
        const QPoint at = *stray + area->topLeft();
        std::fprintf(stderr, "screen_probe: ink of %s at (%d, %d), #%06x, has none of %s within a pixel\n",
                     qPrintable(arguments[2 + i]), at.x(), at.y(), pictures[i].pixel(at) & 0xffffffu,
                     qPrintable(arguments[3 - i]));
        return kFailed;
    }
    std::printf("%ld\n", inked);
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
    if (arguments[1] == QLatin1String("near")) return near_pictures(arguments);
    return usage();
}
