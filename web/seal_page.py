#!/usr/bin/env python3
"""Seals the built page: fills in its Content-Security-Policy.

The policy allows no network at all and nothing from outside the file: only
the one inline script and the one inline style that the page carries (named
by their SHA-256 hashes, so no other script or style could run), and the
WebAssembly module that the script instantiates from its own bytes.

    seal_page.py BUILT_HTML SEALED_HTML
"""
import base64
import hashlib
import re
import sys


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii") + "'"


def only(pattern, page, what):
    found = re.findall(pattern, page, re.S)
    if len(found) != 1:
        sys.exit(f"seal_page: expected one inline {what}, found {len(found)}")
    return found[0]


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as file:
        page = file.read()
    script = only(r"<script>(.*?)</script>", page, "script")
    style = only(r"<style>(.*?)</style>", page, "style")
    if re.search(r"<(script|link|img|iframe|object|embed)\b[^>]*\b(src|href)=", page):
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
