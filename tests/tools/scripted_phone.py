#!/usr/bin/env python3
"""An Android phone on the loopback, for tests with the real adb.

Speaks adb's wire protocol over TCP, so a real adb server takes it for a
device after `adb connect 127.0.0.1:PORT`. It answers each streamed install
(`exec:cmd package 'install' ... -S SIZE`) with the package-manager line in
--answer-file (read afresh for every install), records every service it is
asked to open in --log, and ends by itself after --lifetime seconds.
Modes: `device`; `unauthorized` (asks for a key it never accepts);
`offline` (never finishes the handshake). Prints its port, then serves."""
import argparse
import os
import re
import socket
import struct
import sys
import threading

CNXN, AUTH, OPEN, OKAY, WRTE, CLSE = (struct.unpack("<I", w)[0] for w in (b"CNXN", b"AUTH", b"OPEN", b"OKAY", b"WRTE", b"CLSE"))
AUTH_TOKEN, AUTH_SIGNATURE = 1, 2

ap = argparse.ArgumentParser()
ap.add_argument("--mode", choices=["device", "unauthorized", "offline"], default="device")
ap.add_argument("--features", default="cmd")
ap.add_argument("--answer-file")
ap.add_argument("--log")
ap.add_argument("--lifetime", type=float, default=300)
opts = ap.parse_args()

log_lock = threading.Lock()


def log(line):
    if opts.log:
        with log_lock, open(opts.log, "a", encoding="utf-8") as f:
            f.write(line + "\n")


def packet(command, arg0, arg1, data=b""):
    return struct.pack("<6I", command, arg0, arg1, len(data), sum(data) & 0xFFFFFFFF, command ^ 0xFFFFFFFF) + data


def receive(sock, n):
    data = b""
    while len(data) < n:
        more = sock.recv(n - len(data))
        if not more:
            return None
        data += more
    return data


def answer():
    text = "Success"
    if opts.answer_file and os.path.exists(opts.answer_file):
        with open(opts.answer_file, encoding="utf-8") as f:
            text = f.read()
    return (text if text.endswith("\n") else text + "\n").encode("utf-8")


def serve(sock):
    installs = {}  # our stream id -> [their id, bytes still to come]
    next_id = 1
    banner = ("device::ro.product.name=scripted;ro.product.model=Scripted_Phone;"
              "ro.product.device=scripted;features=%s;" % opts.features).encode()
    while True:
        head = receive(sock, 24)
        if head is None:
            return
        command, arg0, arg1, length = struct.unpack("<4I", head[:16])
        data = receive(sock, length) if length else b""
        if data is None:
            return
        if command == CNXN:
            if opts.mode == "device":
                sock.sendall(packet(CNXN, 0x01000000, 256 * 1024, banner))
            elif opts.mode == "unauthorized":
                sock.sendall(packet(AUTH, AUTH_TOKEN, 0, os.urandom(20)))
        elif command == AUTH and opts.mode == "unauthorized" and arg0 == AUTH_SIGNATURE:
            # No signature is ever good enough; after the last one the
            # server offers its public key and waits for the user.
            sock.sendall(packet(AUTH, AUTH_TOKEN, 0, os.urandom(20)))
        elif command == OPEN:
            service = data.rstrip(b"\0").decode("utf-8", "replace")
            log(service)
            size = re.search(r" -S (\d+)", service)
            if service.startswith("exec:cmd package 'install'") and size:
                ours, next_id = next_id, next_id + 1
                installs[ours] = [arg0, int(size.group(1))]
                sock.sendall(packet(OKAY, ours, arg0))
            else:
                sock.sendall(packet(CLSE, 0, arg0))
        elif command == WRTE and arg1 in installs:
            theirs, left = installs[arg1]
            sock.sendall(packet(OKAY, arg1, theirs))
            installs[arg1][1] = left - len(data)
            if installs[arg1][1] <= 0:
                del installs[arg1]
                sock.sendall(packet(WRTE, arg1, theirs, answer()))
                sock.sendall(packet(CLSE, arg1, theirs))


def connection(sock):
    try:
        serve(sock)
    except OSError:
        pass
    finally:
        sock.close()


def main():
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    print(listener.getsockname()[1], flush=True)
    # Never outlives a test that forgot it.
    threading.Timer(opts.lifetime, lambda: os._exit(0)).start()
    while True:
        sock, _ = listener.accept()
        threading.Thread(target=connection, args=(sock,), daemon=True).start()


main()
