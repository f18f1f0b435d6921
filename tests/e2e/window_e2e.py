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
    return check_updates(port, since, [digits], what)[0]


def check_updates(port, since, updates, what):
    """The updates, one after the other, each whole and paced; for each, its
    writes as StandInPort.writes gives them."""
    wants = [expected_update(digits) for digits in updates]
    port.received(since=since, at_least=sum(len(b"".join(want)) for want in wants))
    writes = port.writes([data for want in wants for data in want], since, what)
    found = []
    for number, want in enumerate(wants):
        own = writes[number * len(want):(number + 1) * len(want)]
        found.append(own)
        said = what if len(wants) == 1 else f"{what}, send {number + 1}"
        # Each write starts at least 0.1 s after the one before. The reads
        # leave room for that however late the reader wakes, and while it
        # keeps up they show a shorter pause as too short.
        longest = [(later[1] - earlier[0]) * 1000 for earlier, later in zip(own, own[1:])]
        assert all(gap >= 100 for gap in longest), f"{said}: writes too close: at most {longest} ms apart"
        print(f"{said}: {len(b''.join(want))} bytes in {len(want)} writes, at most " +
              ", ".join(f"{gap:.1f}" for gap in longest) + " ms apart")
        for data in want:
            print("   ", data.hex(" ").upper())
    return found


class Session:
    """One run of the real program on stand-in ports 1 and 2, under the test's X server."""

    def __init__(self, x, program, trace=None):
        """`trace`: a file where strace writes what the program does to port 1."""
        self.x = x
        self.ports = [harness.StandInPort(1), harness.StandInPort(2)]
        command = harness.traced([program], trace, 1) if trace else [program]
        self.status = tempfile.NamedTemporaryFile(prefix="scoreboard-e2e-status-", mode="w+")
        env = dict(x.env(), QT_LOGGING_RULES="scoreboard.status.info=true")
        self.process = harness.run_with_ports(command, self.ports, env, stderr=self.status)
        self.program = harness.traced_program(self.process, program) if trace else self.process.pid
        self.window = x.find_window("Scoreboard", process=self.process)
        time.sleep(0.3)

    def click(self, place):
        self.x.click(self.window, *place)

    def said(self):
        """Every status the window showed, and what else the program printed."""
        self.status.seek(0)
        return self.status.read()

    def wait(self):
        return self.process.wait(timeout=10)

    def close(self):
        if self.process.poll() is None:
            if self.program != self.process.pid:
                try:
                    os.kill(self.program, signal.SIGKILL)  # strace lets its program go on
                except ProcessLookupError:
                    pass
            self.process.kill()
            self.process.wait()
        for port in self.ports:
            port.close()


def operate_and_close(x, program):
    session = Session(x, program)
    try:
        port1, port2 = session.ports
        assert port1.received() == b"", "both ports answer: nothing is sent at start-up"

        # Right after start, touching nothing: F9 acts wherever the focus is.
        # The focus given as a window manager gives it to a new window; this
        # X server has none.
        x.xdotool("windowfocus", "--sync", str(session.window))
        x.xdotool("key", "F9")
        check_update(port1, 0, [0, 0, 0, 0], "F9 right after start, touching nothing")

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
    """The update under way finishes whole and the one asked for meanwhile is
    dropped; then DTR goes down once, the port is closed once, and the
    program exits with 0. A closed window goes at once, before the update
    ends."""
    name = how if isinstance(how, str) else signal.Signals(how).name
    trace = tempfile.NamedTemporaryFile(prefix="scoreboard-e2e-strace-")
    session = Session(x, program, trace.name)
    try:
        port1 = session.ports[0]
        # The second waits for the first; the end must come before the first
        # has ended, 0.4 s later, on a busy machine too.
        x.click_at_once(session.window, UPDATE, UPDATE)
        deadline = time.monotonic() + 10
        while "Update waiting" not in session.said():
            assert time.monotonic() < deadline, f"the second Update did not wait: {session.said()}"
            time.sleep(0.002)
        if how == "close":
            x.close_window(session.window)
            gone = x.wait_until_hidden(session.window)
        else:
            os.kill(session.program, how)
        status = session.wait()
        assert status == 0, f"{name} during an update: exit status {status}"
        writes = check_update(port1, 0, [0, 0, 0, 0], f"{name} during an update, the update")
        received = port1.received(quiet=0.5)
        assert "Update waiting - the board is being sent 00 00" in session.said(), session.said()
        assert len(received) == 45, f"{name} during an update: the update waiting was sent too: {received.hex(' ')}"
        if how == "close":
            assert gone < writes[-1][0], f"the window stayed {(gone - writes[-1][0]) * 1000:.0f} ms after the update"
        calls = harness.line_calls(trace.name)
        assert "write" in calls, f"{name} during an update: no write to port 1 in the trace: {calls}"
        after = calls[calls.index("write"):]
        assert [call for call in after if call != "write"] == ["DTR off", "close"], \
            f"{name} during an update: on port 1 after the first byte: {after}"
        print(f"{name} during an update: exit status 0; the one waiting dropped; then DTR off once, closed once" +
              (f"; the window gone {(writes[-1][0] - gone) * 1000:.0f} ms before the update's end"
               if how == "close" else ""))
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
        problem (else None)."""
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
        x.click(window, *RESET)  # waits its turn
        lines, ended = board.lines()
        x.close_window(window)
        assert process.wait(timeout=10) == 0
        assert ended is None, f"the monitor found a problem (exit status {ended}): {lines}"
        shown = [line.split("board:")[1].split() for line in lines if "'S'" in line]
        assert shown == [["0", "3", "0", "0"], ["0", "0", "0", "0"]], f"the board showed {shown}"
        print(f"the monitor as the board: Update and Reset clicked at once, {len(lines)} messages, no problem, "
              "showed 03 00 then 00 00")
    finally:
        if process.poll() is None:
            process.kill()
        board.process.kill()
        port2.close()


RIGHT_PLUS = (328 + 20, 144 + 16)
FTDI = {"idVendor": "0403", "idProduct": "6001", "serial": "A50285BI", "manufacturer": "FTDI",
        "product": "FT232R USB UART"}
PROLIFIC = {"idVendor": "067b", "idProduct": "2303", "manufacturer": "Prolific", "product": "USB-Serial Controller"}


def start(x, program, ports, env):
    """The program on the stand-ins; what its status line says goes to a file."""
    status = tempfile.NamedTemporaryFile(prefix="scoreboard-e2e-status-", mode="w+")
    env = dict(env, QT_LOGGING_RULES="scoreboard.status.info=true")
    process = harness.run_with_ports([program], ports, env, stderr=status)
    process.status = status
    window = x.find_window("Scoreboard", process=process, said=lambda: said(process))
    time.sleep(0.3)
    return process, window


def said(process):
    process.status.seek(0)
    return process.status.read()


def stop(x, process, window):
    x.close_window(window)
    assert process.wait(timeout=10) == 0, "closing the window"


def type_33_and_update(x, program, adapter, env, what):
    """A run on `adapter` alone: port 33 typed, the update sent to it, closed."""
    process, window = start(x, program, [adapter], env)
    x.click(window, *COMBO_TEXT)
    x.xdotool("key", "ctrl+a")
    x.xdotool("type", "--delay", "50", "33")
    time.sleep(0.2)
    x.click(window, *UPDATE)
    check_update(adapter, 0, [0, 0, 0, 0], what)
    stop(x, process, window)


def finding_the_adapter(x, program):
    """Only USB adapters present: the FTDI adapter typed and sent to, then
    another adapter at its number (named, never opened), then the FTDI adapter
    again, unplugged and back in another socket; and with a built-in port 1
    there, the adapter used last time is opened at start and port 1 hears
    nothing."""
    env = dict(x.env(), XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="scoreboard-e2e-config-"))
    adapter = harness.StandInPort(33, FTDI)
    listing = harness.run_with_ports([program, "--list-ports"], [adapter], env, stdout=subprocess.PIPE, text=True)
    printed, _ = listing.communicate(timeout=10)
    assert listing.returncode == 0 and printed == "33\t/dev/ttyUSB0\tFTDI FT232R USB UART\tUSB 0403:6001 serial " \
        "A50285BI socket 1-1\tmay open\n", f"--list-ports: {printed!r}"

    type_33_and_update(x, program, adapter, env, "only port 33, typed")

    other = harness.StandInPort(33, PROLIFIC)
    process, window = start(x, program, [other], env)
    x.click(window, *UPDATE)
    stop(x, process, window)
    assert other.received() == b"", "another adapter at the remembered number received bytes"
    assert "Port 33 is now another device: Prolific USB-Serial Controller - pick it to use it." in said(process), said(process)
    print("another adapter at the remembered number: named, not opened, nothing sent")

    again = harness.StandInPort(33, FTDI)
    process, window = start(x, program, [again], env)
    assert again.received() == b"", "nothing is sent at start to the remembered adapter"
    harness.unplug(process, 33)
    time.sleep(0.5)
    moved = harness.StandInPort(34, dict(FTDI, socket="1-2"))
    harness.plug_in(process, moved)
    time.sleep(1.0)
    x.click(window, *UPDATE)
    check_update(moved, 0, [0, 0, 0, 0], "unplugged and back as port 34: the update reaches it")
    assert "Port 33 is back as port 34 (/dev/ttyUSB1) and open" in said(process), said(process)
    stop(x, process, window)

    # A built-in port 1 there too: the adapter used last time is opened, port 1 is not even probed.
    port1, adapter_again = harness.StandInPort(1), harness.StandInPort(34, FTDI)
    process, window = start(x, program, [port1, adapter_again], env)
    x.click(window, *UPDATE)
    check_update(adapter_again, 0, [0, 0, 0, 0], "the adapter used last time beside a built-in port 1")
    stop(x, process, window)
    assert port1.received() == b"", "port 1 received bytes while the adapter used last time was there"
    print("finding the adapter: listed, typed, remembered, another adapter left alone, back in another socket; "
          "opened before a built-in port 1")
    for port in (adapter, other, again, moved, port1, adapter_again):
        port.close()


def outside_the_dialout_group(program):
    """A user in no group: the adapter of the dialout group says to join it,
    one only root may use says an administrator must allow it."""
    ports = [harness.StandInPort(33, FTDI, access="root:dialout 660"),
             harness.StandInPort(34, dict(PROLIFIC, socket="1-2"), access="root:root 600")]
    nobody = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
    listing = harness.run_with_ports(nobody + [program, "--list-ports"], ports, dict(os.environ), stdout=subprocess.PIPE,
                                     text=True)
    printed, _ = listing.communicate(timeout=10)
    said = [line.split("\t")[-1] for line in printed.splitlines()]
    assert said == ["no permission - join the dialout group",
                    "no permission - owned by root - an administrator must allow you to use it"], printed
    print("outside the dialout group:", *said, sep="\n    ")
    for port in ports:
        port.close()


def twins_without_serial_numbers(x, program):
    """Two adapters of one model without serial numbers are told apart by their
    sockets only: at start, and when the one in use comes back."""
    env = dict(x.env(), XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="scoreboard-e2e-config-"))
    a = harness.StandInPort(33, dict(PROLIFIC, socket="1-1"))
    type_33_and_update(x, program, a, env, "adapter A in socket 1-1, typed")

    # Next start: B (socket 1-3) comes first as ttyUSB0, A is ttyUSB1.
    b, a_later = harness.StandInPort(33, dict(PROLIFIC, socket="1-3")), harness.StandInPort(34, dict(PROLIFIC, socket="1-1"))
    process, window = start(x, program, [b, a_later], env)
    x.click(window, *UPDATE)
    check_update(a_later, 0, [0, 0, 0, 0], "at start: A by its socket, not its twin at its old number")

    # While running: A goes, B's twin C takes ttyUSB1 in socket 1-4 - not opened;
    # A comes back in its own socket as ttyUSB2 - opened.
    harness.unplug(process, 34)
    time.sleep(0.5)
    c = harness.StandInPort(34, dict(PROLIFIC, socket="1-4"))
    harness.plug_in(process, c)
    time.sleep(1.0)
    a_back = harness.StandInPort(35, dict(PROLIFIC, socket="1-1"))
    harness.plug_in(process, a_back)
    time.sleep(1.0)
    x.click(window, *UPDATE)
    check_update(a_back, 0, [0, 0, 0, 0], "A back in its own socket: the update reaches it")
    stop(x, process, window)
    for twin in (b, c):
        assert twin.received() == b"", "a twin in another socket received bytes"
    print("twins without serial numbers: told apart by socket at start and on return; the others heard nothing")
    for port in (a, b, a_later, c, a_back):
        port.close()


def the_match_survives_any_end(x, program):
    """Killed at 08 15 on the window, 08 00 on the board: the next start is as
    always, and Restore (its shortcut) brings 08 15 back for the next update.
    A start that touches nothing keeps the offer for the one after."""
    env = dict(x.env(), XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="scoreboard-e2e-config-"))
    ports = [harness.StandInPort(1), harness.StandInPort(2)]
    process, window = start(x, program, ports, env)
    for place, presses in ((LEFT_PLUS, 8), (UPDATE, 1), (RIGHT_PLUS, 15)):
        for _ in range(presses):
            x.click(window, *place)
            time.sleep(0.03)
    check_update(ports[0], 0, [0, 8, 0, 0], "08 00 sent")
    time.sleep(0.2)
    process.kill()
    process.wait()

    offer = "Last match: board showed 08 00 at "
    for run in ("untouched", "restored"):
        since = len(ports[0].chunks)
        process, window = start(x, program, ports, env)
        ports[0].received()
        assert len(ports[0].chunks) == since, "bytes sent at start, with both ports there"
        assert offer in said(process) and ", window 08 15." in said(process), said(process)
        if run == "untouched":
            stop(x, process, window)
            continue
        x.click(window, *COMBO_TEXT)  # the window takes the keyboard
        x.xdotool("key", "ctrl+r")
        time.sleep(0.2)
        x.click(window, *UPDATE)
        check_update(ports[0], since, [0, 8, 1, 5], "killed, restarted untouched, restored, then Update")
        stop(x, process, window)
    for port in ports:
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
        outside_the_dialout_group(program)
        twins_without_serial_numbers(x, program)
        the_match_survives_any_end(x, program)
    finally:
        x.close()


if __name__ == "__main__":
    main()
