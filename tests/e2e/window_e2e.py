#!/usr/bin/env python3
"""The real scoreboard binary, clicked through a real X server, with its bytes
read from the far side of stand-in serial ports.

usage: window_e2e.py PATH-TO-scoreboard
"""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

# Centres of the controls, in client-area pixels.
LEFT_PLUS = (128 + 20, 144 + 16)
UPDATE = (160 + 52, 184 + 16)
RESET = (160 + 52, 224 + 12)


def digit_pair(address, digit):
    packet = bytes([0x0D, address, 0x41, 0x30 + digit])
    packet += bytes([(256 - sum(packet) % 256) % 256])
    return packet * 2


S_MESSAGE = bytes.fromhex("0D 00 53 13 8D")


def expected_update(digits):
    return [digit_pair(address, digit) for address, digit in enumerate(digits, start=1)] + [S_MESSAGE]


def check_update(port, since, digits, what):
    port.received()
    bursts = port.bursts(since)
    got = [data for _, data in bursts]
    want = expected_update(digits)
    assert got == want, f"{what}: expected {[w.hex(' ') for w in want]}, got {[g.hex(' ') for g in got]}"
    gaps = [(bursts[i][0] - bursts[i - 1][0]) * 1000 for i in range(1, len(bursts))]
    # The reader wakes a little after each write: allow a few milliseconds of that.
    assert all(gap >= 97 for gap in gaps), f"{what}: gaps too short: {gaps}"
    print(f"{what}: {len(b''.join(got))} bytes in {len(got)} writes, gaps " +
          ", ".join(f"{gap:.1f}" for gap in gaps) + " ms")
    for data in got:
        print("   ", data.hex(" ").upper())


def main():
    program = os.path.abspath(sys.argv[1])
    harness.require_namespace_support()
    x = harness.XServer()
    ports = [harness.StandInPort(1), harness.StandInPort(2)]
    process = None
    try:
        process = harness.run_with_ports([program], ports, x.env())
        window = x.find_window("Scoreboard")
        time.sleep(0.3)
        port1, port2 = ports
        assert port1.received() == b"", "both ports answer: nothing is sent at start-up"

        for _ in range(8):
            x.click(window, *LEFT_PLUS)
            time.sleep(0.05)
        since = len(port1.chunks)
        x.click(window, *UPDATE)
        check_update(port1, since, [0, 8, 0, 0], "update after eight + on the left")

        since = len(port1.chunks)
        x.click(window, *RESET)
        check_update(port1, since, [0, 0, 0, 0], "reset")

        x.close_window(window)
        status = process.wait(timeout=10)
        assert status == 0, f"closing the window: exit status {status}"
        assert port2.received() == b"", "port 2 received bytes"
        print("closed: exit status 0; port 2 received nothing")
    finally:
        if process and process.poll() is None:
            process.kill()
        for port in ports:
            port.close()
        x.close()


if __name__ == "__main__":
    main()
