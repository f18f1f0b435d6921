#!/usr/bin/env python3
"""What waits while the program waits for the wire or the disk; bench/run.py
calls measure() for this build and the release in the same run, or on its own:

    usage: busy_bench.py BUILD_DIR [--release BUILD_DIR] [--seconds N] [--bursts N]

The real program on stand-in ports under a private X server, its remote
control on a free loopback port:

- updates asked back to back through the API for a while (20 s), each asked
  as soon as the last one's bytes are all on the port; meanwhile
  GET /api/v1/state at random moments, 20 a second on a pool of keep-alive
  connections, so that a request that waits for the program does not hold
  back the next one's moment; a click on "+" every 0.2 to 0.5 s, from the
  XTest release to the left score's digits drawn anew (X DAMAGE on their
  rectangle, the pixels read back to see that they changed); and the gaps
  between the heartbeats a WebSocket client hears, beside their period;
- every fdatasync made 200 ms slow (the program run under strace), five
  clicks on "+" 50 ms apart, each to the first drawing of its score or a later
  one: the digits of each score are learnt afterwards, from "-" clicked
  slowly back to where the burst began.
"""
import argparse
import contextlib
import os
import random
import selectors
import shutil
import socket
import statistics
import sys
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, "..", "tests", "e2e")]
import harness  # noqa: E402
import remote_bench  # noqa: E402
import common  # noqa: E402
from remote_e2e import CONTROL, VIEW, free_port  # noqa: E402

LEFT_PLUS = (128 + 20, 144 + 16)  # centres in the window, client-area pixels
LEFT_MINUS = (56 + 20, 144 + 16)
LEFT_DIGITS = (32, 8, 153, 121)  # the left score's two digit cells
HEARTBEAT_S = 4.0  # the program's WebSocket heartbeat period
STATE_RATE = 20  # GET /api/v1/state a second
SLOW_SYNC_US = 200000
BURST_CLICKS, BURST_APART, BURST_HOLD = 5, 0.05, 0.01


def answered(data):
    """Whether `data` holds a whole HTTP answer: its head and as much body as the head names."""
    head, separator, body = data.partition(b"\r\n\r\n")
    return bool(separator) and len(body) >= int(head.split(b"Content-Length: ")[1].split(b"\r\n")[0])


class LeftDigits:
    """The left score as drawn: each drawing that touches its digits, with what they show just after."""

    def __init__(self, watch, window):
        self.watch, self.window = watch, window
        watch.track_damage(window)
        self.seen = []  # (monotonic time the drawing was reported, the digits' pixels)

    def shown(self):
        return self.watch.image(self.window, LEFT_DIGITS)

    def follow(self, deadline):
        """Keeps each drawing of the digits until the deadline."""
        for when, event in self.watch.events(deadline):
            if self.watch.damaged(event, self.window, LEFT_DIGITS):
                self.seen.append((when, self.shown()))

    def follow_until_quiet(self, quiet, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            last = len(self.seen)
            self.follow(min(deadline, time.monotonic() + quiet))
            if len(self.seen) == last:
                return
        raise RuntimeError(f"the digits were still being drawn after {timeout} s")

    def changed(self, before, timeout=5):
        """When the digits were first drawn other than `before`, and how."""
        for when, event in self.watch.events(time.monotonic() + timeout):
            if self.watch.damaged(event, self.window, LEFT_DIGITS):
                now = self.shown()
                if now != before:
                    return when, now
        raise RuntimeError(f"a click on the score did not change its digits within {timeout} s")

    def click(self, place, hold=0.05):
        """A click at `place`, to the digits drawn anew: (milliseconds, what they show)."""
        before = self.shown()
        self.watch.press(self.window, *place)
        self.follow(time.monotonic() + hold)
        self.watch.drain()
        released = self.watch.release()
        when, now = self.changed(before)
        return (when - released) * 1e3, now


class StateProbe(threading.Thread):
    """GET /api/v1/state at random moments, STATE_RATE a second on average,
    each on a keep-alive connection that is not waiting for an answer: the
    time a client waits, wherever its request falls."""

    def __init__(self, port, seconds, connections=24):
        super().__init__(daemon=True)
        self.port, self.count = port, int(seconds * STATE_RATE)
        self.connections = connections
        self.latencies, self.skipped, self.error = [], 0, None
        self.start()

    def connect(self):
        connection = socket.create_connection(("127.0.0.1", self.port))
        connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        connection.setblocking(False)
        return connection

    def run(self):
        try:
            self.probe()
        except Exception as error:  # noqa: BLE001 - told by the main thread
            self.error = error

    def probe(self):
        selector = selectors.DefaultSelector()
        idle = [self.connect() for _ in range(self.connections)]
        asked = {}  # connection -> [sent at, answer so far]
        request = (f"GET /api/v1/state?code={VIEW} HTTP/1.1\r\nHost: 127.0.0.1:{self.port}\r\n\r\n").encode()
        rng = random.Random(1)
        due = time.monotonic()
        sent = 0
        while sent < self.count or asked:
            if sent < self.count and time.monotonic() >= due:
                if idle:
                    connection = idle.pop()
                    asked[connection] = [time.monotonic(), b""]
                    connection.sendall(request)
                    selector.register(connection, selectors.EVENT_READ)
                else:
                    self.skipped += 1  # every connection still waits: the figure holds the waits already
                sent += 1
                due += rng.uniform(0.5, 1.5) / STATE_RATE
            wait = max(0.0, due - time.monotonic()) if sent < self.count else 5.0
            for key, _ in selector.select(wait):
                connection = key.fileobj
                data = connection.recv(65536)
                if not data:
                    raise RuntimeError("the server closed a connection that waited for the state")
                asked[connection][1] += data
                if answered(asked[connection][1]):
                    if not asked[connection][1].startswith(b"HTTP/1.1 200"):
                        raise RuntimeError(f"GET /api/v1/state: {asked[connection][1].splitlines()[0]!r}")
                    self.latencies.append((time.monotonic() - asked.pop(connection)[0]) * 1e3)
                    selector.unregister(connection)
                    idle.append(connection)
        for connection in idle:
            connection.close()


class Updates(threading.Thread):
    """POST /api/v1/update, the next as soon as the last one's bytes are all on the port."""

    def __init__(self, port, port1, seconds):
        super().__init__(daemon=True)
        self.port, self.port1, self.seconds = port, port1, seconds
        self.done, self.error = 0, None
        self.start()

    def run(self):
        try:
            with socket.create_connection(("127.0.0.1", self.port)) as connection:
                end = time.monotonic() + self.seconds
                while time.monotonic() < end:
                    since = len(self.port1.chunks)
                    connection.sendall(f"POST /api/v1/update?code={CONTROL} HTTP/1.1\r\nHost: 127.0.0.1:{self.port}"
                                       "\r\nContent-Length: 0\r\n\r\n".encode())
                    answer = b""
                    while not answered(answer):
                        data = connection.recv(65536)
                        if not data:
                            raise RuntimeError("the server closed the connection that asked for updates")
                        answer += data
                    if not answer.startswith((b"HTTP/1.1 200", b"HTTP/1.1 202")):
                        raise RuntimeError(f"POST /api/v1/update: {answer.splitlines()[0]!r}")
                    remote_bench.first_byte(self.port1, since)
                    self.done += 1
        except Exception as error:  # noqa: BLE001 - told by the main thread
            self.error = error


@contextlib.contextmanager
def running(command, ports, x, watch, env):
    """The program started and waited for; closed at the end, also when a measurement failed."""
    started = common.start(command, ports, x, watch, env)
    try:
        yield started
    except BaseException:
        try:
            common.stop(started, x)
        except Exception:  # noqa: BLE001 - the first failure is the one to tell
            started.process.kill()
        raise
    common.stop(started, x)


def back_to_back(command, ports, x, watch, env, seconds):
    """Updates asked back to back for `seconds`: state round trips, clicks to their
    repaint, heartbeat gaps, in milliseconds; and the updates sent."""
    port = free_port()
    with running(command, ports, x, watch, dict(env, XDG_CONFIG_HOME=remote_bench.settings(True, port))) as started:
        digits = LeftDigits(watch, started.window)
        listener = remote_bench.WebSocketClient(port, VIEW)
        pump = remote_bench.Pump([listener])
        time.sleep(0.5)
        end = time.monotonic() + seconds
        updates = Updates(port, ports[0], seconds)
        probe = StateProbe(port, seconds)
        repaints = []
        rng = random.Random(2)
        # At moments unrelated to the updates' rhythm, so that they fall anywhere in a send.
        while time.monotonic() < end - 1:
            digits.follow(time.monotonic() + rng.uniform(0.2, 0.5))
            digits.seen = []
            repaints.append(digits.click(LEFT_PLUS)[0])
        updates.join()
        probe.join()
        pump.stop()
        listener.close()
    for thread in (updates, probe):
        if thread.error:
            raise RuntimeError(f"updates back to back: {thread.error}")
    if probe.skipped:
        print(f"  {probe.skipped} state requests not sent: every connection still waited", file=sys.stderr)
    beats = listener.heartbeats
    gaps = [(b - a) * 1e3 for a, b in zip(beats, beats[1:])]
    return probe.latencies, repaints, gaps, updates.done


def slow_disk(command, ports, x, watch, env, bursts):
    """With every fdatasync 200 ms slow, bursts of five clicks on "+": each click
    to the first drawing that shows its score or a later one, in milliseconds."""
    traced = ["strace", "-f", "--seccomp-bpf", "-qq", "-o", "/dev/null", "-e", "trace=fdatasync",
              "-e", f"inject=fdatasync:delay_enter={SLOW_SYNC_US}", *command]
    # Settings of its own: the burst starts at 00, with no last match offered.
    config = remote_bench.settings(False, free_port())
    latencies = []
    with running(traced, ports, x, watch, dict(env, XDG_CONFIG_HOME=config)) as started:
        digits = LeftDigits(watch, started.window)
        time.sleep(0.5)
        for _ in range(bursts):
            latencies += burst(watch, started.window, digits)
    return latencies


def burst(watch, window, digits):
    """Five clicks on "+" 50 ms apart, each to the first drawing of its score or a later one, in milliseconds."""
    digits.follow_until_quiet(0.3, 10)
    first = digits.shown()
    digits.seen = []
    releases = []
    begin = time.monotonic() + 0.05
    for k in range(BURST_CLICKS):
        digits.follow(begin + k * BURST_APART)
        watch.press(window, *LEFT_PLUS)
        digits.follow(begin + k * BURST_APART + BURST_HOLD)
        releases.append(watch.release())
    digits.follow_until_quiet(1.5, 30)
    drawn = digits.seen
    # Each score's digits, from "-" clicked back to the start.
    scores = {digits.shown(): BURST_CLICKS}
    for score in range(BURST_CLICKS - 1, -1, -1):
        scores[digits.click(LEFT_MINUS)[1]] = score
        digits.follow_until_quiet(0.3, 10)
    if digits.shown() != first:
        raise RuntimeError(f"{BURST_CLICKS} clicks on + and as many on - did not end where they began")
    latencies = []
    for k, released in enumerate(releases, 1):
        shown = [when for when, image in drawn if when >= released and scores.get(image, -1) >= k]
        if not shown:
            raise RuntimeError(f"click {k} of the burst was never drawn")
        latencies.append((shown[0] - released) * 1e3)
    return latencies


def measure(programs, x, watch, ports, env, seconds=20, bursts=3):
    """The figures for each of `programs` ({"this build": command, "release": command}), as common.Figure rows."""
    Figure = common.Figure
    figures = []
    for name, command in programs.items():
        print(f"Busy: {name}, updates back to back for {seconds} s, the state asked, + clicked ...", file=sys.stderr)
        try:
            states, repaints, gaps, sent = back_to_back(command, ports, x, watch, env, seconds)
        except (RuntimeError, OSError) as error:  # a release without the remote control, say
            print(f"  no figures for {name}: {error}", file=sys.stderr)
            continue
        figures += [
            Figure(f"Updates back to back ({sent} in {seconds} s), {name}: GET /api/v1/state to its answer", states,
                   "ms", "median < 5, worst < 50", lambda v: statistics.median(v) < 5 and max(v) < 50),
            Figure(f"Updates back to back, {name}: click on + (XTest release sent) to its digits drawn", repaints,
                   "ms", "worst < 20", lambda v: max(v) < 20),
            Figure(f"Updates back to back, {name}: gap between WebSocket heartbeats, off {HEARTBEAT_S:.0f} s by",
                   [abs(gap - HEARTBEAT_S * 1e3) for gap in gaps] or [float("nan")], "ms",
                   "worst < 50", lambda v: max(v) < 50),
        ]
    if not shutil.which("strace"):
        print("Busy: no strace, so no figure with the disk made slow", file=sys.stderr)
        return figures
    for name, command in programs.items():
        print(f"Busy: {name}, {bursts} x {BURST_CLICKS} clicks on + with fdatasync {SLOW_SYNC_US // 1000} ms slow ...",
              file=sys.stderr)
        try:
            latencies = slow_disk(command, ports, x, watch, env, bursts)
        except (RuntimeError, OSError) as error:
            print(f"  no figure for {name}: {error}", file=sys.stderr)
            continue
        figures.append(Figure(f"Every fdatasync {SLOW_SYNC_US // 1000} ms slow, {name}: {BURST_CLICKS} clicks on + "
                              f"{BURST_APART * 1e3:.0f} ms apart, each to its score drawn", latencies, "ms",
                              "worst < 20", lambda v: max(v) < 20))
    return figures


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build")
    parser.add_argument("--release", help="another build of the program, measured beside this one")
    parser.add_argument("--seconds", type=int, default=20, help="how long updates are asked back to back")
    parser.add_argument("--bursts", type=int, default=3, help="bursts of clicks with the disk slow")
    args = parser.parse_args()
    harness.require_namespace_support()
    programs = {"this build": [os.path.join(os.path.abspath(args.build), "scoreboard")]}
    if args.release:
        programs["release"] = [os.path.join(os.path.abspath(args.release), "scoreboard")]
    common.print_measured_on_stand_ins(
        lambda x, watch, ports, env: measure(programs, x, watch, ports, env, args.seconds, args.bursts))


if __name__ == "__main__":
    main()
