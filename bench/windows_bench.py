#!/usr/bin/env python3
"""The Windows program's pacing under Wine, beside Wine's own timer noise in
the same run. Prints figures, never fails on a slow machine.

usage: windows_bench.py BUILD_WINDOWS_DIR [--updates N]

The program as the downloads lay it out (windows-stage/) runs under Wine on a
private Xvfb, with COM1 and COM2 on pseudo-terminals, where /dev holds no
serial device (tests/windows/wine_run.py). Each "Update scoreboard" clicked
through XTest is followed by the same five writes on COM2 from
bench-pause-noise.exe: plain WriteFile and the program's own pause, without
Qt or a window. Gaps between message starts are timed from the reads on the
far side, as bench/run.py times them; the rows read as run.py's table.
"""
import argparse
import glob
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, "..", "tests", "e2e"), os.path.join(HERE, "..", "tests", "windows")]
import harness  # noqa: E402
import common  # noqa: E402
import wine_run  # noqa: E402


def gaps(starts):
    return [(b - a) * 1000 for a, b in zip(starts, starts[1:])]


def measure(build, updates):
    stage = glob.glob(os.path.join(build, "windows-stage", "scoreboard-*", "scoreboard.exe"))
    noise = [path for path in (os.path.join(build, "bench-pause-noise.exe"),
                               os.path.join(build, "bench", "windows", "bench-pause-noise.exe")) if os.path.exists(path)]
    if not stage or not noise:
        sys.exit(f"windows_bench: build the downloads and bench-pause-noise in {build} first (./dev windows)")
    harness.require_namespace_support()
    x = harness.XServer()
    base = x.env()
    del base["QT_QPA_PLATFORM"]  # the Unix side's
    work = tempfile.mkdtemp(prefix="scoreboard-windows-bench-")
    prefix = wine_run.Prefix(os.path.join(work, "prefix"), base)
    ports = {number: harness.StandInPort(number) for number in (1, 2)}
    figures = {"program": [], "noise": [], "click": []}
    try:
        prefix.start()  # makes the prefix
        prefix.stop()
        prefix.set_ports({number: port.slave_path for number, port in ports.items()})
        prefix.start()
        program = prefix.wine(stage[0], stderr=subprocess.DEVNULL)
        window = x.find_window("Scoreboard", timeout=60)
        time.sleep(1)
        writer = prefix.wine(noise[0], "COM2", stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        assert writer.stdout.readline().strip() == "ready", "bench-pause-noise did not start"
        for update in range(updates + 1):  # the first warms up
            since = len(ports[1].chunks)
            clicked = time.monotonic()
            x.click(window, *common.UPDATE_BUTTON)
            starts = common.write_starts(ports[1], since)
            since = len(ports[2].chunks)
            writer.stdin.write("go\n")
            writer.stdin.flush()
            noise_starts = common.write_starts(ports[2], since)
            if update:
                figures["program"] += gaps(starts)
                figures["noise"] += gaps(noise_starts)
                figures["click"].append((starts[0] - clicked) * 1000)
        writer.stdin.close()
        writer.wait(timeout=30)
        x.close_window(window)
        program.wait(timeout=30)
    finally:
        prefix.stop()
        for port in ports.values():
            port.close()
        x.close()
        shutil.rmtree(work, ignore_errors=True)
    return figures


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build")
    parser.add_argument("--updates", type=int, default=20)
    args = parser.parse_args()
    print(f"Wine: {args.updates} updates clicked in the Windows program, each beside the noise ...", file=sys.stderr)
    measured = measure(os.path.abspath(args.build), args.updates)
    # Wine's timers and its server add their own delay to every pause; the
    # program is judged beside that, not beside Linux's.
    noise = common.deviations(measured["noise"])
    figures = [
        common.Figure("Wine, the Windows program: gap between message starts", measured["program"], "ms"),
        common.Figure("Wine, the Windows program: deviation of that gap from 100 ms",
                   common.deviations(measured["program"]), "ms", "median <= the noise's + 0.5",
                   lambda v: statistics.median(v) <= statistics.median(noise) + 0.5),
        common.Figure("Noise: plain WriteFile + the same pause under Wine, same run: deviation from 100 ms", noise, "ms"),
        common.Figure("Wine: click (XTest release sent) to first byte", measured["click"], "ms"),
    ]
    print()
    common.print_table(figures)


if __name__ == "__main__":
    main()
