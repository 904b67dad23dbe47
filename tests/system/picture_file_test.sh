#!/usr/bin/env bash
# The window's picture as a file, `waves --state LESSON --picture FILE`,
# against the picture Ctrl+C copies: in a private X server the window opens
# in the lesson, Ctrl+C copies it (read back with xclip, as in
# picture_copy_test.sh), and then, for the same lesson,
#   --picture FILE.png --scale 1  is that copy pixel for pixel;
#   --picture FILE.png            (scale 2) has twice its pixels each way
#                                 and a resolution of 192 dots per inch;
#   --picture FILE.svg            rendered by rsvg-convert, and
#   --picture FILE.pdf            rendered by pdftoppm at 96 dots per inch,
#                                 have the copy's size, and every curve
#                                 (A and A' in red, E and E' in blue) lies
#                                 within a pixel of the copy's; the SVG's
#                                 captions and values are text.
# The lesson gives A, B and the reference wave shapes of their own, so that
# every checked graph holds a curve that differs from the others.
#
# Usage: picture_file_test.sh WAVES_PROGRAM SCREEN_PROBE
set -u
program="$1"
x11_probe_program="$2"
# shellcheck source=test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

require_program "$program"
require_probe
require_command xclip xclip
require_command rsvg-convert librsvg2-bin
require_command pdftoppm poppler-utils

lesson='A=5c2&B=3s1&W=1.5c1&t=2'

x11_stop_on_exit
x11_start_server || fail "cannot start the X server"
x11_client_environment
env "${x11_environment[@]}" "$program" --state "$lesson" </dev/null >"$x11_dir/program.log" 2>&1 &
x11_program_pid=$!
x11_find_window || fail "the window did not appear"
# shellcheck disable=SC2046 # "x y w h"
a_drawn() { (($(x11_count 255 0 0 $(x11_screen_rect 'Grph(0)')) > 0)); }
x11_wait_until 20 a_drawn || fail "A's graph was never drawn"
xdotool windowfocus --sync "$x11_window" || fail "cannot give the window the keyboard focus"

copy="$x11_dir/copy.png"
printf 'nothing yet' | xclip -selection clipboard -i || fail "xclip cannot take the clipboard"
xdotool key --clearmodifiers ctrl+c || fail "cannot press Ctrl+C"
offers_png() { xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx 'image/png'; }
x11_wait_until 20 offers_png || fail "the clipboard never offered image/png"
xclip -selection clipboard -t image/png -o >"$copy" || fail "cannot read the clipboard"
# The server stays, for screen_probe; the window goes.
x11_end_process "$x11_program_pid"
x11_program_pid=""

# picture FILE [ARGUMENTS...]: writes the lesson's picture with no display.
picture() {
    local file="$x11_dir/$1"
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --state "$lesson" --picture "$file" "$@" \
        </dev/null >"$x11_dir/picture.log" 2>&1 || fail "--picture $file $*: status $?: $(cat "$x11_dir/picture.log")"
    [ -s "$file" ] || fail "--picture $file $*: wrote nothing"
}

# png_header FILE: width, height and dots per metre across.
png_header() {
    echo "$(od -An -tu4 --endian=big -j 16 -N 8 "$1") $(od -An -tu4 --endian=big -j 41 -N 4 "$1")" | tr -s ' '
}

picture scale1.png --scale 1
"$x11_probe_program" same "$copy" "$x11_dir/scale1.png" || fail "the PNG at scale 1 is not the Ctrl+C picture"
echo "ok: --picture at scale 1 is the Ctrl+C picture, pixel for pixel"

picture scale2.png
read -r width height _ < <(png_header "$copy")
read -r width2 height2 dpm2 < <(png_header "$x11_dir/scale2.png")
[ "$width2" -eq $((2 * width)) ] && [ "$height2" -eq $((2 * height)) ] && [ "$dpm2" -eq 7559 ] ||
    fail "the PNG at scale 2 is $width2 x $height2 at $dpm2 dots per metre; expected $((2 * width)) x $((2 * height)) at 7559"
echo "ok: --picture at the default scale 2: $width2 x $height2 pixels at 192 dots per inch"

# shellcheck disable=SC2086 # "x y w h"
curves_near() {
    local rendered="$1" name colour
    for name in 'Grph(0)' 'm_grph(0)' Gr m_gr; do
        colour="255 0 0"
        [[ "$name" == Gr || "$name" == m_gr ]] && colour="0 0 255"
        read -r x y w h < <(x11_rect "$name") || return 1
        # The drawing area, inside the graph's one-pixel frame.
        "$x11_probe_program" near "$copy" "$rendered" $colour $((x + 1)) $((y + 1)) $((w - 2)) $((h - 2)) \
            >/dev/null || { echo "in $name"; return 1; }
    done
}

picture window.svg
rsvg-convert --width "$width" --height "$height" -o "$x11_dir/svg.png" "$x11_dir/window.svg" ||
    fail "rsvg-convert cannot render the SVG"
curves_near "$x11_dir/svg.png" || fail "the SVG's curves are not the PNG's"
for text in '>Essential Wave</text>' '>RESET</text>' ">A'</text>" '>step a</text>' '>5</text>' '>1.5</text>'; do
    grep -q "$text" "$x11_dir/window.svg" || fail "the SVG has no text element '$text'"
done
grep -q '<polyline' "$x11_dir/window.svg" || fail "the SVG's curves are not polylines"
echo "ok: the SVG, rendered, has the PNG's curves to within a pixel, and its captions as text"

picture window.pdf
pdftoppm -r 96 -png -singlefile "$x11_dir/window.pdf" "$x11_dir/pdf" || fail "pdftoppm cannot render the PDF"
read -r pdf_width pdf_height _ < <(png_header "$x11_dir/pdf.png")
[ "$pdf_width" -eq "$width" ] && [ "$pdf_height" -eq "$height" ] ||
    fail "the PDF's page is $pdf_width x $pdf_height pixels at 96 dots per inch, expected $width x $height"
curves_near "$x11_dir/pdf.png" || fail "the PDF's curves are not the PNG's"
echo "ok: the PDF, one page the window's size, has the PNG's curves to within a pixel"
