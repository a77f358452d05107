#!/usr/bin/env python3
"""Writes an end-to-end script for the plug-in's Japanese resources: every quoted word that is one of
the plug-in's English texts (a string or a dialog caption of resources/English.rc), or a pattern that
only one of them matches, becomes the Japanese text of the same name, in code page 932 as the host
shows it. The host's own texts and everything else stay as they are.

Usage: japanese_script.py <English.rc> <Japanese.rc> <script> <output>"""
import re
import sys

TEXT_LINE = re.compile(r'^\s*(?:#define\s+)?((?:IDS|TXT)_\w+)\s+"((?:[^"]|"")*)"\s*$')


def read_texts(path):
    texts = {}
    with open(path, encoding="utf-8") as rc:
        for line in rc:
            match = TEXT_LINE.match(line)
            if match:
                texts[match.group(1)] = match.group(2)
    return texts


def as_shown(rc_text):
    """The text as a window shows it, written as a script pattern: an escape, a placeholder or a
    double quote (which no script word holds) becomes a wildcard."""
    text = rc_text.replace('""', "?")
    text = re.sub(r"\\[nrt]", "?", text)
    return re.sub(r"%\d", "*", text)


def matches(pattern, text):
    expression = "".join(".*" if c == "*" else "." if c == "?" else re.escape(c) for c in pattern)
    return re.fullmatch(expression, text, re.DOTALL) is not None


# Header names, which the host's functions take as they are, though the plug-in has texts of them.
HEADER_NAMES = {"Message-Id", "Subject", "From", "To", "Date"}


def translate(word, pairs):
    if word in HEADER_NAMES:
        return word
    found = {japanese for english, japanese in pairs
             if word == english or ("*" in word or "?" in word) and matches(word, english)
             or word == english.replace("&", "")}
    if len(found) == 1:
        return found.pop()
    # A longer text inside a pattern (a transcript line that quotes it), the longest first.
    for english, japanese in sorted(pairs, key=lambda pair: -len(pair[0])):
        if len(english) >= 12 and "?" not in english and "*" not in english and english in word:
            word = word.replace(english, japanese)
    return word


def main():
    english, japanese = read_texts(sys.argv[1]), read_texts(sys.argv[2])
    pairs = [(as_shown(english[name]), as_shown(japanese[name])) for name in english if name in japanese]
    with open(sys.argv[3], encoding="utf-8") as script:
        lines = script.read().splitlines()
    out = []
    for line in lines:
        if line.lstrip().startswith("#"):
            out.append(line)
            continue
        out.append(re.sub(r'"([^"]*)"', lambda m: '"' + translate(m.group(1), pairs) + '"', line))
    with open(sys.argv[4], "w", encoding="cp932", newline="\r\n") as output:
        output.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
