#!/usr/bin/env bash
# Every text the program says is translated: runs Qt's lupdate over the
# program's sources into a copy of each translation file, and checks that
# the copy is the file itself (no source text missing from it, none left
# over) and that every message in it has a finished translation keeping
# the source's place holders (%1, %2).
#
# Usage: translations_test.sh LUPDATE PROJECT_ROOT
set -u
lupdate="$1"
root="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
cd "$root" || exit 1
for ts in translations/*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none @translations/sources.lst -ts "$copy" || { echo "FAIL: lupdate failed" >&2; exit 1; }
    if ! cmp -s "$ts" "$copy"; then
        echo "FAIL: $ts is not up to date with the sources; run ./scripts/update-translations:" >&2
        diff -u "$ts" "$copy" | head -n 40 >&2
        status=1
    fi
    /usr/bin/python3 - "$copy" "$ts" <<'PY' || status=1
import re
import sys
import xml.etree.ElementTree as ElementTree

checked, problems = 0, []
for message in ElementTree.parse(sys.argv[1]).getroot().iter("message"):
    source = message.findtext("source")
    translation = message.find("translation")
    checked += 1
    if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
        problems.append("not finished: %r" % source)
    elif not (translation.text or "").strip():
        problems.append("empty: %r" % source)
    elif sorted(re.findall(r"%[1-9]", source)) != sorted(re.findall(r"%[1-9]", translation.text)):
        problems.append("place holders differ: %r -> %r" % (source, translation.text))
for problem in problems:
    print("FAIL: %s: %s" % (sys.argv[2], problem), file=sys.stderr)
if checked == 0:
    print("FAIL: %s has no messages" % sys.argv[2], file=sys.stderr)
print("%s: %d messages, %d problems" % (sys.argv[2], checked, len(problems)))
sys.exit(1 if problems or checked == 0 else 0)
PY
done
exit "$status"
