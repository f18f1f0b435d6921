#!/usr/bin/env python3
"""The remote control in a real browser: Debian's Chromium, headless, against
the real program under a private X server with stand-in serial ports. The
phone's page changes the window's score and sends the update's exact bytes;
the overlay follows a click in the window, survives a restart, and, opened
while the program is away, shows the score once it starts; and the server
refuses what it must.

usage: remote_e2e.py PATH-TO-scoreboard
"""
import os
import socket
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import harness  # noqa: E402

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
except ImportError:
    # Debian's python3-selenium is for Debian's own interpreter.
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    harness.skip("python3-selenium is needed")

from window_e2e import COMBO_TEXT, LEFT_PLUS, UPDATE, check_update  # noqa: E402

CONTROL, VIEW = "ctrkcxde23", "vyewcxde45"  # as the program makes them


def write_settings(config, **remote):
    """The program's settings in `config`: the remote control as `remote`
    says (on, port, reach), with the codes above."""
    os.makedirs(os.path.join(config, "scoreboard"), exist_ok=True)
    with open(os.path.join(config, "scoreboard", "scoreboard.conf"), "w") as settings:
        settings.write("[Remote]\n" + "".join(f"{key}={value}\n" for key, value in
                                              dict(remote, controlCode=CONTROL, viewCode=VIEW).items()))


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Program:
    """One run of the real program, the remote control on, on stand-in ports
    1 and 2, in settings of the test's own; its status lines go to a file."""

    def __init__(self, x, path, ports, config, arguments=("--remote",)):
        self.x = x
        self.log = tempfile.NamedTemporaryFile(prefix="scoreboard-remote-e2e-", mode="w+")
        env = dict(x.env(), XDG_CONFIG_HOME=config, QT_LOGGING_RULES="scoreboard.status.info=true")
        self.started = time.monotonic()
        self.process = harness.run_with_ports([path, *arguments], ports, env, stderr=self.log)
        self.window = x.find_window("Scoreboard", process=self.process, said=self.said)
        time.sleep(0.3)

    def said(self):
        self.log.seek(0)
        return self.log.read()

    def networking(self):
        """What of the remote control and the network the program holds: the
        remote control's module, Qt Network, a listening socket."""
        with open(f"/proc/{self.process.pid}/maps") as maps:
            mapped = maps.read()
        held = [name for name in ("libQt6Network", "scoreboard-remote") if name in mapped]
        fds = f"/proc/{self.process.pid}/fd"
        sockets = {os.readlink(f"{fds}/{fd}")[8:-1] for fd in os.listdir(fds)
                   if os.readlink(f"{fds}/{fd}").startswith("socket:[")}
        with open("/proc/net/tcp") as tcp:
            listening = [row for row in (line.split() for line in list(tcp)[1:]) if row[3] == "0A" and row[9] in sockets]
        return held + ["listening"] * bool(listening)

    def close(self):
        self.x.close_window(self.window)
        assert self.process.wait(timeout=10) == 0, "closing the window"


class Browser:
    """Headless Chromium with a profile of its own, at a phone's size."""

    def __init__(self, width=390, height=844):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update", "--disable-sync",
                         "--user-data-dir=" + tempfile.mkdtemp(prefix="scoreboard-remote-e2e-chromium-")):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": True})

    def text(self, element_id):
        """What the element holds, shown or not (the overlay shows nothing until it has a score)."""
        return self.driver.find_element("id", element_id).get_attribute("textContent").strip()

    def shown(self, element_id):
        return self.driver.find_element("id", element_id).is_displayed()

    def wait_for(self, what, check, timeout=10):
        deadline = time.monotonic() + timeout
        while not check():
            assert time.monotonic() < deadline, f"{what}: not seen within {timeout} s: " + \
                self.driver.find_element("tag name", "body").text
            time.sleep(0.02)

    def close(self):
        self.driver.quit()


def request(port, raw, timeout=5):
    """Sends raw bytes on a connection of their own; returns the status and the
    body once the server closes it (every refusal closes; ask the rest to)."""
    with socket.create_connection(("127.0.0.1", port), timeout=timeout) as connection:
        connection.sendall(raw)
        answer = b""
        while part := connection.recv(65536):
            answer += part
    return int(answer[9:12]), answer.partition(b"\r\n\r\n")[2]


def refusals(port):
    """What the server must refuse, each with its plain status."""
    host = f"Host: 127.0.0.1:{port}\r\n".encode()
    post = b"POST /api/v1/left/plus?code=%s HTTP/1.1\r\n%s%sContent-Length: 0\r\n\r\n"
    cases = [
        ("no code", 403, post % (b"", host, b"")),
        ("the view code on a change", 403, post % (VIEW.encode(), host, b"")),
        ("a foreign Host", 403, post % (CONTROL.encode(), f"Host: evil.example:{port}\r\n".encode(), b"")),
        ("a foreign Origin", 403, post % (CONTROL.encode(), host, b"Origin: http://evil.example\r\n")),
        ("an oversized head", 431, b"GET /remote HTTP/1.1\r\n" + host + b"X: " + b"x" * 9000 + b"\r\n\r\n"),
    ]
    for name, status, raw in cases:
        got, body = request(port, raw)
        assert got == status, f"{name}: {got} {body!r}, expected {status}"
        print(f"refused, {name}: {got} {body.decode().strip()}")

    # 64 connections at most, the pages' own included: more are refused.
    connections = [socket.create_connection(("127.0.0.1", port)) for _ in range(70)]
    time.sleep(0.5)
    refused = 0
    for connection in connections:
        connection.setblocking(False)
        try:
            refused += connection.recv(64).startswith(b"HTTP/1.1 503")
        except BlockingIOError:
            pass  # held: waits for a request
        connection.close()
    assert refused >= 6 and 70 - refused <= 64, f"{70 - refused} held, {refused} refused"
    print(f"70 connections beside the pages' own: {70 - refused} held, {refused} refused with 503")


def main():
    program_path = os.path.abspath(sys.argv[1])
    harness.require_namespace_support()
    if not (os.path.exists("/usr/bin/chromium") and os.path.exists("/usr/bin/chromedriver")):
        harness.skip("chromium and chromium-driver are needed")
    config = tempfile.mkdtemp(prefix="scoreboard-remote-e2e-config-")
    port = free_port()
    write_settings(config, on="true", port=port)
    base = f"http://127.0.0.1:{port}"

    x = harness.XServer()
    ports = [harness.StandInPort(1), harness.StandInPort(2)]
    phone, overlay = Browser(), Browser(800, 200)
    try:
        program = Program(x, program_path, ports, config)
        phone.driver.get(f"{base}/remote?code={CONTROL}")
        overlay.driver.get(f"{base}/overlay?code={VIEW}&left=Lions&right=Tigers")
        phone.wait_for("the remote page live", lambda: phone.text("left") == "00" and not phone.shown("link"))

        phone.driver.find_element("id", "left-plus").click()
        phone.wait_for("+ in the window", lambda: "Left + from 127.0.0.1" in program.said())
        assert request(port, f"GET /api/v1/state?code={VIEW} HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n"
                             "Connection: close\r\n\r\n".encode())[1].find(b'"left":1,') > 0
        print("tap + on /remote: the window says 'Left + from 127.0.0.1', its left score is 1")
        since = len(ports[0].chunks)
        phone.driver.find_element("id", "update").click()
        check_update(ports[0], since, [0, 1, 0, 0], "Update on /remote")
        overlay.wait_for("the overlay after the update", lambda: overlay.text("left") == "1")

        since = len(ports[0].chunks)
        x.click(program.window, *LEFT_PLUS)
        x.click(program.window, *UPDATE)
        check_update(ports[0], since, [0, 2, 0, 0], "clicked in the window")
        overlay.wait_for("the overlay after a click in the window", lambda: overlay.text("left") == "2")
        print("the overlay shows what the window sent: LIONS 2 : 0 TIGERS")

        refusals(port)

        program.close()
        phone.wait_for("'connection lost' on /remote",
                       lambda: phone.shown("link") and "reconnecting" in phone.text("link"))
        program = Program(x, program_path, ports, config)
        phone.wait_for("/remote back after the restart", lambda: not phone.shown("link"), timeout=15)
        overlay.wait_for("the overlay back after the restart",
                         lambda: overlay.driver.execute_script("return !document.body.classList.contains('offline')"))
        print("after a restart both pages reconnected by themselves")

        # OBS started before the program: the overlay opened while nothing answers.
        program.close()
        overlay.driver.get(f"{base}/overlay?code={VIEW}&left=Lions&right=Tigers")
        assert overlay.text("left") == "-", "the overlay before the program shows no score"
        program = Program(x, program_path, ports, config)
        overlay.wait_for("the overlay opened first", lambda: overlay.text("left") == "2")
        print(f"the overlay opened before the program: the score {time.monotonic() - program.started:.2f} s "
              "after the program's start")
        program.close()

        # Off until turned on: nothing of the network loaded, nothing listening;
        # the window's shortcut opens the Remote control window.
        program = Program(x, program_path, ports, tempfile.mkdtemp(prefix="scoreboard-remote-e2e-config-"), ())
        assert not program.networking(), "the remote control is off, yet the program uses the network"
        x.click(program.window, *COMBO_TEXT)  # the window takes the keyboard
        x.xdotool("key", "ctrl+shift+r")
        x.find_window("Remote control")
        assert program.networking() == ["libQt6Network", "scoreboard-remote"], program.networking()
        print("off at start: nothing of the network loaded; Ctrl+Shift+R opens the Remote control window")
        program.close()
        assert ports[1].received() == b"", "port 2 received bytes"
    finally:
        phone.close()
        overlay.close()
        for port_ in ports:
            port_.close()
        x.close()


if __name__ == "__main__":
    main()
