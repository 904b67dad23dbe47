#!/usr/bin/env bash
# `cmake --install` into a throwaway root lays out exactly the program, its
# desktop entry, icon, AppStream metainfo, manual page and documentation;
# the desktop entry and the metainfo pass their validators, and the files
# name each other consistently (application id, executable, version).
#
# usage: install_tree_test.sh CMAKE BUILD_DIR APP_ID VERSION
set -u
cmake="$1" build_dir="$2" app_id="$3" version="$4"
root="$build_dir/tests/install/tree"
# shellcheck source=check_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/check_lib.sh"

rm -rf "$root"
mkdir -p "$(dirname "$root")"
DESTDIR="$root" "$cmake" --install "$build_dir" --prefix /usr >"$root.log" 2>&1 ||
    stop_with_log "$root.log" "cmake --install failed"

desktop_file="usr/share/applications/$app_id.desktop"
icon_file="usr/share/icons/hicolor/scalable/apps/$app_id.svg"
metainfo_file="usr/share/metainfo/$app_id.metainfo.xml"
expected=$(printf '%s\n' usr/bin/waves "$desktop_file" "$icon_file" "$metainfo_file" \
    usr/share/doc/waves/LICENSE usr/share/doc/waves/README.md usr/share/doc/waves/README.ja.md \
    usr/share/man/man1/waves.1 usr/share/man/ja/man1/waves.1 | sort)
actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | sort)
expect_files "$expected" "$actual" "installed exactly" \
    "installed files differ from the expected ones (< expected, > installed)"

for file in "$desktop_file" "$icon_file" "$metainfo_file"; do
    [ -f "$root/$file" ] || stop "nothing more to check without $file"
done

# Only the program is executable.
while read -r mode path; do
    want=644
    [ "$path" = usr/bin/waves ] && want=755
    [ "$mode" = "$want" ] || fail "$path has mode $mode, expected $want"
done < <(cd "$root" && find . -type f -printf '%m %P\n')

# The validators: errors and warnings fail; hints are shown.
if ! report=$(desktop-file-validate "$root/$desktop_file" 2>&1); then
    fail "desktop-file-validate: $report"
elif grep -E ': (error|warning): ' <<<"$report"; then
    fail "desktop-file-validate warns (above)"
else
    ok "desktop-file-validate${report:+ (hints: ${report##*hint: })}"
fi
if report=$(appstreamcli validate --no-net --strict "$root/$metainfo_file" 2>&1); then
    ok "appstreamcli validate --no-net --strict"
else
    fail "appstreamcli validate: $report"
fi

# The files agree with each other and with the build.
desktop_key() { sed -n "s/^$1=//p" "$root/$desktop_file"; }
[ "$(desktop_key Exec)" = waves ] || fail "desktop Exec is '$(desktop_key Exec)', expected the installed program 'waves'"
[ "$(desktop_key Icon)" = "$app_id" ] || fail "desktop Icon is '$(desktop_key Icon)', expected '$app_id'"
[ "$(desktop_key StartupWMClass)" = waves ] || fail "StartupWMClass is '$(desktop_key StartupWMClass)'; Qt's WM_CLASS is the executable name"
[ "$(desktop_key Name)" = "波の合成と積" ] || fail "desktop Name is '$(desktop_key Name)'"
[ "$(desktop_key Categories)" = "Education;Science;Physics;" ] || fail "Categories is '$(desktop_key Categories)'"
for key in 'Name\[en\]' Comment 'Comment\[ja\]' GenericName Keywords; do
    [ -n "$(desktop_key "$key")" ] || fail "desktop entry has no ${key//\\/}"
done

metainfo="$root/$metainfo_file"
tag() { sed -n "s|.*<$1>\(.*\)</${1%% *}>.*|\1|p" "$metainfo"; }
[ "$(tag id)" = "$app_id" ] || fail "metainfo id is '$(tag id)', expected '$app_id'"
[ "$(tag 'launchable type="desktop-id"')" = "$app_id.desktop" ] ||
    fail "metainfo launchable is '$(tag 'launchable type="desktop-id"')', expected '$app_id.desktop'"
[ "$(tag binary)" = waves ] || fail "metainfo provides binary '$(tag binary)', expected 'waves'"
newest_release=$(sed -n 's|.*<release version="\([^"]*\)".*|\1|p' "$metainfo" | head -n 1)
[ "$newest_release" = "$version" ] ||
    fail "the newest release in the metainfo is '$newest_release', but the project's version is $version"
grep -q '<image type="source"[^>]*>https://[^<]*/docs/screenshot\.png</image>' "$metainfo" ||
    fail "the metainfo's screenshot is not the README screenshot at a web address"
ok "desktop entry, icon and metainfo name the same application and program"

# The icon draws at the sizes a desktop asks for.
for size in 16 256; do
    png="$root.icon-$size.png"
    if rsvg-convert -w "$size" -h "$size" "$root/$icon_file" -o "$png" 2>"$root.rsvg.log" && [ -s "$png" ]; then
        ok "icon renders at $size px"
    else
        fail "icon does not render at $size px: $(cat "$root.rsvg.log")"
    fi
done

# The installed program links no library from the build tree.
runpath=$(readelf -d "$root/usr/bin/waves" | grep -E 'R(UN)?PATH' || true)
[ -z "$runpath" ] || fail "the installed program carries a library path: $runpath"

finish_checks
