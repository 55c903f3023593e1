#!/usr/bin/python3
"""Checks the help pages: every page parses with balanced tags and declares
UTF-8, every link and anchor resolves inside this folder, every page can be
reached from the contents, and topics.txt maps every F1 topic to an anchor.

Usage: check_help.py [HELP_DIR]   (default: the folder of this script)
Prints one line per problem and exits 1 when there is any, 0 otherwise.
"""
import os
import re
import sys
from html.parser import HTMLParser
from urllib.parse import urldefrag

VOID_TAGS = {"meta", "link", "br", "hr", "img", "col", "input", "area", "base", "wbr"}
# The topic numbers the program asks for with F1.
REQUIRED_TOPICS = {1001, 1004, 1006, 1007, 1009, 1010, 1015, 1016, 1017, 1018} | set(range(1020, 1033))


class PageParser(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = []
        self.problems = []
        self.anchors = set()
        self.links = []
        self.utf8 = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "meta" and (attrs.get("charset") or "").lower() == "utf-8":
            self.utf8 = True
        for key in ("name", "id"):
            if key in attrs and (tag == "a" or key == "id"):
                self.anchors.add(attrs[key])
        if tag in ("a", "link") and "href" in attrs:
            self.links.append((self.getpos()[0], attrs["href"]))
        if tag not in VOID_TAGS:
            self.stack.append((tag, self.getpos()[0]))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID_TAGS:
            self.stack.pop()

    def handle_endtag(self, tag):
        if tag in VOID_TAGS:
            return
        if not self.stack or self.stack[-1][0] != tag:
            open_tag = self.stack[-1] if self.stack else ("nothing", 0)
            self.problems.append(f"line {self.getpos()[0]}: </{tag}> closes <{open_tag[0]}> of line {open_tag[1]}")
            return
        self.stack.pop()

    def finish(self):
        self.close()
        for tag, line in self.stack:
            self.problems.append(f"line {line}: <{tag}> is never closed")


def parse_pages(folder, problems):
    pages = {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".html"):
            continue
        if not re.fullmatch(r"[a-z0-9_-]+\.html", name):
            problems.append(f"{name}: file name is not plain lower-case ASCII")
        try:
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                text = f.read()
        except UnicodeDecodeError as error:
            problems.append(f"{name}: not UTF-8 ({error})")
            continue
        parser = PageParser()
        parser.feed(text)
        parser.finish()
        problems.extend(f"{name}: {p}" for p in parser.problems)
        if not parser.utf8:
            problems.append(f'{name}: no <meta charset="utf-8">')
        pages[name] = parser
    return pages


def check_links(folder, pages, problems):
    for name, page in pages.items():
        for line, href in page.links:
            if re.match(r"[a-z]+:", href):
                problems.append(f"{name}: line {line}: link leaves the help: {href}")
                continue
            target, anchor = urldefrag(href)
            target = target or name
            if not os.path.isfile(os.path.join(folder, target)):
                problems.append(f"{name}: line {line}: no file {target}")
            elif anchor and (target not in pages or anchor not in pages[target].anchors):
                problems.append(f"{name}: line {line}: no anchor #{anchor} in {target}")


def check_reachable(pages, problems):
    if "index.html" not in pages:
        problems.append("index.html is missing")
        return
    seen, todo = set(), ["index.html"]
    while todo:
        name = todo.pop()
        if name in seen or name not in pages:
            continue
        seen.add(name)
        todo.extend(urldefrag(href)[0] or name for _, href in pages[name].links if href.endswith(".html") or ".html#" in href)
    for name in sorted(set(pages) - seen):
        problems.append(f"{name}: cannot be reached from index.html")


def check_topics(folder, pages, problems):
    try:
        with open(os.path.join(folder, "topics.txt"), encoding="utf-8") as f:
            lines = f.read().splitlines()
    except OSError as error:
        problems.append(f"topics.txt: {error}")
        return
    found = set()
    for number, line in enumerate(lines, 1):
        fields = line.split("\t")
        if len(fields) != 3 or not fields[0].isdigit() or not fields[2].strip():
            problems.append(f"topics.txt: line {number}: expected NUMBER<TAB>page.html#NUMBER<TAB>title")
            continue
        topic = int(fields[0])
        target, anchor = urldefrag(fields[1])
        if topic in found:
            problems.append(f"topics.txt: line {number}: topic {topic} given twice")
        found.add(topic)
        if anchor != fields[0]:
            problems.append(f"topics.txt: line {number}: anchor #{anchor} is not named after topic {topic}")
        if target not in pages or anchor not in pages[target].anchors:
            problems.append(f"topics.txt: line {number}: no anchor #{anchor} in {target}")
    for topic in sorted(REQUIRED_TOPICS - found):
        problems.append(f"topics.txt: topic {topic} is missing")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    problems = []
    pages = parse_pages(folder, problems)
    check_links(folder, pages, problems)
    check_reachable(pages, problems)
    check_topics(folder, pages, problems)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
