#!/usr/bin/env bash
# The real program where the layout's fonts and their stand-ins are all
# missing: a private fontconfig configuration (FONTCONFIG_FILE) that sees
# the DejaVu fonts only, so neither "Times New Roman" and "ＭＳ Ｐゴシック"
# nor Liberation Serif and the IPA Gothic faces that stand in for them
# exist. The program must still start, draw its graphs and show the texts
# of its labels in whatever font fontconfig falls back to, and print nothing
# beyond what it prints on a normal start with the system's fonts, which
# runs first in the same way.
#
# Usage: fallback_fonts_test.sh WAVES_PROGRAM SCREEN_PROBE
set -u
program="$1"
x11_probe_program="$2"
# shellcheck source=test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

require_program "$program"
require_probe
require_command fc-list fontconfig

work=$(mktemp -d "${TMPDIR:-/tmp}/waves-fonts.XXXXXX") || fail "cannot make a folder"
trap 'x11_stop; rm -rf "$work"' EXIT

# --- A fontconfig that sees DejaVu only -------------------------------------

dejavu_file=$(fc-list -f '%{file}\n' 'DejaVu Sans' | head -n 1)
[ -n "$dejavu_file" ] || fail "DejaVu Sans is not installed (package fonts-dejavu-core)"
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$(dirname "$dejavu_file")</dir>
  <cachedir>$work/fontconfig-cache</cachedir>
</fontconfig>
EOF
families=$(FONTCONFIG_FILE="$work/fonts.conf" fc-list -f '%{family[0]}\n' | sort -u)
[ -n "$families" ] || fail "the private configuration sees no font at all"
others=$(grep -v '^DejaVu' <<<"$families")
[ -z "$others" ] || fail "the private configuration sees more than DejaVu: $others"
for wanted in "Times New Roman" "ＭＳ Ｐゴシック" "Liberation Serif" "IPAPGothic"; do
    match=$(FONTCONFIG_FILE="$work/fonts.conf" fc-match -f '%{family[0]}' "$wanted")
    [[ "$match" == DejaVu* ]] || fail "with the private configuration \"$wanted\" is matched by $match"
done
echo "ok: the private configuration sees only $(tr '\n' ',' <<<"$families" | sed 's/,$//; s/,/, /g')"

# --- The program, with either set of fonts --------------------------------

# run_program NAME: starts the program on a fresh X server, checks that
# its graphs and labels are drawn, clicks A's amplitude up once so that a
# label is written anew, and keeps what the program printed in NAME.log.
run_program() {
    local name="$1"
    x11_start_server || fail "$name: cannot start the X server"
    x11_start_program "$program" || fail "$name: cannot start $program"
    x11_find_window || fail "$name: the window did not appear"

    local grph std
    grph=$(x11_screen_rect 'Grph(0)') std=$(x11_screen_rect std_grph)
    # shellcheck disable=SC2086 # "x y w h"
    {
        # At the start A is 0, a red line over the axis; W = cos x leaves
        # most of its axis green.
        x11_wait_until 20 test_pixels 255 0 0 $grph || fail "$name: A's graph shows no red line"
        x11_wait_until 20 test_pixels 255 0 0 $std || fail "$name: W's graph shows no red curve"
        x11_wait_until 20 test_pixels 0 255 0 $std || fail "$name: W's graph shows no green axis"
    }
    local label
    for label in 'Labela(0) 192 192 192' 'labelt 192 192 192' 'switch_s(1) 255 255 192'; do
        # shellcheck disable=SC2086 # "name r g b"
        x11_wait_until 20 x11_shows_text $label || fail "$name: ${label%% *} shows no text"
    done
    # "Essential Wave" is written in black over the light cyan graph.
    # shellcheck disable=SC2046
    x11_wait_until 20 test_pixels 0 0 0 $(x11_screen_rect Label15) || fail "$name: no \"Essential Wave\""

    local before="$x11_dir/label-before.png" now="$x11_dir/label-now.png" rect
    rect=$(x11_screen_rect 'Labela(0)')
    # shellcheck disable=SC2086
    x11_grab "$before" $rect || fail "$name: cannot read Labela(0)"
    x11_click 'SpinButton3(0)' up 1 || fail "$name: cannot click"
    # shellcheck disable=SC2086
    label_changed() { x11_grab "$now" $rect && ! cmp -s "$before" "$now"; }
    x11_wait_until 20 label_changed || fail "$name: Labela(0) did not change after a click"

    kill -0 "$x11_program_pid" 2>/dev/null || fail "$name: the program ended"
    cp "$x11_dir/program.log" "$work/$name.log"
    # shellcheck disable=SC2046
    x11_grab "$work/$name.png" $(x11_screen_rect client) || fail "$name: cannot read the window"
    echo "ok: $name: the window draws its graphs and labels"
    x11_stop
}

# test_pixels R G B X Y W H: the rectangle has pixels of about that colour.
test_pixels() {
    local count
    count=$(x11_count "$@") || return 1
    ((count > 0))
}

unset FONTCONFIG_FILE
run_program "system fonts"
export FONTCONFIG_FILE="$work/fonts.conf"
run_program "DejaVu only"
# The captions look different: the program did draw with other fonts.
! cmp -s "$work/system fonts.png" "$work/DejaVu only.png" ||
    fail "the window looks the same with DejaVu only: the private configuration was not used"

new_lines=$(grep -vxF -f "$work/system fonts.log" "$work/DejaVu only.log")
if [ ! -s "$work/system fonts.log" ]; then new_lines=$(cat "$work/DejaVu only.log"); fi
[ -z "$new_lines" ] || fail "with DejaVu only the program printed what it does not print otherwise:" \
    "$new_lines"
echo "ok: with DejaVu only the program printed nothing new ($(wc -l <"$work/DejaVu only.log") lines in all)"
