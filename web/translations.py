#!/usr/bin/env python3
"""Turns the program's Qt translation files into the web page's table.

    translations.py OUTPUT_JS TS_FILE...

writes a script that defines wavesTranslations: for each file's language
(its primary tag: "ja" for ja_JP), every finished translation, keyed by
context and source text joined with U+0004 (as Qt keys them). Unfinished
and vanished messages are left out, so the page shows their English source,
and so are the contexts only the desktop speaks in (its command line and
its start-up), which the page never asks for.
"""
import json
import sys
import xml.etree.ElementTree as ElementTree

DESKTOP_ONLY = {"CommandLine", "StartUp"}


def table(ts_file):
    root = ElementTree.parse(ts_file).getroot()
    language = root.get("language", "").replace("-", "_").split("_")[0]
    if not language:
        sys.exit(f"translations: {ts_file} names no language")
    entries = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        if name in DESKTOP_ONLY:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            entries[name + "\u0004" + message.findtext("source")] = translation.text or ""
    return language, entries


def main():
    output, ts_files = sys.argv[1], sys.argv[2:]
    tables = dict(table(ts_file) for ts_file in ts_files)
    with open(output, "w", encoding="utf-8") as file:
        file.write("// Generated from the program's translation files by web/translations.py.\n")
        file.write("var wavesTranslations = " + json.dumps(tables, ensure_ascii=False, sort_keys=True) + ";\n")


if __name__ == "__main__":
    main()
