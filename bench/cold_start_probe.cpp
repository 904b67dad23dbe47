// cold_start_probe: times the program's cold start in an X server, from the
// moment the process is started to the first moment the screen shows its
// window with every graph drawn, and reads the program's resident memory
// then and a second later. Used by scripts/coldstart.
//
//   cold_start_probe RUNS PROGRAM X Y
//
// X, Y: where the window's client area appears on the screen (start-up
// centres it, so it is the same every run; the script finds it once with
// xdotool). The probe is itself a Qt program on the same display, started
// and connected before the first run, so its own start-up is not timed.
//
// "Every graph drawn" is read from the screen: each of the eleven graph
// areas shows a pixel of its curve colour (red for W, A..D and A'..D', blue
// for E and E'), which with the start values lie along the axis. The
// screen is read about every two milliseconds.
//
// Prints one line per run and the medians. Exit status: 0 done, 1 the
// program could not be started or never showed its graphs, 2 wrong
// arguments.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QScreen>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/resident_memory.h"

extern char** environ;

namespace waves {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTwipsPerPixel = 15;
constexpr auto kPollInterval = std::chrono::milliseconds(2);
constexpr auto kGiveUpAfter = std::chrono::seconds(20);
constexpr auto kSettle = std::chrono::seconds(1);

int pixels(int twips) { return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel); }

struct Graph {
    const char* name;
    QRect area;  // in the client area, pixels, border included
    QRgb curve;
};

// The graphs' places in the client area (twips, from the window layout).
std::vector<Graph> graphs() {
    const QRgb red = qRgb(255, 0, 0);
    const QRgb blue = qRgb(0, 0, 255);
    const auto rect = [](int left, int top, int width, int height) {
        return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
    };
    std::vector<Graph> result{{"std_grph", rect(5880, 120, 3615, 975), red}};
    static const std::array<const char*, 4> component{"Grph(0)", "Grph(1)", "Grph(2)", "Grph(3)"};
    static const std::array<const char*, 4> product{"m_grph(0)", "m_grph(1)", "m_grph(2)", "m_grph(3)"};
    for (std::size_t i = 0; i < 4; ++i) {
        const int top = 1080 + 960 * static_cast<int>(i) + 120;
        result.push_back({component[i], rect(240, top, 3615, 975), red});
        result.push_back({product[i], rect(5880, top, 3615, 975), red});
    }
    result.push_back({"Gr", rect(240, 5040, 3615, 1815), blue});
    result.push_back({"m_gr", rect(5880, 5040, 3615, 1815), blue});
    return result;
}

bool shows(const QImage& client, const Graph& graph) {
    const QRect area = graph.area.intersected(client.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(client.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((line[x] & 0xffffff) == (graph.curve & 0xffffff)) return true;
        }
    }
    return false;
}

struct Run {
    double drawn_ms;
    double resident_mib;
    double settled_mib;
};

std::optional<Run> run_once(const char* program, QScreen& screen, QPoint origin, const std::vector<Graph>& all) {
    QRect client;
    for (const Graph& g : all) client |= g.area;
    client.setTopLeft(QPoint(0, 0));

    char* const arguments[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    if (posix_spawn(&pid, program, nullptr, nullptr, arguments, environ) != 0) {
        std::fprintf(stderr, "cold_start_probe: cannot start %s\n", program);
        return std::nullopt;
    }
    std::optional<Run> result;
    while (Clock::now() - start < kGiveUpAfter) {
        const QImage shot = screen.grabWindow(0, origin.x(), origin.y(), client.width(), client.height())
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
        const Clock::time_point seen = Clock::now();
        if (!shot.isNull() && std::all_of(all.begin(), all.end(), [&](const Graph& g) { return shows(shot, g); })) {
            const double drawn = std::chrono::duration<double, std::milli>(seen - start).count();
            const std::string id = std::to_string(pid);
            const double resident = resident_mebibytes(id).value_or(0.0);
            std::this_thread::sleep_for(kSettle);
            result = Run{drawn, resident, resident_mebibytes(id).value_or(0.0)};
            break;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    if (!result) std::fprintf(stderr, "cold_start_probe: the graphs never all showed\n");
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace

}  // namespace waves

int main(int argc, char* argv[]) {
    using namespace waves;
    if (argc != 5) {
        std::fputs("usage: cold_start_probe RUNS PROGRAM X Y\n", stderr);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char* program = argv[2];
    const QPoint origin(std::atoi(argv[3]), std::atoi(argv[4]));
    if (runs < 1) return 2;
    // The probe's own connection to the display is made here, before any run.
    QGuiApplication application(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 1;
    const std::vector<Graph> all = graphs();

    std::vector<double> drawn, resident, settled;
    for (int i = 1; i <= runs; ++i) {
        const auto run = run_once(program, *screen, origin, all);
        if (!run) return 1;
        std::printf("run %2d: every graph on the screen after %6.1f ms; resident %5.1f MiB, %5.1f MiB a second later\n",
                    i, run->drawn_ms, run->resident_mib, run->settled_mib);
        drawn.push_back(run->drawn_ms);
        resident.push_back(run->resident_mib);
        settled.push_back(run->settled_mib);
    }
    std::printf("median of %d runs: cold start %.1f ms; resident memory %.1f MiB at that moment, %.1f MiB a second later\n",
                runs, median(drawn), median(resident), median(settled));
    return 0;
}
