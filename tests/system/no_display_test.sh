#!/usr/bin/env bash
# Without a display the program says so in one line on stderr and exits
# with status 1: no abort, no core dump, nothing on stdout.
#
# Each run has core dumps allowed (ulimit -c unlimited) and its own empty
# working folder, where the kernel's core pattern ("core" on Debian) would
# put a core file. A process that aborts on purpose first shows that a
# core file does appear there, so that finding none means something; where
# none can appear (a core pattern that pipes to a handler, a hard limit of
# 0), the test says so and relies on the exit status alone: a process that
# exits with status 1 was not killed by a signal and dumped no core.
set -u
program="$(realpath "$1")"
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/waves-no-display.XXXXXX") || fail "cannot make a folder"
trap 'rm -rf "$work"' EXIT

ulimit -c unlimited 2>/dev/null || true

# The control: can a core file be seen in a working folder here?
mkdir "$work/control"
# (In a shell of its own, which keeps the shell's "Aborted" notice to itself.)
bash -c 'cd "$1" && sh -c "kill -ABRT \$\$"; true' control "$work/control" 2>/dev/null
if compgen -G "$work/control/core*" >/dev/null; then
    cores_visible=1
else
    cores_visible=0
    echo "note: an aborting process leaves no core file in its folder here (core pattern" \
        "'$(cat /proc/sys/kernel/core_pattern 2>/dev/null)', limit $(ulimit -c)); the exit status is the check"
fi

runs=0
check() {
    local label="$1"; shift
    local dir="$work/run$((runs += 1))"
    mkdir "$dir"
    local out="$dir.out" err="$dir.err" status
    (cd "$dir" && exec env "$@" "$program") >"$out" 2>"$err"
    status=$?
    [ "$status" -eq 1 ] || fail "$label: exit status $status, expected 1"
    [ ! -s "$out" ] || fail "$label: wrote to stdout: $(cat "$out")"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "$label: expected one line on stderr, got: $(cat "$err")"
    grep -q "cannot open a display" "$err" || fail "$label: unclear message: $(cat "$err")"
    if [ "$cores_visible" -eq 1 ]; then
        [ -z "$(ls -A "$dir")" ] || fail "$label: left files in its working folder: $(ls -A "$dir")"
        echo "ok: $label: no core file; $(cat "$err")"
    else
        echo "ok: $label: $(cat "$err")"
    fi
}

check "DISPLAY unset" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
check "unreachable display" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9876
