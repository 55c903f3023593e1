"""Prints what a published results file holds, one record a line,
tab-separated (UTF-8), reading it as others will: CSV with the csv module,
JSON with the json module, the HTML page as strict XML (so it must be
well-formed).

csv:  bom 0|1 | row FIELD...
json: header KEY VALUE | count KEY VALUE | row VALUE... (each value as JSON)
html: lang | charset | refresh SECONDS | title | h1 | p CLASS TEXT | external N
      | head CELL... | row CELL... | class CLASS... (of the first row) | footer TEXT
"""
import csv
import json
import sys
import xml.etree.ElementTree as ET


def text(element):
    return "".join(element.itertext())


def read_csv(path):
    with open(path, "rb") as raw:
        bom = raw.read(3) == b"\xef\xbb\xbf"
    print(f"bom\t{int(bom)}")
    with open(path, newline="", encoding="utf-8-sig") as f:
        for row in csv.reader(f, delimiter=";", strict=True):
            print("\t".join(["row"] + row))


def read_json(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    print(f"keys\t{' '.join(data.keys())}")
    for key, value in data["header"].items():
        print(f"header\t{key}\t{json.dumps(value, ensure_ascii=False)}")
    for key, value in data["count"].items():
        print(f"count\t{key}\t{json.dumps(value)}")
    for row in data["rows"]:
        print("\t".join(["row"] + [f"{k}={json.dumps(v, ensure_ascii=False)}" for k, v in row.items()]))


def read_html(path):
    root = ET.parse(path).getroot()
    print(f"lang\t{root.get('lang')}")
    head = root.find("head")
    for meta in head.findall("meta"):
        if meta.get("charset"):
            print(f"charset\t{meta.get('charset')}")
        if meta.get("http-equiv") == "refresh":
            print(f"refresh\t{meta.get('content')}")
    print(f"title\t{text(head.find('title'))}")
    external = [e for e in root.iter() if e.get("src") or e.get("href") or e.tag in ("link", "script", "img")]
    print(f"external\t{len(external)}")
    body = root.find("body")
    print(f"h1\t{text(body.find('header/h1'))}")
    for p in body.findall("header/p"):
        print(f"p\t{p.get('class')}\t{text(p)}")
    table = body.find("main/table")
    print("\t".join(["head"] + [text(th) for th in table.find("thead/tr")]))
    rows = table.findall("tbody/tr")
    for tr in rows:
        print("\t".join(["row"] + [text(td) for td in tr]))
    if rows:
        print("\t".join(["class"] + [td.get("class") for td in rows[0]]))
    print(f"footer\t{text(body.find('footer'))}")


if __name__ == "__main__":
    {"csv": read_csv, "json": read_json, "html": read_html}[sys.argv[1]](sys.argv[2])
