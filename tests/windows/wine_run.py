#!/usr/bin/env python3
"""Runs a Windows program under Wine for ctest (its cross-compiling emulator),
and the Wine prefixes the Windows end-to-end test makes.

usage: wine_run.py --prefix DIR [--dlls DIR]... PROGRAM [ARGUMENTS...]
       wine_run.py --prefix DIR --stop

Every Wine process runs in a private mount namespace whose /dev holds no
serial device: Wine maps COM1 to /dev/ttyS0 by itself, on these machines the
system console, and its server opens the files. The tests share one prefix,
made and started once under a lock: Wine's server and services then run
with their output elsewhere, and do not hold a test's output open after it
ends. --dlls names folders where the program finds its DLLs (Qt, the C++
runtime). --stop ends the prefix's server and services.
"""
import argparse
import fcntl
import glob
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import harness  # noqa: E402

# How long the server and services outlive the last test, in seconds: enough
# for the next test of a run to find them up.
LINGER = 60

# A LOGFONTW: 12 pixels high at 96 dpi (9 pt), normal weight, "MS Shell Dlg".
MESSAGE_FONT = ("F4FFFFFF" + "00" * 12 + "90010000" + "00" * 7 + "22" +
                "MS Shell Dlg".encode("utf-16-le").hex().upper().ljust(128, "0"))


def wine_env(prefix, dlls=(), base=None):
    """The environment for a Wine process. Wine keeps QT_* variables for the
    Unix side and hands WINEQT_* to the program as QT_*."""
    env = {}
    for name, value in (os.environ if base is None else base).items():
        env["WINE" + name if name.startswith("QT_") else name] = value
    # Without a console window Qt logs, and QtTest reports, to the debugger.
    # A test may put DLLs of its own before Wine's (WINEDLLOVERRIDES).
    overrides = ";".join(filter(None, ["winemenubuilder.exe=d", env.get("WINEDLLOVERRIDES")]))
    env.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES=overrides, WINEQT_FORCE_STDERR_LOGGING="1")
    if dlls:
        env["WINEPATH"] = ";".join("Z:" + os.path.abspath(d).replace("/", "\\") for d in dlls)
    return env


def run(command, env, **popen):
    process = harness.run_in_private_dev(command, env, **popen)
    return process.wait()


def start(prefix, base=None):
    """The prefix made if need be, its server and services running. Wine's
    desktop takes its display (DISPLAY, or none) from `base` here, once."""
    os.makedirs(os.path.dirname(os.path.abspath(prefix)), exist_ok=True)
    env = wine_env(prefix, base=base)
    quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(prefix + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        new = not os.path.exists(os.path.join(prefix, "system.reg"))
        # Fails at once when a server is already running for the prefix.
        run(["wineserver", f"-p{LINGER}"], env, **quiet)
        if run(["wine", "wineboot"], env, **quiet) != 0:
            sys.exit(f"wine_run: wineboot failed in {prefix}")
        if new:
            # The desktop's font at 9 pt, as on Windows 10 and 11 (Segoe UI 9);
            # Wine's own is 8.
            run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop\WindowMetrics", "/v", "MessageFont",
                 "/t", "REG_BINARY", "/d", MESSAGE_FONT, "/f"], env, **quiet)


def stop(prefix, base=None):
    """Ends the prefix's server and services, and waits until the server has
    saved the registry."""
    env = wine_env(prefix, base=base)
    run(["wineserver", "-k"], env, stderr=subprocess.DEVNULL)
    run(["wineserver", "-w"], env)


class Prefix:
    """A Wine prefix of a test's own, and its sessions; `base` is the
    environment they start from (the X server's)."""

    def __init__(self, path, base):
        self.path, self.base = path, base

    def env(self):
        return wine_env(self.path, base=self.base)

    def start(self):
        start(self.path, base=self.base)

    def stop(self):
        stop(self.path, base=self.base)

    def wine(self, *args, **popen):
        return harness.run_in_private_dev(["wine", *args], self.env(), **popen)

    def run_to_the_end(self, *args):
        """A program and whatever it starts (an uninstaller runs on from a copy) run to the end."""
        status = self.wine(*args).wait(timeout=120)
        run(["wineserver", "-w"], self.env())
        return status

    def clone(self, path):
        """Shares the files, which no session rewrites, but not the registry."""
        subprocess.run(["cp", "-al", self.path, path], check=True)
        for hive in ("system.reg", "user.reg", "userdef.reg"):
            os.unlink(os.path.join(path, hive))
            shutil.copy2(os.path.join(self.path, hive), path)
        return Prefix(path, self.base)

    def set_ports(self, ports):
        """COM number: the path it opens, these ports and no others; read when
        the next session starts. Wine takes the last of two values of one
        name: one left by a session before would give a port that session's
        stand-in, closed since, whose number another pseudo-terminal may have
        taken by now."""
        hive = os.path.join(self.path, "system.reg")
        with open(hive) as f:
            text = f.read()
        values = "".join(f'"COM{number}"="{path}"\n' for number, path in ports.items())

        def replaced(key):
            others = [line for line in key.group(2).splitlines(keepends=True) if not re.match(r'"COM\d+"=', line)]
            return key.group(1) + values + "".join(others)
        text, found = re.subn(r"(\[Software\\\\Wine\\\\Ports\][^\n]*\n(?:#[^\n]*\n)*)((?:[^\n]+\n)*)",
                              replaced, text, count=1)
        assert found == 1, "no Software\\Wine\\Ports key"
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
        """Files and folders, but for Windows' own and the temporary folders (an
        NSIS uninstaller leaves there the copy it ran from, which Windows
        deletes at its next start)."""
        drive = os.path.join(self.path, "drive_c")
        found = set()
        for folder, dirs, names in os.walk(drive):
            relative = os.path.relpath(folder, drive)
            if relative == "windows" or relative.endswith("/Temp"):
                dirs.clear()
            else:
                found.update(os.path.join(relative, name) for name in dirs + names)
        return found

    def servers(self):
        """The Wine servers of this prefix, by process id."""
        def serves(pid):
            try:
                with open(f"/proc/{pid}/comm") as comm, open(f"/proc/{pid}/environ", "rb") as environ:
                    return comm.read().startswith("wineserver") and \
                        f"WINEPREFIX={self.path}".encode() in environ.read().split(b"\0")
            except OSError:
                return False  # ended meanwhile
        return [pid for pid in os.listdir("/proc") if pid.isdigit() and serves(pid)]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--dlls", action="append", default=[])
    parser.add_argument("--stop", action="store_true")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    prefix = os.path.abspath(args.prefix)
    if args.stop:
        stop(prefix)
        return
    if not args.command:
        parser.error("no program to run")
    start(prefix)
    sys.exit(run(["wine"] + args.command, wine_env(prefix, args.dlls)))


if __name__ == "__main__":
    main()
