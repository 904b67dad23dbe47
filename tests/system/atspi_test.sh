#!/usr/bin/env bash
# The real program read by a screen reader's own channel: AT-SPI on a D-Bus
# session bus, in a private X server. Run it inside `dbus-run-session`.
#
# Usage: atspi_test.sh WAVES_PROGRAM [LANGUAGE]
#   LANGUAGE: the program's UI language (LANGUAGE=…) and what the check
#   expects to hear; English when not given.
set -u
program="$1"
language="${2:-en}"
# shellcheck source=test_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no D-Bus session bus: run this under dbus-run-session"
x11_start_server || fail "cannot start the X server"
# Qt talks to AT-SPI when asked to, as it does when a screen reader runs.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export LANGUAGE="$language"
x11_start_program "$program" || fail "cannot start $program"
x11_find_window || fail "the window did not appear"
/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_check.py" "$(basename "$program")" "$x11_window" "$language" ||
    fail "AT-SPI does not read the window as it should"
