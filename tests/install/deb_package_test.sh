#!/usr/bin/env bash
# CPack builds the Debian package `waves` from this build: it holds exactly
# the installed files in Debian's layout, owned by root, the program
# stripped, and it depends on what the program needs at run time: the Qt 6
# libraries it links, the package that ships Qt's xcb platform plugin, and
# the two font packages that stand in for the layout's Windows fonts.
#
# usage: deb_package_test.sh CPACK BUILD_DIR APP_ID VERSION
set -u
cpack="$1" build_dir="$2" app_id="$3" version="$4"
out="$build_dir/tests/install/deb"
# shellcheck source=check_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/check_lib.sh"

rm -rf "$out"
mkdir -p "$out"
(cd "$build_dir" && "$cpack" -G DEB -B "$out" --config CPackConfig.cmake) >"$out/cpack.log" 2>&1 ||
    stop_with_log "$out/cpack.log" "cpack failed"
architecture=$(dpkg --print-architecture)
deb="$out/waves_${version}_${architecture}.deb"
[ -f "$deb" ] || stop "no $deb; cpack made: $(ls "$out")"
ok "built $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = waves ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
[ "$(field Architecture)" = "$architecture" ] || fail "Architecture is '$(field Architecture)'"
for name in Maintainer Section Description; do
    [ -n "$(field "$name")" ] || fail "no $name field"
done

# Depends, as bare package names.
depends=$(field Depends)
mapfile -t depended < <(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | sort -u)
depends_on() { printf '%s\n' "${depended[@]}" | grep -qxF "$1"; }
# The package that ships the xcb platform plugin on this Debian release
# (libqt6gui6 on Debian 12), asked of dpkg rather than assumed.
xcb_plugin_package=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' 2>/dev/null | head -n 1 | cut -d: -f1)
[ -n "$xcb_plugin_package" ] || fail "cannot tell which package ships the xcb platform plugin (dpkg -S)"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 $xcb_plugin_package fonts-liberation2 fonts-ipafont-gothic; do
    depends_on "$needed" || fail "Depends lacks $needed: $depends"
done
for name in "${depended[@]}"; do
    case "$name" in
        *-dev | cmake | g++* | ninja-build) fail "Depends names a build-only package: $name" ;;
    esac
done
echo "Depends: $depends"

# Contents: exactly the installed files, in Debian's layout.
expected=$(printf '%s\n' usr/bin/waves \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    usr/share/doc/waves/copyright usr/share/doc/waves/README.md usr/share/doc/waves/README.ja.md \
    usr/share/man/man1/waves.1.gz usr/share/man/ja/man1/waves.1.gz | sort)
listing=$(dpkg-deb -c "$deb")
actual=$(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' <<<"$listing" | sort)
expect_files "$expected" "$actual" "holds exactly" "contents differ from the expected files (< expected, > packaged)"
while read -r mode owner path; do
    [ "$owner" = root/root ] || fail "$path is owned by $owner"
    want=-rw-r--r--
    case "$mode" in d*) want=drwxr-xr-x ;; esac
    [ "$path" = ./usr/bin/waves ] && want=-rwxr-xr-x
    [ "$mode" = "$want" ] || fail "$path has mode $mode, expected $want"
done < <(awk '{ print $1, $2, $6 }' <<<"$listing")

# The files themselves: a stripped program, a readable manual page, the
# licence where Debian looks for it.
unpacked="$out/unpacked"
dpkg-deb -x "$deb" "$unpacked" || fail "dpkg-deb -x failed"
if readelf -S "$unpacked/usr/bin/waves" | grep -qE '\.symtab|\.debug_'; then
    fail "the packaged program is not stripped"
fi
gzip -t "$unpacked/usr/share/man/man1/waves.1.gz" 2>/dev/null || fail "the manual page is not gzip data"
grep -q "MIT License" "$unpacked/usr/share/doc/waves/copyright" 2>/dev/null ||
    fail "usr/share/doc/waves/copyright does not hold the licence"

finish_checks
