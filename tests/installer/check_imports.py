#!/usr/bin/env python3
"""Every program we ship imports only DLLs that come with Windows 7 and
later. Wine brings convenience DLLs of its own (zlib1.dll among them), so a
program that needs one runs under Wine and fails to start on a clean
Windows: only the import table tells. (The portable zip's programs are the
built ones byte for byte: check_zip.py.)

check_imports.py OBJDUMP FILE...
"""
import os
import subprocess
import sys

# DLLs every Windows from 7 on has in system32.
WINDOWS_DLLS = set("""advapi32 bcrypt comctl32 comdlg32 crypt32 dbghelp dwmapi gdi32 gdiplus imm32 kernel32
    kernelbase msimg32 msvcrt ntdll ole32 oleaut32 psapi rpcrt4 sechost secur32 setupapi shell32 shfolder shlwapi
    user32 userenv usp10 uxtheme version winmm ws2_32 mpr iphlpapi""".split())

problems = []
for path in sys.argv[2:]:
    out = subprocess.run([sys.argv[1], "-p", path], capture_output=True, text=True, check=True).stdout
    dlls = [line.split("DLL Name:")[1].strip().lower() for line in out.splitlines() if "DLL Name:" in line]
    if not dlls:
        problems.append(os.path.basename(path) + ": no import table read")
    problems += ["%s imports %s, which Windows does not ship" % (os.path.basename(path), d)
                 for d in dlls if d.removesuffix(".dll") not in WINDOWS_DLLS and d != "winspool.drv"]
print("\n".join(problems), file=sys.stderr)
sys.exit(1 if problems or len(sys.argv) < 3 else 0)
