#!/usr/bin/env bash
# The pictures for a worksheet, through the real clipboard: in a private X
# server, real key presses (xdotool) copy the window's picture, and what
# another program reads back from the clipboard (xclip, as image/png) is
# pixel for pixel what the screen shows (screen_probe), at a device pixel
# ratio of 1 and of 2 (QT_SCALE_FACTOR=2 on a larger screen).
#
# With A set to 5 cos x by clicks on its arrows (so that the sum E is a
# curve and its graph differs from every other graph), each ratio copies,
# in this order:
#   Ctrl+Shift+C  with an arrow focused: no graph has the focus, so the
#                 whole client area;
#   Ctrl+C        the client area;
#   Ctrl+Shift+C  with E's graph focused (a click on RESET, then Shift+Tab
#                 five times, back along the focus chain over A, B, C and D):
#                 the drawing area of E's graph, inside its one-pixel frame;
#   Ctrl+C        the client area again, now with the focus on the graph.
# (E's graph, unlike A's to D's, is not partly covered by the band below it,
# so all of its picture is on the screen to compare with.)
# Before each copy the clipboard is taken by xclip, so an old picture is
# never read as a new one. Every PNG is also checked for its resolution:
# 96 dots per inch times the ratio.
#
# Usage: picture_copy_test.sh WAVES_PROGRAM SCREEN_PROBE
set -u
program="$1"
x11_probe_program="$2"
# shellcheck source=test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

require_program "$program"
require_probe
require_command xclip xclip

ratio=1

# device_rect NAME: the control's rectangle on the screen, in device pixels.
device_rect() {
    local x y w h
    read -r x y w h < <(x11_rect "$1") || return 1
    echo "$((x11_window_x + ratio * x)) $((x11_window_y + ratio * y)) $((ratio * w)) $((ratio * h))"
}

# drawing_area NAME: a graph's drawing area, inside its one-pixel frame.
drawing_area() {
    local x y w h
    read -r x y w h < <(device_rect "$1") || return 1
    echo "$((x + ratio)) $((y + ratio)) $((w - 2 * ratio)) $((h - 2 * ratio))"
}

# click NAME PART [TIMES]: real clicks, at the ratio.
click() {
    local x y times="${3:-1}"
    read -r x y < <(x11_point "$1" "$2") || return 1
    while ((times-- > 0)); do
        xdotool mousemove --window "$x11_window" $((ratio * x)) $((ratio * y)) click 1 || return 1
    done
}

start_window() {
    x11_start_server || fail "cannot start the X server"
    x11_client_environment
    env "${x11_environment[@]}" QT_SCALE_FACTOR="$ratio" "$program" </dev/null >"$x11_dir/program.log" 2>&1 &
    x11_program_pid=$!
    x11_find_window || fail "the window did not appear"
    local width height
    read -r _ _ width height < <(device_rect client)
    [ "$x11_window_width" -eq "$width" ] && [ "$x11_window_height" -eq "$height" ] ||
        fail "the window is $x11_window_width x $x11_window_height pixels, expected $width x $height at ratio $ratio"
    # The axis of A's graph, in red: the window is drawn.
    # shellcheck disable=SC2046 # "x y w h"
    a_drawn() { (($(x11_count 255 0 0 $(drawing_area 'Grph(0)')) > 0)); }
    x11_wait_until 20 a_drawn || fail "A's graph was never drawn"
    xdotool windowfocus --sync "$x11_window" || fail "cannot give the window the keyboard focus"
}

clipboard="" screen=""
# copy KEYS RECTANGLE_COMMAND: presses KEYS in the window and compares the
# clipboard's image/png with that rectangle of the screen.
copy() {
    local keys="$1" what="$2" rect
    rect=$($what) || fail "no rectangle from '$what'"
    local label="ratio $ratio: $keys, $what"
    printf 'nothing yet' | xclip -selection clipboard -i || fail "xclip cannot take the clipboard"
    xdotool key --clearmodifiers "$keys" || fail "$label: cannot press the keys"
    offers_png() { xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx 'image/png'; }
    x11_wait_until 20 offers_png || fail "$label: the clipboard never offered image/png"
    xclip -selection clipboard -t image/png -o >"$clipboard" || fail "$label: cannot read the clipboard"
    # shellcheck disable=SC2086 # "x y w h"
    matches_screen() { x11_grab "$screen" $rect && x11_probe same "$clipboard" "$screen" 2>"$x11_dir/same.log"; }
    x11_wait_until 20 matches_screen || fail "$label: the clipboard is not the screen's ($rect): $(cat "$x11_dir/same.log")"
    # The pHYs chunk follows the header: "pHYs", then dots per metre across.
    local chunk dpm wanted
    chunk=$(dd if="$clipboard" bs=1 skip=37 count=4 status=none)
    dpm=$(od -An -tu4 --endian=big -j 41 -N 4 "$clipboard" | tr -d ' ')
    wanted=$(awk -v r="$ratio" 'BEGIN { printf "%d", 96 * r / 0.0254 + 0.5 }')
    [ "$chunk" = pHYs ] && [ "$dpm" = "$wanted" ] ||
        fail "$label: the PNG's resolution is '$chunk' $dpm dots per metre, expected $wanted"
    echo "ok: $label: $(wc -c <"$clipboard") bytes of PNG, the screen's pixels"
}
client_area() { device_rect client; }
graph_e_area() { drawing_area Gr; }

for ratio in 1 2; do
    if ((ratio == 1)); then x11_screen_width=1024 x11_screen_height=768; else x11_screen_width=1600 x11_screen_height=1200; fi
    start_window
    clipboard="$x11_dir/clipboard.png" screen="$x11_dir/screen.png"

    click 'SpinButton3(0)' up 5 || fail "cannot click A's amplitude"
    click 'SpinButton4(0)' up 1 || fail "cannot click A's frequency"
    x11_pointer_away
    copy ctrl+shift+c client_area
    copy ctrl+c client_area

    click Command1 centre || fail "cannot click RESET"
    x11_pointer_away
    xdotool key --clearmodifiers --repeat 5 shift+Tab || fail "cannot press Shift+Tab"
    copy ctrl+shift+c graph_e_area
    copy ctrl+c client_area

    kill -0 "$x11_program_pid" 2>/dev/null || fail "the program ended"
    x11_stop
done
echo "ok: the clipboard holds the pictures the screen shows"
