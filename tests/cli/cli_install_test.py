#!/usr/bin/env python3
"""tarvo-cli install as a user runs it, against the scripted fake bridge:
one tab-separated line per report as it arrives, a summary line, exit 0 only
when every package was installed, 1 otherwise and 2 for usage."""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

ap = argparse.ArgumentParser()
ap.add_argument("--runner", default="")
ap.add_argument("--cli", required=True)
ap.add_argument("--fake", required=True)
opts = ap.parse_args()

failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def win_path(path):
    return "Z:" + path.replace("/", "\\") if opts.runner else path


work = tempfile.mkdtemp(prefix="tarvo-cli-install-")
log = os.path.join(work, "bridge.log")
script = os.path.join(work, "bridge.script")
env = dict(os.environ)
env["TARVO_FAKEBRIDGE_LOG"] = win_path(log)
env["TARVO_FAKEBRIDGE_SCRIPT"] = win_path(script)
# Natively the temporary copies land here and go with the folder.
env["TMPDIR"] = work


def run(*args, lines=None):
    if os.path.exists(log):
        os.remove(log)
    with open(script, "w", encoding="utf-8") as f:
        f.write("\n".join(lines or ["success"]) + "\n")
    cmd = ([opts.runner] if opts.runner else []) + [opts.cli] + list(args)
    # Output through files, not pipes: Wine's own background programs,
    # started by whichever program runs first after wineserver went idle,
    # inherit its standard handles and would hold a pipe open long after.
    with open(os.path.join(work, "out.txt"), "w+b") as out, open(os.path.join(work, "err.txt"), "w+b") as err:
        code = subprocess.run(cmd, stdout=out, stderr=err, timeout=120, env=env).returncode
        out.seek(0)
        err.seek(0)
        p = subprocess.CompletedProcess(cmd, code, out.read(), err.read())
    calls = []
    if os.path.exists(log):
        with open(log, encoding="utf-8") as f:
            calls = f.read().splitlines()
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8", "replace"), calls


def package(name, data=b"PK\x03\x04 package"):
    path = os.path.join(work, name)
    with open(path, "wb") as f:
        f.write(data)
    return path


fake = win_path(opts.fake)
# As the program is given them: Windows paths under Wine.
a, b, odd = (win_path(package(n)) for n in ("a.apk", "b.apk", "my app 安装.apk"))

# Usage errors: exit 2, the usage lines on stderr, nothing else.
for bad in (["install"], ["install", "--bridge"], ["install", "--sd", "--sd", a], ["install", "--frob", a],
            ["install", "--bridge", fake, "--bridge", fake, a], ["install", "--sd"], ["install", ""],
            ["install", "--device", a], ["install", "--device", "", a]):
    code, out, err, calls = run(*bad)
    check(code == 2, f"usage error {bad} exits 2, got {code}")
    check(out == "" and calls == [], f"usage error {bad} prints and runs nothing: {out!r}")
    check(err.startswith("usage: tarvo-cli") and "tarvo-cli install [--sd] [--device SERIAL|all] [--replace-other-signer] [--bridge PATH] PACKAGE..." in err,
          f"usage lines for {bad}: {err!r}")

# All succeed: one line per package in order, the queued paths, exit 0.
code, out, err, calls = run("install", "--bridge", fake, a, odd, b)
lines = out.splitlines()
check(code == 0, f"all installed exits 0, got {code}: {err!r}")
check(lines[:3] == [f"0\t0\tInstallSuccess\t{a}", f"1\t0\tInstallSuccess\t{odd}",
                    f"2\t0\tInstallSuccess\t{b}"], f"report lines: {lines}")
check(lines[3:] == ["installed 3 of 3, failed 0, not tried 0"], f"summary: {lines[3:]}")
check(len(calls) == 3 and all(c.startswith(fake + " -nv install -r ") for c in calls), f"phone memory: {calls}")
check(not any("my app" in c or "安装" in c for c in calls), f"only temporary copies are passed: {calls}")
check(len(set(c.split(" -r ")[1] for c in calls)) == 3, f"one copy per package: {calls}")

# The SD card.
code, out, err, calls = run("install", "--sd", "--bridge", fake, a)
check(code == 0 and len(calls) == 1 and calls[0].startswith(fake + " -nv install -s -r "), f"sd card: {calls}")

# A failure that lets the batch go on, then one that ends it.
code, out, err, calls = run("install", "--bridge", fake, a, b, odd, lines=["certificates", "nodevice"])
lines = out.splitlines()
check(code == 1, f"failures exit 1, got {code}")
check(lines[0] == f"0\t12\tInstallInconsistentCertificates\t{a}" and "--replace-other-signer" in lines[1] and
      lines[2:] == [f"1\t1\tInstallNoDevice\t{b}", "installed 0 of 3, failed 2, not tried 1"],
      f"batch ended by no device, the conflict's option named: {lines}")
check(len(calls) == 2, f"third package never tried: {calls}")

# Success after a failure still fails the run as a whole.
code, out, err, calls = run("install", "--bridge", fake, a, b, lines=["exists", "success"])
check(code == 1 and out.splitlines()[-1] == "installed 1 of 2, failed 1, not tried 0", f"partial: {out!r}")

# No bridge tool at the given path: nothing reached a device.
code, out, err, calls = run("install", "--bridge", win_path(os.path.join(work, "missing-bridge")), a)
check(code == 1 and out.splitlines()[0] == f"0\t1\tInstallNoDevice\t{a}", f"missing bridge: {out!r}")

# Phones named: one line per phone and package, in the phones' turn; the
# package's result is its first failure. A serial that went away gives
# result 1 for each package.
with open(log + ".phones", "w", encoding="utf-8") as f:
    f.write("R5 x\tdevice\tPixel_7\t14\nQ\tunauthorized\t\t\nEMU\tdevice\tMi\t12\n")
code, out, err, calls = run("install", "--device", "all", "--bridge", fake, a, b,
                            lines=["success", "success", "certificates", "success"])
check([l for l in out.splitlines() if l[:1] != "\t"] == [f"0\t0\tInstallSuccess\t{a}\tR5 x", f"0\t0\tInstallSuccess\t{a}\tEMU",
                           f"1\t12\tInstallInconsistentCertificates\t{b}\tR5 x", f"1\t0\tInstallSuccess\t{b}\tEMU",
                           "installed 1 of 2, failed 1, not tried 0"] and code == 1, f"every phone: {out!r}")
check([c.split("\t")[1] for c in calls] == ["ANDROID_SERIAL=R5 x", "ANDROID_SERIAL=EMU"] * 2, f"serials: {calls}")
code, out, err, calls = run("install", "--device", "手机 1", "--bridge", fake, a, b, lines=["nodevice"])
check(out.splitlines()[:2] == [f"0\t1\tInstallNoDevice\t{a}\t手机 1", f"1\t1\tInstallNoDevice\t{b}\t手机 1"],
      f"a phone that is gone: {out!r}")
check(len(calls) == 1 and calls[0].endswith("\tANDROID_SERIAL=手机 1"), f"its serial: {calls}")

shutil.rmtree(work, ignore_errors=True)
sys.exit(1 if failures else 0)
