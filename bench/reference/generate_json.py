#!/usr/bin/env python3
"""What generate-json is measured against: a short script that reads a report's clause rows
from the SQLite database, converts them (amounts to numbers, dates to ISO), writes the rows of
the CSV-attachment clauses as Base64 CSV text and dumps the JSON. Prints its own seconds,
elapsed and CPU.

usage: generate_json.py DATABASE TABLE CLIENT YEAR OUT ATTACHED_POINT[,POINT...]
"""
import base64
import csv
import io
import json
import re
import sqlite3
import sys
import time

AMOUNT = re.compile(r"^-?\d+\.\d\d$")
DATE = re.compile(r"^(\d\d)/(\d\d)/(\d{4})$")


def value(text):
    if AMOUNT.match(text):
        return float(text)
    date = DATE.match(text)
    return f"{date[3]}-{date[2]}-{date[1]}" if date else text


def main():
    database, table, client, year, out, attached = sys.argv[1:7]
    attached = set(attached.split(","))
    start = time.perf_counter()
    cpu = time.process_time()
    columns = ",".join(f"Col{i}" for i in range(1, 23))
    rows = sqlite3.connect(database).execute(
        f"SELECT PointNo, {columns} FROM {table} WHERE Code_No=? AND FYr=? "
        "ORDER BY PageNo, FormName, PointNo, CAST(Col23 AS INTEGER)", (client, year))
    points = {}
    for point, *cols in rows:
        points.setdefault(point, []).append([c or "" for c in cols])
    document = {}
    for point, grid in points.items():
        if point in attached:
            text = io.StringIO()
            csv.writer(text).writerows(grid)
            document[point] = base64.b64encode(text.getvalue().encode()).decode()
        else:
            document[point] = [{f"Col{i + 1}": value(c) for i, c in enumerate(r) if c} for r in grid]
    with open(out, "w", encoding="utf-8") as f:
        json.dump({"FORM3CA": {"F3CA": document}}, f, ensure_ascii=False)
    print(f"{time.perf_counter() - start:.4f} {time.process_time() - cpu:.4f}")


main()
