"""What the benchmarks here share: the real program started on stand-in
ports under the private X server and closed again, what /proc says of it,
and the table their figures are printed in. bench/run.py, remote_bench.py,
busy_bench.py and windows_bench.py import it; it imports none of them.
"""
import os
import statistics
import tempfile
import time

import harness
import xwatch

WINDOW_SIZE = (443, 269)
UPDATE_BUTTON = (160 + 52, 184 + 16)  # centre of "Update scoreboard", client-area pixels
# What one update puts on port 1 with both scores at 0.
UPDATE_WRITES = [bytes.fromhex(text) for text in (
    "0D 01 41 30 81 0D 01 41 30 81",
    "0D 02 41 30 80 0D 02 41 30 80",
    "0D 03 41 30 7F 0D 03 41 30 7F",
    "0D 04 41 30 7E 0D 04 41 30 7E",
    "0D 00 53 13 8D",
)]


# --- what /proc says about a process -------------------------------------------------------------

def cpu_ticks(pid):
    """utime + stime, in clock ticks, of every thread so far."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def cpu_ns_and_wakeups(pid):
    """CPU in nanoseconds and context switches, summed over the threads.

    The scheduler's own count, far finer than clock ticks; each switch is a
    time the process went to sleep or was put off the CPU.
    """
    cpu = switches = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                cpu += int(schedstat.read().split()[0])
            with open(f"/proc/{pid}/task/{task}/status") as status:
                for line in status:
                    if line.startswith(("voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:")):
                        switches += int(line.split()[1])
        except FileNotFoundError:
            pass  # a thread that ended meanwhile
    return cpu, switches


def thread_switches(pid):
    """{thread id: (its name, context switches so far)} for each of the process's threads."""
    threads = {}
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/status") as status:
                fields = dict(line.split(":", 1) for line in status if ":" in line)
        except FileNotFoundError:
            continue  # a thread that ended meanwhile
        threads[int(task)] = (fields["Name"].strip(), int(fields["voluntary_ctxt_switches"]) +
                              int(fields["nonvoluntary_ctxt_switches"]))
    return threads


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError(f"no VmRSS for {pid}")


# --- running programs on stand-in ports under the private X server --------------------------------

class Started:
    def __init__(self, process, go_time, window, drawn):
        self.process = process
        self.window = window
        self.drawn_ms = (drawn - go_time) * 1e3


def start(command, ports, x, watch, env):
    """Starts `program` in the private namespace and waits for its first frame.

    The namespace is set up first and the program held at a named pipe; the
    clock starts when it is let go, so both programs are timed from their exec.
    """
    folder = tempfile.mkdtemp(prefix="scoreboard-bench-")
    go = os.path.join(folder, "go")
    os.mkfifo(go)
    process = harness.run_with_ports(["sh", "-c", 'read -r go < "$0"; exec "$@"', go, *command], ports, env)
    watch.drain()
    deadline = time.monotonic() + 20
    while True:
        try:
            fd = os.open(go, os.O_WRONLY | os.O_NONBLOCK)
            break
        except OSError:  # ENXIO: the namespace is not set up yet
            if process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError(f"{command} did not get to its start")
            time.sleep(0.001)
    go_time = time.monotonic()
    os.write(fd, b"\n")
    os.close(fd)
    window, _, drawn = watch.wait_shown(WINDOW_SIZE)
    os.unlink(go)
    os.rmdir(folder)
    return Started(process, go_time, window, drawn)


def stop(started, x):
    x.close_window(started.window)
    status = started.process.wait(timeout=10)
    if status != 0:
        raise RuntimeError(f"closing the window: exit status {status}")


def write_starts(port, since, timeout=3):
    """Arrival time of each expected write's first byte on the port, after chunk `since`."""
    want = b"".join(UPDATE_WRITES)
    deadline = time.monotonic() + timeout
    while sum(len(data) for _, data in port.chunks[since:]) < len(want) and time.monotonic() < deadline:
        time.sleep(0.01)
    time.sleep(0.05)  # anything extra would show as a mismatch
    chunks = port.chunks[since:]
    got = b"".join(data for _, data in chunks)
    if got != want:
        raise RuntimeError(f"update: expected {want.hex(' ')}, got {got.hex(' ')}")
    arrivals = [when for when, data in chunks for _ in data]
    starts, offset = [], 0
    for write in UPDATE_WRITES:
        starts.append(arrivals[offset])
        offset += len(write)
    return starts


# --- figures --------------------------------------------------------------------------------------

def print_table(figures):
    print("| Figure | runs | min | median | worst | unit | goal | met? |")
    print("|---|---|---|---|---|---|---|---|")
    for figure in figures:
        print(figure.row())


class Figure:
    def __init__(self, name, values, unit, goal=None, judge=None):
        self.name, self.values, self.unit, self.goal, self.judge = name, values, unit, goal, judge

    def row(self):
        values = self.values
        fmt = (lambda v: f"{v:.2f}") if self.unit != "x" else (lambda v: f"{v:.2f}x")
        if self.unit in ("KiB", "ticks", "switches", "commands", "clients"):
            fmt = lambda v: f"{v:.0f}"  # noqa: E731
        cells = [self.name, str(len(values)), fmt(min(values)), fmt(statistics.median(values)),
                 fmt(max(values)), self.unit]
        if self.goal:
            cells += [self.goal, "met" if self.judge(values) else "**missed**"]
        else:
            cells += ["(reference)", ""]
        return "| " + " | ".join(cells) + " |"


def deviations(gaps):
    return [abs(gap - 100.0) for gap in gaps]


_runtime = None


def runtime_dir():
    """A private XDG_RUNTIME_DIR, so that Qt does not warn about a missing one."""
    global _runtime
    if _runtime is None:
        _runtime = tempfile.mkdtemp(prefix="scoreboard-bench-runtime-")
    return _runtime


def print_measured_on_stand_ins(measure):
    """Runs measure(x, watch, ports, env) under a private X server with its
    DAMAGE watch and stand-in ports 1 and 2, closes them, and prints the
    figures it returns."""
    x = harness.XServer()
    watch = xwatch.XWatch(x.display)
    ports = [harness.StandInPort(1), harness.StandInPort(2)]
    env = dict(x.env(), XDG_RUNTIME_DIR=runtime_dir())
    try:
        figures = measure(x, watch, ports, env)
    finally:
        for port in ports:
            port.close()
        watch.close()
        x.close()
    print_table(figures)
