// The desktop's graph pictures for every lesson the lesson table accepts,
// for the test that compares them with the web page's canvases
// (tests/web/identity.test.mjs).
//
//   picture_dump TABLE OUT_DIR
//
// Runs on Qt's offscreen platform at the device pixel ratio QT_SCALE_FACTOR
// gives. For the n-th accepted row of TABLE (counting from 0) it opens a
// fresh window in that lesson, as --state does, and writes each graph's
// picture without the mean's caption (text, which each front end sets with
// its own font engine) to OUT_DIR/<n>-<graph>.rgba: the width and height as
// two 32-bit little-endian numbers, then the pixels in rows, R, G, B, A.
// It prints one line per lesson, "<n> <lesson text>", and exits 1, saying
// why, if the table cannot be read or a file not written.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include <cstdio>
#include <fstream>
#include <string>
#include <variant>

#include "core/app/lesson_state_text.h"
#include "ui/graph_surface_widget.h"
#include "ui/main_window.h"

namespace {

bool write_picture(const QString& path, const QImage& picture) {
    const QImage pixels = picture.convertToFormat(QImage::Format_RGBA8888);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const quint32 size[2] = {static_cast<quint32>(pixels.width()), static_cast<quint32>(pixels.height())};
    for (const quint32 value : size) {
        const char bytes[4] = {char(value & 0xff), char((value >> 8) & 0xff), char((value >> 16) & 0xff),
                               char((value >> 24) & 0xff)};
        file.write(bytes, 4);
    }
    for (int row = 0; row < pixels.height(); ++row) {
        file.write(reinterpret_cast<const char*>(pixels.constScanLine(row)), qint64(pixels.width()) * 4);
    }
    return file.error() == QFileDevice::NoError;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace waves;
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: picture_dump TABLE OUT_DIR\n");
        return 1;
    }
    std::ifstream table(argv[1]);
    if (!table) {
        std::fprintf(stderr, "picture_dump: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    int accepted = 0;
    std::string row;
    while (std::getline(table, row)) {
        if (row.empty() || row.rfind("# ", 0) == 0) continue;
        const auto tab = row.find('\t');
        if (tab == std::string::npos || row.compare(tab + 1, 2, "= ") != 0) continue;
        const auto read = read_state_text(std::string_view(row).substr(0, tab));
        if (!std::holds_alternative<LessonState>(read)) {
            std::fprintf(stderr, "picture_dump: the table accepts a lesson the reader refuses: %s\n",
                         row.substr(0, tab).c_str());
            return 1;
        }
        MainWindow window;
        window.open_lesson(std::get<LessonState>(read));
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            std::fprintf(stderr, "picture_dump: the window was not shown\n");
            return 1;
        }
        for (GraphSurfaceWidget* graph : window.findChildren<GraphSurfaceWidget*>()) {
            graph->set_mean_caption(std::nullopt);
            const QString path = out.filePath(QStringLiteral("%1-%2.rgba").arg(accepted).arg(graph->objectName()));
            if (!write_picture(path, graph->picture())) {
                std::fprintf(stderr, "picture_dump: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
        std::printf("%d %s\n", accepted, row.substr(0, tab).c_str());
        ++accepted;
    }
    return 0;
}
