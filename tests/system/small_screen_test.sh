#!/usr/bin/env bash
# The real program on X screens smaller than its window's outer size:
# centring alone would put the window's top-left corner, and with it the
# title bar, above or left of the screen. The window must keep its top-left
# corner on the screen, at the screen's edge on an axis where the screen is
# too small, and stay centred on an axis where it is not.
#
# Each screen is a private Xvfb without a window manager, so the X window
# is the client area and its position is the outer position (see
# tests/system/x11.sh).
#
# Usage: small_screen_test.sh WAVES_PROGRAM, with WAVES_WINDOW_PLACES naming
# the places window_places wrote (x11.sh), the outer size among them.
set -u
program="$1"
# shellcheck source=test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

require_program "$program"

x11_read_places || fail "cannot read where the layout puts the controls"
read -r _ _ outer_width outer_height < <(x11_rect outer)  # pixels

# expect_position AXIS POSITION SCREEN OUTER: on the screen's edge (0) if the
# window is larger than the screen on that axis, else centred to within
# half a pixel.
expect_position() {
    local axis="$1" position="$2" screen="$3" outer="$4"
    if ((outer > screen)); then
        ((position == 0)) || fail "$axis at $position px on a screen of $screen px: the window ($outer px) is" \
            "larger, so its $axis edge belongs at 0"
        return
    fi
    local twice_offset=$((2 * position - (screen - outer)))
    ((twice_offset >= -1 && twice_offset <= 1)) ||
        fail "$axis at $position px on a screen of $screen px: centred is ($screen - $outer) / 2 px"
}

for screen in 640x480 1024x480 600x768; do
    x11_screen_width=${screen%x*}
    x11_screen_height=${screen#*x}
    ((x11_screen_width < outer_width || x11_screen_height < outer_height)) ||
        fail "the $screen screen is not smaller than the window ($outer_width x $outer_height px)"
    x11_start_server || fail "cannot start an X server of $screen"
    x11_start_program "$program" || fail "cannot start $program"
    x11_find_window || fail "no window on the $screen screen"
    ((x11_window_x >= 0 && x11_window_y >= 0 && x11_window_x < x11_screen_width && x11_window_y < x11_screen_height)) ||
        fail "on a $screen screen the window's top-left corner is at ${x11_window_x},${x11_window_y}, off the screen"
    expect_position left "$x11_window_x" "$x11_screen_width" "$outer_width"
    expect_position top "$x11_window_y" "$x11_screen_height" "$outer_height"
    kill -0 "$x11_program_pid" 2>/dev/null || fail "the program ended on the $screen screen"
    echo "ok: on a $screen screen the window's top-left corner is at ${x11_window_x},${x11_window_y}"
    x11_stop
done
