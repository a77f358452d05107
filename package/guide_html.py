#!/usr/bin/python3
"""Writes a user's guide (Markdown, UTF-8) as an HTML page that opens offline from the unpacked
package: links to the other guide go to its page, the pictures it shows are copied from pictures/
beside the guide to pictures/ beside the page, headings get the anchors the guides link to, and
nothing is fetched from outside (the style is in the page). Fails when a picture is missing.
Run with Debian's python3, which has python3-markdown.
Usage: guide_html.py <guide.md> <page.html> <language>"""
import os
import re
import shutil
import sys

import markdown

# Each guide's page in the package.
PAGES = {"user-guide.md": "index.html", "user-guide-ja.md": "index-ja.html"}

STYLE = """
body { font-family: "Segoe UI", "Meiryo", "MS UI Gothic", sans-serif; max-width: 52em; margin: 2em auto;
       padding: 0 1em; line-height: 1.5; color: #222; }
img { max-width: 100%; border: 1px solid #ccc; }
code { background: #f3f3f3; padding: 0 .2em; }
pre { background: #f3f3f3; padding: .5em; overflow-x: auto; }
table { border-collapse: collapse; }
th, td { border: 1px solid #ccc; padding: .2em .5em; text-align: left; vertical-align: top; }
"""


def anchor(heading, separator="-"):
    """The anchor of a heading as the guides link to it: lower case, punctuation dropped, blanks to '-'."""
    text = re.sub(r"[^\w\- ]", "", heading.strip().lower())
    return text.replace(" ", separator)


def to_page(target):
    """A link of the guide as it reads in the package: the other guide's page instead of its source."""
    file, hash_sign, fragment = target.partition("#")
    return PAGES.get(file, file) + hash_sign + fragment


def copy_pictures(guide, source, page):
    pictures = os.path.join(os.path.dirname(page), "pictures")
    os.makedirs(pictures, exist_ok=True)
    for name in sorted(set(re.findall(r"!\[[^\]]*\]\(pictures/([^)]+)\)", guide))):
        picture = os.path.join(os.path.dirname(source), "pictures", name)
        if not os.path.isfile(picture):
            sys.exit(f"{source} shows pictures/{name}, which is not there: run scripts/pictures")
        shutil.copyfile(picture, os.path.join(pictures, name))


def main(source, page, language):
    with open(source, encoding="utf-8") as text:
        guide = text.read()
    copy_pictures(guide, source, page)
    guide = re.sub(r"(?<!!)(\[[^\]]*\])\(([^)]+)\)", lambda link: link.group(1) + "(" + to_page(link.group(2)) + ")",
                   guide)
    body = markdown.markdown(guide, extensions=["tables", "fenced_code", "toc"],
                             extension_configs={"toc": {"slugify": anchor}})
    title = re.search(r"^# (.+)$", guide, re.MULTILINE)
    with open(page, "w", encoding="utf-8", newline="\n") as html:
        html.write(f"""<!DOCTYPE html>
<html lang="{language}">
<head>
<meta charset="utf-8">
<title>{title.group(1) if title else "RaZudazoved"}</title>
<style>{STYLE}</style>
</head>
<body>
{body}
</body>
</html>
""")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
