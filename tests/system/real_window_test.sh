#!/usr/bin/env bash
# The real program in a real X server, driven by real X input.
#
# In a private Xvfb screen of 1024 x 768 pixels, with no window manager:
# - start-up centres the window: its outer size (start-up's, as x11.sh
#   reads it from the build) centred on the screen gives the outer top-left,
#   to within half a pixel. Undecorated, the X window is the client area
#   alone, of the layout's size, and its top-left is that outer top-left;
# - five clicks on the upper arrow of A's amplitude and one on the upper
#   arrow of A's frequency make A = 5 cos x: on the screen, A's graph goes
#   from a flat line on the axis to a curve at +5 at the left edge and at -5
#   in the middle (x = pi), and A's amplitude label changes.
#
# Usage: real_window_test.sh WAVES_PROGRAM SCREEN_PROBE, with
# WAVES_WINDOW_PLACES naming the places window_places wrote (x11.sh).
set -u
program="$1"
x11_probe_program="$2"
# shellcheck source=x11.sh
source "$(dirname "${BASH_SOURCE[0]}")/x11.sh"

# Left behind on a failure only, to show what the screen looked like.
failure_picture="$PWD/real_window_test_failure.png"
rm -f "$failure_picture"
fail() {
    echo "FAIL: $*" >&2
    if [ -n "$x11_program_pid" ] && ! kill -0 "$x11_program_pid" 2>/dev/null; then
        echo "the program is no longer running" >&2
    fi
    if [ -n "$x11_dir" ] && x11_grab "$failure_picture" 2>/dev/null; then
        echo "the screen at the failure: $failure_picture" >&2
    fi
    [ -n "$x11_dir" ] && x11_show_logs >&2
    exit 1
}

[ -x "$program" ] || fail "no program at '$program'"
[ -x "$x11_probe_program" ] || fail "no screen_probe at '$x11_probe_program'"

x11_stop_on_exit
x11_start_server || fail "cannot start the X server"
x11_start_program "$program" || fail "cannot start $program"
x11_find_window || fail "the window did not appear"
echo "window $x11_window on $DISPLAY: top-left ${x11_window_x},${x11_window_y}," \
    "${x11_window_width} x ${x11_window_height}"

# --- Centred as start-up computes it -------------------------------------

x11_read_places || fail "cannot read where the layout puts the controls"
read -r _ _ outer_width_twips outer_height_twips <<<"${x11_places[outer]}"

# check_centred AXIS POSITION SCREEN_PIXELS OUTER_TWIPS: the position lies
# within half a pixel of (screen - outer) / 2, the centred position in
# twips (how a half pixel is placed is the window's choice).
check_centred() {
    local axis="$1" position="$2" screen_twips=$(($3 * x11_twips_per_pixel)) outer="$4"
    local twice_centre=$((screen_twips - outer))  # twice the centred position, in twips
    local twice_offset=$((2 * x11_twips_per_pixel * position - twice_centre))
    ((twice_offset >= -x11_twips_per_pixel && twice_offset <= x11_twips_per_pixel)) ||
        fail "window $axis at $position px; centred is ($screen_twips - $outer) / 2 twips" \
            "= $((twice_centre / 2)).$((twice_centre % 2 * 5)) twips, $(awk -v t="$twice_centre" -v p="$x11_twips_per_pixel" 'BEGIN { print t / (2 * p) }') px"
}
check_centred left "$x11_window_x" "$x11_screen_width" "$outer_width_twips"
check_centred top "$x11_window_y" "$x11_screen_height" "$outer_height_twips"

read -r _ _ client_width client_height < <(x11_rect client)
if [ "$x11_window_width" -ne "$client_width" ] || [ "$x11_window_height" -ne "$client_height" ]; then
    fail "window is ${x11_window_width} x ${x11_window_height} px; the undecorated window is the" \
        "client area, ${client_width} x ${client_height} px"
fi
echo "ok: the window is centred and undecorated"

# --- A's graph and label, read from the screen ----------------------------

# The drawing area of Grph(0), inside the surface's one-pixel border. It
# shows x from 0 to 2 x 3.14159 across and A from 10 (top row) to -10
# (bottom row).
read -r graph_x graph_y graph_width graph_height < <(x11_screen_rect 'Grph(0)')
area_x=$((graph_x + 1)) area_y=$((graph_y + 1))
area_width=$((graph_width - 2)) area_height=$((graph_height - 2))

row_of() { awk -v a="$1" -v h="$area_height" 'BEGIN { printf "%d", (10 - a) / 20 * (h - 1) + 0.5 }'; }
column_of() { awk -v x="$1" -v w="$area_width" 'BEGIN { printf "%d", x / 6.28318 * (w - 1) + 0.5 }'; }

# red_in FIRST_COLUMN LAST_COLUMN FIRST_ROW LAST_ROW: red pixels in that part
# of the drawing area, ends included.
red_in() {
    x11_count 255 0 0 $((area_x + $1)) $((area_y + $3)) $(($2 - $1 + 1)) $(($4 - $3 + 1))
}

# curve_at FIRST_COLUMN LAST_COLUMN A: the columns show red, and all of it
# within a row of the row of A. Leaves the count of red pixels in
# `red_total` and what it saw in `seen`.
red_total=0
seen=""
curve_at() {
    local first="$1" last="$2" row near
    row=$(row_of "$3")
    red_total=$(red_in "$first" "$last" 0 $((area_height - 1))) || return 1
    near=$(red_in "$first" "$last" $((row - 1)) $((row + 1))) || return 1
    seen="columns $first to $last: $red_total red pixels, $near of them within a row of row $row (A = $3)"
    ((near > 0 && near == red_total))
}

label_rect=$(x11_screen_rect 'Labela(0)')
label_before="$x11_dir/label-before.png"
label_now="$x11_dir/label-now.png"

label_changed() {
    # shellcheck disable=SC2086
    x11_grab "$label_now" $label_rect && ! cmp -s "$label_before" "$label_now"
}

last_column=$((area_width - 1))
left_edge=(0 7)                                       # x up to 0.2: cos x > 0.97
middle=$(column_of 3.14159)
around_middle=($((middle - 4)) $((middle + 4)))       # x within 0.1 of pi: cos x < -0.99

# --- Before the clicks: A = 0, a flat line on the axis --------------------

axis_line() { curve_at 0 "$last_column" 0 && ((red_total > area_width / 2)); }
x11_wait_until 20 axis_line || fail "A's graph never showed A = 0 on the axis; $seen"
x11_wait_until 20 x11_shows_text 'Labela(0)' 192 192 192 || fail "Labela(0) never showed its text"
# shellcheck disable=SC2086
x11_grab "$label_before" $label_rect || fail "cannot read Labela(0) from the screen"
echo "ok: before the clicks A's graph is a flat line on the axis"

# --- Real clicks ----------------------------------------------------------

x11_click 'SpinButton3(0)' up 5 || fail "cannot click SpinButton3(0)"
x11_click 'SpinButton4(0)' up 1 || fail "cannot click SpinButton4(0)"

a_is_5_cos_x() { curve_at "${left_edge[@]}" 5 && curve_at "${around_middle[@]}" -5; }
x11_wait_until 20 a_is_5_cos_x || fail "A's graph does not show 5 cos x after the clicks; $seen"
echo "ok: A's graph shows 5 cos x: +5 at the left edge, -5 in the middle"

x11_wait_until 20 label_changed || fail "Labela(0) looks the same after the clicks"
echo "ok: Labela(0) changed"

kill -0 "$x11_program_pid" 2>/dev/null || fail "the program ended"
echo "ok: the real window"
