#!/usr/bin/env python3
"""Runs a Windows program under Wine for ctest (its cross-compiling emulator).

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
import os
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
    env.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="winemenubuilder.exe=d",
               WINEQT_FORCE_STDERR_LOGGING="1")
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
