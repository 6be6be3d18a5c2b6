#!/usr/bin/env python3
"""What generate-xml is measured against: a short script that reads a Form 3CEB report's rows
from the SQLite database, builds with lxml a document of an element a row and a child a filled
column, writes it, and checks the program's own document of the same report against the
department's schema with lxml, as the program checks what it writes.

usage: generate_xml.py DATABASE CLIENT YEAR SCHEMA DOCUMENT OUT
"""
import sqlite3
import sys

from lxml import etree

database, client, year, schema, document, out = sys.argv[1:7]
db = sqlite3.connect(database)
columns = [r[1] for r in db.execute("PRAGMA table_info(anx_new_3ceb)") if r[1].startswith("Col")]
root = etree.Element("{http://incometaxindiaefiling.gov.in/FORM3CEB}FORM3CEB",
                     nsmap={"FORM": "http://incometaxindiaefiling.gov.in/FORM3CEB"})
for point, *cells in db.execute(f"SELECT PointNo,{','.join(columns)} FROM anx_new_3ceb "
                                "WHERE Code_No=? AND FYr=? ORDER BY PageNo, PointNo", (client, year)):
    row = etree.SubElement(root, "P" + "".join(c for c in point if c.isalnum()))
    for name, cell in zip(columns, cells):
        if cell:
            etree.SubElement(row, name).text = cell
etree.ElementTree(root).write(out, xml_declaration=True, encoding="UTF-8")
etree.XMLSchema(etree.parse(schema)).assertValid(etree.parse(document))
