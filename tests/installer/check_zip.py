#!/usr/bin/env python3
"""The portable zip holds exactly KorvelTarvo-<version>/ with the given
files (the program, its tools, the readme), byte for byte the built ones.

check_zip.py ZIP VERSION FILE...
"""
import os
import sys
import zipfile


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    archive, version, *files = argv[1:]
    folder = f"KorvelTarvo-{version}/"
    expected = {folder + os.path.basename(f): f for f in files}
    problems = []
    with zipfile.ZipFile(archive) as z:
        if z.testzip() is not None:
            problems.append("damaged entry " + z.testzip())
        names = {n for n in z.namelist() if n != folder}
        for name in sorted(names - expected.keys()):
            problems.append("unexpected entry " + name)
        for name, built in sorted(expected.items()):
            if name not in names:
                problems.append("missing entry " + name)
                continue
            with open(built, "rb") as f:
                if z.read(name) != f.read():
                    problems.append(f"{name} differs from {built}")
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
