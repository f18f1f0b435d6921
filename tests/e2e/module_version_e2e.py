#!/usr/bin/env python3
"""The program takes only a remote control module of its own version. Beside a
copy of the program lies this build's module with nothing changed but the
version it says: turned on and its window asked for, the program says once on
standard error why it did not load it, shows no Remote control window, and
runs on.

usage: module_version_e2e.py PATH-TO-scoreboard PATH-TO-scoreboard-remote.so VERSION
"""
import os
import shutil
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import harness  # noqa: E402
from window_e2e import COMBO_TEXT  # noqa: E402


def other_version(module, version):
    """The module's bytes with its version string, and only that, changed to
    another of the same length ("1.0.0" to "2.1.1")."""
    other = "".join(str((int(c) + 1) % 10) if c.isdigit() else c for c in version)
    with open(module, "rb") as read:
        data = read.read()
    said = b"\0" + version.encode() + b"\0"
    assert said in data, f"{version} is not in {module}"
    return data.replace(said, b"\0" + other.encode() + b"\0"), other


def main():
    program, module, version = sys.argv[1:4]
    harness.require_namespace_support()
    folder = tempfile.mkdtemp(prefix="scoreboard-module-version-e2e-")
    shutil.copy(program, folder)
    data, other = other_version(module, version)
    with open(os.path.join(folder, os.path.basename(module)), "wb") as write:
        write.write(data)

    x = harness.XServer()
    log = tempfile.TemporaryFile(mode="w+")
    env = dict(x.env(), XDG_CONFIG_HOME=os.path.join(folder, "config"))
    process = harness.run_with_ports([os.path.join(folder, "scoreboard"), "--remote"], [], env, stderr=log)

    def said():
        log.seek(0)
        return log.read()

    try:
        window = x.find_window("Scoreboard", process=process, said=said)
        x.click(window, *COMBO_TEXT)  # the window takes the keyboard
        x.xdotool("key", "ctrl+shift+r")
        time.sleep(1)
        refusal = (f"scoreboard: the remote control cannot be loaded: {folder}/{os.path.basename(module)} "
                   f"is of version {other}, this program of {version}\n")
        assert said().count("remote control") == 1 and refusal in said(), f"expected {refusal!r} once: {said()!r}"
        assert not x.xdotool("search", "--onlyvisible", "--name", "^Remote control$").stdout.split(), \
            "a Remote control window"
        x.close_window(window)
        assert process.wait(timeout=10) == 0, "closing the window"
    finally:
        if process.poll() is None:
            process.kill()
        x.close()
        shutil.rmtree(folder)
    print(f"a module of version {other} beside the program of {version}: refused, said once, the program runs on")


if __name__ == "__main__":
    main()
