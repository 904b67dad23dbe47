// Placeholder entry point until the Qt window lands.
#include <cstdio>

int main() {
    std::fputs("waves: the window is not built yet; run ./scripts/test to check the core.\n", stderr);
    return 1;
}
