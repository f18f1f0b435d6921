#!/usr/bin/env python3
"""The remote control set to "The local network", with the real program in a
network namespace of its own and a "phone" in another, joined by a veth pair
made after the program started:

- served, with no client yet, the program stays idle (wake-ups of all its
  threads in 10 s, as bench/remote_bench.py counts them); a phone on the
  network joined after the start is answered within 5 s; a peer routed from
  another subnet is refused;
- 60 WebSocket clients that never read, while the score changes 1200 times:
  the program's memory stays bounded, and a normal client is still answered;
- the program out of file descriptors: accepting fails, it says so in its
  log, and once descriptors are free again a new request is answered.

usage: network_e2e.py PATH-TO-scoreboard [PART ...]   (parts: phone, stalled, exhausted)
"""
import base64
import contextlib
import ctypes
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import harness  # noqa: E402

CONTROL, VIEW = "ctrkcxde23", "vyewcxde45"  # as remote_e2e.py writes them
PORT = 8321  # alone in its namespace: no other program can hold it
PROGRAM, PHONE, ELSEWHERE = "10.200.0.1", "10.200.0.2", "10.201.0.2"

_libc = ctypes.CDLL(None, use_errno=True)
CLONE_NEWNET = 0x40000000


@contextlib.contextmanager
def network_of(pid):
    """This thread in the network namespace of `pid`: a socket made meanwhile
    stays in it."""
    home = os.open(f"/proc/self/task/{threading.get_native_id()}/ns/net", os.O_RDONLY)
    there = os.open(f"/proc/{pid}/ns/net", os.O_RDONLY)
    try:
        if _libc.setns(there, CLONE_NEWNET) != 0:
            raise OSError(ctypes.get_errno(), "setns")
        yield
    finally:
        _libc.setns(home, CLONE_NEWNET)
        os.close(home)
        os.close(there)


def run_in(pid, script):
    subprocess.run(["nsenter", "-t", str(pid), "-n", "sh", "-ec", script], check=True, timeout=10)


def connect(namespace, address, source=None, receive_buffer=None, timeout=5):
    with network_of(namespace):
        connection = socket.socket()
        connection.settimeout(timeout)
        if receive_buffer:
            connection.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, receive_buffer)
        if source:
            connection.bind((source, 0))
        connection.connect((address, PORT))
    return connection


def read_answer(connection):
    """One HTTP answer: its status and body (b"", 0 when closed first)."""
    answer = b""
    while b"\r\n\r\n" not in answer:
        part = connection.recv(65536)
        if not part:
            return 0, answer
        answer += part
    head, _, body = answer.partition(b"\r\n\r\n")
    length = int(head.lower().partition(b"content-length:")[2].split(b"\r\n")[0] or 0)
    while len(body) < length:
        part = connection.recv(65536)
        if not part:
            break
        body += part
    return int(head[9:12]), body


def state(namespace, address, source=None, timeout=5):
    """GET /api/v1/state with the view code: the status and the state, or
    (0, None) when the connection closes, or resets, without an answer."""
    try:
        with connect(namespace, address, source, timeout=timeout) as connection:
            connection.sendall(f"GET /api/v1/state?code={VIEW} HTTP/1.1\r\nHost: {address}:{PORT}\r\n"
                               "Connection: close\r\n\r\n".encode())
            status, body = read_answer(connection)
    except (ConnectionResetError, BrokenPipeError):
        return 0, None
    return status, json.loads(body) if status == 200 else body


def answered_within(seconds, namespace, address):
    """The state, asked until answered: how long that took from now."""
    began = time.monotonic()
    while True:
        try:
            status, answer = state(namespace, address, timeout=1)
            if status == 200:
                return answer, time.monotonic() - began
        except OSError:
            status, answer = 0, "no connection"
        assert time.monotonic() - began < seconds, f"{address}: not answered within {seconds} s: {status} {answer}"
        time.sleep(0.1)


def process_status(pid, field):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    raise RuntimeError(f"no {field} for {pid}")


def thread_switches(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with contextlib.suppress(FileNotFoundError):
            total += process_status(f"{pid}/task/{task}", "voluntary_ctxt_switches")
            total += process_status(f"{pid}/task/{task}", "nonvoluntary_ctxt_switches")
    return total


def listening(pid):
    """Whether the program listens at PORT, seen without a connection."""
    for table in ("tcp", "tcp6"):
        with open(f"/proc/{pid}/net/{table}") as rows:
            if any(row[3] == "0A" and int(row[1].split(":")[1], 16) == PORT
                   for row in (line.split() for line in list(rows)[1:])):
                return True
    return False


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rpartition(")")[2].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def connections_held(pid):
    """The program's TCP connections, its listening sockets aside."""
    fds = f"/proc/{pid}/fd"
    sockets = set()
    for fd in os.listdir(fds):
        with contextlib.suppress(FileNotFoundError):
            if (target := os.readlink(f"{fds}/{fd}")).startswith("socket:["):
                sockets.add(target[8:-1])
    held = 0
    for table in ("tcp", "tcp6"):
        with open(f"/proc/{pid}/net/{table}") as rows:
            held += sum(1 for row in (line.split() for line in list(rows)[1:]) if row[3] != "0A" and row[9] in sockets)
    return held


def wait_until_no_connection(pid, timeout=10):
    deadline = time.monotonic() + timeout
    while (held := connections_held(pid)) and time.monotonic() < deadline:
        time.sleep(0.1)
    assert not held, f"the program still holds {held} connections {timeout} s on"


class Program:
    """The real program, the remote control on for the local network, in a
    network namespace of its own with only loopback up; beside it a phone's
    namespace, joined to it once the program runs: the program at
    10.200.0.1/24, the phone at 10.200.0.2/24, and at 10.201.0.2 on a subnet
    the program reaches through the phone."""

    def __init__(self, x, path):
        self.x = x
        with open(path, "rb") as program:
            self.sanitized = b"__asan_init" in program.read()
        self.config = tempfile.TemporaryDirectory(prefix="scoreboard-network-e2e-")
        config = self.config.name
        os.makedirs(os.path.join(config, "scoreboard"))
        with open(os.path.join(config, "scoreboard", "scoreboard.conf"), "w") as settings:
            settings.write(f"[Remote]\non=true\nreach=local network\nport={PORT}\n"
                           f"controlCode={CONTROL}\nviewCode={VIEW}\n")
        self.log = tempfile.NamedTemporaryFile(prefix="scoreboard-network-e2e-", mode="w+")
        env = dict(x.env(), XDG_CONFIG_HOME=config, QT_MESSAGE_PATTERN="%{category} %{type}: %{message}")
        self.ports = [harness.StandInPort(1), harness.StandInPort(2)]
        self.phone = subprocess.Popen(["unshare", "-n", "sleep", "300"])
        self.process = harness.run_with_ports(
            ["unshare", "-n", "sh", "-c", 'ip link set lo up && exec "$@"', "network", path], self.ports, env,
            stderr=self.log)
        self.pid = self.process.pid  # each step execs the next
        try:
            self.window = x.find_window("Scoreboard", process=self.process, said=self.said)
            deadline = time.monotonic() + 10
            while not listening(self.pid):
                assert time.monotonic() < deadline, f"not listening at port {PORT}: {self.said()}"
                time.sleep(0.1)
        except BaseException:
            self.end()
            raise

    def join_the_phone(self):
        run_in(self.pid, f"ip link add sb0 type veth peer name ph0 netns {self.phone.pid}")
        run_in(self.phone.pid, f"ip link set lo up; ip addr add {PHONE}/24 dev ph0; ip addr add {ELSEWHERE}/24 dev ph0;"
                               "ip link set ph0 up")
        run_in(self.pid, f"ip addr add {PROGRAM}/24 dev sb0; ip link set sb0 up;"
                         f"ip route add 10.201.0.0/24 via {PHONE}")

    def said(self):
        self.log.seek(0)
        return self.log.read()

    def close(self):
        self.x.close_window(self.window)
        assert self.process.wait(timeout=10) == 0, "closing the window"

    def end(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.phone.kill()
        self.phone.wait()
        for port in self.ports:
            port.close()
        self.config.cleanup()


def phone_on_a_network_joined_later(program):
    # Before any client: what a client leaves behind is not the question.
    program.x.xdotool("windowfocus", str(program.window))
    time.sleep(1)
    before = thread_switches(program.pid)
    time.sleep(10)
    woke = thread_switches(program.pid) - before
    assert woke == 0, f"served on the local network with no client, the program woke {woke} times in 10 s"
    print("served on the local network, no client: 0 wake-ups in 10 s")

    program.join_the_phone()
    answer, took = answered_within(5, program.phone.pid, PROGRAM)
    assert (answer["left"], answer["right"]) == (0, 0), answer
    print(f"the phone at {PHONE}, on a network joined after the start: answered {took:.2f} s after joining")
    assert state(program.pid, "127.0.0.1")[0] == 200, "this computer itself, over loopback: refused"

    status, answer = state(program.phone.pid, PROGRAM, source=ELSEWHERE)
    assert status != 200, f"a peer from {ELSEWHERE}, routed here: answered {answer}"
    print(f"a peer from {ELSEWHERE}, routed through the phone: refused ({status or 'closed'})")


class StalledWebSocket:
    """A device that opens the WebSocket and then never reads again."""

    def __init__(self, phone, source):
        self.connection = connect(phone, PROGRAM, source, receive_buffer=2048)
        key = base64.b64encode(os.urandom(16)).decode()
        self.connection.sendall(f"GET /ws?code={VIEW} HTTP/1.1\r\nHost: {PROGRAM}:{PORT}\r\nUpgrade: websocket\r\n"
                                f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                                "Sec-WebSocket-Version: 13\r\n\r\n".encode())
        answer = b""
        while b"\r\n\r\n" not in answer:
            part = self.connection.recv(1)
            assert part, f"the WebSocket from {source} closed after {answer!r}"
            answer += part
        assert answer.startswith(b"HTTP/1.1 101"), f"the WebSocket from {source}: {answer!r}"


def clients_that_never_read(program, clients=60, pushes=1200):
    """Each push is a state of about 200 bytes: kept for every stalled client
    it would take 60 * 1200 * 200 bytes, 14 MB; the system's own buffers are
    made small in the program's namespace so that they hold little of it."""
    program.join_the_phone()
    answered_within(5, program.phone.pid, PROGRAM)
    run_in(program.pid, 'echo 4096 8192 16384 > /proc/sys/net/ipv4/tcp_wmem')
    # Devices of their own, each of which has shown the code, as a page
    # does before it opens its WebSocket: the server keeps the last places
    # for those.
    sources = [f"10.200.0.{100 + n}" for n in range(clients)]
    run_in(program.phone.pid, "; ".join(f"ip addr add {source}/24 dev ph0" for source in sources))
    for source in sources:
        assert state(program.phone.pid, PROGRAM, source)[0] == 200, f"the state, asked from {source}"
    wait_until_no_connection(program.pid)
    rss_alone = process_status(program.pid, "VmRSS")
    with connect(program.pid, "127.0.0.1") as commands:
        stalled = [StalledWebSocket(program.phone.pid, source) for source in sources]
        time.sleep(0.2)
        rss_before = peak = process_status(program.pid, "VmRSS")
        began = time.monotonic()
        for n in range(pushes):
            commands.sendall(f"POST /api/v1/left/plus?code={CONTROL} HTTP/1.1\r\nHost: 127.0.0.1:{PORT}\r\n"
                             "Content-Length: 0\r\n\r\n".encode())
            status, body = read_answer(commands)
            assert status == 200, f"push {n + 1}: {status} {body!r}"
            peak = max(peak, process_status(program.pid, "VmRSS"))
        left = json.loads(body)["left"]
    took = time.monotonic() - began
    grown = (peak - rss_before) / 1024
    # AddressSanitizer keeps what is freed aside for a while: its figures say
    # nothing of ours, and the rest of the case still holds.
    assert grown < 5 or program.sanitized, \
        f"{clients} clients that never read, {pushes} pushes: memory grew by {grown:.1f} MB"
    print(f"{clients} WebSocket clients that never read ({(rss_before - rss_alone) / 1024:.2f} MB to connect), "
          f"{pushes} pushes in {took:.1f} s: memory grew by {grown:.2f} MB at most")

    answer, _ = answered_within(5, program.phone.pid, PROGRAM)
    assert answer["left"] == left, f"after the pushes, a normal client: {answer}, expected left {left}"
    print(f"after them, a normal client gets the state (left {left})")
    for client in stalled:
        client.connection.close()


def out_of_file_descriptors(program, spare=16, tries=30):
    """The limit is lowered on the running program, to `spare` above what it
    holds once started: a limit set before the start would have to guess
    what Qt, X and the fonts take."""
    program.join_the_phone()
    answered_within(5, program.phone.pid, PROGRAM)
    wait_until_no_connection(program.pid)
    limit = len(os.listdir(f"/proc/{program.pid}/fd")) + spare
    subprocess.run(["prlimit", f"--pid={program.pid}", f"--nofile={limit}:"], check=True)
    said_before = program.said()
    held = []
    try:
        # Connections that send nothing keep their descriptors until the
        # server's idle time: more than the program may open. From this
        # computer, as OBS would be: let in without a look at the interfaces,
        # which takes a descriptor too.
        for _ in range(tries):
            held.append(connect(program.pid, "127.0.0.1"))
        time.sleep(1)
        fds, accepted = len(os.listdir(f"/proc/{program.pid}/fd")), connections_held(program.pid)
        assert accepted < tries, f"{tries} connections, all accepted: {fds} descriptors of {limit}"
        # A listening socket that cannot be accepted from stays readable:
        # trying again at once spins.
        cpu = cpu_seconds(program.pid)
        time.sleep(1)
        cpu = cpu_seconds(program.pid) - cpu
        assert cpu < 0.2, f"out of descriptors, the program took {cpu:.2f} s of CPU in 1 s"
        deadline, lines = time.monotonic() + 5, []
        while not lines and time.monotonic() < deadline:
            said = program.said()[len(said_before):]
            lines = [line for line in said.splitlines()
                     if line.startswith(("scoreboard.remote warning:", "scoreboard.remote critical:"))]
            time.sleep(0.1)
        assert lines, f"out of descriptors, the remote control said nothing of it: {said!r}"
        print(f"out of file descriptors ({fds} of {limit}), {accepted} of {tries} connections accepted: "
              f"the log says {lines[0]!r}")
    finally:
        for connection in held:
            connection.close()
    _, took = answered_within(5, program.phone.pid, PROGRAM)
    print(f"the connections closed: a new request answered {took:.2f} s later")


PARTS = {"phone": phone_on_a_network_joined_later, "stalled": clients_that_never_read,
         "exhausted": out_of_file_descriptors}


def main():
    path = os.path.abspath(sys.argv[1])
    parts = sys.argv[2:] or list(PARTS)
    harness.require_namespace_support()
    for needed in ("ip", "nsenter", "prlimit"):
        if not shutil.which(needed):
            harness.skip(f"{needed} is needed (packages iproute2, util-linux)")
    probe = subprocess.run(["unshare", "-n", "ip", "link", "add", "sb0", "type", "veth", "peer", "name", "ph0"],
                           capture_output=True, text=True)
    if probe.returncode != 0:
        harness.skip(f"no network namespace with a veth pair here: {probe.stderr.strip()}")
    x = harness.XServer()
    failed = []
    try:
        for name in parts:
            program = Program(x, path)
            try:
                PARTS[name](program)
                program.close()
            except AssertionError as failure:
                failed.append(name)
                print(f"FAIL {name}: {failure}\nthe program said: {program.said()[-2000:]}")
            finally:
                program.end()
    finally:
        x.close()
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
