#!/usr/bin/env python3
"""What import-json is measured against: a short script that parses an e-filing file with
json.load and inserts a row for each object of its tables into the SQLite clause table, in
one transaction. Prints its own seconds, elapsed and CPU.

usage: import_json.py DATABASE TABLE CLIENT YEAR FILE
"""
import json
import sqlite3
import sys
import time


def rows_of(name, value, out):
    if isinstance(value, dict):
        for key, member in value.items():
            rows_of(key, member, out)
    elif isinstance(value, list):
        for sequence, item in enumerate(value, 1):
            if isinstance(item, dict):
                cells = [str(v) for v in item.values() if not isinstance(v, (dict, list))][:22]
                out.append((name[:50], cells + [None] * (22 - len(cells)) + [str(sequence)]))
                for key, member in item.items():
                    if isinstance(member, (dict, list)):
                        rows_of(key, member, out)


def main():
    database, table, client, year, path = sys.argv[1:6]
    start = time.perf_counter()
    cpu = time.process_time()
    with open(path, encoding="utf-8-sig") as f:
        document = json.load(f)
    rows = []
    rows_of("", document, rows)
    db = sqlite3.connect(database)
    columns = ",".join(f"Col{i}" for i in range(1, 24))
    with db:
        db.execute(f"DELETE FROM {table} WHERE Code_No=? AND FYr=? AND PageNo<>301", (client, year))
        db.executemany(
            f"INSERT INTO {table} (Code_No,FYr,PointNo,PageNo,FormName,{columns}) "
            f"VALUES (?,?,?,?,?,{','.join('?' * 23)})",
            ((client, year, point, 99, "3CD", *cells) for point, cells in rows))
    print(f"{time.perf_counter() - start:.4f} {time.process_time() - cpu:.4f}")


if __name__ == "__main__":
    main()
