#!/usr/bin/env python3
"""What validate is measured against: json.load of the file. Prints its own seconds,
elapsed and CPU.

usage: json_load.py FILE
"""
import json
import sys
import time

start = time.perf_counter()
cpu = time.process_time()
with open(sys.argv[1], encoding="utf-8-sig") as f:
    json.load(f)
print(f"{time.perf_counter() - start:.4f} {time.process_time() - cpu:.4f}")
