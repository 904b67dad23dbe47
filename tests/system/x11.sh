# shellcheck shell=bash disable=SC2034 # variables for the callers
# Runs the real program in a private X server and drives it with real X
# input: Xvfb on a free display, the program on it, its window found by its
# title, clicks placed by the window layout, and the screen read back with
# screen_probe (tests/system/screen_probe.cpp). Sourced, not run; needs Xvfb
# and xdotool (x11_test_packages in common.sh).
#
#   x11_probe_program=/path/to/screen_probe
#   x11_places_file=/path/to/window_places.sh   # or $WAVES_WINDOW_PLACES
#   x11_stop_on_exit                  # whatever starts is stopped on any exit
#   x11_start_server || …             # Xvfb, 1024 x 768, on a free display
#   x11_start_program PROGRAM || …
#   x11_find_window || …              # sets x11_window, x11_window_x/_y/_width/_height
#   x11_click 'SpinButton3(0)' up 5
#   x11_count 255 0 0 $(x11_screen_rect 'Grph(0)')
#
# Functions report a problem on stderr and return non-zero; the caller
# decides what to do. No window manager runs: the window is not decorated,
# so its X window is its client area and its position is its outer position.

x11_screen_width=1024
x11_screen_height=768
x11_window_title="波の合成と積"
x11_server_timeout=20   # seconds for Xvfb to take connections
x11_window_timeout=20   # seconds for the window to appear

# Where the controls lie: x11_places and x11_twips_per_pixel, read on first
# use from x11_places_file, which window_places (window_places.cpp) writes
# from the layout tables at build time. Pixels are twips divided by
# x11_twips_per_pixel, rounded, as the window lays itself out.
x11_places_file="${x11_places_file:-${WAVES_WINDOW_PLACES:-}}"
declare -gA x11_places=()
x11_twips_per_pixel=""

x11_dir=""
x11_server_pid=""
x11_program_pid=""
x11_window=""      # set by x11_find_window, with the window's position and size
x11_window_x=0 x11_window_y=0 x11_window_width=0 x11_window_height=0
x11_probe_program="${x11_probe_program:-}"

# Reads x11_places and x11_twips_per_pixel from x11_places_file, unless
# this shell has them already.
x11_read_places() {
    ((${#x11_places[@]} > 0)) && return 0
    [ -r "$x11_places_file" ] || { echo "x11: cannot read the window's places from '$x11_places_file'" >&2; return 1; }
    # shellcheck source=/dev/null
    source "$x11_places_file" || return 1
    ((${#x11_places[@]} > 0 && x11_twips_per_pixel > 0)) ||
        { echo "x11: '$x11_places_file' gives no places" >&2; return 1; }
}

# x11_place NAME: sets the caller's left, top, width and height to the
# control's place in twips from the client area.
x11_place() {
    x11_read_places || return 1
    [ -n "${x11_places[$1]:-}" ] || { echo "x11: the layout has no control '$1'" >&2; return 1; }
    read -r left top width height <<<"${x11_places[$1]}"
}

# Twips to whole pixels, halves rounded up. REQUIRES: twips >= 0.
x11_pixels() {
    echo $(((2 * $1 + x11_twips_per_pixel) / (2 * x11_twips_per_pixel)))
}

# x11_rect NAME: "x y w h" in pixels from the window's client area.
x11_rect() {
    local left top width height
    x11_place "$1" || return 1
    echo "$(x11_pixels "$left") $(x11_pixels "$top") $(x11_pixels "$width") $(x11_pixels "$height")"
}

# x11_screen_rect NAME: the same rectangle in screen pixels.
x11_screen_rect() {
    local x y w h
    read -r x y w h < <(x11_rect "$1") || return 1
    echo "$((x11_window_x + x)) $((x11_window_y + y)) $w $h"
}

# x11_point NAME PART: the pixel to click, from the client area. PART is
# up or down (the middle of a spin button's upper or lower arrow), centre,
# or indicator (the middle of the square at the left end, where an option
# button has its circle).
x11_point() {
    local left top width height qx qy
    x11_place "$1" || return 1
    # In quarter twips, so that every point is a whole number.
    case "$2" in
        up) qx=$((4 * left + 2 * width)) qy=$((4 * top + height)) ;;
        down) qx=$((4 * left + 2 * width)) qy=$((4 * top + 3 * height)) ;;
        centre) qx=$((4 * left + 2 * width)) qy=$((4 * top + 2 * height)) ;;
        indicator) qx=$((4 * left + 2 * height)) qy=$((4 * top + 2 * height)) ;;
        *) echo "x11: no part '$2'" >&2; return 1 ;;
    esac
    local quarter=$((4 * x11_twips_per_pixel))
    echo "$(((2 * qx + quarter) / (2 * quarter))) $(((2 * qy + quarter) / (2 * quarter)))"
}

# Stops a process this shell started: TERM, up to five seconds, then KILL.
# Every step may find the process gone already; none of them fails, so it
# runs to the end under `set -e` too.
x11_end_process() {
    local pid="$1" tries=50
    kill "$pid" 2>/dev/null || true
    while kill -0 "$pid" 2>/dev/null && ((tries-- > 0)); do sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# Stops the program and the server and removes the files; safe to call twice.
x11_stop() {
    if [ -n "$x11_program_pid" ]; then x11_end_process "$x11_program_pid"; fi
    x11_program_pid=""
    if [ -n "$x11_server_pid" ]; then x11_end_process "$x11_server_pid"; fi
    x11_server_pid=""
    if [ -n "$x11_dir" ]; then rm -rf "$x11_dir" || true; fi
    x11_dir=""
}

# Runs x11_stop on every way out: normal exit, failure, Ctrl-C, kill.
x11_stop_on_exit() {
    trap x11_stop EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

# Prints what the server and the program wrote, for a failure report.
x11_show_logs() {
    local log
    for log in "$x11_dir/xvfb.log" "$x11_dir/program.log"; do
        [ -s "$log" ] || continue
        echo "--- $(basename "$log"):"
        tail -n 20 "$log"
    done
}

# Starts Xvfb on a display number it picks itself, and waits until it
# takes connections (it writes the number to -displayfd then).
x11_start_server() {
    command -v Xvfb >/dev/null || { echo "x11: Xvfb is not installed (package xvfb)" >&2; return 1; }
    command -v xdotool >/dev/null || { echo "x11: xdotool is not installed" >&2; return 1; }
    x11_dir=$(mktemp -d "${TMPDIR:-/tmp}/waves-x11.XXXXXX") || return 1
    mkdir -m 700 "$x11_dir/runtime"
    mkfifo "$x11_dir/display-number"
    Xvfb -displayfd 3 -screen 0 "${x11_screen_width}x${x11_screen_height}x24" -nolisten tcp \
        3>"$x11_dir/display-number" </dev/null >"$x11_dir/xvfb.log" 2>&1 &
    x11_server_pid=$!
    local number=""
    read -r -t "$x11_server_timeout" number <"$x11_dir/display-number"
    if [[ ! "$number" =~ ^[0-9]+$ ]]; then
        echo "x11: Xvfb did not start within ${x11_server_timeout} s" >&2
        x11_show_logs >&2
        return 1
    fi
    export DISPLAY=":$number"
}

# `env` arguments for every X client started here: the private display,
# the X11 platform, no scaling from the caller's environment.
x11_client_environment() {
    x11_environment=(-u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS
        -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI
        QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$x11_dir/runtime" DISPLAY="$DISPLAY")
}

# Starts the program as a direct child (env execs it), so that
# x11_program_pid is the program itself and x11_stop can end it.
x11_start_program() {
    x11_client_environment
    env "${x11_environment[@]}" "$1" </dev/null >"$x11_dir/program.log" 2>&1 &
    x11_program_pid=$!
}

# Finds the program's window once it is mapped, and reads its position and
# size as xdotool reports them.
x11_find_window() {
    x11_window=$(timeout "$x11_window_timeout" xdotool search --sync --onlyvisible --name "^${x11_window_title}\$" |
        head -n 1)
    if [ -z "$x11_window" ]; then
        if kill -0 "$x11_program_pid" 2>/dev/null; then
            echo "x11: no window titled \"$x11_window_title\" appeared within ${x11_window_timeout} s" >&2
        else
            echo "x11: the program ended before its window appeared" >&2
        fi
        x11_show_logs >&2
        return 1
    fi
    local key value
    while IFS='=' read -r key value; do
        case "$key" in
            X) x11_window_x=$value ;;
            Y) x11_window_y=$value ;;
            WIDTH) x11_window_width=$value ;;
            HEIGHT) x11_window_height=$value ;;
        esac
    done < <(xdotool getwindowgeometry --shell "$x11_window")
    ((x11_window_width > 0 && x11_window_height > 0)) || { echo "x11: cannot read the window's geometry" >&2; return 1; }
}

# x11_click NAME PART [TIMES]: clicks the control with the left button, with
# real X pointer events, TIMES times (default once).
x11_click() {
    local point times="${3:-1}"
    point=$(x11_point "$1" "$2") || return 1
    while ((times-- > 0)); do
        # shellcheck disable=SC2086 # "x y"
        xdotool mousemove --window "$x11_window" $point click 1 || return 1
    done
}

# Moves the pointer off the window, so no control shows it hovering.
x11_pointer_away() {
    xdotool mousemove 0 0
}

x11_probe() {
    [ -x "$x11_probe_program" ] || { echo "x11: screen_probe not found at '$x11_probe_program'" >&2; return 1; }
    x11_client_environment
    env "${x11_environment[@]}" "$x11_probe_program" "$@"
}

# x11_count R G B X Y W H: prints how many pixels of the screen rectangle
# have about that colour.
x11_count() {
    x11_probe count "$@"
}

# x11_grab FILE [X Y W H]: saves the screen, or the rectangle, as a PNG.
x11_grab() {
    x11_probe grab "$@"
}

# x11_shows_text NAME R G B: the control is on the screen with text on it:
# its rectangle shows its background colour R G B and also something else.
x11_shows_text() {
    local rect background w h
    rect=$(x11_screen_rect "$1") || return 1
    # shellcheck disable=SC2086 # "x y w h"
    background=$(x11_count "$2" "$3" "$4" $rect) || return 1
    read -r _ _ w h <<<"$rect"
    ((background > 0 && background < w * h))
}

# x11_wait_until SECONDS COMMAND...: runs COMMAND until it succeeds, for at
# most SECONDS; returns non-zero if it never did.
x11_wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}
