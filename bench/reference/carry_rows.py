#!/usr/bin/env python3
"""What carry is measured against: a short script that reads a client's report of one year
and writes a copy of its rows into the next year's clause table, in one transaction.

usage: carry_rows.py DATABASE CLIENT FROM_YEAR TO_YEAR
"""
import sqlite3
import sys

database, client, source, target = sys.argv[1:5]
db = sqlite3.connect(database)
cursor = db.execute(f"SELECT * FROM anx_j3cd_{source} WHERE Code_No=? AND FYr=?", (client, source))
columns = [d[0] for d in cursor.description]
year = columns.index("FYr")
rows = [row[:year] + (target,) + row[year + 1:] for row in cursor]
with db:
    # Next year's table as the program makes it: last year's definition and index.
    for (sql,) in db.execute("SELECT sql FROM sqlite_master WHERE tbl_name=? AND sql IS NOT NULL",
                             (f"anx_j3cd_{source}",)).fetchall():
        db.execute(sql.replace(source, target).replace("CREATE TABLE", "CREATE TABLE IF NOT EXISTS")
                   .replace("CREATE INDEX", "CREATE INDEX IF NOT EXISTS")
                   .replace("CREATE UNIQUE INDEX", "CREATE UNIQUE INDEX IF NOT EXISTS"))
    db.execute(f"DELETE FROM anx_j3cd_{target} WHERE Code_No=? AND FYr=?", (client, target))
    db.executemany(f"INSERT INTO anx_j3cd_{target} ({','.join(columns)}) "
                   f"VALUES ({','.join('?' * len(columns))})", rows)
