#!/usr/bin/env bash
# The manual page as configured for installation renders without a single
# warning, and says what the program does:
#   - groff with every warning on (-ww), with the man and the mandoc macros,
#     for a UTF-8 terminal, an ASCII one, Latin-1 and PostScript;
#   - `man --warnings -l`, as a user reads it, in a UTF-8 locale, has its
#     sections;
#   - every option that `waves --help` lists is described under OPTIONS,
#     with the same names.
# With LANGUAGE ja the page is the Japanese one: its sections have Japanese
# names, and it is rendered for UTF-8 only (the other devices have no
# Japanese characters).
#
# usage: manual_page_test.sh PAGE WAVES_PROGRAM [LANGUAGE]
set -u
page="$1" program="$2" language="${3:-en}"
# shellcheck source=check_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/check_lib.sh"

[ -f "$page" ] || stop "no manual page at $page"
command -v groff >/dev/null || stop "groff is not installed (package groff-base)"
command -v man >/dev/null || stop "man is not installed (package man-db)"

devices=(utf8 ascii latin1 ps)
sections=(NAME SYNOPSIS DESCRIPTION OPTIONS KEYBOARD "COPYING THE PICTURE" "SCREEN READERS" ENVIRONMENT "EXIT STATUS")
options_section=OPTIONS
if [ "$language" = ja ]; then
    devices=(utf8)
    sections=(名前 書式 説明 オプション キーボード 画像のコピー スクリーンリーダー 環境変数 終了ステータス)
    options_section=オプション
fi

for macros in man mandoc; do
    for device in "${devices[@]}"; do
        if report=$(groff -ww -z "-$macros" "-T$device" "$page" 2>&1) && [ -z "$report" ]; then
            ok "groff -ww -z -$macros -T$device: no warning"
        else
            fail "groff -ww -z -$macros -T$device: $report"
        fi
    done
done

rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>"$page.man-warnings")
[ -s "$page.man-warnings" ] && fail "man --warnings -l: $(cat "$page.man-warnings")"
for section in "${sections[@]}"; do
    grep -qx "$section" <<<"$rendered" || fail "man -l shows no section $section"
done
ok "man --warnings -l renders every section"

# The options section as rendered, up to the next section.
options=$(sed -n "/^$options_section\$/,/^[^ ]/p" <<<"$rendered")
help=$(LANGUAGE="$language" "$program" --help) || stop "$program --help failed"
listed=$(sed -n 's/^  \(-[a-z], --[a-z-]*\)  .*/\1/p' <<<"$help")
[ -n "$listed" ] || stop "no options found in the output of --help: $help"
while read -r names; do
    if grep -qx "       $names" <<<"$options"; then
        ok "OPTIONS describes $names"
    else
        fail "--help lists $names, which OPTIONS does not describe"
    fi
done <<<"$listed"

finish_checks
