#!/usr/bin/env python3
"""The Windows program as an operator gets it, under Wine: installed silently
by its installer, started with stand-in serial ports, clicked through a
private X server with its bytes read from the far side, then uninstalled
silently, leaving nothing behind.

usage: windows_e2e.py SETUP.EXE ZIP

Wine's COM ports are pseudo-terminals named in HKLM\\Software\\Wine\\Ports
(COM1, COM2, and COM5 for a USB adapter), and every Wine process runs where
/dev holds no serial device: Wine would otherwise map COM1 to the machine's
own /dev/ttyS0. Each session has a prefix of its own, cloned from one the
program was installed into. What the window says is read from its status
log (category scoreboard.status) on stderr.
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
sys.path.insert(0, os.path.join(here, "..", "e2e"))
sys.path.insert(0, here)
import harness  # noqa: E402
import wine_run  # noqa: E402

# Centres of the controls, in client-area pixels at 96 dpi.
LEFT_PLUS = (128 + 20, 144 + 16)
UPDATE = (160 + 52, 184 + 16)

INSTALLED = "C:\\users\\{user}\\AppData\\Local\\Programs\\Scoreboard"
TIOCSPTLCK = 0x40045431  # locks a pseudo-terminal's far side: opening it fails
STARTUP_COMMAND = bytes.fromhex("0D 00 41 ED C5 0D 00 41 ED C5 0D 00 53 13 8D")
S_MESSAGE = bytes.fromhex("0D 00 53 13 8D")


def digit_pair(address, digit):
    packet = bytes([0x0D, address, 0x41, 0x30 + digit])
    return (packet + bytes([(256 - sum(packet) % 256) % 256])) * 2


def expected_update(digits):
    return [digit_pair(address, digit) for address, digit in enumerate(digits, start=1)] + [S_MESSAGE]


def check_update(port, since, digits, what):
    """The update's five writes, exactly, each at least 0.1 s after the one
    before as the reads prove, and none a second late."""
    want = expected_update(digits)
    port.received(since=since, at_least=len(b"".join(want)))
    bursts = port.bursts(since)
    got = [data for _, _, data in bursts]
    assert got == want, f"{what}: expected {[w.hex(' ') for w in want]}, got {[g.hex(' ') for g in got]}"
    longest = [(bursts[i][1] - bursts[i - 1][0]) * 1000 for i in range(1, len(bursts))]
    shortest = [(bursts[i][0] - bursts[i - 1][1]) * 1000 for i in range(1, len(bursts))]
    assert all(gap >= 100 for gap in longest), f"{what}: writes too close: at most {longest} ms apart"
    assert all(gap < 1000 for gap in shortest), f"{what}: pauses too long: at least {shortest} ms"
    print(f"{what}: {len(b''.join(got))} bytes in {len(got)} writes, " +
          ", ".join(f"{low:.0f}-{high:.0f}" for low, high in zip(shortest, longest)) + " ms apart")


class Prefix:
    """A Wine prefix of this test's own, and the sessions run in it."""

    def __init__(self, path, x):
        self.path = path
        self.x = x

    def env(self):
        base = dict(self.x.env(), QT_LOGGING_RULES="scoreboard.status.info=true")
        base.pop("QT_QPA_PLATFORM")  # the Unix side's choice; Windows has its own window plugin
        return wine_run.wine_env(self.path, base=base)

    def start(self):
        wine_run.start(self.path, base=self.env())
        # Wine's server opens the files for every Wine process: it must be
        # where no serial device of this machine is.
        servers = [pid for pid in os.listdir("/proc") if pid.isdigit() and self._serves_here(pid)]
        assert servers, "no Wine server found for the prefix"
        for pid in servers:
            assert os.readlink(f"/proc/{pid}/ns/mnt") != os.readlink("/proc/self/ns/mnt"), "Wine shares this /dev"
            devices = [name for name in os.listdir(f"/proc/{pid}/root/dev") if re.match(r"tty(S|USB|ACM)", name)]
            assert not devices, f"serial devices where Wine runs: {devices}"

    def _serves_here(self, pid):
        try:
            with open(f"/proc/{pid}/comm") as f:
                if not f.read().startswith("wineserver"):
                    return False
            with open(f"/proc/{pid}/environ", "rb") as f:
                return f"WINEPREFIX={self.path}".encode() in f.read().split(b"\0")
        except OSError:
            return False  # ended meanwhile

    def stop(self):
        wine_run.stop(self.path, base=self.env())

    def wine(self, *args, **popen):
        return harness.run_in_private_dev(["wine", *args], self.env(), **popen)

    def run_to_the_end(self, *args):
        """Runs a program, and whatever it starts, to the end: the server stops
        once the last of them has ended (an uninstaller runs on from a copy)."""
        status = self.wine(*args).wait(timeout=120)
        wine_run.run(["wineserver", "-w"], self.env())
        return status

    def drive(self, windows_path):
        return os.path.join(self.path, "drive_c", windows_path[3:].replace("\\", "/"))

    def user(self):
        users = os.path.join(self.path, "drive_c", "users")
        return next(name for name in sorted(os.listdir(users)) if name != "Public")

    def installed(self, name=""):
        return INSTALLED.format(user=self.user()) + ("\\" + name if name else "")

    def clone(self, path):
        """A copy that shares the files (nothing here rewrites them) but not the registry."""
        subprocess.run(["cp", "-al", self.path, path], check=True)
        for hive in ("system.reg", "user.reg", "userdef.reg"):
            os.unlink(os.path.join(path, hive))
            shutil.copy2(os.path.join(self.path, hive), os.path.join(path, hive))
        return Prefix(path, self.x)

    def set_ports(self, ports):
        """COM ports by number: their stand-ins. Read when the session starts."""
        hive = os.path.join(self.path, "system.reg")
        with open(hive) as f:
            text = f.read()
        values = "".join(f'"COM{number}"="{stand_in.slave_path}"\n' for number, stand_in in sorted(ports.items()))
        text, found = re.subn(r"(\[Software\\\\Wine\\\\Ports\][^\n]*\n(?:#[^\n]*\n)*)", lambda m: m.group(1) + values,
                              text, count=1)
        assert found == 1, "no Software\\Wine\\Ports key in the prefix"
        with open(hive, "w") as f:
            f.write(text)
        for link in glob.glob(os.path.join(self.path, "dosdevices", "com*")):
            os.unlink(link)

    def registry_keys(self, word):
        keys = []
        for hive in ("system.reg", "user.reg"):
            with open(os.path.join(self.path, hive)) as f:
                keys += [line for line in f if line.startswith("[") and word in line.lower()]
        return keys

    def files(self):
        """Every file and folder outside Windows' own and the temporary folders
        (where an NSIS uninstaller leaves the copy it ran from, for Windows to
        delete at the next start)."""
        drive = os.path.join(self.path, "drive_c")
        found = set()
        for folder, dirs, names in os.walk(drive):
            relative = os.path.relpath(folder, drive)
            if relative == "windows" or relative.endswith("/Temp"):
                dirs.clear()
                continue
            found.update(os.path.join(relative, name) for name in dirs + names)
        return found

    def com_links(self):
        return {os.path.basename(link): os.readlink(link)
                for link in glob.glob(os.path.join(self.path, "dosdevices", "com*"))}


class Program:
    """One run of the installed program; its status lines gathered as they come."""

    def __init__(self, prefix, *args):
        self.prefix = prefix
        self.process = prefix.wine(prefix.installed("scoreboard.exe"), *args, stderr=subprocess.PIPE, text=True)
        self.lines = queue.Queue()
        self.log = []
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stderr:
            self.lines.put(line.rstrip("\n"))

    def status(self, pattern, timeout=30):
        """The first status line from now on that matches `pattern`."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                line = self.lines.get(timeout=0.1)
            except queue.Empty:
                assert self.process.poll() is None, f"the program ended ({self.process.returncode}): {self.log}"
                continue
            self.log.append(line)
            if line.startswith("scoreboard.status: ") and re.search(pattern, line):
                return line[len("scoreboard.status: "):]
        raise AssertionError(f"no status matching {pattern!r}; the log: {self.log}")

    def window(self, seen=()):
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            found = self.prefix.x.xdotool("search", "--onlyvisible", "--name", "^Scoreboard$").stdout.split()
            new = [int(w) for w in found if int(w) not in seen]
            if new:
                time.sleep(0.3)
                return new[0]
            time.sleep(0.1)
        raise TimeoutError("no window titled Scoreboard")

    def size(self, window):
        shown = self.prefix.x.xdotool("getwindowgeometry", str(window)).stdout
        return tuple(int(n) for n in re.search(r"Geometry: (\d+)x(\d+)", shown).groups())

    def close(self, window):
        self.prefix.x.close_window(window)
        status = self.process.wait(timeout=20)
        assert status == 0, f"closing the window: exit status {status}; the log: {self.log}"


def quiet(*ports):
    return all(port.received() == b"" for port in ports)


def both_ports(prefix):
    """COM1 and COM2 answer: COM1 is used and nothing is sent at start. An
    update after "+" reaches COM1 exactly; then COM1 fails under it, and the
    window says so. --list-ports lists the three COM ports."""
    com1, com2, com5 = (harness.StandInPort(n) for n in (1, 2, 33))
    open_ports = [com1, com2, com5]
    prefix.set_ports({1: com1, 2: com2, 5: com5})
    prefix.start()
    try:
        listing = prefix.wine(prefix.installed("scoreboard.exe"), "--list-ports", stdout=subprocess.PIPE, text=True)
        printed, _ = listing.communicate(timeout=30)
        assert listing.returncode == 0, f"--list-ports: exit status {listing.returncode}"
        assert [line.split("\t")[:2] for line in printed.splitlines()] == [["1", "COM1"], ["2", "COM2"], ["5", "COM5"]], \
            f"--list-ports: {printed!r}"
        print("--list-ports:", printed.replace("\t", " ").replace("\n", "; "))

        program = Program(prefix)
        print("both:", program.status(r"Port 1 \(COM1\) open$"))
        window = program.window()
        size = program.size(window)
        assert size == (443, 269), f"the window at 96 dpi: {size}"
        assert quiet(com1, com2, com5), "bytes sent at start with COM1 and COM2 there"

        prefix.x.click(window, *LEFT_PLUS)
        time.sleep(0.2)
        prefix.x.click(window, *UPDATE)
        check_update(com1, 0, [0, 1, 0, 0], "update after + on the left")
        print("   ", program.status("Board shows"))

        open_ports.remove(com1)
        com1.close()  # the far side hangs up: the next write fails
        prefix.x.click(window, *UPDATE)
        print("COM1 failing:", program.status("Not sent"))
        program.close(window)
        assert quiet(com2, com5), "COM2 or COM5 received bytes"
        assert set(prefix.com_links().values()) <= {p.slave_path for p in (com1, com2, com5)}, prefix.com_links()
    finally:
        prefix.stop()
        for port in open_ports:
            port.close()


def only_com1(prefix):
    com1, com5 = harness.StandInPort(1), harness.StandInPort(33)
    prefix.set_ports({1: com1, 5: com5})
    prefix.start()
    try:
        program = Program(prefix)
        print("only COM1:", program.status(r"Port 1 \(COM1\) open, start-up command sent"))
        window = program.window()
        assert com1.received(at_least=len(STARTUP_COMMAND)) == STARTUP_COMMAND, "the start-up command on COM1"
        program.close(window)
        assert quiet(com5), "COM5 received bytes"
    finally:
        prefix.stop()
        com1.close()
        com5.close()


def only_com2(prefix):
    com2, com5 = harness.StandInPort(2), harness.StandInPort(33)
    prefix.set_ports({2: com2, 5: com5})
    prefix.start()
    try:
        program = Program(prefix)
        print("only COM2:", program.status(r"Port 2 \(COM2\) open$"))
        program.close(program.window())
        assert quiet(com2, com5), "bytes sent on COM2 or COM5"
    finally:
        prefix.stop()
        com2.close()
        com5.close()


def neither(prefix):
    """COM1 is not there and COM2 does not open: nothing is opened or sent,
    and the window says why for each, and names the adapter it found."""
    com2, com5 = harness.StandInPort(2), harness.StandInPort(33)
    # Opening COM2 now fails with an I/O error, as a port whose device is
    # there but does not answer.
    fcntl.ioctl(com2.master, TIOCSPTLCK, struct.pack("i", 1))
    prefix.set_ports({2: com2, 5: com5})
    prefix.start()
    try:
        program = Program(prefix)
        why = program.status("Port 1")
        print("neither:", why)
        assert re.search(r"Port 1: no such device, port 2: \S", why) and "COM5" in why, f"the reasons: {why}"
        program.close(program.window())
        assert quiet(com5), "bytes sent on COM5"
    finally:
        prefix.stop()
        com2.close()
        com5.close()


def install(prefix, setup, zip_path):
    before = prefix.files()
    assert prefix.run_to_the_end(setup, "/S") == 0, "the silent install failed"
    installed = prefix.drive(prefix.installed())
    with zipfile.ZipFile(zip_path) as archive:
        packed = {name.split("/", 1)[1] for name in archive.namelist() if not name.endswith("/")}
    files = {os.path.relpath(os.path.join(folder, name), installed)
             for folder, _, names in os.walk(installed) for name in names}
    assert files == packed | {"uninstall.exe"}, f"installed beside the zip: {sorted(files ^ (packed | {'uninstall.exe'}))}"
    shortcut = glob.glob(os.path.join(prefix.path, "drive_c/users/*/AppData/Roaming/Microsoft/Windows/"
                                                   "Start Menu/Programs/Scoreboard.lnk"))
    assert shortcut, "no Start-menu entry"
    assert any("uninstall\\\\scoreboard]" in key.lower() for key in prefix.registry_keys("scoreboard")), \
        "not listed under Apps"
    print(f"installed: {len(files)} files as in the zip, a Start-menu entry, listed under Apps")
    return before


def uninstall(prefix, before):
    assert prefix.registry_keys("software\\\\scoreboard"), "the program kept no settings to remove"
    assert prefix.run_to_the_end(prefix.installed("uninstall.exe"), "/S") == 0, "the silent uninstall failed"
    left = prefix.registry_keys("scoreboard")
    assert not left, f"registry keys left behind: {left}"
    added = prefix.files() - before
    assert not added, f"files left behind: {sorted(added)}"
    print("uninstalled: no file, Start-menu entry or registry key left")


def main():
    setup, zip_path = (os.path.abspath(path) for path in sys.argv[1:3])
    harness.require_namespace_support()
    if not shutil.which("wine"):
        harness.skip("Wine is not installed")
    x = harness.XServer()
    work = tempfile.mkdtemp(prefix="scoreboard-windows-e2e-")
    try:
        template = Prefix(os.path.join(work, "installed"), x)
        template.start()  # makes the prefix
        template.stop()
        before = install(template, setup, zip_path)
        only_com1(template.clone(os.path.join(work, "only-com1")))
        only_com2(template.clone(os.path.join(work, "only-com2")))
        neither(template.clone(os.path.join(work, "neither")))
        both_ports(template)  # here, so that the uninstaller finds the settings it keeps
        uninstall(template, before)
    finally:
        x.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
