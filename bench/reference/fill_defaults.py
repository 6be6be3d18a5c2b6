#!/usr/bin/env python3
"""What fill-default is measured against: a short script that reads a client's report, and
inserts the default rows of the clauses that have none, in one transaction.

usage: fill_defaults.py DATABASE CLIENT YEAR DEFAULTS.json
       fill_defaults.py --list BEFORE AFTER CLIENT YEAR DEFAULTS.json
(the second form, not timed, writes the rows that fill-default added as the defaults)
"""
import json
import sqlite3
import sys


def rows(database, client, year):
    cursor = sqlite3.connect(database).execute(
        f"SELECT * FROM anx_j3cd_{year} WHERE Code_No=? AND FYr=?", (client, year))
    return [d[0] for d in cursor.description], cursor.fetchall()


if sys.argv[1] == "--list":
    before, after, client, year, out = sys.argv[2:7]
    columns, old = rows(before, client, year)
    _, new = rows(after, client, year)
    remaining = list(old)
    added = []
    for row in new:
        if row in remaining:
            remaining.remove(row)
        else:
            added.append(dict(zip(columns, row)))
    with open(out, "w", encoding="utf-8") as f:
        json.dump(added, f)
    sys.exit(0)

database, client, year, path = sys.argv[1:5]
columns, report = rows(database, client, year)
point = columns.index("PointNo")
answered = {row[point] for row in report}
with open(path, encoding="utf-8") as f:
    defaults = [d for d in json.load(f) if d["PointNo"] not in answered]
db = sqlite3.connect(database)
with db:
    for d in defaults:
        db.execute(f"INSERT INTO anx_j3cd_{year} ({','.join(d)}) VALUES ({','.join('?' * len(d))})",
                   tuple(d.values()))
