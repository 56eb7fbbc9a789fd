#!/usr/bin/env python3
"""Counts, field by field, where two builds' outputs of the same input differ.

    field_changes.py FORMAT OLD NEW [--label-from BIRTHS.csv | --key FIELD] [--drop FIELD ...]
                     [--what TITLE]

FORMAT is csv, tsv (a header line, tab-separated) or jsonl (one object a line; nested objects as
dotted paths). Numbers are compared as values, so that 0.1 and 0.10000000000000001 are the same;
a field whose old and new values are both numbers counts as numeric, any other change (a type, a
date, a text) is listed one by one with the row it is in. A different header, key set or number
of rows is a change of layout. Prints a summary and exits 1 on a change of layout, 0 otherwise.
"""
import argparse
import csv
import json
import sys
from collections import Counter


def number(text):
    if isinstance(text, bool):
        return None
    if isinstance(text, (int, float)):
        return float(text)
    # A list of numbers in one field ("2451609.72 2451616.79 ...") counts as numeric too.
    try:
        parts = text.split(" ")
        return tuple(float(p) for p in parts) if len(parts) > 1 else float(text)
    except (AttributeError, TypeError, ValueError):
        return None


def flatten(value, prefix=""):
    if isinstance(value, dict):
        out = {}
        for k, v in value.items():
            out.update(flatten(v, f"{prefix}{k}."))
        return out
    if isinstance(value, list):
        out = {}
        for i, v in enumerate(value):
            out.update(flatten(v, f"{prefix}{i}."))
        return out
    return {prefix[:-1]: value}


def table_rows(path, delimiter, drop):
    with open(path, newline="", encoding="utf-8") as f:
        rows = csv.reader(f, delimiter=delimiter)
        header = next(rows, [])
        keep = [i for i, k in enumerate(header) if k not in drop]
        names = [header[i] for i in keep]
        for r in rows:
            yield {names[j]: (r[i] if i < len(r) else None) for j, i in enumerate(keep)}


def json_rows(path, drop):
    with open(path, encoding="utf-8") as f:
        for line in f:
            try:
                o = flatten(json.loads(line))
            except ValueError:
                o = {"(not JSON)": line.rstrip("\n")}
            yield {k: v for k, v in o.items() if k not in drop}


def labels(path):
    with open(path, newline="", encoding="utf-8") as f:
        rows = csv.reader(f)
        header = next(rows)
        for r in rows:
            yield ", ".join(f"{k}={v}" for k, v in zip(header, r))


def main():
    p = argparse.ArgumentParser()
    p.add_argument("format", choices=["csv", "tsv", "jsonl"])
    p.add_argument("old")
    p.add_argument("new")
    p.add_argument("--label-from")
    p.add_argument("--drop", nargs="*", default=[])
    p.add_argument("--key", help="the field that names a row (when no --label-from)")
    p.add_argument("--what", default="")
    a = p.parse_args()
    drop = set(a.drop)
    if a.format == "jsonl":
        old, new = json_rows(a.old, drop), json_rows(a.new, drop)
    else:
        delimiter = "," if a.format == "csv" else "\t"
        old, new = table_rows(a.old, delimiter, drop), table_rows(a.new, delimiter, drop)
    label = labels(a.label_from) if a.label_from else None

    rows = changed_rows = 0
    numeric = Counter()
    texts = Counter()
    listed = []
    layout = []
    sentinel = object()
    while True:
        o = next(old, sentinel)
        n = next(new, sentinel)
        where = next(label, None) if label else None
        if o is sentinel and n is sentinel:
            break
        if o is sentinel or n is sentinel:
            layout.append(f"row {rows + 1}: only in the {'new' if o is sentinel else 'old'} output")
            break
        rows += 1
        if o.keys() != n.keys():
            layout.append(f"row {rows}: fields {sorted(o.keys() ^ n.keys())} in one output only")
            continue
        changed = False
        for k in o:
            if o[k] == n[k]:
                continue
            a_num, b_num = number(o[k]), number(n[k])
            if a_num is not None and b_num is not None:
                if a_num == b_num:
                    continue
                numeric[k] += 1
            else:
                texts[k] += 1
                row_name = where or (f"{a.key}={o.get(a.key)}" if a.key else f"row {rows}")
                listed.append(f"  {row_name}: {k}: {o[k]!r} -> {n[k]!r}")
            changed = True
        changed_rows += changed

    what = a.what or f"{a.format} {a.new}"
    print(f"{what}: {changed_rows} of {rows} rows differ")
    for k, c in sorted(numeric.items(), key=lambda kv: (-kv[1], kv[0])):
        print(f"  numeric {k}: {c}")
    for k, c in sorted(texts.items(), key=lambda kv: (-kv[1], kv[0])):
        print(f"  text {k}: {c}")
    for line in listed:
        print(line)
    for line in layout:
        print(f"  LAYOUT: {line}")
    return 1 if layout else 0


if __name__ == "__main__":
    sys.exit(main())
