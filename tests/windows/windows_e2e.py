#!/usr/bin/env python3
"""The Windows program as an operator gets it, under Wine: installed silently,
started on stand-in COM ports, clicked through a private X server with its
bytes read from the far side, then uninstalled silently, leaving nothing.

usage: windows_e2e.py SETUP.EXE ZIP HELPER.EXE

The COM ports are pseudo-terminals named in HKLM\\Software\\Wine\\Ports (COM5
stands for a USB adapter, described to the device set-up API as Windows
describes one); every Wine process runs where /dev holds no serial device,
since Wine would otherwise map COM1 to the machine's own /dev/ttyS0. Each
session has a prefix of its own, cloned from the one the program was
installed into. The window's words come from its status log: on standard
error when it has one, else in its file. HELPER.EXE (windows_helper.cpp)
broadcasts device changes as Windows does, and starts the program as the
Start menu does.
"""
import fcntl
import glob
import os
import pty
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
from window_e2e import check_update  # noqa: E402
import wine_run  # noqa: E402

LEFT_PLUS, UPDATE = (148, 160), (212, 200)  # centres, in client-area pixels at 96 dpi
TIOCSPTLCK = 0x40045431  # locks a pseudo-terminal's far side: opening it fails (EIO)
STARTUP_COMMAND = bytes.fromhex("0D 00 41 ED C5 0D 00 41 ED C5 0D 00 53 13 8D")


def described_adapter():
    """COM5 as the device set-up API describes a USB adapter without a serial
    number, in a .reg file for "reg import": its instance, class, names, port
    name and location path (a device property, of type string list)."""
    def utf16(text, items=1):
        return ",".join(f"{b:02x}" for b in (text.encode("utf-16-le") + b"\0\0" * (items + (items > 1))))
    key = r"HKEY_LOCAL_MACHINE\System\CurrentControlSet\Enum\USB\VID_067B&PID_2303\5&2B5FF7B&0&2"
    return "\r\n".join([
        "Windows Registry Editor Version 5.00", "",
        f"[{key}]", '"ClassGUID"="{4d36e978-e325-11ce-bfc1-08002be10318}"', '"Mfg"="Prolific"',
        f'"FriendlyName"=hex(1):{utf16(ADAPTER_NAME + " (COM5)")}', "",
        f"[{key}\\Device Parameters]", '"PortName"="COM5"', "",
        f"[{key}\\Properties\\{{a45c254e-df1c-4efd-8020-67d146a850e0}}\\0025]",
        f"@=hex(ffff2012):{utf16(ADAPTER_SOCKET, items=2)}", "", ""])


ADAPTER_NAME = "Périphérique série USB"
ADAPTER_SOCKET = "PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(2)"
ADAPTER_LINE = f"5\tCOM5\tProlific {ADAPTER_NAME}\tUSB 067b:2303 socket {ADAPTER_SOCKET}\tmay open"


class Prefix(wine_run.Prefix):
    """A prefix whose sessions show on the test's X server and log the status line."""

    def __init__(self, path, x, **env):
        base = dict(x.env(), **env)
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
        return self.local_app_data("Programs\\Scoreboard" + (f"\\{name}" if name else ""))

    def local_app_data(self, name):
        users = os.path.join(self.path, "drive_c", "users")
        user = next(name for name in sorted(os.listdir(users)) if name != "Public")
        return f"C:\\users\\{user}\\AppData\\Local\\{name}"

    def unix(self, windows_path):
        return os.path.join(self.path, "drive_c", windows_path[3:].replace("\\", "/"))

    def installed_files(self):
        """Each installed file and when it was last written."""
        folder = self.unix(self.installed())
        return {os.path.join(f, name): os.stat(os.path.join(f, name)).st_mtime_ns
                for f, _, names in os.walk(folder) for name in names}


def shown_window(x, title="Scoreboard"):
    window = x.find_window(title, timeout=30)
    size = re.search(r"Geometry: (\d+)x(\d+)", x.xdotool("getwindowgeometry", str(window)).stdout)
    assert size.groups() == ("443", "269"), f"the window at 96 dpi: {size.group(0)}"
    time.sleep(0.3)  # shown is not yet drawn
    return window


class Program:
    """One run of the installed program, its status lines gathered as they come."""

    def __init__(self, prefix, *args):
        self.x = prefix.x
        self.process = prefix.wine(prefix.installed("scoreboard.exe"), *args, stderr=subprocess.PIPE,
                                   encoding="utf-8")
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
        return shown_window(self.x)

    def close(self, window):
        self.x.close_window(window)
        assert self.process.wait(timeout=20) == 0, f"closing the window: {self.log}"


# The start-up outcomes: the COM ports there (a locked one does not open),
# what the window says, what COM1 receives.
STARTUPS = [
    ("both", {1: "", 2: "", 5: ""}, r"^Port 1 \(COM1\) open\.$", b""),
    ("only COM1", {1: "", 5: ""}, r"^Port 1 \(COM1\) open, start-up command sent\.$", STARTUP_COMMAND),
    ("only COM2", {2: "", 5: ""}, r"^Port 2 \(COM2\) open\.$", None),
    ("neither", {2: "locked", 5: ""}, r"COM5\).*Port 1: no such device\. Port 2: \S", None),
]


def replug_during_an_update(prefix, program, window, port, helper):
    """COM1 unplugged and plugged back while an update is on the wire: the
    notices, broadcast to every top-level window as Windows does, are
    answered at once (the bytes leave from a thread of their own); the
    removal is told while COM1 is still listed, the arrival follows, and
    neither cuts the update short. Once it has ended, the port is opened
    afresh and the next update reaches it."""
    replug = prefix.wine(helper, "replug", "COM1", stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    assert replug.stdout.readline().strip() == "ready", "the helper did not start"
    since = len(port.chunks)
    prefix.x.click(window, *UPDATE)
    port.received(since=since, at_least=10, quiet=0)  # the first write: the program is in its first pause
    replug.stdin.write("go\n")
    replug.stdin.flush()
    assert replug.stdout.readline().strip() == "removed", "the removal was not answered"
    answered = time.monotonic()
    check_update(port, since, [0, 1, 0, 0], "the update during which COM1 was unplugged and back")
    last_write = port.chunks[-1][0]
    assert answered < last_write, f"the removal was answered {(answered - last_write) * 1000:.0f} ms after the update"
    print(f"the removal answered {(last_write - answered) * 1000:.0f} ms before the update's last write")
    print("unplugged and back during an update:", program.status(r"plugged in again"))
    assert replug.wait(timeout=30) == 0, "the broadcasts were not answered"
    since = len(port.chunks)
    prefix.x.click(window, *UPDATE)
    check_update(port, since, [0, 1, 0, 0], "the update after COM1 was back")


def list_ports(prefix):
    """scoreboard --list-ports typed in a Command Prompt runs scoreboard.com:
    redirected, the lines come as UTF-8; on a console (here Wine's, on a
    pseudo-terminal, which shows what the console holds in UTF-8), as text."""
    command = prefix.installed("scoreboard.com")
    redirected = prefix.wine(command, "--list-ports", stdout=subprocess.PIPE)
    lines = redirected.communicate(timeout=30)[0].decode("utf-8").splitlines()
    assert redirected.returncode == 0 and [line.split("\t")[1] for line in lines] == ["COM1", "COM2", "COM5"], lines
    assert lines[2] == ADAPTER_LINE, lines[2]
    master, slave = pty.openpty()
    console = prefix.wine(command, "--list-ports", stdin=slave, stdout=slave, stderr=slave)
    os.close(slave)
    shown = b""
    while True:
        try:
            chunk = os.read(master, 4096)
        except OSError:
            break
        if not chunk:
            break
        shown += chunk
    os.close(master)
    assert console.wait(timeout=30) == 0, "scoreboard.com --list-ports on a console"
    shown = re.sub(r"\x1b\[[0-9;?]*[A-Za-z]", "", shown.decode("utf-8"))
    assert f"Prolific {ADAPTER_NAME}" in shown, f"on a console: {shown!r}"
    print("--list-ports:", "; ".join(line.replace("\t", " ") for line in lines))


def running_blocks_setup(prefix, setup):
    """A silent install while the program runs stops at once, changes
    nothing, and says why in its exit status."""
    before = prefix.installed_files()
    status = prefix.wine(setup, "/S").wait(timeout=120)
    assert status == 3, f"a silent install beside the running program: exit status {status}"
    assert prefix.installed_files() == before, "a silent install beside the running program changed files"
    print("silent install while it runs: exit status 3, nothing changed")


def status_file_from_the_start_menu(prefix, helper):
    """Started as the Start menu starts it, without standard error, the
    program writes its status lines to a file, each with its time."""
    process = prefix.wine(helper, "start", prefix.installed("scoreboard.exe"))
    window = shown_window(prefix.x)
    log = prefix.unix(prefix.local_app_data("scoreboard\\status.log"))

    def logged():
        return open(log, encoding="utf-8").read() if os.path.exists(log) else None
    deadline = time.monotonic() + 30
    while "Port 1 (COM1) open" not in (logged() or ""):
        assert time.monotonic() < deadline, f"no 'Port 1 (COM1) open' in the status log: {logged()!r}"
        time.sleep(0.1)
    prefix.x.close_window(window)
    assert process.wait(timeout=20) == 0, "closing the window started from the Start menu"
    lines = open(log, encoding="utf-8").read().splitlines()
    assert all(re.match(r"\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \S", line) for line in lines), lines
    print("status log without a console:", lines[0])


def start_up(prefix, name, present, says, com1_hears, setup, helper):
    """Started on these ports, then, with both there, "+" and "Update
    scoreboard", an unplug and re-plug during an update, a silent install
    while it runs, COM1 failing under the next update, --list-ports, and a
    start from the Start menu."""
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
            check_update(ports[1], 0, [0, 1, 0, 0], "the update on COM1")
            print("   ", program.status("Board shows"))
            replug_during_an_update(prefix, program, window, ports[1], helper)
            running_blocks_setup(prefix, setup)
            list_ports(prefix)
            ports.pop(1).close()  # the far side hangs up: the next write fails
            prefix.x.click(window, *UPDATE)
            print("COM1 failing:", program.status("Not sent"))
        program.close(window)
        assert all(port.received() == b"" for number, port in ports.items() if number != 1), f"{name}: bytes sent"
        if name == "both":
            # COM1 back on another pseudo-terminal, as a busy machine may give
            # it: its old number held by another meanwhile.
            held = pty.openpty()
            ports[1] = harness.StandInPort(1)
            for fd in held:
                os.close(fd)
            prefix.stop()
            prefix.set_ports({number: port.slave_path for number, port in ports.items()})
            prefix.start()
            status_file_from_the_start_menu(prefix, helper)
    finally:
        prefix.stop()
        for port in ports.values():
            port.close()


def in_dutch(installed, work):
    """The installed program where Windows speaks Dutch (Wine takes its
    display language from LANG, in a Dutch locale made for the test): its
    window's title and its start-up status in Dutch."""
    locales = os.path.join(work, "locales")
    os.makedirs(locales, exist_ok=True)
    subprocess.run(["localedef", "-c", "-i", "nl_NL", "-f", "UTF-8", os.path.join(locales, "nl_NL.UTF-8")],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    assert os.path.isdir(os.path.join(locales, "nl_NL.UTF-8")), "localedef made no Dutch locale (package locales)"
    installed.clone(os.path.join(work, "dutch"))
    prefix = Prefix(os.path.join(work, "dutch"), installed.x, LANG="nl_NL.UTF-8", LANGUAGE="", LC_ALL="",
                    LOCPATH=locales)
    ports = [harness.StandInPort(1), harness.StandInPort(2)]
    prefix.set_ports({number: port.slave_path for number, port in enumerate(ports, 1)})
    prefix.start()
    try:
        program = Program(prefix)
        opened = harness.translated("nl", "StatusText", "Port %1 (%2) open.", "1", "COM1")
        print("in Dutch:", program.status("^" + re.escape(opened) + "$"))
        program.close(shown_window(prefix.x, harness.translated("nl", "Form1", "Scoreboard")))
    finally:
        prefix.stop()
        for port in ports:
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
    # A USB adapter at COM5, as the device set-up API describes one, for every session after this.
    with open(os.path.join(prefix.path, "drive_c", "adapter.reg"), "w", encoding="utf-16") as f:
        f.write(described_adapter())
    prefix.start()
    assert prefix.wine("reg", "import", "C:\\adapter.reg", stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL).wait(timeout=60) == 0, "reg import"
    prefix.stop()
    os.unlink(os.path.join(prefix.path, "drive_c", "adapter.reg"))


def uninstall(prefix, before):
    assert prefix.registry_keys("software\\\\scoreboard"), "the program kept no settings to remove"
    assert prefix.run_to_the_end(prefix.installed("uninstall.exe"), "/S") == 0, "the silent uninstall failed"
    assert not prefix.registry_keys("scoreboard"), f"left behind: {prefix.registry_keys('scoreboard')}"
    assert prefix.files() == before, f"left behind: {sorted(prefix.files() - before)}"
    print("uninstalled: no file, Start-menu entry or registry key left")


def main():
    setup, zip_path, helper = (os.path.abspath(path) for path in sys.argv[1:4])
    harness.require_namespace_support()
    x = harness.XServer()
    work = tempfile.mkdtemp(prefix="scoreboard-windows-e2e-")
    try:
        installed = Prefix(os.path.join(work, "installed"), x)
        installed.start()  # makes the prefix
        installed.stop()
        before = installed.files()
        install(installed, setup, zip_path)
        in_dutch(installed, work)
        for name, present, says, com1_hears in reversed(STARTUPS):
            # "both" last and in the installed prefix: it leaves settings for the uninstaller.
            prefix = installed if name == "both" else installed.clone(os.path.join(work, name.replace(" ", "-")))
            start_up(prefix, name, present, says, com1_hears, setup, helper)
        uninstall(installed, before)
    finally:
        x.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
