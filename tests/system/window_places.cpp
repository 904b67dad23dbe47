// window_places: where the window's controls lie, for the shell scripts
// that click the real window (tests/system/x11.sh), written from the layout
// tables at build time as a bash file to source:
//
//   window_places OUT.sh
//
// It sets x11_twips_per_pixel and x11_places, which maps "client" (the
// client area), "outer" (the window's outer size, at 0 0) and the name of
// every control to "LEFT TOP WIDTH HEIGHT", in twips from the top-left of
// the client area. Exit status: 0 written, 1 the file could not be
// written, 2 wrong arguments.
#include <fstream>
#include <iostream>
#include <string>

#include "core/app/start_up.h"
#include "layout/layout_table.h"

namespace waves {
namespace {

void place(std::ostream& out, const std::string& name, const TwipRect& rect) {
    out << "    [\"" << name << "\"]=\"" << rect.left << ' ' << rect.top << ' ' << rect.width << ' ' << rect.height
        << "\"\n";
}

}  // namespace
}  // namespace waves

int main(int argc, char* argv[]) {
    using namespace waves;
    if (argc != 2) {
        std::cerr << "usage: window_places OUT.sh\n";
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "# shellcheck shell=bash disable=SC2034\n"
           "# Written by window_places from the layout tables; not to be edited.\n"
        << "x11_twips_per_pixel=" << kTwipsPerPixel << "\n"
        << "declare -gA x11_places=(\n";
    place(out, "client", {0, 0, kClientWidthTwips, kClientHeightTwips});
    place(out, "outer", {0, 0, static_cast<int>(kOuterWidthTwips), static_cast<int>(kOuterHeightTwips)});
    const std::vector<ControlSpec>& layout = window_layout();
    for (int index = 0; index < static_cast<int>(layout.size()); ++index) {
        place(out, layout[static_cast<std::size_t>(index)].name, window_rect(layout, index));
    }
    out << ")\n";
    out.close();
    if (!out) {
        std::cerr << "window_places: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
