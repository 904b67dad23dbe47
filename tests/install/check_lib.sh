# shellcheck shell=bash
# What the installation tests share: checks that count their failures and
# go on, so that one run shows every problem; a stop for a failure after
# which nothing more can be checked; the comparison of the files there are
# with the files there should be; and the verdict at the end. Sourced, not
# run:
#
#   source "$(dirname "${BASH_SOURCE[0]}")/check_lib.sh"
#   [ -f "$file" ] || fail "no $file"      # counted; the test goes on
#   finish_checks                          # exits 1 if any check failed

failures=0

# fail MESSAGE...: one check failed; the test goes on.
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# ok MESSAGE...: one check passed.
ok() { echo "ok: $*"; }

# stop MESSAGE...: a failure after which nothing more can be checked.
stop() {
    echo "FAIL: $*" >&2
    exit 1
}

# stop_with_log LOG MESSAGE...: shows what a failed step wrote to LOG, then
# stops.
stop_with_log() {
    cat "$1" >&2
    shift
    stop "$@"
}

# expect_files EXPECTED ACTUAL WHAT_OK WHAT_DIFFERS: the two sorted lists of
# files are the same ("ok: WHAT_OK the N expected files"), or a failure that
# shows the difference under WHAT_DIFFERS (< expected, > actual).
expect_files() {
    local expected="$1" actual="$2" what_ok="$3" what_differs="$4"
    if [ "$actual" = "$expected" ]; then
        ok "$what_ok the $(wc -l <<<"$expected") expected files"
    else
        fail "$what_differs:
$(diff <(echo "$expected") <(echo "$actual") | grep '^[<>]')"
    fi
}

# finish_checks: ends the test with status 1, saying how many checks
# failed, if any did.
finish_checks() {
    if ((failures > 0)); then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
}
