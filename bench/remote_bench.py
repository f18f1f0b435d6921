#!/usr/bin/env python3
"""The remote control's figures, side by side with the rest of the benchmark
(bench/run.py calls measure(); its start-up and memory beside the release
are the program's with the remote control off), or on their own:

    usage: remote_bench.py BUILD_DIR [--load-seconds N] [--runs N]

The real program on stand-in ports under the benchmark's private X server,
its server on a free loopback port, Debian's Chromium headless:

- a click on "+" in the window to the overlay's page changed in Chromium
  (the overlay showing the window's score, ?show=window; the page stamps the
  change with a MutationObserver on its own clock, the click is stamped when
  XTest sends the release; both clocks are the system's);
- a tap on "Update scoreboard" on /remote (stamped in the page) to the first
  byte on the stand-in port;
- wake-ups of all the program's threads while idle for 10 s: the remote off;
  on with no client; on with three idle WebSocket clients, which answer the
  heartbeat's pings (idle_figures(), also for the release);
- load: 50 WebSocket clients and 20 commands a second for a while (60 s),
  every tenth sent twice with its request id as a lost answer's retry would
  be: each client must see every score in order, the score must end where
  the commands say, and the window's "Update scoreboard" clicked meanwhile
  must still reach the port within 5 ms (median).
"""
import argparse
import base64
import os
import selectors
import socket
import statistics
import struct
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, "..", "tests", "e2e")]
import harness  # noqa: E402
import common  # noqa: E402
# Debian's Python, where python3-selenium is.
from remote_e2e import CONTROL, VIEW, Browser, free_port, write_settings  # noqa: E402

LEFT_PLUS = (128 + 20, 144 + 16)  # centres in the window, client-area pixels
UPDATE = (160 + 52, 184 + 16)
UPDATE_BYTES = 45


def settings(on, port):
    """Settings of their own, with the remote control on or off at `port`."""
    config = tempfile.mkdtemp(prefix="scoreboard-remote-bench-")
    write_settings(config, on="true" if on else "false", port=port)
    return config


def epoch_ms(monotonic):
    """A time.monotonic() reading on the clock a page's performance.timeOrigin + now() uses."""
    return (monotonic + time.time() - time.monotonic()) * 1e3


def first_byte(port, since, timeout=3):
    """When the first of an update's bytes arrived after chunk `since`, once all have."""
    deadline = time.monotonic() + timeout
    while sum(len(data) for _, data in port.chunks[since:]) < UPDATE_BYTES:
        if time.monotonic() > deadline:
            raise RuntimeError("an update did not reach the port")
        time.sleep(0.005)
    return port.chunks[since][0]


class WebSocketClient:
    """A client's end of the WebSocket, made by hand: it answers pings, as a
    browser does, and keeps the state messages it hears."""

    def __init__(self, port, code):
        self.socket = socket.create_connection(("127.0.0.1", port))
        key = base64.b64encode(os.urandom(16)).decode()
        self.socket.sendall(f"GET /ws?code={code} HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nConnection: Upgrade\r\n"
                            f"Upgrade: websocket\r\nSec-WebSocket-Version: 13\r\nSec-WebSocket-Key: {key}\r\n\r\n"
                            .encode())
        self.buffer = b""
        while b"\r\n\r\n" not in self.buffer:
            self.buffer += self.socket.recv(4096)
        if not self.buffer.startswith(b"HTTP/1.1 101"):
            raise RuntimeError(f"the WebSocket was refused: {self.buffer[:40]!r}")
        self.buffer = self.buffer.partition(b"\r\n\r\n")[2]
        self.states = []
        self.heartbeats = []  # monotonic time each was read
        self.socket.setblocking(False)

    def pump(self):
        """Reads what has come; False once the server closed the connection."""
        try:
            data = self.socket.recv(65536)
        except BlockingIOError:
            return True
        if not data:
            return False
        self.buffer += data
        while len(self.buffer) >= 2:
            opcode, length, head = self.buffer[0] & 0x0F, self.buffer[1] & 0x7F, 2
            if length == 126:
                if len(self.buffer) < 4:
                    break
                length, head = struct.unpack(">H", self.buffer[2:4])[0], 4
            if len(self.buffer) < head + length:
                break
            payload, self.buffer = self.buffer[head:head + length], self.buffer[head + length:]
            if opcode == 0x9:  # ping: a pong, masked as a client's frames are
                mask = os.urandom(4)
                self.socket.setblocking(True)
                self.socket.sendall(bytes([0x8A, 0x80 | len(payload)]) + mask +
                                    bytes(b ^ mask[i % 4] for i, b in enumerate(payload)))
                self.socket.setblocking(False)
            elif opcode == 0x1 and b"heartbeat" in payload:
                self.heartbeats.append(time.monotonic())
            elif opcode == 0x1:
                self.states.append(payload)
        return True

    def close(self):
        self.socket.close()


class Pump(threading.Thread):
    """Keeps clients read and answered in the background."""

    def __init__(self, clients):
        super().__init__(daemon=True)
        self.clients, self.stopped, self.closed = clients, False, 0
        self.start()

    def run(self):
        selector = selectors.DefaultSelector()
        for client in self.clients:
            selector.register(client.socket, selectors.EVENT_READ, client)
        while not self.stopped:
            for key, _ in selector.select(0.1):
                if not key.data.pump():
                    selector.unregister(key.fileobj)
                    self.closed += 1

    def stop(self):
        self.stopped = True
        self.join()


def left_and_right(state):
    text = state.decode()
    return tuple(int(text.split(f'"{side}":')[1].split(",")[0]) for side in ("left", "right"))


def idle_wakeups(pid, watch, window):
    """Wake-ups of all the program's threads in 10 s; those that woke are named on stderr."""
    watch.focus(window)
    time.sleep(1)
    before = common.thread_switches(pid)
    time.sleep(10)
    after = common.thread_switches(pid)
    woke = {tid: (name, switches - before.get(tid, (name, 0))[1]) for tid, (name, switches) in after.items()}
    woke = {tid: counted for tid, counted in woke.items() if counted[1]}
    if woke:
        print("  woke: " + ", ".join(f"{name} ({tid}) {count}" for tid, (name, count) in sorted(woke.items())),
              file=sys.stderr)
    return sum(count for _, count in woke.values())


def idle_figures(program, name, x, watch, ports, env):
    """Wake-ups while idle for 10 s: the remote control off; on with no client;
    on with three idle WebSocket clients, which answer the heartbeat's pings."""
    Figure = common.Figure
    print(f"Remote control, {name}: idle wake-ups with it off, on, on with 3 clients ...", file=sys.stderr)
    started = common.start([program], ports, x, watch, dict(env, XDG_CONFIG_HOME=settings(False, free_port())))
    off = idle_wakeups(started.process.pid, watch, started.window)
    common.stop(started, x)
    port = free_port()
    started = common.start([program], ports, x, watch, dict(env, XDG_CONFIG_HOME=settings(True, port)))
    on = idle_wakeups(started.process.pid, watch, started.window)
    clients = [WebSocketClient(port, VIEW) for _ in range(3)]
    pump = Pump(clients)
    listened = idle_wakeups(started.process.pid, watch, started.window)
    pump.stop()
    for client in clients:
        client.close()
    common.stop(started, x)
    return [
        Figure(f"Remote off, {name}: idle 10 s, wake-ups of all its threads (context switches)", [off], "switches",
               "0", lambda v: v[0] == 0),
        Figure(f"Remote on, no client, {name}: idle 10 s, wake-ups of all its threads", [on], "switches", "0",
               lambda v: v[0] == 0),
        Figure(f"Remote on, 3 idle WebSocket clients, {name}: idle 10 s, wake-ups", [listened], "switches"),
    ]


class Commands(threading.Thread):
    """20 commands a second on one keep-alive connection, every tenth sent
    twice with its request id; the score they must leave, and each score on
    the way."""

    PATTERN = ["left/plus", "right/plus", "left/plus", "right/minus"]

    def __init__(self, port, seconds):
        super().__init__(daemon=True)
        self.port, self.seconds = port, seconds
        self.sent = self.repeated = 0
        self.round_trips, self.expected, self.failures = [], [], []
        self.start()

    def ask(self, connection, target):
        began = time.monotonic()
        connection.sendall(f"POST {target} HTTP/1.1\r\nHost: 127.0.0.1:{self.port}\r\nContent-Length: 0\r\n\r\n"
                           .encode())
        answer = b""
        while b"\r\n\r\n" not in answer or len(answer.partition(b"\r\n\r\n")[2]) < int(
                answer.split(b"Content-Length: ")[1].split(b"\r\n")[0]):
            answer += connection.recv(65536)
        self.round_trips.append((time.monotonic() - began) * 1e3)
        return int(answer[9:12])

    def run(self):
        left = right = 0
        with socket.create_connection(("127.0.0.1", self.port)) as connection:
            begin = time.monotonic()
            for i in range(int(self.seconds * 20)):
                time.sleep(max(0.0, begin + i / 20 - time.monotonic()))
                action = self.PATTERN[i % len(self.PATTERN)]
                target = f"/api/v1/{action}?code={CONTROL}&id=load-{i}"
                status = self.ask(connection, target)
                self.sent += 1
                if i % 10 == 0:
                    status = max(status, self.ask(connection, target))
                    self.repeated += 1
                if status != 200:
                    self.failures.append(status)
                step = 1 if action.endswith("plus") else -1
                if action.startswith("left"):
                    left = (left + step) % 100
                else:
                    right = (right + step) % 100
                self.expected.append((left, right))


def overlay_latency(browser, base, watch, window, runs):
    browser.driver.get(f"{base}/overlay?code={VIEW}&show=window")
    browser.wait_for("the overlay", lambda: browser.text("left") == "0")
    browser.driver.execute_script("""
        window.changes = [];
        new MutationObserver(() => changes.push(performance.timeOrigin + performance.now()))
            .observe(document.getElementById('left'), {childList: true, characterData: true, subtree: true});""")
    latencies = []
    for i in range(runs + 1):  # the first warms up
        released = watch.click(window, *LEFT_PLUS)
        browser.wait_for("the click on the overlay",
                         lambda: browser.driver.execute_script("return changes.length") > i)
        changed = browser.driver.execute_script(f"return changes[{i}]")
        if i:
            latencies.append(changed - epoch_ms(released))
        time.sleep(0.05)
    return latencies


def tap_latency(browser, base, port1, runs):
    browser.driver.get(f"{base}/remote?code={CONTROL}")
    browser.wait_for("the remote page", lambda: not browser.shown("link"))
    browser.driver.execute_script("""
        window.taps = [];
        document.getElementById('update').addEventListener(
            'click', () => taps.push(performance.timeOrigin + performance.now()), {capture: true});""")
    latencies = []
    for i in range(runs + 1):
        since = len(port1.chunks)
        browser.driver.execute_script("document.getElementById('update').click()")
        arrived = first_byte(port1, since)
        tapped = browser.driver.execute_script(f"return taps[{i}]")
        if i:
            latencies.append(epoch_ms(arrived) - tapped)
        time.sleep(0.3)
    return latencies


def load(build, x, watch, ports, env, seconds):
    port = free_port()
    started = common.start([os.path.join(build, "scoreboard")], ports, x, watch,
                        dict(env, XDG_CONFIG_HOME=settings(True, port)))
    clients = [WebSocketClient(port, VIEW) for _ in range(50)]
    pump = Pump(clients)
    commands = Commands(port, seconds)
    clicks, cpu_before = [], common.cpu_ns_and_wakeups(started.process.pid)[0]
    while commands.is_alive():
        time.sleep(2.5)
        since = len(ports[0].chunks)
        released = watch.click(started.window, *UPDATE)
        clicks.append((first_byte(ports[0], since) - released) * 1e3)
    cpu = (common.cpu_ns_and_wakeups(started.process.pid)[0] - cpu_before) / 1e9 / seconds * 100
    time.sleep(1)
    pump.stop()
    common.stop(started, x)
    missed = sum(1 for client in clients if dedup(left_and_right(s) for s in client.states)[-len(
        commands.expected):] != dedup(commands.expected))
    for client in clients:
        client.close()
    return commands, clicks, missed, pump.closed, cpu


def dedup(pairs):
    kept = []
    for pair in pairs:
        if not kept or kept[-1] != pair:
            kept.append(pair)
    return kept


def measure(build, x, watch, ports, env, load_seconds=60, runs=20):
    """Every figure of the remote control, as bench/common.py's Figure rows."""
    Figure = common.Figure
    port1 = ports[0]
    figures = []

    idle = idle_figures(os.path.join(build, "scoreboard"), "this build", x, watch, ports, env)

    port = free_port()
    base = f"http://127.0.0.1:{port}"
    started = common.start([os.path.join(build, "scoreboard")], ports, x, watch,
                        dict(env, XDG_CONFIG_HOME=settings(True, port)))
    window = started.window
    print(f"Remote control: {runs} taps on /remote, {runs} clicks seen on the overlay ...", file=sys.stderr)
    phone, overlay = Browser(), Browser(800, 200)
    try:
        taps = tap_latency(phone, base, port1, runs)
        clicks = overlay_latency(overlay, base, watch, window, runs)
    finally:
        phone.close()
        overlay.close()
    common.stop(started, x)

    figures += [
        Figure("Remote: window click (XTest release sent) to the overlay changed in Chromium", clicks, "ms",
               "median < 20, worst < 50", lambda v: statistics.median(v) < 20 and max(v) < 50),
        Figure("Remote: tap on Update in /remote (Chromium) to first byte on the port", taps, "ms",
               "median < 10", lambda v: statistics.median(v) < 10),
    ] + idle

    print(f"Remote control: 50 WebSocket clients, 20 commands a second for {load_seconds} s ...", file=sys.stderr)
    commands, load_clicks, missed, closed, cpu = load(build, x, watch, ports, env, load_seconds)
    figures += [
        Figure("Load: commands refused or failed, of " + str(commands.sent), [len(commands.failures)], "commands",
               "0", lambda v: v[0] == 0),
        Figure(f"Load: WebSocket clients of 50 that missed a score or saw it out of order ({commands.repeated} "
               "retries sent)", [missed], "clients", "0", lambda v: v[0] == 0),
        Figure("Load: WebSocket clients of 50 closed by the server", [closed], "clients", "0", lambda v: v[0] == 0),
        Figure("Load: command round trip (POST to its answer)", commands.round_trips, "ms"),
        Figure("Load: window click (XTest) to first byte", load_clicks, "ms", "median < 5",
               lambda v: statistics.median(v) < 5),
        Figure("Load: CPU of the program", [cpu], "% of a core"),
    ]
    return figures


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build")
    parser.add_argument("--load-seconds", type=int, default=60)
    parser.add_argument("--runs", type=int, default=20)
    args = parser.parse_args()
    harness.require_namespace_support()
    build = os.path.abspath(args.build)
    common.print_measured_on_stand_ins(
        lambda x, watch, ports, env: measure(build, x, watch, ports, env, args.load_seconds, args.runs))


if __name__ == "__main__":
    main()
