#!/usr/bin/env python3
"""tarvo-cli install -> the real bridge shim -> Debian's real adb client and
server -> a scripted phone on the loopback: every outcome today's adb and
package manager word their own way reaches the program as its result, and
each kind of split bundle reaches the phone as the APKs it should get."""
import hashlib
import argparse
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import zipfile

ap = argparse.ArgumentParser()
ap.add_argument("--cli", required=True)
ap.add_argument("--shim", required=True)
ap.add_argument("--phone", required=True)
ap.add_argument("--bundles", required=True)
opts = ap.parse_args()

ADB = "/usr/bin/adb"
if not os.access(ADB, os.X_OK):
    sys.exit("Debian adb is not installed (scripts/setup installs it)")

failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


work = tempfile.mkdtemp(prefix="tarvo-real-phone-")
env = dict(os.environ)
# A private adb server, so no other adb user on this machine is touched;
# the shim finds Debian's adb on PATH.
env["ANDROID_ADB_SERVER_PORT"] = str(free_port())
env["PATH"] = "/usr/bin:" + env.get("PATH", "")
env["TMPDIR"] = work
answer_file = os.path.join(work, "answer.txt")
phone_log = os.path.join(work, "phone.log")
props_file = os.path.join(work, "props.txt")
refuse_push_file = os.path.join(work, "refuse-push.txt")
received = os.path.join(work, "received")
os.makedirs(received)
PROPS = ("[ro.product.cpu.abilist]: [arm64-v8a,armeabi-v7a]\n[ro.sf.lcd_density]: [440]\n"
         "[persist.sys.locale]: [fr-FR]\n[ro.build.version.sdk]: [29]\n[ro.build.version.release]: [10]\n")
with open(props_file, "w") as f:
    f.write(PROPS)
phones = []


def adb(*args):
    return subprocess.run([ADB] + list(args), capture_output=True, text=True, env=env, timeout=120).stdout


def phone(mode="device", features="cmd", own=None):
    """A phone joined to adb; `own` gives it a log and received folder of its own, and its model."""
    log, got = (os.path.join(work, own + ".log"), os.path.join(work, own)) if own else (phone_log, received)
    os.makedirs(got, exist_ok=True)
    p = subprocess.Popen([sys.executable, opts.phone, "--mode", mode, "--answer-file", answer_file, "--log",
                          log, "--props-file", props_file, "--received", got, "--refuse-push-file",
                          refuse_push_file, "--features", features, "--lifetime", "600", "--model", own or "Scripted_Phone"],
                         stdout=subprocess.PIPE, text=True)
    phones.append(p)
    serial = "127.0.0.1:%s" % p.stdout.readline().strip()
    adb("connect", serial)
    wait_for(lambda: "%s\t%s" % (serial, mode) in adb("devices"), "%s %s" % (serial, mode))
    return serial


def disconnect(serial):
    adb("disconnect", serial)
    wait_for(lambda: serial not in adb("devices"), "%s gone" % serial)


def wait_for(state, what):
    # Waits for a state, never for a time: the bound only catches a hang.
    deadline = time.monotonic() + 120
    while not state():
        if time.monotonic() > deadline:
            sys.exit("adb never showed " + what)
        time.sleep(0.2)


def install(answer="Success", sd=False, package=None, device=None, lines=False, extra=(), stdin=""):
    with open(answer_file, "w", encoding="utf-8") as f:
        f.write(answer)
    args = [opts.cli, "install", "--bridge", opts.shim] + (["--sd"] if sd else []) + (
        ["--device", device] if device else []) + list(extra) + [package or apk]
    out = subprocess.run(args, capture_output=True, text=True, env=env, timeout=300, input=stdin).stdout
    if lines:
        return out.splitlines()
    first = out.splitlines()[0].split("\t") if out else ["", ""]
    return int(first[1]) if first[1].lstrip("-").isdigit() else None


def devices():
    """The phones `tarvo-cli devices --json` lists through the shim: serial -> (state, model, release)."""
    out = subprocess.run([opts.cli, "devices", "--json", "--bridge", opts.shim], capture_output=True, text=True,
                         env=env, timeout=120).stdout
    return {p["serial"]: (p["state"], p["model"], p["android"]) for p in json.loads(out)}


def services():
    with open(phone_log, encoding="utf-8") as f:
        return f.read().splitlines()


def last_service():
    return services()[-1]


def entries(bundle, *names):
    with zipfile.ZipFile(os.path.join(opts.bundles, bundle)) as z:
        return sorted(hashlib.sha256(z.read(n)).hexdigest() for n in names)


def install_bundle(bundle, answer="Success", sd=False):
    """The result through tarvo-cli, the shim's own first line, and the
    received files (their hashes) and services of the phone."""
    for f in os.listdir(received):
        os.remove(os.path.join(received, f))
    open(phone_log, "w").close()
    result = install(answer, sd, os.path.join(opts.bundles, bundle))
    copy = os.path.join(work, "tmpBUNDLE.tmp")
    shutil.copy(os.path.join(opts.bundles, bundle), copy)
    shim = subprocess.run([opts.shim, "-nv", "install"] + (["-s"] if sd else []) + ["-r", copy],
                          capture_output=True, text=True, env=env, timeout=300).stdout
    os.remove(copy)
    got = {}
    for f in os.listdir(received):
        with open(os.path.join(received, f), "rb") as data:
            got[f] = hashlib.sha256(data.read()).hexdigest()
    return result, (shim.splitlines() or [""])[0], got


def check_bundles():
    """Each kind, chosen for a phone that is arm64, 440 dpi and French."""
    base = ["splits/base-master.apk", "splits/base-arm64_v8a.apk", "splits/base-xxhdpi.apk", "splits/base-fr.apk",
            "splits/feature1-master.apk", "splits/feature1-arm64_v8a.apk"]
    obb = "Android/obb/com.korvel.split/main.42.com.korvel.split.obb"
    cases = [("split.apks", False, base + ["asset-slices/assetpack-master.apk"], None),
             ("universal.apks", True, ["universal.apk"], None),
             ("export.apks", False, ["base.apk", "config.arm64_v8a.apk", "config.xxhdpi.apk", "config.fr.apk",
                                     "feature1.apk", "feature1.config.arm64_v8a.apk"], None),
             # bundletool's own outputs, from public repositories.
             ("bundletool-default.apks", False, ["splits/base-master.apk", "splits/base-xxhdpi.apk",
                                                 "splits/base-en.apk"], None),
             ("bundletool-universal.apks", False, ["universal.apk"], None),
             ("standalone.apks", False, ["splits/base-master.apk", "splits/base-fr.apk", "splits/base-xxhdpi.apk"],
              None),
             ("split.xapk", False, ["com.korvel.split.apk", "config.arm64_v8a.apk", "config.xxhdpi.apk",
                                    "config.fr.apk"], obb),
             ("split.apkm", True, ["base.apk", "split_config.arm64_v8a.apk", "split_config.xxhdpi.apk",
                                   "split_config.fr.apk"], None),
             ("bigjson.xapk", False, ["com.korvel.split.apk", "config.arm64_v8a.apk", "config.xxhdpi.apk",
                                      "config.fr.apk"], None),
             ("many.apks", False, ["splits/base-master.apk"], None)]
    for bundle, sd, names, expansion in cases:
        result, first, got = install_bundle(bundle, sd=sd)
        check(result == 0, "%s installs: %s (%s)" % (bundle, result, first))
        splits = sorted(h for f, h in got.items() if f.endswith(".apk"))
        # Each install is made twice (the program, the shim's own line).
        check(splits == sorted(entries(bundle, *names) * 2), "%s: the phone got %s" % (bundle, sorted(got)))
        pushed = {f: h for f, h in got.items() if not f.endswith(".apk")}
        want = {("!sdcard!" + expansion).replace("/", "!"): entries(bundle, expansion)[0]} if expansion else {}
        check(pushed == want, "%s: expansion files %s" % (bundle, pushed))
        # One whole APK goes as a plain install, splits in one session.
        verb = "exec:cmd package 'install'" if len(names) == 1 else "exec:cmd package install-create"
        creates = [s for s in services() if "install-create" in s or "'install'" in s]
        check(creates and all(s.startswith(verb) and "'-r'" in s and
                              ("'--install-location' '2'" in s) == sd for s in creates),
              "%s: %s" % (bundle, creates))
    left = [f for f in os.listdir(work) if f.startswith("korvel-bundle-")]
    check(not left, "private folders left: %s" % left)

    refusals = {"nobase.xapk": "no-base", "twobases.apks": "several-bases", "noabi.xapk": "no-abi arm64_v8a",
                "missing.xapk": "missing-file config.fr.apk", "encrypted.apkm": "not-archive",
                "app.aab": "app-bundle", "escape.xapk": "expansion-outside", "bomb.xapk": "damaged-file",
                "lost.apks": "missing-file splits/base-xxhdpi.apk", "success.apks": "damaged-file %53uccess.apk"}
    for bundle, reason in refusals.items():
        result, first, got = install_bundle(bundle)
        check(result == -1 and first.startswith("korvel_helper: refused " + reason) and not got,
              "%s: %s, %r, %s" % (bundle, result, first, got))

    # The CLI says why, in the window's Chinese, on the line after the result.
    out = subprocess.run([opts.cli, "install", "--bridge", opts.shim, os.path.join(opts.bundles, "lost.apks")],
                         capture_output=True, text=True, env=env, timeout=300).stdout.splitlines()
    check(len(out) > 1 and out[1] == "\t安装包缺少文件 splits/base-xxhdpi.apk，无法安装", "the CLI's reason: %r" % out)

    # A phone before Android 5 gets the standalone APK alone, as a plain install.
    with open(props_file, "w") as f:
        f.write(PROPS.replace("[29]", "[19]"))
    result, first, got = install_bundle("standalone.apks")
    want = entries("standalone.apks", "standalones/standalone-xxhdpi.apk") * 2
    check(result == 0 and sorted(got.values()) == sorted(want), "old phone: %s %r %s" % (result, first, got))
    with open(props_file, "w") as f:
        f.write(PROPS)

    # The phone's own refusals, and an expansion file it will not take.
    result, first, _ = install_bundle("split.apks", "Failure [INSTALL_FAILED_MISSING_SPLIT: Missing split for x]")
    check(result == -1 and "INSTALL_FAILED_MISSING_SPLIT" in first, "missing split on the phone: %r" % first)
    result, first, _ = install_bundle("split.xapk", "Failure [INSTALL_FAILED_VERSION_DOWNGRADE]")
    check(result == 2, "a downgrade of a bundle: %s" % result)
    with open(refuse_push_file, "w") as f:
        f.write("main.42")
    result, first, _ = install_bundle("split.xapk")
    check(result == -1 and "expansion file" in first, "refused push: %s %r" % (result, first))
    os.remove(refuse_push_file)

    # A run killed with its folder left behind: the next one removes it.
    stale = os.path.join(work, "korvel-bundle-4000000")
    os.makedirs(stale)
    open(os.path.join(stale, "split0.apk"), "w").close()
    install_bundle("many.apks")
    check(not os.path.exists(stale), "a killed run's folder stays")


def check_several_phones():
    """Two ready phones and an unauthorized one: each phone named gets
    exactly what was asked of it, the others nothing."""
    names = ("Phone_A", "Phone_B", "Phone_C")
    a, b = phone(own=names[0]), phone(own=names[1])
    check(install() == 7, "two phones: several devices")
    c = phone("unauthorized", own=names[2])
    check(devices() == {a: ("device", names[0], "10"), b: ("device", names[1], "10"), c: ("unauthorized", "", "")},
          "three phones listed: %s" % devices())
    apk_size = os.path.getsize(apk)
    xapk = os.path.join(opts.bundles, "split.xapk")
    for device, takers in ((a, {names[0]}), (b, {names[1]}), ("all", {names[0], names[1]})):
        for package, sd in ((apk, False), (apk, True), (xapk, True)):
            for name in names:
                open(os.path.join(work, name + ".log"), "w").close()
            out = install(sd=sd, package=package, device=device, lines=True)
            check(len(out) == len(takers) + 1 and all(line.split("\t")[1] == "0" for line in out[:-1]),
                  "%s %s sd=%s: %s" % (device, package, sd, out))
            for name in names:
                with open(os.path.join(work, name + ".log"), encoding="utf-8") as f:
                    asked = f.read().splitlines()
                if device == "all":  # the listing asks each ready phone its release
                    asked = [s for s in asked if s != "shell:getprop ro.build.version.release"]
                if name not in takers:
                    check(not asked, "%s was asked %s for %s" % (name, asked, device))
                elif package == apk:
                    want = "exec:cmd package 'install' '-r'%s -S %d" % (" '--install-location' '2'" if sd else "", apk_size)
                    check(asked == [want], "%s got %s" % (name, asked))
                else:
                    check(any(s.startswith("exec:cmd package install-create") and "'2'" in s for s in asked) and
                          any("getprop" in s for s in asked) and
                          "push /sdcard/Android/obb/com.korvel.split/main.42.com.korvel.split.obb" in asked,
                          "%s got for a bundle %s" % (name, asked))
    # A chosen phone that went away: result 1, as an unplugged one gives.
    disconnect(b)
    out = install(device=b, lines=True)
    check(out[0].split("\t")[1:2] == ["1"] and out[0].endswith("\t" + b), "a phone gone: %s" % out)
    for serial in (a, c):
        disconnect(serial)


def check_reasons():
    """The line under each common failure says what happened and what to do."""
    plain = os.path.join(opts.bundles, "..", "plain.apk")
    conflict = ("Failure [INSTALL_FAILED_UPDATE_INCOMPATIBLE: Package com.korvel.demo signatures do not match "
                "previously installed version; ignoring!]")
    cases = [("Failure [INSTALL_FAILED_USER_RESTRICTED: Install canceled by user]", "-1", "“USB安装”"),
             ("Failure [INSTALL_FAILED_VERSION_DOWNGRADE: Downgrade detected: Update version code 3 is older than "
              "current 12]", "2", "手机上的版本 12 比安装包的 3 新"),
             ("Failure [INSTALL_FAILED_VERSION_DOWNGRADE]", "2", "手机上的版本比安装包新"),
             (conflict, "12", "签名不同")]
    for text, result, words in cases:
        out = install(text, package=plain, lines=True)
        check(out[0].split("\t")[1] == result and words in out[1], "%s: %s" % (text, out))
    # A conflict is resolved only when the user says so, for each package.
    for said, result, uninstalls in (("n\n", "12", []), ("y\n", "0", ["shell:cmd package 'uninstall' 'com.korvel.demo'"])):
        open(phone_log, "w").close()
        out = install(conflict, package=plain, lines=True, extra=["--replace-other-signer"], stdin=said)
        check(out[-1] == "installed %d of 1, failed %d, not tried 0" % (result == "0", result != "0") and
              [s for s in services() if "uninstall" in s] == uninstalls, "replace, %r: %s %s" % (said, out, services()))

    # Another program on adb's server port: named, with its process.
    holder = subprocess.Popen([sys.executable, "-c", "import socket,sys,time\ns=socket.socket()\n"
                               "s.bind(('127.0.0.1',0))\ns.listen(4)\nprint(s.getsockname()[1],flush=True)\n"
                               "while True:\n c,_=s.accept()\n c.sendall(b'HTTP/1.1 400 Bad')\n c.close()"],
                              stdout=subprocess.PIPE, text=True)
    port, own = holder.stdout.readline().strip(), env["ANDROID_ADB_SERVER_PORT"]
    env["ANDROID_ADB_SERVER_PORT"] = port
    with open("/proc/%d/comm" % holder.pid) as f:
        name = f.read().strip()
    out = install(lines=True)
    check(len(out) > 1 and "端口 %s 被 %s（进程 %d）占用" % (port, name, holder.pid) in out[1], "port held: %s" % out)
    holder.kill()
    env["ANDROID_ADB_SERVER_PORT"] = own


apk = os.path.join(work, "app.apk")
with open(apk, "wb") as f:
    f.write(b"PK\x03\x04" + bytes(range(256)) * 40)

try:
    adb("start-server")
    one = phone()
    check(install() == 0, "success")
    check(last_service() == "exec:cmd package 'install' '-r' -S %d" % os.path.getsize(apk),
          "the whole package streamed to pm: " + last_service())
    answers = {
        "Failure [INSTALL_FAILED_SHARED_USER_INCOMPATIBLE: shared user mismatch]": 12,
        "Failure [INSTALL_FAILED_INSUFFICIENT_STORAGE: Failed to override installation location]": 3,
        "Failure [INSTALL_FAILED_MEDIA_UNAVAILABLE]": 3,
        "Exception occurred while executing 'install':\njava.io.IOException: Requested internal only, but not enough space": 3,
        "Failure [INSTALL_FAILED_DUPLICATE_PACKAGE: dup]": 2,
        "Failure [INSTALL_FAILED_DEXOPT: dex2oat failed]": 6,
        "Failure [INSTALL_FAILED_INVALID_APK]": -1,
        "Failure [INSTALL_FAILED_INVALID_APK: Package com.Success.app has no certificates]": -1,
    }
    for text, expected in answers.items():
        got = install(text)
        check(got == expected, "%r gave %s, not %s" % (text, got, expected))

    # Today's phone gets the install location in its current form.
    check(install(sd=True) == 0, "SD card install")
    check("'--install-location' '2'" in last_service(), "SD card form: " + last_service())

    # Temporary copies under a user name with blanks and Chinese; adb's .apk
    # name is gone afterwards, the engine's own copy stays.
    odd = os.path.join(work, "李 雷", "Local Temp")
    os.makedirs(odd)
    env["TMPDIR"] = odd
    check(install() == 0, "install from a temporary folder with blanks and Chinese")
    left = os.listdir(odd)
    check(len(left) == 1 and left[0].startswith("tmp") and left[0].endswith(".tmp"), "left behind: %s" % left)
    env["TMPDIR"] = work

    check_bundles()
    check_reasons()

    disconnect(one)
    check_several_phones()
    out = install(lines=True)
    check(out[0].split("\t")[1] == "1" and "检查数据线" in out[1], "no phone: %s" % out)

    for mode, words in (("unauthorized", "“允许 USB 调试”"), ("offline", "手机离线")):
        serial = phone(mode)
        check(devices() == {serial: (mode, "", "")}, "%s phone listed: %s" % (mode, devices()))
        out = install(lines=True)
        check(out[0].split("\t")[1] == "1" and words in out[1], "%s phone: %s" % (mode, out))
        check(install_bundle("split.xapk")[0] == 1, mode + " phone, a bundle")
        disconnect(serial)

    # A phone before Android 7 has pm but no cmd.
    old = phone(features="shell_v2")
    result, first, got = install_bundle("pm.xapk")
    check(result == 0 and len(got) == 4, "pm: %s %r %s" % (result, first, got))
    check(any(s.startswith("exec:pm install-create") for s in services()), "pm: %s" % services())
    disconnect(old)
finally:
    adb("kill-server")
    for p in phones:
        p.kill()

if failures:
    sys.exit("%d failure(s)" % len(failures))
print("all real-adb cases passed")
