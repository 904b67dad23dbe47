// Writes the layout's facts for the page and its tests (layout_facts.h):
//
//   waves_layout_facts SCRIPT JSON
//
// SCRIPT defines wavesLayoutFacts for the page's script; JSON holds the same
// object for the tests and scripts that drive the page.
#include <cstdio>
#include <fstream>
#include <string>

#include "web/layout_facts.h"

namespace {

bool write(const char* path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (file) return true;
    std::fprintf(stderr, "waves_layout_facts: cannot write %s\n", path);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: waves_layout_facts SCRIPT JSON\n");
        return 2;
    }
    const std::string facts = waves::layout_facts_json();
    const bool written = write(argv[1], "// Generated from the layout by waves_layout_facts.\nvar wavesLayoutFacts = " +
                                            facts + ";\n") &&
                         write(argv[2], facts + "\n");
    return written ? 0 : 1;
}
