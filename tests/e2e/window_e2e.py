#!/usr/bin/env python3
"""The real scoreboard binary, clicked through a real X server, with its bytes
read from the far side of stand-in serial ports.

usage: window_e2e.py PATH-TO-scoreboard PATH-TO-scoreboard-monitor
"""
import os
import select
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

# Centres of the controls, in client-area pixels.
LEFT_PLUS = (128 + 20, 144 + 16)
UPDATE = (160 + 52, 184 + 16)
RESET = (160 + 52, 224 + 12)
COMBO_TEXT = (296 + 20, 216 + 10)


def digit_pair(address, digit):
    packet = bytes([0x0D, address, 0x41, 0x30 + digit])
    packet += bytes([(256 - sum(packet) % 256) % 256])
    return packet * 2


S_MESSAGE = bytes.fromhex("0D 00 53 13 8D")


def expected_update(digits):
    return [digit_pair(address, digit) for address, digit in enumerate(digits, start=1)] + [S_MESSAGE]


def check_update(port, since, digits, what):
    want = expected_update(digits)
    port.received(since=since, at_least=len(b"".join(want)))
    bursts = port.bursts(since)
    got = [data for _, _, data in bursts]
    assert got == want, f"{what}: expected {[w.hex(' ') for w in want]}, got {[g.hex(' ') for g in got]}"
    # Each write starts at least 0.1 s after the one before. The reads leave
    # room for that however late the reader wakes, and while it keeps up they
    # show a shorter pause as too short.
    longest = [(bursts[i][1] - bursts[i - 1][0]) * 1000 for i in range(1, len(bursts))]
    assert all(gap >= 100 for gap in longest), f"{what}: writes too close: at most {longest} ms apart"
    print(f"{what}: {len(b''.join(got))} bytes in {len(got)} writes, at most " +
          ", ".join(f"{gap:.1f}" for gap in longest) + " ms apart")
    for data in got:
        print("   ", data.hex(" ").upper())


class Session:
    """One run of the real program on stand-in ports 1 and 2, under the test's X server."""

    def __init__(self, x, program):
        self.x = x
        self.ports = [harness.StandInPort(1), harness.StandInPort(2)]
        self.process = harness.run_with_ports([program], self.ports, x.env())
        self.window = x.find_window("Scoreboard")
        time.sleep(0.3)

    def click(self, place):
        self.x.click(self.window, *place)

    def wait(self):
        return self.process.wait(timeout=10)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        for port in self.ports:
            port.close()


def operate_and_close(x, program):
    session = Session(x, program)
    try:
        port1, port2 = session.ports
        assert port1.received() == b"", "both ports answer: nothing is sent at start-up"

        for _ in range(8):
            session.click(LEFT_PLUS)
            time.sleep(0.05)
        since = len(port1.chunks)
        session.click(UPDATE)
        check_update(port1, since, [0, 8, 0, 0], "update after eight + on the left")

        since = len(port1.chunks)
        session.click(RESET)
        check_update(port1, since, [0, 0, 0, 0], "reset")

        x.close_window(session.window)
        status = session.wait()
        assert status == 0, f"closing the window: exit status {status}"
        assert port2.received() == b"", "port 2 received bytes"
        print("closed: exit status 0; port 2 received nothing")
    finally:
        session.close()


def interrupted_during_an_update(x, program, how):
    """The update under way finishes, then the program releases the port and exits with 0."""
    name = how if isinstance(how, str) else signal.Signals(how).name
    session = Session(x, program)
    try:
        port1 = session.ports[0]
        session.click(UPDATE)
        port1.received(quiet=0, at_least=10)  # between the first and the second digit pair
        if how == "close":
            x.close_window(session.window)
        else:
            session.process.send_signal(how)
        status = session.wait()
        assert status == 0, f"{name} during an update: exit status {status}"
        check_update(port1, 0, [0, 0, 0, 0], f"{name} during an update, the update")
        print(f"{name} during an update: exit status 0")
    finally:
        session.close()


class MonitorPort:
    """Port 1 played by scoreboard-monitor on its own pseudo-terminal: the
    virtual board decodes what arrives and complains about anything a real
    board would reject."""

    def __init__(self, monitor):
        self.port = 1
        # No idle limit: the program starting slowly on a busy machine would
        # end the session before its first byte.
        self.process = subprocess.Popen([monitor, "--pty", "--check"], stdout=subprocess.PIPE)
        self.slave_path = self.process.stdout.readline().decode().strip()

    def lines(self):
        """The message lines once two 'S' messages have come and the line has
        then been quiet for longer than the monitor waits to report a message
        cut short; and the monitor's exit status if it ended by itself, at a
        problem (else None). Then it is ended."""
        stream = self.process.stdout.fileno()
        output = b""
        deadline = time.monotonic() + 20
        ended = None
        while time.monotonic() < deadline:
            ready, _, _ = select.select([stream], [], [], 0.05)
            part = os.read(stream, 4096) if ready else b""
            if ready and not part:
                ended = self.process.wait(timeout=10)
                break
            output += part
            if part and output.count(b"'S'") >= 2:
                deadline = time.monotonic() + 0.7
        self.process.kill()
        return output.decode().splitlines(), ended


def the_monitor_as_the_board(x, program, monitor):
    board = MonitorPort(monitor)
    port2 = harness.StandInPort(2)
    process = harness.run_with_ports([program], [board, port2], x.env())
    try:
        window = x.find_window("Scoreboard")
        time.sleep(0.3)
        for _ in range(3):
            x.click(window, *LEFT_PLUS)
        x.click(window, *UPDATE)
        x.click(window, *RESET)
        x.close_window(window)
        assert process.wait(timeout=10) == 0
        lines, ended = board.lines()
        assert ended is None, f"the monitor found a problem (exit status {ended}): {lines}"
        shown = [line.split("board:")[1].split() for line in lines if "'S'" in line]
        assert shown == [["0", "3", "0", "0"], ["0", "0", "0", "0"]], f"the board showed {shown}"
        print(f"the monitor as the board: {len(lines)} messages, no problem, showed 03 00 then 00 00")
    finally:
        if process.poll() is None:
            process.kill()
        board.process.kill()
        port2.close()


def start(x, program, ports, env):
    process = harness.run_with_ports([program], ports, env)
    window = x.find_window("Scoreboard")
    time.sleep(0.3)
    return process, window


def stop(x, process, window):
    x.close_window(window)
    assert process.wait(timeout=10) == 0, "closing the window"


def finding_the_adapter(x, program):
    """Only a USB adapter present, as port 33: listed, typed, sent to,
    remembered for the next start, and opened again after it was unplugged."""
    env = dict(x.env(), XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="scoreboard-e2e-config-"))
    adapter = harness.StandInPort(33)
    listing = harness.run_with_ports([program, "--list-ports"], [adapter], env, stdout=subprocess.PIPE, text=True)
    printed, _ = listing.communicate(timeout=10)
    assert listing.returncode == 0 and printed.startswith("33\t/dev/ttyUSB0\t"), f"--list-ports: {printed!r}"

    process, window = start(x, program, [adapter], env)
    x.click(window, *COMBO_TEXT)
    x.xdotool("key", "ctrl+a")
    x.xdotool("type", "--delay", "50", "33")
    time.sleep(0.2)
    x.click(window, *UPDATE)
    check_update(adapter, 0, [0, 0, 0, 0], "only port 33, typed")
    stop(x, process, window)

    # The next start finds nothing on 1 and 2 and opens the port sent on last.
    replugged = harness.StandInPort(33)
    process, window = start(x, program, [replugged], env)
    assert replugged.received() == b"", "nothing is sent at start to the remembered port"
    x.click(window, *UPDATE)
    check_update(replugged, 0, [0, 0, 0, 0], "restart: the remembered port 33, selector untouched")

    # Unplugged while in use; a device comes back at its path within a second.
    harness.unplug(process, 33)
    time.sleep(0.5)
    back = harness.StandInPort(33)
    harness.plug_in(process, back)
    time.sleep(1.0)
    x.click(window, *UPDATE)
    check_update(back, 0, [0, 0, 0, 0], "unplugged and back: the update reaches the new device")
    stop(x, process, window)

    # With port 1 there, the start-up discovery stands and port 33 hears nothing.
    port1, adapter_again = harness.StandInPort(1), harness.StandInPort(33)
    process, window = start(x, program, [port1, adapter_again], env)
    assert port1.received() == bytes.fromhex("0D 00 41 ED C5 0D 00 41 ED C5 0D 00 53 13 8D"), "start-up command"
    stop(x, process, window)
    assert adapter_again.received() == b"", "port 33 received bytes while port 1 was in use"
    print("finding the adapter: listed, typed, remembered, reopened after unplugging; port 1 still wins")
    for port in (adapter, replugged, back, port1, adapter_again):
        port.close()


def main():
    program = os.path.abspath(sys.argv[1])
    monitor = os.path.abspath(sys.argv[2])
    harness.require_namespace_support()
    x = harness.XServer()
    try:
        operate_and_close(x, program)
        interrupted_during_an_update(x, program, "close")
        interrupted_during_an_update(x, program, signal.SIGTERM)
        interrupted_during_an_update(x, program, signal.SIGINT)
        the_monitor_as_the_board(x, program, monitor)
        finding_the_adapter(x, program)
    finally:
        x.close()


if __name__ == "__main__":
    main()
