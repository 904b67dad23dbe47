#!/usr/bin/env bash
# The program writes nothing and talks to nothing but its display: traced
# with strace from start-up through a run of real clicks, it opens no file
# for writing, creates, renames or removes nothing on disk, starts no other
# program, and every socket it makes is connected to the X display.
#
# It runs as on a desktop: on a private X server (Xvfb), inside a private
# D-Bus session bus (dbus-run-session), with an empty home folder of its
# own and none of the XDG_*_HOME variables, so that whatever a library
# would keep in the home folder on a first run shows up here.
#
# What the libraries do on their own, and what the test allows of it:
#   - Qt's AT-SPI accessibility bridge (QSpiAccessibleBridge in libQt6Gui,
#     through libQt6DBus and libdbus) connects to the session bus, to let
#     screen readers see the window. A socket connected to the address in
#     DBUS_SESSION_BUS_ADDRESS is allowed; nothing else on the bus is
#     traced.
#   - Qt (QStandardPaths in libQt6Core) makes sure XDG_RUNTIME_DIR exists
#     with mkdir at start-up; a mkdir that fails with EEXIST creates
#     nothing and is allowed.
#   - fontconfig writes its cache to ~/.cache/fontconfig when the system's
#     font cache is out of date (fonts installed without fc-cache). That is
#     the library's cache, not the program's state, and the program cannot
#     turn it off for fontconfig as a whole: allowed under that folder
#     only, and reported when it happens.
# Anything else fails the test, with the system call that did it.
#
# In a build with AddressSanitizer, LeakSanitizer cannot run in a traced
# process; it is turned off for the traced program (detect_leaks=0), which
# is ended with SIGTERM at the end and would not reach the leak check
# anyway.
#
# Usage: writes_nothing_test.sh WAVES_PROGRAM SCREEN_PROBE
set -u
program="$1"
x11_probe_program="$2"
# shellcheck source=test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

require_program "$program"
require_probe
require_command strace strace
require_command dbus-run-session dbus-daemon

work=$(mktemp -d "${TMPDIR:-/tmp}/waves-writes.XXXXXX") || fail "cannot make a folder"
home="$work/home" trace="$work/trace" bus_address_file="$work/bus-address"
mkdir "$home"

# The traced program's process id: the first one in the trace (its execve).
traced_pid() { [ -s "$trace" ] && awk 'NR == 1 { print $1 }' "$trace"; }

# Ends the traced program, then the tracer and the bus wrapped around it.
stop_traced_program() {
    local pid
    pid=$(traced_pid)
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null; fi
    if [ -n "$x11_program_pid" ]; then wait "$x11_program_pid" 2>/dev/null; fi
    x11_program_pid=""
}

trap 'stop_traced_program; x11_stop; rm -rf "$work"' EXIT

if ldd "$program" 2>/dev/null | grep -q libasan; then
    echo "note: built with AddressSanitizer; LeakSanitizer is off in the traced program (it cannot run under ptrace)"
fi

calls=open,openat,openat2,creat,truncate,mkdir,mkdirat,mknod,mknodat,link,linkat,symlink,symlinkat
calls+=,rename,renameat,renameat2,unlink,unlinkat,rmdir,execve,socket,socketpair,connect,bind

x11_start_server || fail "cannot start the X server"
x11_client_environment
dbus-run-session -- bash -c 'echo "$DBUS_SESSION_BUS_ADDRESS" >"$1"; shift; exec "$@"' bus "$bus_address_file" \
    env -u XDG_CACHE_HOME -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME "${x11_environment[@]}" \
    HOME="$home" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    strace -f -qq -e signal=none -s 4096 -o "$trace" -e trace="$calls" "$program" \
    </dev/null >"$x11_dir/program.log" 2>&1 &
x11_program_pid=$!
x11_find_window || fail "the window did not appear"

# --- A run of events, each seen handled on the screen -----------------------

label_changes() {
    local name="$1" before="$x11_dir/$1-before.png" now="$x11_dir/$1-now.png" rect
    rect=$(x11_screen_rect "$name") || return 1
    # shellcheck disable=SC2086
    x11_grab "$before" $rect || return 1
    shift
    "$@" || return 1
    # shellcheck disable=SC2086
    changed() { x11_grab "$now" $rect && ! cmp -s "$before" "$now"; }
    x11_wait_until 20 changed
}
x11_wait_until 20 x11_shows_text 'Labela(0)' 192 192 192 || fail "the labels never showed"
label_changes 'Labela(0)' x11_click 'SpinButton3(0)' up 3 || fail "A's amplitude did not change"
x11_click 'SpinButton4(0)' up 2 || fail "cannot click A's frequency"
x11_click 'switch_s(1)' indicator || fail "cannot click B's sin"
x11_click 'SpinButton3(1)' up 4 || fail "cannot click B's amplitude"
label_changes labelt x11_click SpinButton11 up 2 || fail "the span did not change"
label_changes labelt x11_click SpinButton11 down 1 || fail "the span did not change back"
kill -0 "$(traced_pid)" 2>/dev/null || fail "the program ended"
stop_traced_program
echo "ok: start-up and 13 clicks traced"

# --- What the trace shows -------------------------------------------------

display_socket="/tmp/.X11-unix/X${DISPLAY#:}"
bus_address=$(cat "$bus_address_file")
bus_socket=$(sed -n 's/^unix:\(path\|abstract\)=\([^,]*\).*/\2/p' <<<"$bus_address")
[ -n "$bus_socket" ] || fail "cannot read the bus address '$bus_address'"

report=$(awk -v display="$display_socket" -v bus="$bus_socket" -v fontconfig="$home/.cache/fontconfig" '
function problem(text) { problems[++problem_count] = text }
function first_path(text,    start, rest) {
    start = index(text, "\"")
    if (start == 0) return ""
    rest = substr(text, start + 1)
    return substr(rest, 1, index(rest, "\"") - 1)
}
function fontconfig_cache(path) { return index(path, fontconfig) == 1 }
{
    pid = $1
    call = $0
    sub(/^[0-9]+ +/, "", call)
    if (call ~ /<unfinished \.\.\.>$/) { sub(/ *<unfinished \.\.\.>$/, "", call); pending[pid] = call; next }
    if (call ~ /^<\.\.\. [a-z0-9_]+ resumed>/) { sub(/^<\.\.\. [a-z0-9_]+ resumed>/, "", call); call = pending[pid] call }
    name = call
    sub(/\(.*/, "", name)
    result = call
    sub(/.*\) += /, "", result)
    path = first_path(call)
    if (name == "execve") {
        if (++programs > 1) problem("started another program: " call)
    } else if (name ~ /^(open|openat|openat2|creat)$/) {
        ++opens
        if (name != "creat" && call !~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND/) next
        if (fontconfig_cache(path)) { ++fontconfig_writes; next }
        problem("opened for writing: " call)
    } else if (name ~ /^(truncate|mkdir|mkdirat|mknod|mknodat|link|linkat|symlink|symlinkat|rename|renameat|renameat2|unlink|unlinkat|rmdir)$/) {
        if (name ~ /^mkdir/ && result ~ /^-1 EEXIST/) { ++existing_dirs; next }
        if (fontconfig_cache(path)) { ++fontconfig_writes; next }
        problem("changed the disk: " call)
    } else if (name == "socket") {
        if (result ~ /^-1/) next
        if (result in sockets && sockets[result] == "") problem("made a socket it did not connect: " opened[result])
        sockets[result] = ""
        opened[result] = call
    } else if (name == "socketpair") {
        problem("made a socket pair: " call)
    } else if (name == "connect") {
        fd = call
        sub(/^connect\(/, "", fd)
        sub(/,.*/, "", fd)
        peer = call
        sub(/.*sun_path=@?"/, "", peer)
        sub(/".*/, "", peer)
        if (call ~ /sa_family=AF_UNIX/ && peer == display) { sockets[fd] = "display"; ++display_connects }
        else if (call ~ /sa_family=AF_UNIX/ && peer == bus) { sockets[fd] = "bus"; ++bus_connects }
        else problem("connected to something else than the display: " call)
    } else if (name == "bind") {
        problem("bound a socket: " call)
    }
}
END {
    for (fd in sockets) if (sockets[fd] == "") problem("made a socket it did not connect: " opened[fd])
    printf "summary: %d opens, none for writing; %d connection(s) to the display, %d to the session bus",
        opens, display_connects, bus_connects
    if (existing_dirs > 0) printf "; %d mkdir of a folder that was there already", existing_dirs
    printf "\n"
    if (fontconfig_writes > 0) printf "fontconfig: %d writes of its font cache under ~/.cache/fontconfig\n", fontconfig_writes
    for (k = 1; k <= problem_count; ++k) print "problem: " problems[k]
}' "$trace")

[ -n "$report" ] || fail "the trace could not be read"
if grep -q '^problem: ' <<<"$report"; then
    fail "the program wrote, started or connected to something:"$'\n'"$(grep '^problem: ' <<<"$report")"
fi
grep -q 'summary: [1-9][0-9]* opens' <<<"$report" || fail "the trace shows no open at all: $report"
grep -q '[1-9][0-9]* connection(s) to the display' <<<"$report" || fail "no connection to the display in the trace"
if grep -q '^fontconfig: ' <<<"$report"; then
    echo "note: $(grep '^fontconfig: ' <<<"$report") (the system's font cache is out of date; fc-cache as root renews it)"
fi
leftovers=$(cd "$home" && find . -mindepth 1 ! -path './.cache' ! -path './.cache/fontconfig' ! -path './.cache/fontconfig/*')
[ -z "$leftovers" ] || fail "the program left files in its home folder: $leftovers"
echo "ok: $(sed -n 's/^summary: //p' <<<"$report")"
