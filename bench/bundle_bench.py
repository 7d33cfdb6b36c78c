#!/usr/bin/env python3
"""Bundles at the size real games ship: the inspection of a 200 MB .xapk
(a 20 MB base, its splits and a large expansion file), once with the base
stored and once deflated, timed natively beside Debian's aapt on the same
base alone; then the peak memory of the inspection tool and of the bridge
tool on a 1 GB one. Medians of --reps runs; nothing is asserted.

With --window DIR it only writes, for the window's bench under Wine, a 1 GB
.xapk whose 300 MB base is deflated (DIR/bundle/game.xapk) and the same base
as a plain package (DIR/plain/game.apk).

bundle_bench.py --tool TARVO_BADGING --shim KORVEL_HELPER --bundles CORPUS/bundles --work DIR [--reps N]
                [--window DIR]"""
import argparse
import io
import json
import os
import shutil
import statistics
import subprocess
import sys
import time
import zipfile

ap = argparse.ArgumentParser()
ap.add_argument("--tool", required=True)
ap.add_argument("--shim", required=True)
ap.add_argument("--bundles", required=True)
ap.add_argument("--work", required=True)
ap.add_argument("--reps", type=int, default=9)
ap.add_argument("--window")
opts = ap.parse_args()
os.makedirs(opts.work, exist_ok=True)
MB = 1 << 20
BLOCK = os.urandom(MB)  # incompressible, as packed game data is


def make_bundle(path, base_method, obb_mb, base_mb=20):
    """The corpus's .xapk with a base_mb base and an obb_mb expansion file."""
    with zipfile.ZipFile(os.path.join(opts.bundles, "split.xapk")) as small:
        base = io.BytesIO()
        with zipfile.ZipFile(base, "w") as z, zipfile.ZipFile(io.BytesIO(small.read("com.korvel.split.apk"))) as b:
            for info in b.infolist():
                z.writestr(info, b.read(info))
            z.writestr(zipfile.ZipInfo("assets/data.bin"), BLOCK * base_mb)
        manifest = json.loads(small.read("manifest.json"))
        with zipfile.ZipFile(path, "w") as out:
            for info in small.infolist():
                if info.filename == "com.korvel.split.apk":
                    out.writestr(info.filename, base.getvalue(), compress_type=base_method)
                elif info.filename != manifest["expansions"][0]["file"]:
                    out.writestr(info, small.read(info))
            with out.open(zipfile.ZipInfo(manifest["expansions"][0]["file"]), "w", force_zip64=True) as obb:
                for _ in range(obb_mb):
                    obb.write(BLOCK)
    return base.getvalue()


# A child's peak memory counts what it had before its exec: started from
# this process, which holds the bundles' bytes, it would read as ours. A
# fresh small interpreter starts it instead and reports.
MEASURE = """import os, subprocess, sys, time
start = time.perf_counter()
p = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
usage = os.wait4(p.pid, 0)[2]
print((time.perf_counter() - start) * 1000, usage.ru_maxrss / 1024)"""


def run(args, env=None):
    """Wall time in ms and peak resident memory in MB of one run."""
    out = subprocess.run([sys.executable, "-S", "-c", MEASURE] + args, env=env, capture_output=True, text=True,
                         check=True).stdout.split()
    return float(out[0]), float(out[1])


def median_ms(args):
    run(args)  # warm caches, uncounted
    return statistics.median(run(args)[0] for _ in range(opts.reps))


if opts.window:
    for folder in ("bundle", "plain"):
        os.makedirs(os.path.join(opts.window, folder), exist_ok=True)
    with open(os.path.join(opts.window, "plain", "game.apk"), "wb") as f:
        f.write(make_bundle(os.path.join(opts.window, "bundle", "game.xapk"), zipfile.ZIP_DEFLATED, 700, 300))
    sys.exit(0)

base_path = os.path.join(opts.work, "base.apk")
print("inspection of a 200 MB bundle (20 MB base), median of %d, ms:" % opts.reps)
for label, method in (("stored", zipfile.ZIP_STORED), ("deflated", zipfile.ZIP_DEFLATED)):
    bundle = os.path.join(opts.work, "big-%s.xapk" % label)
    with open(base_path, "wb") as f:
        f.write(make_bundle(bundle, method, 178))
    ours = median_ms([opts.tool, "d", "badging", bundle])
    aapt = median_ms(["/usr/bin/aapt", "d", "badging", base_path])
    print("  base %-8s  ours on the bundle %7.1f   Debian aapt on the base alone %7.1f   (%.0f MB)"
          % (label, ours, aapt, os.path.getsize(bundle) / MB))
    os.remove(bundle)

# The shim talks to a stand-in adb that accepts everything: what is
# measured is its own extraction of the splits and the 1 GB expansion file.
bundle = os.path.join(opts.work, "huge.xapk")
make_bundle(bundle, zipfile.ZIP_DEFLATED, 1000)
fake = os.path.join(opts.work, "adb-dir")
os.makedirs(fake, exist_ok=True)
with open(os.path.join(fake, "adb"), "w") as f:
    f.write("#!/bin/sh\necho '1 file pushed'\necho Success\n")
os.chmod(os.path.join(fake, "adb"), 0o755)
env = dict(os.environ, PATH=fake + ":" + os.environ["PATH"], TMPDIR=opts.work)
copy = os.path.join(opts.work, "tmpHUGE.tmp")
shutil.copy(bundle, copy)
tool_ms, tool_mb = run([opts.tool, "d", "badging", bundle])
shim_ms, shim_mb = run([opts.shim, "-nv", "install", "-r", copy], env)
floor_mb = run(["/bin/true"])[1]
print("peak memory on a %.0f MB bundle: inspection tool %.1f MB (%.0f ms), bridge tool %.1f MB (%.0f ms, "
      "extracting every split and the expansion file for adb); an empty program measured so: %.1f MB"
      % (os.path.getsize(bundle) / MB, tool_mb, tool_ms, shim_mb, shim_ms, floor_mb))
shutil.rmtree(opts.work)
