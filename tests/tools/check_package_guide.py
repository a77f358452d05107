#!/usr/bin/env python3
"""Checks the user's guide inside an unpacked release package: both pages are there, declare their
encoding and read in it, fetch nothing from outside (no scripts, no outside pictures or styles), and
every link and picture they name resolves inside the package, fragments to an id of the page.
Usage: check_package_guide.py <unpacked package folder>"""
import html.parser
import os
import re
import sys
import urllib.parse

PAGES = {"guide/index.html": "RaZudazoved user's guide", "guide/index-ja.html": "ユーザーズガイド"}
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.links, self.sources, self.problems, self.charset = set(), [], [], [], None
        self.style = ""
        self.in_style = False

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        if "id" in attributes:
            self.ids.add(attributes["id"])
        if tag == "meta" and "charset" in attributes:
            self.charset = attributes["charset"].lower()
        if tag == "script":
            self.problems.append("holds a script")
        if tag == "link":
            self.problems.append(f"links {attributes.get('href')} into the page")
        if tag == "a" and "href" in attributes:
            self.links.append(attributes["href"])
        if "src" in attributes:
            self.sources.append(attributes["src"])
        self.in_style = tag == "style"

    def handle_endtag(self, tag):
        self.in_style = False

    def handle_data(self, data):
        if self.in_style:
            self.style += data


def read_page(root, path):
    with open(os.path.join(root, path), "rb") as file:
        raw = file.read()
    page = Page()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError:
        return page, None
    page.feed(text)
    return page, text


def resolve(page_path, target):
    """The package path a relative link of the page leads to, and its fragment."""
    address = urllib.parse.urlsplit(target)
    path = urllib.parse.unquote(address.path)
    resolved = os.path.normpath(os.path.join(os.path.dirname(page_path), path)) if path else page_path
    return resolved.replace(os.sep, "/"), urllib.parse.unquote(address.fragment)


def check(root):
    problems = []
    pages = {}
    for path, words in PAGES.items():
        if not os.path.isfile(os.path.join(root, path)):
            problems.append(f"{path} is not in the package")
            continue
        page, text = read_page(root, path)
        if text is None:
            problems.append(f"{path} does not read as UTF-8")
            continue
        if page.charset != "utf-8":
            problems.append(f"{path} declares the encoding {page.charset}, not utf-8")
        if words not in text:
            problems.append(f"{path} does not say \"{words}\"")
        if re.search(r"url\(|@import", page.style):
            problems.append(f"{path} has a style that fetches something")
        problems += [f"{path} {problem}" for problem in page.problems]
        pages[path] = page
    for path, page in pages.items():
        for source in page.sources:
            if urllib.parse.urlsplit(source).scheme or source.startswith("//"):
                problems.append(f"{path} fetches {source} from outside")
                continue
            picture, _ = resolve(path, source)
            full = os.path.join(root, picture)
            if picture.startswith("..") or not os.path.isfile(full):
                problems.append(f"{path} shows {source}, which is not in the package")
            else:
                with open(full, "rb") as file:
                    if file.read(len(PNG_SIGNATURE)) != PNG_SIGNATURE:
                        problems.append(f"{path} shows {source}, which is no PNG picture")
        for link in page.links:
            if urllib.parse.urlsplit(link).scheme:
                continue  # a page outside, opened only by the reader's choice
            target, fragment = resolve(path, link)
            if target not in pages and not os.path.isfile(os.path.join(root, target)):
                problems.append(f"{path} links to {link}, which is not in the package")
            elif fragment and (target not in pages or fragment not in pages[target].ids):
                problems.append(f"{path} links to {link}, a place that page does not have")
    if not any(page.sources for page in pages.values()):
        problems.append("the guide pages show no picture")
    return problems


if __name__ == "__main__":
    found = check(sys.argv[1])
    for problem in found:
        print(problem)
    sys.exit(1 if found else 0)
