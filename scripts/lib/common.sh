# Shared by the scripts in scripts/: finding the project, installing the
# Debian packages that are missing, configuring and building a preset.
# Sourced, not run.

project_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# What building needs on Debian 12 (lrelease compiles the translations;
# Python writes the Japanese manual page; Qt Svg writes the SVG pictures,
# Qt Print Support, in qt6-base-dev, prints).
build_packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev
    qt6-base-dev qt6-svg-dev libgl-dev qt6-l10n-tools python3
)

# Metric-compatible stand-ins for the layout's Windows fonts: Liberation
# Serif for "Times New Roman", IPA Gothic for the two Japanese Gothic faces.
font_packages=(fonts-liberation2 fonts-ipafont-gothic)

# The tests that run the real program in a real X server and click it, and
# read its pictures back from the clipboard (xclip); the pictures it writes
# as SVG and PDF, and what it prints, are rendered and read by rsvg-convert
# (librsvg2-bin) and poppler's pdftoppm, pdfinfo and pdfimages (poppler-utils).
x11_test_packages=(xvfb xdotool xauth xclip librsvg2-bin poppler-utils)

# The test that reads the window as a screen reader does, through AT-SPI.
screen_reader_test_packages=(at-spi2-core python3-pyatspi dbus-daemon)

# What CPack needs to build the Debian package: dpkg-shlibdeps (dpkg-dev)
# finds the package's library dependencies, among the files that `file`
# tells are programs and libraries.
deb_build_packages=(dpkg-dev file)

# The tests of the installation and the Debian package: the validators of
# the desktop entry and the AppStream metainfo, an SVG renderer for the
# icon, what building the package needs, and groff and man (groff-base,
# man-db), which check the manual pages.
package_test_packages=(desktop-file-utils appstream librsvg2-bin "${deb_build_packages[@]}" groff-base man-db)

# The tests of the program in hostile surroundings: strace traces the files
# and sockets it opens (inside a session bus of dbus-daemon's), fc-list and
# the DejaVu fonts stand in for a system without the layout's fonts, and
# valgrind's memcheck watches the real window's memory.
reliability_test_packages=(strace dbus-daemon fontconfig fonts-dejavu-core valgrind)

# What building the web page needs: Debian's Emscripten (it brings its own
# clang, binaryen and Node.js) and Python for sealing the page. Node.js's
# npm installs the QR code encoder the page carries from
# web/package-lock.json (install_page_modules).
web_packages=(emscripten cmake ninja-build python3 zopfli)

# The web page's tests: Debian's Chromium and Firefox ESR, run headless,
# WebKitGTK's MiniBrowser through WebKitWebDriver on an Xvfb display, zbarimg
# (zbar-tools) to read the share dialog's QR code back from a screenshot,
# and pdftoppm (poppler-utils) to look at the printed page. Node.js's npm
# installs playwright-core, puppeteer-core and axe-core from
# tests/web/package-lock.json.
web_test_packages=(chromium firefox-esr webkit2gtk-driver xvfb zbar-tools poppler-utils)

# Everything the whole test suite needs, the benchmark's library included
# (the dev build compiles the benchmark where it is installed, so CI keeps it
# building).
all_test_packages=(
    "${build_packages[@]}" libbenchmark-dev "${font_packages[@]}" "${x11_test_packages[@]}"
    "${screen_reader_test_packages[@]}" "${package_test_packages[@]}" "${reliability_test_packages[@]}"
    "${web_packages[@]}" "${web_test_packages[@]}"
)

# The lesson text's fuzzer (scripts/fuzz): clang 14 and its runtimes of
# libFuzzer and the sanitizers; g++ brings the C++ library clang uses.
fuzz_packages=(clang-14 libclang-rt-14-dev g++ cmake ninja-build)

# What scripts/fresh-check needs on this machine: debootstrap for the
# throwaway systems, and the X server and xdotool that show the run
# command's window.
fresh_check_packages=(debootstrap xvfb xdotool)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "error: installing packages needs root; run as root or install sudo." >&2
        return 1
    fi
}

# ensure_packages PKG... installs whichever of the packages are not installed.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing Debian packages: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# ensure_npm installs Debian's npm where no npm is on the PATH (Node.js from
# elsewhere brings its own, and Debian's would conflict with it).
ensure_npm() {
    command -v npm >/dev/null 2>&1 || ensure_packages npm
}

# install_npm_modules DIR installs the npm packages of DIR's package.json,
# exactly as its package-lock.json locks them, unless they are installed
# from that lock already.
install_npm_modules() {
    local dir="$1"
    ensure_npm
    if ! cmp -s "$dir/package-lock.json" "$dir/node_modules/.installed-lock.json" 2>/dev/null; then
        (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error)
        cp "$dir/package-lock.json" "$dir/node_modules/.installed-lock.json"
    fi
}

# The npm packages of the web page's tests.
install_web_test_modules() { install_npm_modules "$project_root/tests/web"; }

# The npm packages that building the web page inlines into it.
install_page_modules() { install_npm_modules "$project_root/web"; }

# build_preset NAME [TARGET...] configures the CMake preset NAME and builds
# the targets, or everything when none is named.
build_preset() {
    local preset="$1"
    shift
    cmake --preset "$preset" -S "$project_root" >/dev/null
    cmake --build --preset "$preset" ${1:+--target "$@"}
}
