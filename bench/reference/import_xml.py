#!/usr/bin/env python3
"""What import-xml is measured against: a short script that parses a Form 3CEB e-filing file
with lxml and inserts a row for each element whose children are all plain values into the
Form 3CEB clause table, in one transaction.

usage: import_xml.py DATABASE CLIENT YEAR FILE
"""
import sqlite3
import sys
from lxml import etree

database, client, year, path = sys.argv[1:5]
db = sqlite3.connect(database)
columns = [r[1] for r in db.execute("PRAGMA table_info(anx_new_3ceb)") if r[1].startswith("Col")]
rows = []
for element in etree.parse(path).iter(tag=etree.Element):
    children = list(element)
    if children and all(len(child) == 0 for child in children):
        cells = [child.text for child in children][:len(columns)]
        tag = element.tag.rsplit("}", 1)[-1][:50]
        rows.append((client, year, "3CEB", tag, 99, *cells, *[None] * (len(columns) - len(cells))))
with db:
    db.execute("DELETE FROM anx_new_3ceb WHERE Code_No=? AND FYr=?", (client, year))
    db.executemany(f"INSERT INTO anx_new_3ceb (Code_No,FYr,FormName,PointNo,PageNo,{','.join(columns)}) "
                   f"VALUES ({','.join('?' * (5 + len(columns)))})", rows)
