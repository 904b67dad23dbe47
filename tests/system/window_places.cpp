// window_places OUT.sh: writes, from the layout tables, the bash file that
// tests/system/x11.sh reads to find the controls of the real window. It
// sets x11_twips_per_pixel and x11_places, which maps "client" (the client
// area), "outer" (the window's outer size) and every control's name to
// "LEFT TOP WIDTH HEIGHT" in twips from the client area's top-left.
#include <fstream>
#include <iostream>
#include <string>

#include "core/app/start_up.h"
#include "layout/layout_table.h"

int main(int argc, char* argv[]) {
    using namespace waves;
    if (argc != 2) {
        std::cerr << "usage: window_places OUT.sh\n";
        return 2;
    }
    std::ofstream out(argv[1]);
    const auto place = [&](const std::string& name, const TwipRect& r) {
        out << "    [\"" << name << "\"]=\"" << r.left << ' ' << r.top << ' ' << r.width << ' ' << r.height << "\"\n";
    };
    out << "# shellcheck shell=bash disable=SC2034\n# Written by window_places from the layout tables.\n"
        << "x11_twips_per_pixel=" << kTwipsPerPixel << "\ndeclare -gA x11_places=(\n";
    place("client", {0, 0, kClientWidthTwips, kClientHeightTwips});
    place("outer", {0, 0, static_cast<int>(kOuterWidthTwips), static_cast<int>(kOuterHeightTwips)});
    const std::vector<ControlSpec>& layout = window_layout();
    for (std::size_t index = 0; index < layout.size(); ++index) {
        place(layout[index].name, window_rect(layout, static_cast<int>(index)));
    }
    out << ")\n";
    out.close();
    if (!out) std::cerr << "window_places: cannot write " << argv[1] << "\n";
    return out ? 0 : 1;
}
