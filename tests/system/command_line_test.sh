#!/usr/bin/env bash
# The command line, row by row: what each one prints on stdout and stderr
# and its exit status, and that none of them opens a window.
#
# Every row runs twice:
#   - with no display at all (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM
#     unset), where a program that reached for its display would say
#     "cannot open a display" and exit with status 1;
#   - with a display present (a private Xvfb, the xcb platform), traced
#     with strace: the program connects no socket at all, so it never
#     talks to the X server. A control shows that the trace sees an X
#     client's connection.
# QT_DEBUG_PLUGINS=1 makes Qt report every plugin it loads on stderr, where
# each row expects exactly its own text, so a platform plugin loaded for an
# answer fails the row too.
#
# Then every lesson of the shared lesson table goes to --state: a refused
# one is answered in one line with status 2, without a display; an
# accepted one goes on to open the window.
#
# Usage: command_line_test.sh WAVES_PROGRAM VERSION LESSON_TABLE
set -u
program="$1"
version="$2"
lesson_table="$3"
# shellcheck source=test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

require_program "$program"
require_command strace strace
# The rows are the English texts, whatever the machine's language; the
# Japanese ones are checked at the end.
export LANGUAGE=en

hint="Try 'waves --help' for more information."
# arguments (split at spaces) | status | stdout | stderr ("\n" between lines).
# "@help" stands for the usage text, checked below.
rows=(
    "--help|0|@help|"
    "-h|0|@help|"
    "--version|0|waves $version|"
    "-v|0|waves $version|"
    "--bogus|2||waves: Unknown option 'bogus'.\n$hint"
    "-platform offscreen|2||waves: Unknown option 'platform'.\n$hint"
    "worksheet.png|2||waves: Unexpected argument 'worksheet.png'.\n$hint"
    "--version extra|2||waves: Unexpected argument 'extra'.\n$hint"
    "--help --bogus|2||waves: Unknown option 'bogus'.\n$hint"
    "--bogus -worse --worst|2||waves: Unknown option 'bogus'.\n$hint"
    "one two three|2||waves: Unexpected argument 'one'.\n$hint"
    "--help=all|2||waves: Unexpected value after '--help'.\n$hint"
    "--picture|2||waves: Missing value after '--picture'.\n$hint"
    "--picture worksheet.jpg|2||waves: --picture: 'worksheet.jpg' does not end in .png, .svg or .pdf."
    "--picture worksheet|2||waves: --picture: 'worksheet' does not end in .png, .svg or .pdf."
    "--picture w.png --scale 0|2||waves: --scale: '0' is not a whole number from 1 to 8."
    "--picture w.png --scale 9|2||waves: --scale: '9' is not a whole number from 1 to 8."
    "--picture w.png --scale 1.5|2||waves: --scale: '1.5' is not a whole number from 1 to 8."
    "--picture w.svg --scale 2|2||waves: --scale: only a PNG picture has a scale, not 'w.svg'."
    "--scale 2|2||waves: --scale: there is no --picture to scale."
    "--picture w.PDF --state t=0|2||waves: --state: t=0: the span must be a whole number of periods from 1 to 16777216."
    # A file that cannot be written is found before any platform is loaded.
    "--picture /nonexistent-folder/w.png|1||waves: --picture: cannot write '/nonexistent-folder/w.png': No such file or directory"
    "--picture folder.svg|1||waves: --picture: cannot write 'folder.svg': Filename refers to a directory"
)

work=$(mktemp -d "${TMPDIR:-/tmp}/waves-command-line.XXXXXX") || fail "cannot make a folder"
trap 'rm -rf "$work"; x11_stop' EXIT
# The rows run in the work folder, where any file a row wrongly wrote,
# whole or partial, would stay.
mkdir "$work/folder.svg" && cd "$work" || fail "cannot prepare $work"

# wrote_nothing PLACE: the work folder holds only the test's own files.
wrote_nothing() {
    local extra
    extra=$(ls -A "$work" | grep -vxE 'out|err|connects|folder\.svg')
    [ -z "$extra" ] && [ -z "$(ls -A "$work/folder.svg")" ] || fail "$1: the command lines wrote: $extra"
}

# is_usage FILE: the usage text: the usage line, the description with the
# copy keys, and both options.
is_usage() {
    [ "$(head -n 1 "$1")" = "Usage: $program [options]" ] &&
        grep -q 'Ctrl+C copies the picture of the window' "$1" &&
        grep -Eq '^  -h, --help +Shows this help and exits\.$' "$1" &&
        grep -Eq '^  -v, --version +Shows the program.s name and version and exits\.$' "$1" &&
        grep -Eq '^  --picture <file> +Writes the window.s picture to the file' "$1" &&
        grep -Eq '^  --scale <n> +Device pixels per pixel of a PNG picture' "$1"
}

# check_row PLACE ROW COMMAND...: runs COMMAND (the program with the row's
# arguments appended) and compares with the row. A program that opened a
# window would run until it is closed: each run is stopped after 20 s.
check_row() {
    local place="$1" row="$2"
    shift 2
    local arguments status_wanted out_wanted err_wanted
    IFS='|' read -r arguments status_wanted out_wanted err_wanted <<<"$row"
    local -a words
    read -r -a words <<<"$arguments"
"$@" "${words[@]}" >"$work/out" 2>"$work/err" </dev/null
    local status=$?
    local label="$place: waves $arguments"
    [ "$status" -eq "$status_wanted" ] ||
        fail "$label: exit status $status, expected $status_wanted; stderr: $(cat "$work/err")"
    if [ "$out_wanted" = "@help" ]; then
        is_usage "$work/out" || fail "$label: not the usage text: $(cat "$work/out")"
    else
        [ "$(cat "$work/out")" = "$out_wanted" ] || fail "$label: stdout '$(cat "$work/out")', expected '$out_wanted'"
    fi
    [ "$(cat "$work/err")" = "$(printf '%b' "$err_wanted")" ] ||
        fail "$label: stderr '$(cat "$work/err")', expected '$(printf '%b' "$err_wanted")'"
}

# --- No display --------------------------------------------------------------

for row in "${rows[@]}"; do
    check_row "no display" "$row" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM QT_DEBUG_PLUGINS=1 \
        timeout 20 "$program"
done
wrote_nothing "no display"
echo "ok: ${#rows[@]} command lines answered without a display"

# --- Lessons ------------------------------------------------------------------

lessons=0
while IFS= read -r line; do
    [[ "$line" == "# "* ]] && continue
    text="${line%%$'\t'*}"
    expected="${line#*$'\t'}"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" --state "$text" \
        >"$work/out" 2>"$work/err" </dev/null
    status=$?
    case "$expected" in
        "! "*)
            [ "$status" -eq 2 ] && [ ! -s "$work/out" ] &&
                [ "$(cat "$work/err")" = "waves: --state: ${expected#! }" ] ||
                fail "--state '$text': status $status, stderr '$(cat "$work/err")'; expected 2 and '${expected#! }'"
            ;;
        "= "*)
            # Past the lesson, the window needs the display that is not there.
            [ "$status" -eq 1 ] && grep -q '^waves: cannot open a display' "$work/err" ||
                fail "--state '$text' was not accepted: status $status, stderr '$(cat "$work/err")'"
            ;;
        *) fail "the lesson table's row '$line' says neither '= ' nor '! '" ;;
    esac
    lessons=$((lessons + 1))
done <"$lesson_table"
[ "$lessons" -ge 30 ] || fail "only $lessons lessons read from $lesson_table"
echo "ok: $lessons lessons given to --state, refused in one line or opened"

# --- A display present ----------------------------------------------------

x11_start_server || fail "cannot start the X server"
x11_client_environment

# traced COMMAND...: runs COMMAND under strace, which writes every connect()
# of it and its children to $work/connects. LeakSanitizer cannot run in a
# traced process; it is turned off there.
traced() {
    env "${x11_environment[@]}" QT_DEBUG_PLUGINS=1 ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        strace -f -qq -e signal=none -e trace=connect -o "$work/connects" timeout 20 "$@"
}

# The control: an X client's connection shows in the trace.
traced xdotool getdisplaygeometry >/dev/null 2>&1 || fail "xdotool cannot reach $DISPLAY"
grep -q 'connect(' "$work/connects" || fail "the trace saw no connection of an X client; it would prove nothing"

for row in "${rows[@]}"; do
    check_row "with a display" "$row" traced "$program"
    if grep -q 'connect(' "$work/connects"; then
        fail "with a display: waves ${row%%|*}: connected a socket: $(grep 'connect(' "$work/connects")"
    fi
done
wrote_nothing "with a display"
echo "ok: the same answers with a display present, without connecting to it"

# --- In Japanese ---------------------------------------------------------------

check_row "in Japanese" "--bogus|2||waves: 不明なオプション 'bogus' です。\n詳しくは 'waves --help' を見てください。" \
    env -u DISPLAY LANGUAGE=ja timeout 20 "$program"
check_row "in Japanese" "stray|2||waves: 余分な引数 'stray' があります。\n詳しくは 'waves --help' を見てください。" \
    env -u DISPLAY LANGUAGE=ja timeout 20 "$program"
check_row "in Japanese" "--state t=0|2||waves: --state: t=0：表示周期数は 1 から 16777216 までの整数にしてください。" \
    env -u DISPLAY LANGUAGE=ja timeout 20 "$program"
LANGUAGE=ja timeout 20 "$program" --help >"$work/out" 2>&1 </dev/null
grep -Eq '^  -h, --help +この説明を表示して終了します。$' "$work/out" ||
    fail "in Japanese: the usage is not translated: $(cat "$work/out")"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE=ja timeout 20 "$program" >"$work/out" 2>"$work/err" </dev/null
grep -q '^waves: 画面（ディスプレイ）を開けません（DISPLAY is not set）。' "$work/err" ||
    fail "in Japanese: the program without a display says: $(cat "$work/err")"
echo "ok: the answers in Japanese where the system's language is Japanese"
