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
        self.orca = None
        self.master = None
        self.log = ""

    def start(self):
        """Orca itself, on the buses; returns once it says it is up."""
        # Line by line: Orca's debug file is a terminal, so Python flushes each
        # line. Orca's record of its speech is all the test needs: with no
        # sound device a speech server can stall Orca.
        self.master, slave = pty.openpty()
        self.orca = subprocess.Popen(["orca", "-u", os.path.join(self.home, "prefs"), "--disable", "speech",
                                      "--disable", "braille", "--debug-file", os.ttyname(slave)], env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(slave)
        deadline = time.monotonic() + 30
        while "Startup complete" not in self.log and time.monotonic() < deadline:
            self.read(0.1)
        if "Startup complete" not in self.log:
            log = self.log
            self.close()
            harness.skip(f"Orca did not start: {log[-300:]!r}")

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

    def stop(self):
        self.orca.terminate()
        try:
            self.orca.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.orca.kill()  # another Orca of this user's would refuse to start
            self.orca.wait()
        os.close(self.master)
        self.orca = self.master = None
        self.log = ""

    def close(self):
        if self.orca:
            self.stop()
        for process in (self.launcher,):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
        os.kill(self.bus_pid, 15)
        shutil.rmtree(self.home, ignore_errors=True)


def spoken_once(orca, words, after):
    """Waits for `words` in what Orca says after the first `after` utterances;
    they must be there exactly once."""
    assert orca.wait_for(re.escape(words)), f"Orca never said {words!r}; it said {orca.spoken()[after:]}"
    orca.read(1.5)  # anything said twice would come now
    said = [line for line in orca.spoken()[after:] if words in line]
    assert len(said) == 1, f"{words!r} said {len(said)} times: {orca.spoken()[after:]}"
    return len(orca.spoken())


def start_status_heard(x, orca, program, orca_first):
    """One start of the program, Orca started before it or after its window
    is up: whether Orca says how the start went, and how often."""
    if orca_first:
        orca.start()
    ports = [harness.StandInPort(1), harness.StandInPort(2)]
    env = dict(orca.env, XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="scoreboard-speech-config-"))
    process = harness.run_with_ports([program], ports, env)
    try:
        window = x.find_window("Scoreboard")
        if not orca_first:
            time.sleep(1.0)
            orca.start()
        orca.wait_for(re.escape("Port 1 (/dev/ttyS0) open"), seconds=5)
        orca.read(1.0)
        return sum("Port 1 (/dev/ttyS0) open" in line for line in orca.spoken()), window, process, ports
    except BaseException:
        process.kill()
        raise


def in_german(x, orca, program):
    """The program on a German desktop (LANG alone): its window, the start-up
    status and a button's name and description, as Orca says them."""
    def german(context, source, *arguments):
        return harness.translated("de", context, source, *arguments)

    ports = [harness.StandInPort(1), harness.StandInPort(2)]
    env = dict(orca.env, LANG="de_DE.UTF-8", LANGUAGE="", LC_ALL="", LC_MESSAGES="",
               XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="scoreboard-speech-config-"))
    orca.start()
    process = harness.run_with_ports([program], ports, env)
    try:
        window = x.find_window(german("Form1", "Scoreboard"), process=process)
        heard = spoken_once(orca, german("StatusText", "Port %1 (%2) open.", "1", "/dev/ttyS0"), 0)
        x.click(window, *LEFT_PLUS)
        spoken_once(orca, german("Form1", "Left score: plus"), heard)
        assert orca.wait_for(re.escape(german(
            "Form1", "Raises the left score by one in the window; Update scoreboard sends it (%1)", "F3"))), \
            orca.spoken()[heard:]
        heard = len(orca.spoken())
        x.click(window, *UPDATE)  # the caption is the button's name, said first
        assert orca.wait_for("^" + re.escape(german("Form1", "&Update scoreboard")) + " "), orca.spoken()[heard:]
        print("Orca said, in German:", *orca.spoken(), sep="\n    ")
    finally:
        process.kill()
        process.wait()
        for port in ports:
            port.close()
        orca.stop()


def main():
    program = os.path.abspath(sys.argv[1])
    starts = int(sys.argv[sys.argv.index("--starts") + 1]) if "--starts" in sys.argv else 1
    harness.require_namespace_support()
    x = harness.XServer()
    orca = Orca(x)
    try:
        # How the start went, said once, whichever of the two came first.
        for orca_first in (True, False):
            heard = []
            for _ in range(starts):
                times, window, process, ports = start_status_heard(x, orca, program, orca_first)
                heard.append(times)
                if orca_first and starts == 1:
                    break  # the same window goes on below
                process.kill()
                process.wait()
                for port in ports:
                    port.close()
                orca.stop()
            first = "Orca first" if orca_first else "Orca after the window"
            print(f"{first}: the start-up status said once in {heard.count(1)} of {starts} starts {heard}")
            assert heard == [1] * starts, f"{first}: the start-up status said {heard} times"
            if orca_first and starts == 1:
                try:
                    # A burst of "+" is said once, with the score it ended on.
                    heard_before = len(orca.spoken())
                    for _ in range(5):
                        x.click(window, *LEFT_PLUS)  # the focus stays where it is
                        time.sleep(0.05)
                    heard_before = spoken_once(orca, "Left score 05", heard_before)
                    stale = [line for line in orca.spoken() if re.search(r"Left score 0[1-4]", line)]
                    assert not stale, f"stale scores said: {stale}"

                    x.click(window, *UPDATE)
                    spoken_once(orca, "Board shows 05 00", heard_before)
                    print("Orca said:", *orca.spoken(), sep="\n    ")
                finally:
                    process.kill()
                    process.wait()
                    for port in ports:
                        port.close()
                    orca.stop()
        in_german(x, orca, program)
    finally:
        orca.close()
        x.close()


if __name__ == "__main__":
    main()
