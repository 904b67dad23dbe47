#!/usr/bin/env python3
"""Seals the built page: fills in its Content-Security-Policy, and its
sentence for browsers without JavaScript in every language it has.

The policy allows no network at all and nothing from outside the file: only
the one inline script and the one inline style that the page carries (named
by their SHA-256 hashes, so no other script or style could run), and the
WebAssembly module that the script instantiates from its own bytes.

The <noscript> sentence is the one place the page's script cannot
translate; its translations come from the program's translation files, as
a paragraph per language after the English one.

--facts (the layout's facts, layout_facts.json) gives the page's <title>
the window's title, so the tab is named before its script runs.

With --terser (terser's command-line script, from web/package-lock.json),
the program's script is compressed and its names shortened, all but
Module, by which the page's tests and benchmarks reach the program. The
libraries the page carries (--script: the QR code encoder, from the same
lock) go into its one script ahead of the program, compressed by terser
but with their licence, and more style (--style) goes at the end of its one
style. With --zopfli (Debian's zopfli), the module is compressed smaller
than gzip does.

    seal_page.py --facts FACTS_JSON [--zopfli ZOPFLI] [--terser TERSER_JS --script JS]...
                 [--style CSS]... BUILT_HTML SEALED_HTML [TS_FILE...]
"""
import argparse
import base64
import gzip
import hashlib
import html
import json
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
import zlib


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii") + "'"


def only(pattern, page, what):
    found = re.findall(pattern, page, re.S)
    if len(found) != 1:
        sys.exit(f"seal_page: expected one inline {what}, found {len(found)}")
    return found[0]


def with_translated_noscript(page, ts_files):
    match = re.search(r'<noscript><p class="notice">(.*?)</p>', page)
    if not match:
        sys.exit("seal_page: the page has no sentence for browsers without JavaScript")
    english = html.unescape(match.group(1))
    added = ""
    for ts_file in ts_files:
        root = ElementTree.parse(ts_file).getroot()
        language = root.get("language", "").replace("-", "_").split("_")[0]
        for message in root.iter("message"):
            translation = message.find("translation")
            if message.findtext("source") == english and translation is not None and translation.text and \
                    translation.get("type") not in ("unfinished", "vanished", "obsolete"):
                added += f'<p class="notice" lang="{html.escape(language)}">{html.escape(translation.text)}</p>'
    return page[:match.end()] + added + page[match.end():]


def unpacks_to(packed, module):
    """Whether packed is gzip data of module; anything else is not."""
    try:
        return gzip.decompress(packed) == module
    except (OSError, EOFError, zlib.error):
        return False


def with_compressed_module(page, zopfli):
    """The WebAssembly module of the page gzip-compressed, for start.js to
    decompress: under half the size, and the same bytes on every build.
    zopfli writes the same gzip format as gzip itself, a twentieth smaller."""
    prefix = "data:application/octet-stream;base64,"
    encoded = only(re.escape(prefix) + r"([A-Za-z0-9+/=]+)", page, "WebAssembly module")
    module = base64.b64decode(encoded)
    if zopfli:
        # zopfli reads a file, not a pipe.
        with tempfile.NamedTemporaryFile(suffix=".wasm") as file:
            file.write(module)
            file.flush()
            packed = subprocess.run([zopfli, "-c", file.name], capture_output=True)
        if packed.returncode != 0:
            sys.exit(f"seal_page: zopfli failed: {packed.stderr.decode(errors='replace').strip()}")
        if not unpacks_to(packed.stdout, module):
            sys.exit("seal_page: zopfli's output does not decompress to the module")
        packed = packed.stdout
    else:
        packed = gzip.compress(module, compresslevel=9, mtime=0)
    return page.replace(prefix + encoded, prefix + base64.b64encode(packed).decode("ascii"))


def compact(library, terser):
    """The library's opening comment (its licence) as it stands, then its
    code as terser compresses it, without comments."""
    lines = library.splitlines()
    licence = []
    while lines and lines[0].lstrip().startswith("//"):
        licence.append(lines.pop(0))
    code = subprocess.run(["node", terser, "--compress", "--mangle", "--comments", "false"],
                          input="\n".join(lines), capture_output=True, text=True, encoding="utf-8")
    if code.returncode != 0 or not code.stdout.strip():
        sys.exit(f"seal_page: terser failed: {code.stderr.strip()}")
    return "\n".join(licence) + "\n" + code.stdout.strip() + "\n"


def with_titled_page(page, facts_file):
    with open(facts_file, encoding="utf-8") as file:
        title = json.load(file)["title"]
    empty = '<title lang="ja"></title>'
    if page.count(empty) != 1:
        sys.exit("seal_page: the page has no empty <title> for the window's title")
    return page.replace(empty, f'<title lang="ja">{html.escape(title)}</title>')


def with_shorter_names(page, terser):
    """The program's script compressed by terser, its names shortened (the
    top-level ones too, since the page is one script), except Module."""
    script = only(r"<script>(.*?)</script>", page, "script")
    shorter = subprocess.run(["node", terser, "--compress", "--mangle", "reserved=[Module]", "--toplevel",
                              "--comments", "false"],
                             input=script, capture_output=True, text=True, encoding="utf-8")
    if shorter.returncode != 0 or not shorter.stdout.strip():
        sys.exit(f"seal_page: terser failed: {shorter.stderr.strip()}")
    return page.replace(script, shorter.stdout.strip(), 1)


def with_additions(page, scripts, styles, terser):
    for name in scripts + styles:
        with open(name, encoding="utf-8") as file:
            text = file.read()
        if re.search(r"</(script|style)", text, re.I):
            sys.exit(f"seal_page: {name} would end the page's script or style")
        if name in scripts:
            page = page.replace("<script>", "<script>" + compact(text, terser), 1)
        else:
            page = page.replace("</style>", text + "</style>", 1)
    return page


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("source")
    parser.add_argument("target")
    parser.add_argument("--script", action="append", default=[])
    parser.add_argument("--style", action="append", default=[])
    parser.add_argument("--terser", help="terser's command-line script, which makes the libraries smaller")
    parser.add_argument("--zopfli", help="zopfli, which compresses the module smaller than gzip")
    parser.add_argument("--facts", required=True, help="the layout's facts (layout_facts.json), which hold the window's title")
    parser.add_argument("ts_files", nargs="*")
    arguments = parser.parse_args()
    with open(arguments.source, encoding="utf-8") as file:
        page = with_compressed_module(with_translated_noscript(file.read(), arguments.ts_files), arguments.zopfli)
    only(r"<script>(.*?)</script>", page, "script")
    only(r"<style>(.*?)</style>", page, "style")
    if arguments.script and not arguments.terser:
        sys.exit("seal_page: --script needs --terser")
    page = with_titled_page(page, arguments.facts)
    if arguments.terser:
        page = with_shorter_names(page, arguments.terser)
    page = with_additions(page, arguments.script, arguments.style, arguments.terser)
    target = arguments.target
    script = only(r"<script>(.*?)</script>", page, "script")
    style = only(r"<style>(.*?)</style>", page, "style")
    # The markup, that is: the script's text is no markup (a library may
    # write an <img src=...> in a string).
    markup = page.replace(script, "")
    if re.search(r"<(script|link|img|iframe|object|embed)\b[^>]*\b(src|href)=", markup):
        sys.exit("seal_page: the page refers to another file")
    policy = "; ".join([
        "default-src 'none'",
        f"script-src {digest(script)} 'wasm-unsafe-eval'",
        f"style-src {digest(style)}",
        "img-src 'none'",
        "font-src 'none'",
        "connect-src 'none'",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    placeholder = "@CONTENT_SECURITY_POLICY@"
    if page.count(placeholder) != 1:
        sys.exit("seal_page: the page has no place for its security policy")
    with open(target, "w", encoding="utf-8") as file:
        file.write(page.replace(placeholder, policy))


if __name__ == "__main__":
    main()
