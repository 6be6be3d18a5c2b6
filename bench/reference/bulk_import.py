#!/usr/bin/env python3
"""What bulk-import is measured against: a plain loop over the e-filing files of a folder,
each read with json.load, its client found by the PAN it carries, and its tables' rows
inserted in place of the client's report, one transaction a file (as import_json.py does
for one file).

usage: bulk_import.py DATABASE YEAR FOLDER
"""
import json
import os
import sqlite3
import sys

from import_json import rows_of


def pan_of(value):
    if isinstance(value, dict):
        if isinstance(value.get("PAN"), str):
            return value["PAN"]
        for member in value.values():
            found = pan_of(member)
            if found:
                return found
    return None


database, year, folder = sys.argv[1:4]
table = f"anx_j3cd_{year}"
db = sqlite3.connect(database)
columns = ",".join(f"Col{i}" for i in range(1, 24))
insert = (f"INSERT INTO {table} (Code_No,FYr,PointNo,PageNo,FormName,{columns}) "
          f"VALUES (?,?,?,?,?,{','.join('?' * 23)})")
for name in sorted(os.listdir(folder)):
    with open(os.path.join(folder, name), encoding="utf-8-sig") as f:
        document = json.load(f)
    found = db.execute("SELECT Code_No FROM main_info1 WHERE PAN=?", (pan_of(document),)).fetchone()
    if not found:
        continue
    rows = []
    rows_of("", document, rows)
    with db:
        db.execute(f"DELETE FROM {table} WHERE Code_No=? AND FYr=? AND PageNo<>301", (found[0], year))
        db.executemany(insert, ((found[0], year, point, 99, "3CD", *cells) for point, cells in rows))
