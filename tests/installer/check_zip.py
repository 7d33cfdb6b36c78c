#!/usr/bin/env python3
"""The portable zip holds exactly KorvelTarvo-<version>/ with the given
files (the program, its tools, the readme), byte for byte the built ones.

check_zip.py ZIP VERSION FILE...
"""
import os
import sys
import zipfile

archive, version, *files = sys.argv[1:]
folder = f"KorvelTarvo-{version}/"
expected = {folder + os.path.basename(f): f for f in files}
with zipfile.ZipFile(archive) as z:
    problems = ["damaged entry %s" % z.testzip()] if z.testzip() else []
    names = {n for n in z.namelist() if n != folder}
    problems += ["unexpected entry " + n for n in sorted(names - expected.keys())]
    for name, built in sorted(expected.items()):
        with open(built, "rb") as f:
            if name not in names or z.read(name) != f.read():
                problems.append(f"{name} is missing or differs from {built}")
print("\n".join(problems), file=sys.stderr)
sys.exit(1 if problems else 0)
