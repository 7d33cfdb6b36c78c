#!/usr/bin/env python3
"""An Android phone on the loopback, for tests with the real adb.

Speaks adb's wire protocol over TCP, so a real adb server takes it for a
device after `adb connect 127.0.0.1:PORT`. It answers streamed installs
(`exec:cmd package 'install' ... -S SIZE`), uninstalls (after which the
next install succeeds whatever --answer-file says) and split installs
(install-create, install-write, install-commit, as `exec:cmd package` or,
without the `cmd` feature, `exec:pm`) with the package-manager line in
--answer-file (read afresh for every install), `shell:getprop` with
--props-file, `shell:` commands with nothing, and `adb push` through the
sync protocol. Every service it opens goes to --log; every file it receives
(a split written to a session, a pushed file) is saved in --received as
"<session>-<name>" or under its device path with '/' as '!'. Pushes to a
path containing the text in --refuse-push-file fail. Ends by itself after --lifetime seconds.
Modes: `device`; `unauthorized` (asks for a key it never accepts);
`offline` (never finishes the handshake). Prints its port, then serves."""
import argparse
import os
import re
import socket
import struct
import threading

CNXN, AUTH, OPEN, OKAY, WRTE, CLSE = (struct.unpack("<I", w)[0] for w in (b"CNXN", b"AUTH", b"OPEN", b"OKAY", b"WRTE", b"CLSE"))
AUTH_TOKEN, AUTH_SIGNATURE = 1, 2

ap = argparse.ArgumentParser()
ap.add_argument("--mode", choices=["device", "unauthorized", "offline"], default="device")
ap.add_argument("--features", default="cmd")
ap.add_argument("--model", default="Scripted_Phone")
ap.add_argument("--answer-file")
ap.add_argument("--props-file")
ap.add_argument("--received")
ap.add_argument("--refuse-push-file")
ap.add_argument("--log")
ap.add_argument("--lifetime", type=float, default=300)
opts = ap.parse_args()

log_lock = threading.Lock()
sessions = iter(range(1000, 1000000))


def log(line):
    if opts.log:
        with log_lock, open(opts.log, "a", encoding="utf-8") as f:
            f.write(line + "\n")


def save(name, data):
    if opts.received:
        with open(os.path.join(opts.received, name), "wb") as f:
            f.write(data)


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


def read_text(path, default):
    if path and os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            return f.read()
    return default


uninstalled = []  # an uninstall clears the way for the next install


def answer():
    if uninstalled:
        uninstalled.clear()
        return b"Success\n"
    text = read_text(opts.answer_file, "Success")
    return (text if text.endswith("\n") else text + "\n").encode("utf-8")


class Sized:
    """A service that takes SIZE bytes, then answers once."""

    def __init__(self, size, done):
        self.left, self.data, self.done = size, b"", done

    def feed(self, data):
        self.data += data
        self.left -= len(data)
        return self.done(self.data) if self.left <= 0 else None


class Sync:
    """adb push: STAT, SEND path,mode, DATA..., DONE, QUIT."""

    def __init__(self):
        self.buffer, self.path, self.data = b"", None, b""

    def feed(self, data):
        self.buffer += data
        out = b""
        while len(self.buffer) >= 8:
            sid, length = self.buffer[:4], struct.unpack("<I", self.buffer[4:8])[0]
            if sid in (b"DONE", b"QUIT"):
                body_len = 0
            elif len(self.buffer) < 8 + length:
                break
            else:
                body_len = length
            body, self.buffer = self.buffer[8:8 + body_len], self.buffer[8 + body_len:]
            if sid in (b"STAT", b"LSTA"):
                out += sid + struct.pack("<3I", 0, 0, 0)
            elif sid == b"SEND":
                self.path, self.data = body.decode("utf-8", "replace").rsplit(",", 1)[0], b""
                log("push " + self.path)
            elif sid == b"DATA":
                self.data += body
            elif sid == b"DONE":
                refused = read_text(opts.refuse_push_file, "").strip()
                if refused and refused in self.path:
                    message = b"Permission denied"
                    out += b"FAIL" + struct.pack("<I", len(message)) + message
                else:
                    save(self.path.replace("/", "!"), self.data)
                    out += b"OKAY" + struct.pack("<I", 0)
            elif sid == b"QUIT":
                return out, True
        return out, False


def session_service(service):
    """install-create / install-write / install-commit / install-abandon."""
    words = service.split()
    verb = next((w.strip("'") for w in words if w.strip("'").startswith("install-")), "")
    if verb == "install-create":
        return None, "Success: created install session [%d]\n" % next(sessions)
    if verb == "install-write":
        at = words.index("-S") if "-S" in words else -1
        size, session, name = int(words[at + 1]), words[at + 2], words[at + 3]
        def written(data):
            save("%s-%s" % (session, name), data)
            return "Success: streamed %d bytes\n" % len(data)
        return Sized(size, written), None
    if verb == "install-commit":
        return None, answer().decode("utf-8")
    return None, "Success\n"


def serve(sock):
    streams = {}  # our stream id -> [their id, handler]
    next_id = iter(range(1, 1 << 30))
    banner = ("device::ro.product.name=scripted;ro.product.model=%s;"
              "ro.product.device=scripted;features=%s;" % (opts.model, opts.features)).encode()

    def reply(ours, theirs, text):
        if text:
            sock.sendall(packet(WRTE, ours, theirs, text if isinstance(text, bytes) else text.encode("utf-8")))
        sock.sendall(packet(CLSE, ours, theirs))

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
            ours = next(next_id)
            size = re.search(r" -S (\d+)", service)
            installer = re.match(r"exec:(cmd package|pm) ", service)
            command_line = re.sub(r"^shell(,[^:]*)?:", "", service) if service.startswith("shell") else None
            if "uninstall" in service:
                uninstalled.append(service)
                sock.sendall(packet(OKAY, ours, arg0))
                reply(ours, arg0, "Success\n")
            elif service.startswith("exec:cmd package 'install'") and size:
                def streamed(data):
                    save("streamed-%d.apk" % next(sessions), data)
                    return answer()
                streams[ours] = [arg0, Sized(int(size.group(1)), streamed)]
                sock.sendall(packet(OKAY, ours, arg0))
            elif installer and "install-" in service:
                handler, text = session_service(service)
                sock.sendall(packet(OKAY, ours, arg0))
                if handler:
                    streams[ours] = [arg0, handler]
                else:
                    reply(ours, arg0, text)
            elif service == "sync:":
                streams[ours] = [arg0, Sync()]
                sock.sendall(packet(OKAY, ours, arg0))
            elif command_line is not None:
                sock.sendall(packet(OKAY, ours, arg0))
                props = read_text(opts.props_file, "")
                asked = command_line.split()
                if asked[1:] and asked[0] == "getprop":  # one property: its value alone
                    found = re.search(r"^\[%s\]: \[(.*)\]$" % re.escape(asked[1]), props, re.M)
                    props = found.group(1) + "\n" if found else "\n"
                text = props if asked and asked[0] == "getprop" else ""
                reply(ours, arg0, text)
            else:
                sock.sendall(packet(CLSE, 0, arg0))
        elif command == WRTE and arg1 in streams:
            theirs, handler = streams[arg1]
            sock.sendall(packet(OKAY, arg1, theirs))
            if isinstance(handler, Sync):
                out, done = handler.feed(data)
                if out:
                    sock.sendall(packet(WRTE, arg1, theirs, out))
                if done:
                    del streams[arg1]
                    sock.sendall(packet(CLSE, arg1, theirs))
            else:
                text = handler.feed(data)
                if text is not None:
                    del streams[arg1]
                    reply(arg1, theirs, text)
        elif command == CLSE and arg1 in streams:
            del streams[arg1]


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
