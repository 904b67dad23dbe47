#!/usr/bin/env bash
# The real window under valgrind's memcheck: the soak of the real window
# (tests/property/window_soak.cpp) builds the program's MainWindow on Qt's
# offscreen platform and clicks EVENTS random events (default 1000) through
# its real widgets, each checked against the handler model, all inside
# valgrind.
#
# Every error memcheck reports fails the run: invalid reads and writes,
# uses of uninitialised values, bad frees, overlapping copies, and memory
# definitely lost at the end. Errors that lie wholly in library code may be
# suppressed in valgrind.supp beside this script, each entry named and
# explained; for every error reported, the frames that are this program's
# own (its sources under the project folder) are listed.
#
# A build with AddressSanitizer cannot run under valgrind: the run is then
# skipped with exit status 77.
#
# Usage: memcheck.sh WINDOW_SOAK [EVENTS]
set -u
soak="$1"
events="${2:-1000}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
project="$(cd "$here/../.." && pwd)"

[ -x "$soak" ] || { echo "FAIL: no window_soak at '$soak'" >&2; exit 1; }
if ldd "$soak" 2>/dev/null | grep -q libasan; then
    echo "skipped: $soak is built with AddressSanitizer, which cannot run under valgrind"
    exit 77
fi
command -v valgrind >/dev/null || { echo "FAIL: valgrind is not installed (package valgrind)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/waves-memcheck.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
log="$work/memcheck.log"

env QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false' XDG_RUNTIME_DIR="$work/runtime" \
    WAVES_PROPERTY_EVENTS="$events" \
    valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --show-leak-kinds=definite,indirect \
    --errors-for-leak-kinds=definite --track-origins=yes --num-callers=40 --fullpath-after= --gen-suppressions=all \
    --suppressions="$here/valgrind.supp" --log-file="$log" \
    "$soak" >"$work/soak.log" 2>&1
status=$?

grep '^\[ soak \]' "$work/soak.log"
summary=$(sed -n 's/^==[0-9]*== //p' "$log" | grep -E '^(ERROR SUMMARY|   definitely lost|   indirectly lost|   possibly lost|   still reachable|   suppressed|  total heap usage)')
echo "memcheck: ${summary//$'\n'/$'\n'memcheck: }"

if [ "$status" -eq 99 ]; then
    echo "FAIL: memcheck reported errors; the frames in this program's own code:" >&2
    grep -F "($project/" "$log" | sed 's/^==[0-9]*== *//' | sort | uniq -c | sort -rn | head -40 >&2
    echo "--- the full report:" >&2
    sed -n 's/^==[0-9]*== //p' "$log" >&2
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "FAIL: the soak under valgrind ended with status $status" >&2
    cat "$work/soak.log" >&2
    exit 1
fi
grep -q '^ERROR SUMMARY: 0 errors' <<<"$summary" || { echo "FAIL: no clean error summary" >&2; exit 1; }
echo "ok: no error under memcheck after start-up and $events events"
