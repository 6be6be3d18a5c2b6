#!/usr/bin/env python3
"""What export-annexure is measured against: a short script that reads a clause's rows from the
SQLite database and writes them with openpyxl (its write-only workbook, the fast one) as the
program's annexure format lays them out: a line of instructions, the headings, then a row a
record with the amounts as numbers; a second sheet holds the list the section column offers.

usage: export_annexure.py DATABASE CLIENT YEAR PAGE POINT COLUMNS AMOUNT_COLUMNS OUT
       (AMOUNT_COLUMNS: the 1-based columns that hold amounts, joined by commas)
"""
import sqlite3
import sys

from openpyxl import Workbook

database, client, year, page, point, count, amounts, out = sys.argv[1:9]
count = int(count)
amounts = {int(c) - 1 for c in amounts.split(",")}
columns = ",".join(f"Col{i}" for i in range(1, count + 1))
db = sqlite3.connect(database)
rows = db.execute(f"SELECT {columns} FROM anx_j3cd_{year} WHERE Code_No=? AND FYr=? AND PageNo=? "
                  "AND PointNo=? ORDER BY CAST(Col23 AS INTEGER)", (client, year, int(page), point))
book = Workbook(write_only=True)
sheet = book.create_sheet("Sheet1")
sheet.append(["Instructions : DONOT change heading, formatting of Cells or Name of Excel Sheet."])
sheet.append([f"Column ({i})" for i in range(1, count + 1)])
for row in rows:
    sheet.append([float(v) if k in amounts and v else (v or None) for k, v in enumerate(row)])
lists = book.create_sheet("Lists")
for code in range(47):
    lists.append([f"194-{code}"])
book.save(out)
