#!/usr/bin/env python3
"""The Windows program as an operator gets it, under Wine: installed silently,
started on stand-in COM ports, clicked through a private X server with its
bytes read from the far side, then uninstalled silently, leaving nothing.

usage: windows_e2e.py SETUP.EXE ZIP

The COM ports are pseudo-terminals named in HKLM\\Software\\Wine\\Ports (COM5
stands for a USB adapter); every Wine process runs where /dev holds no serial
device, since Wine would otherwise map COM1 to the machine's own /dev/ttyS0.
Each session has a prefix of its own, cloned from the one the program was
installed into. The window's words come from its status log on stderr.
"""
import fcntl
import glob
import os
import queue
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zipfile

here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(here, "..", "e2e"), here]
import harness  # noqa: E402
import wine_run  # noqa: E402

LEFT_PLUS, UPDATE = (148, 160), (212, 200)  # centres, in client-area pixels at 96 dpi
TIOCSPTLCK = 0x40045431  # locks a pseudo-terminal's far side: opening it fails (EIO)
STARTUP_COMMAND = bytes.fromhex("0D 00 41 ED C5 0D 00 41 ED C5 0D 00 53 13 8D")


def expected_update(digits):
    def pair(address, digit):
        packet = bytes([0x0D, address, 0x41, 0x30 + digit])
        return (packet + bytes([-sum(packet) % 256])) * 2
    return [pair(address, digit) for address, digit in enumerate(digits, start=1)] + [bytes.fromhex("0D 00 53 13 8D")]


def check_update(port, digits):
    """Exactly the update's five writes; each at least 0.1 s after the one
    before as the reads prove, and none a second late."""
    want = expected_update(digits)
    port.received(at_least=len(b"".join(want)))
    bursts = port.bursts()
    assert [data for _, _, data in bursts] == want, f"the update: {[data.hex(' ') for _, _, data in bursts]}"
    gaps = [((b[0] - a[1]) * 1000, (b[1] - a[0]) * 1000) for a, b in zip(bursts, bursts[1:])]
    assert all(high >= 100 and low < 1000 for low, high in gaps), f"pauses between {gaps} ms"
    print("update: 45 bytes in 5 writes,", ", ".join(f"{low:.0f}-{high:.0f}" for low, high in gaps), "ms apart")


class Prefix(wine_run.Prefix):
    """A prefix whose sessions show on the test's X server and log the status line."""

    def __init__(self, path, x):
        base = dict(x.env(), QT_LOGGING_RULES="scoreboard.status.info=true")
        del base["QT_QPA_PLATFORM"]  # the Unix side's; Windows has its own window plugin
        super().__init__(path, base)
        self.x = x

    def start(self):
        super().start()
        # Wine's server opens the files for all Wine processes: it must be
        # where this machine has no serial device.
        assert self.servers(), "no Wine server found"
        for pid in self.servers():
            assert os.readlink(f"/proc/{pid}/ns/mnt") != os.readlink("/proc/self/ns/mnt"), "Wine shares this /dev"
            assert not glob.glob(f"/proc/{pid}/root/dev/tty[SUA]*"), "serial devices where Wine runs"

    def clone(self, path):
        super().clone(path)
        return Prefix(path, self.x)

    def installed(self, name=""):
        users = os.path.join(self.path, "drive_c", "users")
        user = next(name for name in sorted(os.listdir(users)) if name != "Public")
        return f"C:\\users\\{user}\\AppData\\Local\\Programs\\Scoreboard" + (f"\\{name}" if name else "")


class Program:
    """One run of the installed program, its status lines gathered as they come."""

    def __init__(self, prefix, *args):
        self.x = prefix.x
        self.process = prefix.wine(prefix.installed("scoreboard.exe"), *args, stderr=subprocess.PIPE, text=True)
        self.lines, self.log = queue.Queue(), []
        threading.Thread(target=lambda: [self.lines.put(line.rstrip()) for line in self.process.stderr],
                         daemon=True).start()

    def status(self, pattern):
        """The next status line that matches."""
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            try:
                self.log.append(self.lines.get(timeout=0.1))
            except queue.Empty:
                assert self.process.poll() is None, f"the program ended: {self.log}"
                continue
            said = self.log[-1].partition("scoreboard.status: ")
            if said[1] and re.search(pattern, said[2]):
                return said[2]
        raise AssertionError(f"no status matching {pattern!r}: {self.log}")

    def window(self):
        window = self.x.find_window("Scoreboard", timeout=30)
        size = re.search(r"Geometry: (\d+)x(\d+)", self.x.xdotool("getwindowgeometry", str(window)).stdout)
        assert size.groups() == ("443", "269"), f"the window at 96 dpi: {size.group(0)}"
        time.sleep(0.3)  # shown is not yet drawn
        return window

    def close(self, window):
        self.x.close_window(window)
        assert self.process.wait(timeout=20) == 0, f"closing the window: {self.log}"


# The start-up outcomes: the COM ports there (a locked one does not open),
# what the window says, what COM1 receives.
STARTUPS = [
    ("both", {1: "", 2: "", 5: ""}, r"^Port 1 \(COM1\) open$", b""),
    ("only COM1", {1: "", 5: ""}, r"^Port 1 \(COM1\) open, start-up command sent$", STARTUP_COMMAND),
    ("only COM2", {2: "", 5: ""}, r"^Port 2 \(COM2\) open$", None),
    ("neither", {2: "locked", 5: ""}, r"COM5\).*Port 1: no such device, port 2: \S", None),
]


def start_up(prefix, name, present, says, com1_hears):
    """Started on these ports, then, with both there, "+" and "Update
    scoreboard", COM1 failing under the next update, and --list-ports."""
    ports = {number: harness.StandInPort(number) for number in present}
    for number, how in present.items():
        if how == "locked":
            fcntl.ioctl(ports[number].master, TIOCSPTLCK, struct.pack("i", 1))
    prefix.set_ports({number: port.slave_path for number, port in ports.items()})
    prefix.start()
    try:
        program = Program(prefix)
        print(f"{name}:", program.status(says))
        window = program.window()
        if com1_hears is not None:
            assert ports[1].received(at_least=len(com1_hears)) == com1_hears, f"{name}: COM1 at start"
        if name == "both":
            prefix.x.click(window, *LEFT_PLUS)
            time.sleep(0.2)
            prefix.x.click(window, *UPDATE)
            check_update(ports[1], [0, 1, 0, 0])
            print("   ", program.status("Board shows"))
            ports.pop(1).close()  # the far side hangs up: the next write fails
            prefix.x.click(window, *UPDATE)
            print("COM1 failing:", program.status("Not sent"))
            listing = prefix.wine(prefix.installed("scoreboard.exe"), "--list-ports", stdout=subprocess.PIPE, text=True)
            printed = listing.communicate(timeout=30)[0]
            assert [line.split("\t")[1] for line in printed.splitlines()] == ["COM1", "COM2", "COM5"], printed
            print("--list-ports:", printed.replace("\t", " ").replace("\n", "; "))
        program.close(window)
        assert all(port.received() == b"" for number, port in ports.items() if number != 1), f"{name}: bytes sent"
    finally:
        prefix.stop()
        for port in ports.values():
            port.close()


def install(prefix, setup, zip_path):
    assert prefix.run_to_the_end(setup, "/S") == 0, "the silent install failed"
    folder = os.path.join(prefix.path, "drive_c", prefix.installed()[3:].replace("\\", "/"))
    files = {os.path.relpath(os.path.join(f, name), folder) for f, _, names in os.walk(folder) for name in names}
    with zipfile.ZipFile(zip_path) as archive:
        packed = {name.split("/", 1)[1] for name in archive.namelist() if not name.endswith("/")}
    assert files == packed | {"uninstall.exe"}, f"installed beside the zip: {sorted(files ^ packed)}"
    assert glob.glob(os.path.join(prefix.path, "drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/"
                                               "Programs/Scoreboard.lnk")), "no Start-menu entry"
    assert any("uninstall\\\\scoreboard]" in key.lower() for key in prefix.registry_keys("scoreboard")), "not in Apps"
    print(f"installed: {len(files)} files as in the zip, a Start-menu entry, listed under Apps")


def uninstall(prefix, before):
    assert prefix.registry_keys("software\\\\scoreboard"), "the program kept no settings to remove"
    assert prefix.run_to_the_end(prefix.installed("uninstall.exe"), "/S") == 0, "the silent uninstall failed"
    assert not prefix.registry_keys("scoreboard"), f"left behind: {prefix.registry_keys('scoreboard')}"
    assert prefix.files() == before, f"left behind: {sorted(prefix.files() - before)}"
    print("uninstalled: no file, Start-menu entry or registry key left")


def main():
    setup, zip_path = (os.path.abspath(path) for path in sys.argv[1:3])
    harness.require_namespace_support()
    x = harness.XServer()
    work = tempfile.mkdtemp(prefix="scoreboard-windows-e2e-")
    try:
        installed = Prefix(os.path.join(work, "installed"), x)
        installed.start()  # makes the prefix
        installed.stop()
        before = installed.files()
        install(installed, setup, zip_path)
        for name, present, says, com1_hears in reversed(STARTUPS):
            # "both" last and in the installed prefix: it leaves settings for the uninstaller.
            prefix = installed if name == "both" else installed.clone(os.path.join(work, name.replace(" ", "-")))
            start_up(prefix, name, present, says, com1_hears)
        uninstall(installed, before)
    finally:
        x.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
