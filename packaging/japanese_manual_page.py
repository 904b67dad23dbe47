#!/usr/bin/env python3
"""Writes a Japanese manual page as groff reads it without help.

    japanese_manual_page.py SOURCE_UTF8 PAGE

Japanese is written without spaces and breaks lines between characters;
groff (1.22) breaks only at spaces and reads its input as Latin-1. So every
character beyond ASCII becomes groff's escape \\[uXXXX], and a Japanese one
(kana, kanji, full-width forms and Japanese punctuation) is followed by \\:,
a break point that prints nothing, except where Japanese forbids a break:
before closing punctuation and after an opening bracket. A text line that
ends in Japanese runs on into the next without the space a newline makes.
Text is set ragged-right, as Japanese with few spaces cannot be justified.
The page itself stays pure ASCII and renders alike through man and groff.
"""
import sys


def is_japanese(code):
    return 0x3000 <= code <= 0x30FF or 0x4E00 <= code <= 0x9FFF or 0xFF00 <= code <= 0xFFEF


NO_BREAK_BEFORE = set("、。，．）」』】〕・：；？！ー")
NO_BREAK_AFTER = set("（「『【〔")


def escaped(line, runs_on):
    if line.startswith(".\\\"") or line.startswith("'\\\""):
        return line if line.isascii() else ".\\\" (comment in Japanese)"
    out = []
    for at, character in enumerate(line):
        code = ord(character)
        if code < 0x80:
            out.append(character)
            continue
        out.append("\\[u%04X]" % code)
        following = line[at + 1] if at + 1 < len(line) else ""
        if is_japanese(code) and character not in NO_BREAK_AFTER and following not in NO_BREAK_BEFORE:
            out.append("\\:")
    if runs_on and line and is_japanese(ord(line[-1])) and not line.startswith("."):
        out.append("\\c")
    return "".join(out)


def is_text(line):
    return bool(line) and not line.startswith(".") and not line.startswith("'")


def main():
    source, page = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as file:
        lines = file.read().split("\n")
    # Ragged-right from the start, after the title line.
    at = next(n for n, line in enumerate(lines) if line.startswith(".TH")) + 1
    lines.insert(at, ".ad l")
    escaped_lines = [escaped(line, n + 1 < len(lines) and is_text(lines[n + 1])) for n, line in enumerate(lines)]
    with open(page, "w", encoding="ascii") as file:
        file.write("\n".join(escaped_lines))


if __name__ == "__main__":
    main()
