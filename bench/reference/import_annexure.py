#!/usr/bin/env python3
"""What import-annexure is measured against: a short script that reads an annexure workbook
with openpyxl (read-only, the fast reader), takes the records below the instructions and the
headings up to the first blank row, writes amounts as text with two decimals, and replaces the
clause's rows with them in one transaction.

usage: import_annexure.py DATABASE CLIENT YEAR PAGE POINT COLUMNS FILE
"""
import sqlite3
import sys

from openpyxl import load_workbook

database, client, year, page, point, count, path = sys.argv[1:8]
count = int(count)


def text(value):
    if value is None:
        return ""
    if isinstance(value, (int, float)):
        return f"{value:.2f}"
    return str(value)


sheet = load_workbook(path, read_only=True)["Sheet1"]
rows = []
for cells in sheet.iter_rows(min_row=3, max_col=count, values_only=True):
    if all(c is None for c in cells):
        break
    rows.append((client, year, "3CD", int(page), point, *[text(c) for c in cells], str(len(rows) + 1)))
columns = ",".join(f"Col{i}" for i in range(1, count + 1))
db = sqlite3.connect(database)
with db:
    db.execute(f"DELETE FROM anx_j3cd_{year} WHERE Code_No=? AND FYr=? AND PageNo=? AND PointNo=?",
               (client, year, int(page), point))
    db.executemany(f"INSERT INTO anx_j3cd_{year} (Code_No,FYr,FormName,PageNo,PointNo,{columns},Col23) "
                   f"VALUES ({','.join('?' * (6 + count))})", rows)
