#!/usr/bin/env bash
# Without a display the program says so in one line on stderr and exits
# with status 1: no abort, no core dump, nothing on stdout.
set -u
program="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }

check() {
    local label="$1"; shift
    local out err status
    out=$(mktemp) err=$(mktemp)
    env "$@" "$program" >"$out" 2>"$err"
    status=$?
    [ "$status" -eq 1 ] || fail "$label: exit status $status, expected 1"
    [ ! -s "$out" ] || fail "$label: wrote to stdout: $(cat "$out")"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "$label: expected one line on stderr, got: $(cat "$err")"
    grep -q "cannot open a display" "$err" || fail "$label: unclear message: $(cat "$err")"
    echo "ok: $label: $(cat "$err")"
    rm -f "$out" "$err"
}

check "DISPLAY unset" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
check "unreachable display" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9876
