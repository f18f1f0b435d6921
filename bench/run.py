#!/usr/bin/env python3
"""The scoreboard's benchmark: prints figures, never fails on a slow machine.

usage: run.py BUILD_DIR [--updates N] [--starts N] [--idle-runs N] [--release BUILD_DIR]
              [--remote-load-seconds N] [--busy-seconds N] [--slow-disk-bursts N]

1. scoreboard-bench-update: "Update scoreboard" clicked in the window built
   offscreen, bytes read from pseudo-terminals; each update beside a plain
   write() + PauseTenth() sequence on the same terminal, the machine's own
   noise.
2. The real scoreboard under a private Xvfb, in a private mount namespace
   whose /dev/ttyS0 and /dev/ttyS1 are pseudo-terminals (tests/e2e/harness.py):
   start-up to the first frame and resident memory, interleaved run by run with
   bare-window (empty, and with one line of text); updates clicked through
   XTest; CPU and wake-ups while idle.

3. With --release, the same figures for another build of the program (the
   release before, say), measured in the same run, interleaved, beside this
   one's; and the disk syncs the program makes per click and per update,
   counted with strace.

4. The remote control (bench/remote_bench.py), and what waits while the
   program waits for the wire or the disk (bench/busy_bench.py): the API's
   state, a click's repaint and the WebSocket heartbeat during updates asked
   back to back, and clicks while every fdatasync is slow; for both builds.

Prints a markdown table: min, median and worst of each figure over the runs,
its goal, and whether the median (or, where the goal says so, the worst) meets
it.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
sys.path.insert(0, HERE)
import harness  # noqa: E402
import xwatch  # noqa: E402
import remote_bench  # noqa: E402
import busy_bench  # noqa: E402
from common import (UPDATE_BUTTON, Figure, cpu_ns_and_wakeups, cpu_ticks, deviations, print_table,  # noqa: E402
                    rss_kib, runtime_dir, start, stop, write_starts)

LEFT_PLUS_BUTTON = (128 + 20, 144 + 16)


# --- figures --------------------------------------------------------------------------------------

def gap_figures(label, gaps):
    devs = deviations(gaps)
    return [
        Figure(f"{label}: gap between message starts", gaps, "ms"),
        Figure(f"{label}: deviation of that gap from 100 ms", devs, "ms",
               "median <= 1, worst <= 3", lambda v: statistics.median(v) <= 1 and max(v) <= 3),
    ]


def run_update_bench(build, updates):
    program = os.path.join(build, "bench", "scoreboard-bench-update")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime_dir())
    output = subprocess.run([program, str(updates)], env=env, capture_output=True, text=True, timeout=600)
    if output.returncode != 0:
        raise RuntimeError(f"{program}: exit status {output.returncode}: {output.stderr.strip()}")
    rows = {"update": [], "baseline": []}
    for line in output.stdout.splitlines():
        fields = line.split("\t")
        if fields[0] in rows and fields[1] != "warm-up":
            rows[fields[0]].append([float(value) for value in fields[2:]])
    return rows


def count_syncs(command, ports, x, watch, env, rounds=5):
    """Disk syncs (fsync, fdatasync and the like) per click of "+" and per
    update that changes the board: three runs under strace (starting and
    closing only; then clicks; then a click and an update each round), the
    first subtracted from the others."""
    def run(presses):
        trace = tempfile.NamedTemporaryFile(prefix="scoreboard-bench-strace-", delete=False).name
        traced = ["strace", "-f", "-qq", "-o", trace, "-e", "trace=fsync,fdatasync,syncfs,sync,sync_file_range,msync",
                  *command]
        started = start(traced, ports, x, watch, env)
        time.sleep(0.5)
        for place in presses:
            since = len(ports[0].chunks)
            watch.click(started.window, *place)
            if place == UPDATE_BUTTON:
                write_starts_any(ports[0], since)
            time.sleep(0.1)
        time.sleep(0.3)
        stop(started, x)
        with open(trace) as lines:
            count = sum(1 for line in lines if "(" in line and "resumed>" not in line)
        os.unlink(trace)
        return count
    base = run([])
    per_click = (run([LEFT_PLUS_BUTTON] * rounds) - base) / rounds
    per_round = (run([LEFT_PLUS_BUTTON, UPDATE_BUTTON] * rounds) - base) / rounds
    return per_click, per_round - per_click


def write_starts_any(port, since, timeout=3):
    """Waits for one whole update (45 bytes) after chunk `since`, whatever its digits."""
    deadline = time.monotonic() + timeout
    while sum(len(data) for _, data in port.chunks[since:]) < 45 and time.monotonic() < deadline:
        time.sleep(0.01)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build", help="the CMake build folder")
    parser.add_argument("--updates", type=int, default=20)
    parser.add_argument("--starts", type=int, default=20, help="start-ups of each program, interleaved")
    parser.add_argument("--idle-runs", type=int, default=3, help="10-second idle periods")
    parser.add_argument("--release", help="another build of the program, measured beside this one")
    parser.add_argument("--remote-load-seconds", type=int, default=60, help="the remote control's load test")
    parser.add_argument("--busy-seconds", type=int, default=20, help="updates asked back to back, per program")
    parser.add_argument("--slow-disk-bursts", type=int, default=3, help="bursts of clicks with fdatasync slow")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    scoreboard = [os.path.join(build, "scoreboard")]
    bare = [os.path.join(build, "bench", "bare-window")]
    programs = {"scoreboard": scoreboard, "bare": bare, "bare+text": bare + ["--text"]}
    titles = {"scoreboard": "Scoreboard", "bare": "Bare window", "bare+text": "Bare window"}
    # The programs whose updates and idle time are measured.
    measured_programs = {"scoreboard": scoreboard}
    if args.release:
        programs["release"] = measured_programs["release"] = [os.path.join(os.path.abspath(args.release), "scoreboard")]
        titles["release"] = "Scoreboard"

    harness.require_namespace_support()
    load_before = os.getloadavg()
    print(f"Offscreen: {args.updates} updates in the window built by scoreboard-bench-update ...", file=sys.stderr)
    offscreen = run_update_bench(build, args.updates)

    x = harness.XServer()
    watch = xwatch.XWatch(x.display)
    ports = [harness.StandInPort(1), harness.StandInPort(2)]
    # Settings of its own: no port or match remembered from the user's runs.
    env = dict(x.env(), XDG_RUNTIME_DIR=runtime_dir(), XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="scoreboard-bench-config-"))
    startup = {name: [] for name in programs}
    ratios = {"frame": [], "rss": [], "frame_text": [], "rss_text": [], "frame_release": [], "rss_release": []}
    xvfb_click = {name: [] for name in measured_programs}
    xvfb_gaps = {name: [] for name in measured_programs}
    xvfb_cpu = {name: [] for name in measured_programs}
    idle = {(name, focus): [] for name in measured_programs for focus in ("unfocused", "focused")}
    syncs = {}
    try:
        print(f"Xvfb: {args.starts} start-ups of each program, interleaved ...", file=sys.stderr)
        # One start of each first, unmeasured: it loads the libraries from disk.
        for command in programs.values():
            stop(start(command, ports, x, watch, env), x)
        names = list(programs)
        for run in range(args.starts):
            # Rotate the order, so that none always follows the same one.
            measured = {}
            for name in names[run % len(names):] + names[:run % len(names)]:
                started = start(programs[name], ports, x, watch, env)
                title = watch.title(started.window)
                if title != titles[name]:
                    raise RuntimeError(f"found the window {title!r} for {name}")
                time.sleep(0.5)  # let start-up finish before taking its memory
                measured[name] = (started.drawn_ms, rss_kib(started.process.pid))
                stop(started, x)
            for name in measured:
                startup[name].append(measured[name])
            for suffix, yardstick in (("", "bare"), ("_text", "bare+text"), ("_release", "release")):
                if yardstick in measured:
                    ratios["frame" + suffix].append(measured["scoreboard"][0] / measured[yardstick][0])
                    ratios["rss" + suffix].append(measured["scoreboard"][1] / measured[yardstick][1])

        port1 = ports[0]
        # In blocks, each program in turn, so that whatever else the machine
        # does falls on both alike.
        blocks = 4 if args.release else 1
        print(f"Xvfb: {args.updates} updates clicked in {', '.join(measured_programs)}, in {blocks} blocks ...",
              file=sys.stderr)
        for block in range(blocks):
            for program, command in measured_programs.items():
                started = start(command, ports, x, watch, env)
                pid = started.process.pid
                time.sleep(0.3)
                for run in range(args.updates // blocks + 1):  # the first warms up
                    since = len(port1.chunks)
                    cpu_before, _ = cpu_ns_and_wakeups(pid)
                    released = watch.click(started.window, *UPDATE_BUTTON)
                    starts = write_starts(port1, since)
                    time.sleep(0.1)  # repaints after the update belong to it
                    cpu_after, _ = cpu_ns_and_wakeups(pid)
                    if run == 0:
                        continue
                    xvfb_click[program].append((starts[0] - released) * 1e3)
                    xvfb_gaps[program] += [(b - a) * 1e3 for a, b in zip(starts, starts[1:])]
                    xvfb_cpu[program].append((cpu_after - cpu_before) / 1e6)
                stop(started, x)

        for program, command in measured_programs.items():
            print(f"Xvfb: CPU of {program} while idle, {args.idle_runs} x (10 s without focus, 10 s with) ...",
                  file=sys.stderr)
            # A fresh window: the clicks above moved the keyboard focus to a button.
            started = start(command, ports, x, watch, env)
            pid = started.process.pid
            for _ in range(args.idle_runs):
                # Any window manager gives a new window the input focus; a bare X
                # server, as in the end-to-end test, leaves it without.
                for focus, target in (("unfocused", watch.root), ("focused", started.window)):
                    watch.focus(target)
                    time.sleep(1)
                    before = (cpu_ticks(pid), *cpu_ns_and_wakeups(pid))
                    time.sleep(10)
                    after = (cpu_ticks(pid), *cpu_ns_and_wakeups(pid))
                    idle[program, focus].append(
                        (after[0] - before[0], (after[1] - before[1]) / 1e6, after[2] - before[2]))
            stop(started, x)

        if shutil.which("strace"):
            for program, command in measured_programs.items():
                print(f"strace: disk syncs of {program} per click and per update ...", file=sys.stderr)
                syncs[program] = count_syncs(command, ports, x, watch, env)
        remote_figures = remote_bench.measure(build, x, watch, ports, env, args.remote_load_seconds)
        if args.release:
            remote_figures += remote_bench.idle_figures(measured_programs["release"][0], "release", x, watch,
                                                        ports, env)
        busy_figures = busy_bench.measure(
            {("this build" if name == "scoreboard" else name): command for name, command in measured_programs.items()},
            x, watch, ports, env, args.busy_seconds, args.slow_disk_bursts)
        if ports[1].received(quiet=0.1) != b"":
            raise RuntimeError("port 2 received bytes")
    finally:
        for port in ports:
            port.close()
        watch.close()
        x.close()
    load_after = os.getloadavg()

    figures = []
    figures += gap_figures("Offscreen, in-process", [g for row in offscreen["update"] for g in row[1:5]])
    figures += [Figure("Noise: plain write() + PauseTenth(), same terminal, same run: deviation from 100 ms",
                       deviations([g for row in offscreen["baseline"] for g in row[1:5]]), "ms")]
    figures += gap_figures("Xvfb, real program", xvfb_gaps["scoreboard"])
    figures += [
        Figure("Offscreen: click (QTest) to first byte", [row[0] for row in offscreen["update"]], "ms",
               "median < 5", lambda v: statistics.median(v) < 5),
        Figure("Offscreen: CPU of the program per update", [row[5] for row in offscreen["update"]], "ms",
               "< 5", lambda v: statistics.median(v) < 5),
    ]
    for program in measured_programs:
        name = "real program" if program == "scoreboard" else "release"
        figures += [
            Figure(f"Xvfb, {name}: click (XTest release sent) to first byte", xvfb_click[program], "ms",
                   "median < 5", lambda v: statistics.median(v) < 5),
            Figure(f"Xvfb, {name}: CPU per update", xvfb_cpu[program], "ms",
                   "< 5", lambda v: statistics.median(v) < 5),
            Figure(f"Xvfb, {name}, window focused as by a window manager: idle 10 s, utime+stime",
                   [run[0] for run in idle[program, "focused"]], "ticks", "0", lambda v: statistics.median(v) == 0),
            Figure(f"Xvfb, {name}, window focused: idle 10 s, CPU (scheduler's count)",
                   [run[1] for run in idle[program, "focused"]], "ms", "0", lambda v: statistics.median(v) == 0),
            Figure(f"Xvfb, {name}, window focused: idle 10 s, wake-ups of all threads (context switches)",
                   [run[2] for run in idle[program, "focused"]], "switches", "0",
                   lambda v: statistics.median(v) == 0),
            Figure(f"Xvfb, {name}, window without focus (no window manager): idle 10 s, CPU",
                   [run[1] for run in idle[program, "unfocused"]], "ms"),
            Figure(f"Xvfb, {name}, window without focus: idle 10 s, wake-ups",
                   [run[2] for run in idle[program, "unfocused"]], "switches"),
        ]
        if program in syncs:
            figures += [Figure(f"{name}: disk syncs per click of + (strace)", [syncs[program][0]], "syncs"),
                        Figure(f"{name}: disk syncs per update that changes the board (strace)",
                               [syncs[program][1]], "syncs")]
    if args.release:
        figures += [
            Figure("Xvfb: CPU per update, this build / release, median over median",
                   [statistics.median(xvfb_cpu["scoreboard"]) / statistics.median(xvfb_cpu["release"])], "x",
                   "<= 1.05x", lambda v: v[0] <= 1.05),
            Figure("Start-up to first frame: this build / release, run by run", ratios["frame_release"], "x",
                   "<= 1.05x", lambda v: statistics.median(v) <= 1.05),
            Figure("Resident memory: this build / release, run by run", ratios["rss_release"], "x",
                   "<= 1.03x", lambda v: statistics.median(v) <= 1.03),
            Figure("Start-up to first frame drawn: release", [s[0] for s in startup["release"]], "ms"),
            Figure("Resident memory: release", [s[1] for s in startup["release"]], "KiB"),
        ]
    figures += remote_figures
    figures += busy_figures
    figures += [
        Figure("Start-up to first frame drawn: scoreboard", [s[0] for s in startup["scoreboard"]], "ms"),
        Figure("Start-up to first frame drawn: bare window", [s[0] for s in startup["bare"]], "ms"),
        Figure("Start-up to first frame drawn: bare window with one line of text",
               [s[0] for s in startup["bare+text"]], "ms"),
        Figure("Start-up: scoreboard / bare window, run by run", ratios["frame"], "x",
               "<= 1.2x", lambda v: statistics.median(v) <= 1.2),
        Figure("Start-up: scoreboard / bare window with text, run by run", ratios["frame_text"], "x"),
        Figure("Resident memory 0.5 s after the first frame: scoreboard", [s[1] for s in startup["scoreboard"]],
               "KiB"),
        Figure("Resident memory: bare window", [s[1] for s in startup["bare"]], "KiB"),
        Figure("Resident memory: bare window with one line of text", [s[1] for s in startup["bare+text"]], "KiB"),
        Figure("Resident memory: scoreboard / bare window, run by run", ratios["rss"], "x",
               "<= 1.2x", lambda v: statistics.median(v) <= 1.2),
        Figure("Resident memory: scoreboard / bare window with text, run by run", ratios["rss_text"], "x"),
    ]

    print()
    print(f"Machine: {os.cpu_count()} CPUs, load average {load_before[0]:.2f} before, "
          f"{load_after[0]:.2f} after. 'met' judges the median (and the worst where the goal names it).")
    print()
    print_table(figures)


if __name__ == "__main__":
    main()
