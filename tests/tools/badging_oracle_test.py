#!/usr/bin/env python3
"""Our badging tool against Debian's aapt, the oracle, on every package of
the corpus: the lines the program reads (and their neighbours of the same
kind) must be byte for byte aapt's, and so must the exit status. The one
deliberate difference: where aapt names an XML icon, ours names the largest
PNG variant of the same resource."""
import argparse
import os
import re
import subprocess
import sys
import zipfile

ap = argparse.ArgumentParser()
ap.add_argument("--tool", required=True)
ap.add_argument("--corpus", required=True)
ap.add_argument("--aapt", default="/usr/bin/aapt")
opts = ap.parse_args()

KEPT = ("package:", "sdkVersion:", "targetSdkVersion:", "maxSdkVersion:", "uses-permission",
        "uses-implied-permission:", "optional-permission:", "application-label", "application:",
        "ERROR: dump failed")
DENSITY = {"ldpi": 120, "mdpi": 160, "tvdpi": 213, "hdpi": 240, "xhdpi": 320, "xxhdpi": 480, "xxxhdpi": 640}


def badging(tool, package):
    # Run from inside the corpus with a relative path, as the corpus captures it.
    p = subprocess.run([tool, "d", "badging", package], cwd=opts.corpus, capture_output=True, timeout=60)
    text = (p.stdout + p.stderr).decode("utf-8", "replace")
    return p.returncode, [line for line in text.splitlines() if line.startswith(KEPT)]


def largest_png(package, xml_icon):
    """The PNG of the same resource (type and name) in the densest folder."""
    folder, name = xml_icon.split("/")[1], os.path.splitext(xml_icon.split("/")[-1])[0]
    kind = folder.split("-")[0]
    best, best_density = None, -1
    with zipfile.ZipFile(os.path.join(opts.corpus, package)) as z:
        for entry in z.namelist():
            parts = entry.split("/")
            if len(parts) != 3 or parts[2] != name + ".png" or parts[1].split("-")[0] != kind:
                continue
            density = next((DENSITY[q] for q in parts[1].split("-")[1:] if q in DENSITY), 160)
            if density > best_density:
                best, best_density = entry, density
    return best or xml_icon


failures = []
packages = sorted(os.path.relpath(os.path.join(d, f), opts.corpus)
                  for d, _, files in os.walk(opts.corpus) for f in files if f.endswith(".apk"))
substituted = 0
for package in packages:
    want_status, want = badging(opts.aapt, package)
    got_status, got = badging(opts.tool, package)
    for i, line in enumerate(want):
        m = re.match(r"application: label='(.*)' icon='(res/[^']*\.xml)'$", line)
        if m:
            want[i] = "application: label='%s' icon='%s'" % (m.group(1), largest_png(package, m.group(2)))
            substituted += want[i] != line
    if (got_status, got) != (want_status, want):
        failures.append(package)
        print("FAIL %s (status %d, aapt %d)" % (package, got_status, want_status), file=sys.stderr)
        for line in sorted(set(want) ^ set(got)):
            print("   %s %s" % ("aapt:" if line in want else "ours:", line), file=sys.stderr)

# A bundle prints its base's lines: ours on the bundle against aapt on the
# base alone, the icon named inside the base's entry. Where the base's icon
# drawable exists only in density splits, aapt stops at the icon; ours goes
# on and names the densest split's PNG.
BUNDLES = {"split.xapk": ("mipmap.base", "com.korvel.split.apk"), "split.apkm": ("mipmap.base", "base.apk"),
           "split.apks": ("drawable.base", ""),
           "bundletool-default.apks": ("bundletool-default.base", "splits/base-master.apk"),
           "bundletool-universal.apks": ("bundletool-universal.base", "universal.apk")}
for bundle, (base, entry) in BUNDLES.items():
    want_status, want = badging(opts.aapt, "bundles/" + base)
    for i, line in enumerate(want):
        m = re.match(r"application: label='(.*)' icon='(res/[^']*\.xml)'$", line)
        if m:
            want[i] = "application: label='%s' icon='%s'" % (m.group(1), largest_png("bundles/" + base, m.group(2)))
    want = [re.sub(r" icon='(.+)'$", r" icon='%s!/\1'" % entry, w) if w.startswith("application:") else w
            for w in want]
    got_status, got = badging(opts.tool, "bundles/" + bundle)
    if want_status != 0:
        icon = "application: label='Split Demo' icon='splits/base-xxhdpi.apk!/res/drawable-xxhdpi-v4/icon.png'"
        want_status, want = 0, want + [icon] + got[len(want) + 1:]
    if (got_status, got) != (want_status, want):
        failures.append(bundle)
        print("FAIL %s against aapt on its base: %s" % (bundle, sorted(set(want) ^ set(got))), file=sys.stderr)

# The corpus must hold what this test is for.
if len(packages) < 20 or substituted == 0:
    failures.append("corpus too small (%d packages, %d XML icons)" % (len(packages), substituted))
print("%d packages compared, %d XML icons named as PNG" % (len(packages), substituted))
sys.exit(1 if failures else 0)
