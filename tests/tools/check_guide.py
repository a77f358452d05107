#!/usr/bin/env python3
"""Checks the user's guides: every picture they show is one that scripts/screenshots or the demo tour
makes and is there in docs/pictures (scripts/pictures puts it there), and every link inside the guides
leads to a guide and a heading that exist.

Pictures are named `pictures/<name>.png`. The dialog pictures are the names listed in
tools/DialogScreenshots.cpp, the tour's the `screenshot <name>` and `shot <name>` words of
sim/tour.txt, each with "-en" or "-ja". Usage: check_guide.py <source root>
"""
import os
import re
import sys

GUIDES = ["docs/user-guide.md", "docs/user-guide-ja.md"]
PICTURE = re.compile(r"!\[[^\]]*\]\(pictures/([^)]+)\.png\)")
LINK = re.compile(r"(?<!!)\[[^\]]*\]\(([^)]+)\)")


def read(root, path):
    with open(os.path.join(root, path), encoding="utf-8") as source:
        return source.read()


def pictures_made(root):
    names = re.findall(r'L"(\d+-[A-Za-z-]+)"', read(root, "tools/DialogScreenshots.cpp"))
    names += re.findall(r"\b(?:screenshot|shot)\s+(\S+)", read(root, "sim/tour.txt"))
    return {name + suffix for name in names for suffix in ("-en", "-ja")}


def anchor(heading):
    """The anchor a Markdown renderer gives a heading: lower case, punctuation dropped, blanks to '-'."""
    text = re.sub(r"[^\w\- ]", "", heading.strip().lower())
    return text.replace(" ", "-")


def anchors(text):
    return {anchor(line.lstrip("#")) for line in text.splitlines() if line.startswith("#")}


def main(root):
    made = pictures_made(root)
    texts = {path: read(root, path) for path in GUIDES}
    problems = []
    for path, text in texts.items():
        for name in PICTURE.findall(text):
            if name not in made:
                problems.append(f"{path}: picture {name}.png is made neither by scripts/screenshots nor by the tour")
            elif not os.path.isfile(os.path.join(root, "docs", "pictures", name + ".png")):
                problems.append(f"{path}: picture {name}.png is not in docs/pictures: run scripts/pictures")
        for target in LINK.findall(text):
            if re.match(r"[a-z]+:", target):
                continue
            file, _, fragment = target.partition("#")
            linked = os.path.normpath(os.path.join(os.path.dirname(path), file)) if file else path
            if linked not in texts:
                problems.append(f"{path}: link to {target}: no such guide")
            elif fragment and fragment not in anchors(texts[linked]):
                problems.append(f"{path}: link to {target}: no such heading")
    if not any(PICTURE.search(text) for text in texts.values()):
        problems.append("the guides show no picture at all: the picture pattern no longer matches them")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
