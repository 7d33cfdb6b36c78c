#!/usr/bin/env python3
"""tarvo-cli install -> the real bridge shim -> Debian's real adb client and
server -> a scripted phone on the loopback: every outcome today's adb and
package manager word their own way reaches the program as its result."""
import argparse
import os
import socket
import subprocess
import sys
import tempfile
import time

ap = argparse.ArgumentParser()
ap.add_argument("--cli", required=True)
ap.add_argument("--shim", required=True)
ap.add_argument("--phone", required=True)
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
phones = []


def adb(*args):
    return subprocess.run([ADB] + list(args), capture_output=True, text=True, env=env, timeout=120).stdout


def phone(mode="device"):
    p = subprocess.Popen([sys.executable, opts.phone, "--mode", mode, "--answer-file", answer_file, "--log",
                          phone_log, "--lifetime", "600"], stdout=subprocess.PIPE, text=True)
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


def install(answer="Success", sd=False, package=None):
    with open(answer_file, "w", encoding="utf-8") as f:
        f.write(answer)
    args = [opts.cli, "install", "--bridge", opts.shim] + (["--sd"] if sd else []) + [package or apk]
    out = subprocess.run(args, capture_output=True, text=True, env=env, timeout=300).stdout
    first = out.splitlines()[0].split("\t") if out else ["", ""]
    return int(first[1]) if first[1].lstrip("-").isdigit() else None


def last_service():
    with open(phone_log, encoding="utf-8") as f:
        return f.read().splitlines()[-1]


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
        "Failure [INSTALL_FAILED_UPDATE_INCOMPATIBLE: Package a signatures do not match previously installed version]": 12,
        "Failure [INSTALL_FAILED_SHARED_USER_INCOMPATIBLE: shared user mismatch]": 12,
        "Failure [INSTALL_FAILED_INSUFFICIENT_STORAGE: Failed to override installation location]": 3,
        "Failure [INSTALL_FAILED_MEDIA_UNAVAILABLE]": 3,
        "Exception occurred while executing 'install':\njava.io.IOException: Requested internal only, but not enough space": 3,
        "Failure [INSTALL_FAILED_VERSION_DOWNGRADE]": 2,
        "Failure [INSTALL_FAILED_DUPLICATE_PACKAGE: dup]": 2,
        "Failure [INSTALL_FAILED_DEXOPT: dex2oat failed]": 6,
        "Failure [INSTALL_FAILED_INVALID_APK]": -1,
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

    two = phone()
    check(install() == 7, "two phones")
    disconnect(two)
    disconnect(one)
    check(install() == 1, "no phone")

    for mode in ("unauthorized", "offline"):
        serial = phone(mode)
        check(install() == 1, mode + " phone")
        disconnect(serial)
finally:
    adb("kill-server")
    for p in phones:
        p.kill()

if failures:
    sys.exit("%d failure(s)" % len(failures))
print("all real-adb cases passed")
