#!/usr/bin/env python3
"""The Windows program's remote control under Wine: unpacked from the zip,
started with --remote on stand-in COM ports, it serves /api/v1/state and
carries out POST /api/v1/update from a client on this machine's loopback,
the update's exact bytes reach COM1, and a WebSocket on /ws is pushed the
board's new scores.

usage: remote_windows_e2e.py ZIP
"""
import base64
import hashlib
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import zipfile

here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(here, "..", "e2e"), here]
import harness  # noqa: E402
import windows_e2e  # noqa: E402
from window_e2e import check_update  # noqa: E402

CONTROL, VIEW = "ctrkcxde23", "vyewcxde45"  # as the program makes them


class UnpackedPrefix(windows_e2e.Prefix):
    """A prefix with the portable zip unpacked into C:\\scoreboard."""

    def installed(self, name=""):
        return "C:\\scoreboard" + (f"\\{name}" if name else "")

    def unpack(self, zip_path):
        folder = self.unix(self.installed())
        with zipfile.ZipFile(zip_path) as archive:
            for member in archive.infolist():
                inside = member.filename.split("/", 1)[1]  # below the zip's own top folder
                if inside and not member.is_dir():
                    os.makedirs(os.path.dirname(os.path.join(folder, inside)), exist_ok=True)
                    with archive.open(member) as packed, open(os.path.join(folder, inside), "wb") as unpacked:
                        shutil.copyfileobj(packed, unpacked)

    def remote_settings(self, port):
        """The remote control's choices as the program keeps them, in the registry."""
        key = r"HKCU\Software\scoreboard\scoreboard\Remote"
        for name, value in (("port", str(port)), ("controlCode", CONTROL), ("viewCode", VIEW)):
            assert self.wine("reg", "add", key, "/v", name, "/t", "REG_SZ", "/d", value, "/f",
                             stdout=subprocess.DEVNULL).wait(timeout=60) == 0


def ask(port, raw, timeout=30):
    """Sends raw bytes over loopback once the program listens; returns the
    status and the body once it closes the connection."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            connection = socket.create_connection(("127.0.0.1", port), timeout=10)
            break
        except ConnectionRefusedError:
            assert time.monotonic() < deadline, f"nothing listens at port {port}"
            time.sleep(0.2)
    with connection:
        connection.sendall(raw)
        answer = b""
        while part := connection.recv(65536):
            answer += part
    return int(answer[9:12]), answer.partition(b"\r\n\r\n")[2]


def websocket(port):
    """A WebSocket on /ws with the view code, as the overlay opens one, once
    the server has agreed to it."""
    connection = socket.create_connection(("127.0.0.1", port), timeout=30)
    key = base64.b64encode(os.urandom(16)).decode()
    connection.sendall(f"GET /ws?code={VIEW}&view=overlay HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n"
                       f"Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                       "Sec-WebSocket-Version: 13\r\n\r\n".encode())
    answer = b""
    while not answer.endswith(b"\r\n\r\n"):
        answer += received(connection, 1)
    accept = base64.b64encode(hashlib.sha1(f"{key}258EAFA5-E914-47DA-95CA-C5AB0DC85B11".encode()).digest())
    assert answer.startswith(b"HTTP/1.1 101") and b"sec-websocket-accept: " + accept.lower() in answer.lower(), \
        answer
    return connection


def received(connection, size):
    data = b""
    while len(data) < size:
        part = connection.recv(size - len(data))
        assert part, f"the connection closed after {data!r}"
        data += part
    return data


def pushed_state(connection):
    """The next state the server pushes on the WebSocket; its pings are
    answered as a browser answers them."""
    while True:
        head = received(connection, 2)  # the server's frames: unmasked, whole messages
        length = head[1] & 0x7F
        if length >= 126:
            length = int.from_bytes(received(connection, 2 if length == 126 else 8), "big")
        payload = received(connection, length)
        opcode = head[0] & 0x0F
        if opcode == 0x9:
            mask = os.urandom(4)
            connection.sendall(bytes([0x8A, 0x80 | len(payload)]) + mask +
                               bytes(b ^ mask[i % 4] for i, b in enumerate(payload)))
        elif opcode == 0x1 and "heartbeat" not in (state := json.loads(payload)):
            return state
        else:
            assert opcode in (0x1, 0xA), f"a frame of opcode {opcode:#x}: {payload!r}"


def main():
    zip_path = os.path.abspath(sys.argv[1])
    harness.require_namespace_support()
    x = harness.XServer()
    work = tempfile.mkdtemp(prefix="scoreboard-windows-remote-e2e-")
    ports = {number: harness.StandInPort(number) for number in (1, 2)}
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    prefix = UnpackedPrefix(os.path.join(work, "prefix"), x)
    try:
        prefix.start()  # makes the prefix
        prefix.stop()
        prefix.unpack(zip_path)
        prefix.set_ports({number: stand_in.slave_path for number, stand_in in ports.items()})
        prefix.start()
        prefix.remote_settings(port)
        program = windows_e2e.Program(prefix, "--remote")
        print(program.status(r"^Port 1 \(COM1\) open\.$"))
        window = program.window()
        host = f"Host: 127.0.0.1:{port}\r\nConnection: close\r\n".encode()

        status, state = ask(port, b"GET /api/v1/state?code=" + VIEW.encode() + b" HTTP/1.1\r\n" + host + b"\r\n")
        assert status == 200 and b'"port":1,' in state and b'"left":0,' in state, f"{status} {state!r}"
        print("GET /api/v1/state:", state.decode())
        watcher = websocket(port)
        first = pushed_state(watcher)
        assert first["left"] == 0 and not first["control"], first

        for action in ("left/plus", "left/plus", "update"):
            status, state = ask(port, f"POST /api/v1/{action}?code={CONTROL} HTTP/1.1\r\n".encode() + host +
                                b"Content-Length: 0\r\n\r\n")
            assert status == 200, f"POST /api/v1/{action}: {status} {state!r}"
        check_update(ports[1], 0, [0, 2, 0, 0], "POST /api/v1/update")
        print("POST /api/v1/update:", program.status(r"^Update from 127\.0\.0\.1: Board shows 02 00"))
        while (state := pushed_state(watcher))["boardLeft"] != 2 or state["sending"]:
            pass
        print("on the WebSocket:", json.dumps(state))
        watcher.close()
        status, _ = ask(port, f"POST /api/v1/reset?code={VIEW} HTTP/1.1\r\n".encode() + host +
                        b"Content-Length: 0\r\n\r\n")
        assert status == 403, f"the view code changed the score: {status}"
        program.close(window)
        assert ports[2].received() == b"", "COM2 received bytes"
    finally:
        prefix.stop()
        for stand_in in ports.values():
            stand_in.close()
        x.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
