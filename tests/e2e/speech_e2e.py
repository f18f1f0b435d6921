#!/usr/bin/env python3
"""What a screen reader says while the operator works: the real scoreboard,
Debian's Orca on a private D-Bus session bus with the accessibility bus, and
Orca's own record of its speech (its debug output, read line by line from a
pseudo-terminal so that nothing waits in a buffer).

usage: speech_e2e.py PATH-TO-scoreboard
"""
import os
import pty
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

LEFT_PLUS = (128 + 20, 144 + 16)
UPDATE = (160 + 52, 184 + 16)


class Orca:
    """Orca and the buses it needs, all private to this test."""

    def __init__(self, x):
        for program in ("orca", "dbus-daemon"):
            if not shutil.which(program):
                harness.skip(f"{program} is not installed (packages orca, dbus)")
        launcher = "/usr/libexec/at-spi-bus-launcher"
        if not os.path.exists(launcher):
            harness.skip("at-spi-bus-launcher is not installed (package at-spi2-core)")
        self.home = tempfile.mkdtemp(prefix="scoreboard-speech-")
        runtime = os.path.join(self.home, "run")
        os.mkdir(runtime, 0o700)
        bus = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             capture_output=True, text=True, timeout=20)
        if bus.returncode != 0:
            harness.skip(f"no D-Bus session bus: {bus.stderr.strip()}")
        address, pid = bus.stdout.split()
        self.bus_pid = int(pid)
        self.env = dict(x.env(), DBUS_SESSION_BUS_ADDRESS=address, XDG_RUNTIME_DIR=runtime,
                        XDG_CONFIG_HOME=os.path.join(self.home, "config"), HOME=self.home)
        self.launcher = subprocess.Popen([launcher, "--launch-immediately"], env=self.env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Line by line: Orca's debug file is a terminal, so Python flushes each
        # line. Orca's record of its speech is all the test needs: with no
        # sound device a speech server can stall Orca.
        self.master, slave = pty.openpty()
        self.orca = subprocess.Popen(["orca", "-u", os.path.join(self.home, "prefs"), "--disable", "speech",
                                      "--disable", "braille", "--debug-file", os.ttyname(slave)], env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(slave)
        self.log = ""
        deadline = time.monotonic() + 30
        while "Startup complete" not in self.log and time.monotonic() < deadline:
            self.read(0.1)
        if "Startup complete" not in self.log:
            self.close()
            harness.skip("Orca did not start")

    def read(self, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            ready, _, _ = select.select([self.master], [], [], 0.05)
            if ready:
                try:
                    self.log += os.read(self.master, 65536).decode(errors="replace")
                except OSError:
                    return

    def wait_for(self, pattern, seconds=15):
        """Whether Orca says something that matches, within `seconds`."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if any(re.search(pattern, line) for line in self.spoken()):
                return True
            self.read(0.1)
        return False

    def spoken(self):
        return re.findall(r"SPEECH OUTPUT: '([^']*)'", self.log)

    def close(self):
        for process in (self.orca, self.launcher):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
        os.kill(self.bus_pid, 15)
        os.close(self.master)
        shutil.rmtree(self.home, ignore_errors=True)


def spoken_once(orca, words, after):
    """Waits for `words` in what Orca says after the first `after` utterances;
    they must be there exactly once."""
    assert orca.wait_for(re.escape(words)), f"Orca never said {words!r}; it said {orca.spoken()[after:]}"
    orca.read(1.5)  # anything said twice would come now
    said = [line for line in orca.spoken()[after:] if words in line]
    assert len(said) == 1, f"{words!r} said {len(said)} times: {orca.spoken()[after:]}"
    return len(orca.spoken())


def main():
    program = os.path.abspath(sys.argv[1])
    harness.require_namespace_support()
    x = harness.XServer()
    orca = Orca(x)
    ports = [harness.StandInPort(1), harness.StandInPort(2)]
    env = dict(orca.env, XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="scoreboard-speech-config-"))
    process = harness.run_with_ports([program], ports, env)
    try:
        window = x.find_window("Scoreboard")
        heard = spoken_once(orca, "Port 1 (/dev/ttyS0) open", 0)

        x.click(window, *LEFT_PLUS)  # the focus stays where it is
        heard = spoken_once(orca, "Left score 01", heard)

        x.click(window, *UPDATE)
        spoken_once(orca, "Board shows 01 00", heard)
        print("Orca said:", *orca.spoken()[1:], sep="\n    ")
    finally:
        process.kill()
        process.wait()
        orca.close()
        for port in ports:
            port.close()
        x.close()


if __name__ == "__main__":
    main()
