#!/usr/bin/env python3
"""tarvo-cli inspect as a user runs it: one JSON object on standard output,
diagnostics only on standard error, exit 0 for a record and 2 for usage."""
import argparse
import json
import os
import subprocess
import sys
import tempfile

ap = argparse.ArgumentParser()
ap.add_argument("--runner", default="")
ap.add_argument("--cli", required=True)
ap.add_argument("--corpus", required=True)
ap.add_argument("--aapt", default="")
opts = ap.parse_args()

failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def win_path(path):
    return "Z:" + path.replace("/", "\\") if opts.runner else path


def run(*args):
    cmd = ([opts.runner] if opts.runner else []) + [opts.cli] + list(args)
    # Output through files, not pipes: Wine's own background programs,
    # started by whichever program runs first after wineserver went idle,
    # inherit its standard handles and would hold a pipe open long after.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        code = subprocess.run(cmd, stdout=out, stderr=err, timeout=120).returncode
        out.seek(0)
        err.seek(0)
        return code, out.read().decode("utf-8"), err.read().decode("utf-8", "replace")


def inspect(package, aapt=None):
    args = ["inspect"]
    if aapt:
        args += ["--aapt", aapt]
    return run(*args, win_path(package))


# Usage errors: exit 2 and one line on standard error.
for bad in ([], ["inspect"], ["inspect", "--aapt"], ["inspect", "a.apk", "b.apk"], ["frobnicate"]):
    code, out, err = run(*bad)
    check(code == 2, f"usage error {bad} exits 2, got {code}")
    check(out == "", f"usage error {bad} prints nothing on stdout")
    lines = err.splitlines()
    check(err.startswith("usage: tarvo-cli") and len(lines) == 3 and "tarvo-cli install" in lines[1],
          f"usage lines for {bad}: {err!r}")

keys = ["apkPath", "label", "packageName", "versionName", "sdkVersion", "size", "iconPath", "permissions"]

# Missing tool: a record with empty fields, diagnostics on stderr only.
plain = os.path.join(opts.corpus, "plain.apk")
code, out, err = inspect(plain, aapt=win_path(os.path.join(opts.corpus, "no-aapt-here")))
check(code == 0, "missing tool still gives a record")
rec = json.loads(out)
check(list(rec.keys()) == keys, f"keys in order: {list(rec.keys())}")
check(rec["label"] == "" and rec["size"] == "" and rec["permissions"] == [], "missing tool: empty record")
check(rec["apkPath"] == win_path(plain), "apkPath is the given path")
check("do not find aapt!" in err and "apk路径准备失败" in err, f"diagnostics on stderr: {err!r}")
check(out.count("\n") == 1, "exactly one line of JSON")

if opts.aapt:
    aapt = win_path(opts.aapt)
    code, out, err = inspect(plain, aapt=aapt)
    rec = json.loads(out)
    check(code == 0, "real package exits 0")
    check(rec["packageName"] == "com.korvel.demo", f"package name: {rec['packageName']}")
    check(rec["sdkVersion"] == "Android 2.2", f"sdk: {rec['sdkVersion']}")
    check(rec["size"].endswith(" KB") or rec["size"].endswith(" Byte"), f"size text: {rec['size']}")
    titles = [p["title"] for p in rec["permissions"]]
    check("完全的互联网访问权限" in titles, f"INTERNET title present: {titles}")
    check(all(set(p) == {"level", "title"} for p in rec["permissions"]), "permission objects hold level and title")

    odd = os.path.join(opts.corpus, "空格 目录", "my app 安装.apk")
    code, out, err = inspect(odd, aapt=aapt)
    rec = json.loads(out)
    check(rec["apkPath"] == win_path(odd) and rec["packageName"] == "com.korvel.demo",
          f"path with blanks and Chinese: {rec}")

    code, out, err = inspect(os.path.join(opts.corpus, "notzip.apk"), aapt=aapt)
    rec = json.loads(out)
    check(code == 0 and rec["label"] == "", "not-a-zip gives an empty record")
    check("error:dump failed!" in err, f"dump failure diagnosed: {err!r}")
    copy = os.path.basename(rec["apkPath"].replace("\\", "/"))
    check(copy.startswith("tmp"), f"retried on a temporary copy: {rec['apkPath']}")

    # Without --aapt our own tool beside the program reads the package:
    # the same record as the tool named.
    _, with_tool, _ = inspect(plain, aapt=aapt)
    _, beside, _ = inspect(plain)
    check(json.loads(beside) == json.loads(with_tool), f"the tool beside the program: {beside}")

# A bundle, read by our own tool beside the program: its base's record,
# the bundle file's size, the icon inside the densest split.
apks = os.path.join(opts.corpus, "bundles", "split.apks")
code, out, err = inspect(apks)
rec = json.loads(out)
check(code == 0 and rec["label"] == "Split Demo" and rec["versionName"] == "4.2", f"a bundle: {rec}")
check(rec["iconPath"] == "splits/base-xxhdpi.apk!/res/drawable-xxhdpi-v4/icon.png", f"bundle icon: {rec['iconPath']}")
check(rec["size"] == "%.2f KB" % (os.path.getsize(apks) / 1024), f"bundle size: {rec['size']}")

sys.exit(1 if failures else 0)
