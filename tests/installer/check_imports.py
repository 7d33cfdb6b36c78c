#!/usr/bin/env python3
"""Every program we ship imports only DLLs that come with Windows 7 and
later. Wine brings convenience DLLs of its own (zlib1.dll among them), so a
program that needs one runs under Wine and fails to start on a clean
Windows: only the import table tells.

check_imports.py OBJDUMP ZIP FILE...   (the portable zip's programs, and the
installer and its payload given as FILEs; ZIP "-" for none)
"""
import os
import subprocess
import sys
import tempfile
import zipfile

# DLLs every Windows from 7 on has in system32.
WINDOWS_DLLS = {
    "advapi32.dll", "bcrypt.dll", "comctl32.dll", "comdlg32.dll", "crypt32.dll", "dbghelp.dll", "dwmapi.dll",
    "gdi32.dll", "gdiplus.dll", "imm32.dll", "kernel32.dll", "kernelbase.dll", "msimg32.dll", "msvcrt.dll", "ntdll.dll",
    "ole32.dll", "oleaut32.dll", "psapi.dll", "rpcrt4.dll", "sechost.dll", "secur32.dll", "setupapi.dll", "shell32.dll",
    "shfolder.dll", "shlwapi.dll", "user32.dll", "userenv.dll", "usp10.dll", "uxtheme.dll", "version.dll",
    "winmm.dll", "winspool.drv", "ws2_32.dll", "mpr.dll",
}


def imports(objdump, path):
    out = subprocess.run([objdump, "-p", path], capture_output=True, text=True, check=True).stdout
    return [line.split("DLL Name:")[1].strip() for line in out.splitlines() if "DLL Name:" in line]


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    objdump, archive, *files = argv[1:]
    problems = []
    with tempfile.TemporaryDirectory() as unpacked:
        shipped = []
        if archive != "-":
            with zipfile.ZipFile(archive) as z:
                shipped = [n for n in z.namelist() if n.lower().endswith((".exe", ".dll"))]
                if not shipped:
                    problems.append("no program in " + archive)
                z.extractall(unpacked, shipped)
        for path in [os.path.join(unpacked, n) for n in shipped] + files:
            dlls = imports(objdump, path)
            if not dlls:
                problems.append(os.path.basename(path) + ": no import table read")
            for dll in dlls:
                if dll.lower() not in WINDOWS_DLLS:
                    problems.append("%s imports %s, which Windows does not ship" % (os.path.basename(path), dll))
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
