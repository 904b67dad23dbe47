# shellcheck shell=bash
# The opening the system tests share that run the real program in a private
# X server: the helpers of tests/system/x11.sh, whatever they start stopped
# on any way out (x11_stop_on_exit), `fail`, and checks of what the test
# was given and needs. Sourced, not run, after `set -u`:
#
#   program="$1"
#   x11_probe_program="$2"          # where the test reads the screen
#   source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"
#   require_program "$program"
#   require_probe
#   require_command strace strace
#
# Each check fails the test with a message of its own.

# shellcheck source=x11.sh
source "$(dirname "${BASH_SOURCE[0]}")/x11.sh"

x11_stop_on_exit

# fail MESSAGE...: ends the test, with the message and, once an X server has
# been started, the logs of the server and the program on stderr.
fail() {
    echo "FAIL: $*" >&2
    [ -n "$x11_dir" ] && x11_show_logs >&2
    exit 1
}

# require_program PATH: fails unless PATH is a program that can be run.
require_program() {
    [ -x "$1" ] || fail "no program at '$1'"
}

# require_probe: fails unless x11_probe_program is the screen_probe program.
require_probe() {
    [ -x "$x11_probe_program" ] || fail "no screen_probe at '$x11_probe_program'"
}

# require_command COMMAND PACKAGE: fails unless COMMAND is installed, naming
# the Debian package that installs it.
require_command() {
    command -v "$1" >/dev/null || fail "$1 is not installed (package $2)"
}
