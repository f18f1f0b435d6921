"""Stand-in serial ports and a private X server for running the real program.

The program opens serial ports by their device paths (port 1 is /dev/ttyS0,
port 2 /dev/ttyS1, ...). Here those paths are pseudo-terminals, inside a
private mount namespace whose /dev is a fresh tmpfs: the machine's own
devices at those paths are never opened. Everything written to a port is read
from the far side with the time it arrived.
"""
import ctypes
import os
import pty
import shutil
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77  # CTest's code for a skipped test
TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations")


def translated(language, context, source, *arguments):
    """`source` as the program says it in `language` (from its .ts), with
    %1, %2, ... filled in: the tests follow the translators' wording."""
    import xml.etree.ElementTree as ET
    for found in ET.parse(os.path.join(TRANSLATIONS, f"scoreboard_{language}.ts")).getroot().iter("context"):
        if found.findtext("name") != context:
            continue
        for message in found.iter("message"):
            if message.findtext("source") == source:
                text = message.findtext("translation") or source
                for number, argument in enumerate(arguments, 1):
                    text = text.replace(f"%{number}", argument)
                return text.replace("&", "")
    raise KeyError(f"{context}: {source!r} is not in scoreboard_{language}.ts")

def skip(reason):
    print(f"SKIP: {reason}")
    sys.exit(SKIP)


def device_path(port):
    for first, prefix in ((1, "/dev/ttyS"), (33, "/dev/ttyUSB"), (65, "/dev/ttyACM")):
        if first <= port < first + 32:
            return f"{prefix}{port - first}"
    raise ValueError(f"port {port} has no device path")


def require_namespace_support():
    if os.geteuid() != 0:
        skip("needs root for a private mount namespace (unshare -m)")
    if not shutil.which("unshare"):
        skip("unshare is not installed")
    probe = subprocess.run(["unshare", "-m", "true"], capture_output=True)
    if probe.returncode != 0:
        skip(f"unshare -m is not allowed here: {probe.stderr.decode().strip()}")


# The reader of a stand-in's far side, a process of its own: as a thread it
# waited for Python's lock whenever the test itself ran, and on a busy machine
# two writes 0.1 s apart were read as one. It reports each read with when the
# line was last seen empty before it ("R empty read hex"), and while nothing
# comes, every 10 ms, when the line was last seen empty ("E empty"). It holds
# the near side open too, so that the line never hangs up under it, and ends
# when nobody takes its reports any more.
_READER = r"""
import os, select, sys, time
fd = int(sys.argv[1])
try:
    os.sched_setscheduler(0, os.SCHED_FIFO, os.sched_param(os.sched_get_priority_min(os.SCHED_FIFO)))
except OSError:
    pass  # not root: the windows are wider, what they prove still holds
seen_empty = told = time.monotonic()
try:
    while True:
        polled = time.monotonic()
        if not select.select([fd], [], [], 0.001)[0]:
            seen_empty = polled
            if polled - told >= 0.01:
                print("E", seen_empty, flush=True)
                told = polled
            continue
        try:
            data = os.read(fd, 4096)
        except OSError:
            time.sleep(0.001)
            continue
        print("R", seen_empty, time.monotonic(), data.hex(), flush=True)
except BrokenPipeError:
    os._exit(0)
"""


class StandInPort:
    """A pseudo-terminal standing in for one serial port; its far side is read in the background.

    Each read is stamped from both sides, so that the test times the program's
    writes rather than the reader's wake-up: the bytes were not there when the
    reader last found the line empty, and were there when the read returned.
    A late reader widens that window but never moves it off the write; at
    real-time priority (where allowed) the window stays about a millisecond
    wide with every CPU busy."""

    def __init__(self, port, usb=None, access=None):
        """`usb`, when given, is what the kernel would say of the adapter:
        idVendor, idProduct, serial, manufacturer, product, and its socket.
        `access`, when given, is who may use the device node: "root:dialout
        660"."""
        self.port = port
        self.usb = usb
        self.access = access
        self.master, self.slave = pty.openpty()
        self.slave_path = os.ttyname(self.slave)
        self.chunks = []  # (monotonic seconds when read, bytes)
        self.empty_before = []  # for each chunk: when the line was last seen empty before it
        self.seen_empty = time.monotonic()  # nobody has the path yet to write to it
        self._reader = subprocess.Popen([sys.executable, "-c", _READER, str(self.master)],
                                        pass_fds=[self.master, self.slave], stdout=subprocess.PIPE, text=True)
        self._thread = threading.Thread(target=self._gather, daemon=True)
        self._thread.start()

    def _gather(self):
        for line in self._reader.stdout:
            kind, empty, *read = line.split()
            if kind == "R":
                self.empty_before.append(float(empty))
                self.chunks.append((float(read[0]), bytes.fromhex(read[1] if len(read) > 1 else "")))
            self.seen_empty = float(empty)

    def received(self, quiet=0.3, since=0, at_least=0, timeout=10):
        """All bytes so far, once `at_least` bytes have come from chunk `since` on
        (or `timeout` seconds passed) and the reader has found the line empty
        `quiet` seconds after both that and the last bytes. A late reader makes
        this wait longer, never return early."""
        deadline = time.monotonic() + timeout
        while sum(len(data) for _, data in self.chunks[since:]) < at_least and time.monotonic() < deadline:
            time.sleep(0.005)
        asked = time.monotonic()
        while self.seen_empty < max([asked] + [when for when, _ in self.chunks[-1:]]) + quiet:
            time.sleep(0.005)
        return b"".join(data for _, data in self.chunks)

    def writes(self, expected, since=0, what="the bytes", gap=0.03):
        """The bytes from chunk `since` on, split into the `expected` writes by
        their content, not by the reader's pace: a reader woken late reads two
        writes together, and that proves nothing. For each write: (line last
        seen empty before its first byte, read of its first byte). A write
        whose reads show the line empty for `gap` seconds inside it came in
        pieces."""
        chunks = list(zip(self.empty_before[since:], self.chunks[since:]))
        got = b"".join(data for _, (_, data) in chunks)
        assert got == b"".join(expected), f"{what}: expected {[w.hex(' ') for w in expected]}, got {got.hex(' ')}"
        starts, offset = [], 0
        for empty, (read_at, data) in chunks:
            starts.append((offset, empty, read_at))
            offset += len(data)
        found, first = [], 0
        for number, write in enumerate(expected, start=1):
            # The chunk that holds the write's first byte, then those that start inside it.
            _, empty, last_read = max((start for start in starts if start[0] <= first), key=lambda start: start[0])
            found.append((empty, last_read))
            for _, empty, read_at in (start for start in starts if first < start[0] < first + len(write)):
                assert empty - last_read < gap, \
                    f"{what}: write {number} came in pieces, {(empty - last_read) * 1000:.0f} ms apart"
                last_read = read_at
            first += len(write)
        return found

    def close(self):
        self._reader.kill()
        self._reader.wait()
        self._thread.join()
        os.close(self.master)
        os.close(self.slave)


def run_with_ports(command, ports, env, **popen):
    """Starts `command` in a private mount namespace where each StandInPort is at its device path."""
    real = tempfile.mkdtemp(prefix="scoreboard-e2e-dev-")
    setup = [
        "set -e",
        "mount --make-rprivate /",
        f"mount --rbind /dev {real}",
        "mount -t tmpfs -o mode=755 tmpfs /dev",
        f"for n in null zero full random urandom tty ptmx; do touch /dev/$n; mount --bind {real}/$n /dev/$n; done",
        f"mkdir /dev/pts /dev/shm; mount --rbind {real}/pts /dev/pts; mount --rbind {real}/shm /dev/shm",
        # Serial lock files (LCK..ttyS0) name the device path; other runs on
        # this machine use the same paths for their own stand-ins.
        "for d in /run/lock /var/lock; do [ -d $d ] && ! [ -L $d ] && mount -t tmpfs tmpfs $d; done; true",
        # What the kernel says of the ttys: only the stand-ins that carry a USB identity.
        "mount -t tmpfs tmpfs /sys/class/tty",
    ]
    for stand_in in ports:
        target = device_path(stand_in.port)
        setup += _describe(stand_in)
        setup.append(f"touch {target}; mount --bind {stand_in.slave_path} {target}")
        if getattr(stand_in, "access", None):
            owner, mode = stand_in.access.split()
            setup.append(f"chown {owner} {target}; chmod {mode} {target}")
    setup += [f"umount -l {real}; rmdir {real}", 'exec "$@"']
    return subprocess.Popen(["unshare", "-m", "bash", "-c", "\n".join(setup), "e2e"] + command, env=env, **popen)


def traced(command, trace, port):
    """`command` under strace, which writes to `trace` what the program does to
    the port's device beyond sending bytes. A pseudo-terminal has no modem
    lines: its far side never sees DTR, so the calls that set it are what the
    test can see."""
    if not shutil.which("strace"):
        skip("strace is needed (package strace)")
    # LeakSanitizer cannot run under a tracer: in the sanitized build the
    # traced program would end at once, saying so.
    asan = ":".join(filter(None, [os.environ.get("ASAN_OPTIONS", ""), "detect_leaks=0"]))
    return ["env", f"ASAN_OPTIONS={asan}", "strace", "-f", "-qq", "--seccomp-bpf", "-ttt", "-y", "-o", trace, "-e",
            "trace=openat,write,ioctl,close", "-P", device_path(port)] + command


def traced_program(process, program):
    """The process id of `program`, started through traced() as `process`."""
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        with open(f"/proc/{process.pid}/task/{process.pid}/children") as children:
            for child in children.read().split():
                try:
                    with open(f"/proc/{child}/cmdline", "rb") as cmdline:
                        if cmdline.read().split(b"\0")[0] == program.encode():
                            return int(child)
                except OSError:
                    pass  # one of strace's own, gone
        time.sleep(0.01)
    raise TimeoutError(f"strace did not start {program}")


def line_calls(trace):
    """What a trace written through traced() shows done to the port, in order:
    "open", "write", "DTR on", "DTR off", "close"."""
    calls = []
    with open(trace) as lines:
        for line in lines:
            _, _, call = line.split(None, 2)
            if "resumed>" in call:
                continue  # the same call, started on a line before
            name, _, arguments = call.partition("(")
            if name == "ioctl":
                request = arguments.split(", ")[1]
                if request in ("TIOCMBIS", "TIOCMBIC") and "TIOCM_DTR" in arguments:
                    calls.append("DTR on" if request == "TIOCMBIS" else "DTR off")
            elif name == "openat":
                calls.append("open")
            elif name in ("write", "close"):
                calls.append(name)
    return calls


def unplug(process, port):
    """Takes the port's device away inside the namespace of a program started by run_with_ports."""
    path = device_path(port)
    _in_namespace(process, f"umount -l {path} 2>/dev/null; rm -f {path}")


def plug_in(process, stand_in):
    """Puts a stand-in at its port's path inside the program's namespace. A link
    appears in one step, as a device node made by the kernel does; a file with
    a pseudo-terminal bound over it would be seen half made."""
    _in_namespace(process, "\n".join(_describe(stand_in) + [f"ln -s {stand_in.slave_path} {device_path(stand_in.port)}"]))


def _describe(stand_in):
    """Shell lines that make the private /sys/class/tty describe a stand-in as
    a USB adapter, laid out as the kernel lays it out: the tty's folder under
    the USB device of its socket (usb["socket"], "1-1" unless given), which
    holds the adapter's identity."""
    if not getattr(stand_in, "usb", None):
        return []
    name = os.path.basename(device_path(stand_in.port))
    number = os.stat(stand_in.slave_path).st_rdev
    socket = stand_in.usb.get("socket", "1-1")
    usb = f"/sys/class/tty/.devices/pci0000:00/usb1/{socket}"
    port = f"{usb}/{socket}:1.0/{name}"
    tty = f"{port}/tty/{name}"
    lines = [f"rm -rf /sys/class/tty/{name} {usb}", f"mkdir -p {tty}", f"echo {os.major(number)}:{os.minor(number)} > {tty}/dev",
             f"ln -s {port} {tty}/device", f"ln -s {tty} /sys/class/tty/{name}"]
    lines += [f"echo '{value}' > {usb}/{key}" for key, value in stand_in.usb.items() if key != "socket"]
    return lines


def _in_namespace(process, script):
    subprocess.run(["nsenter", "-t", str(process.pid), "-m", "sh", "-c", script], check=True, timeout=10)


class XServer:
    """A private Xvfb, and what the test needs of X: find, click, close a window."""

    def __init__(self, screen="800x600x24"):
        if not shutil.which("Xvfb") or not shutil.which("xdotool"):
            skip("Xvfb and xdotool are needed (packages xvfb, xdotool)")
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            # -noreset: the server starts afresh whenever its last client
            # leaves, and a program connecting meanwhile found no display.
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            part = os.read(read_end, 16)
            if not part:
                raise RuntimeError("Xvfb did not start")
            number += part
        os.close(read_end)
        self.display = f":{number.decode().strip()}"

    def env(self):
        env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb")
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env(), capture_output=True, text=True, timeout=30)

    def find_window(self, title, timeout=20, process=None, said=None):
        """The window, once shown; when it never comes, says what there is
        instead, whether `process`, the program expected to show it, runs,
        and what it printed (`said()`)."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline and (process is None or process.poll() is None):
            found = self.xdotool("search", "--onlyvisible", "--name", f"^{title}$").stdout.split()
            if found:
                return int(found[0])
            time.sleep(0.1)
        shown = [self.xdotool("getwindowname", window).stdout.strip()
                 for window in self.xdotool("search", "--onlyvisible", "--name", "").stdout.split()]
        state = "" if process is None else "; the program " + (
            "runs" if process.poll() is None else f"ended with exit status {process.returncode}")
        printed = "" if said is None else f"; it said: {said()!r}"
        raise TimeoutError(f"no window titled {title!r} within {timeout} s; shown: {shown}{state}{printed}")

    def click(self, window, x, y):
        """Clicks at (x, y) of the window's client area."""
        self.xdotool("mousemove", "--window", str(window), str(x), str(y), "click", "1")

    def close_window(self, window):
        """Asks the window to close, as a window manager's close button does (WM_DELETE_WINDOW)."""
        x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                        ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                        ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

        class Event(ctypes.Union):
            _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

        display = x11.XOpenDisplay(self.display.encode())
        event = Event()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
        x11.XFlush(display)
        x11.XCloseDisplay(display)

    def click_at_once(self, window, *places):
        """Clicks each place (x, y of the window's client area) in turn, all
        within a millisecond or so: through XTest on one connection, without
        starting xdotool for each click, which takes a busy machine a good
        part of a second."""
        x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        xtest = ctypes.cdll.LoadLibrary("libXtst.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                                              ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p, ctypes.c_void_p]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        xtest.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                               ctypes.c_ulong]
        xtest.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        display = x11.XOpenDisplay(self.display.encode())
        try:
            root = x11.XDefaultRootWindow(display)
            for x, y in places:
                root_x, root_y, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
                x11.XTranslateCoordinates(display, window, root, x, y, ctypes.byref(root_x), ctypes.byref(root_y),
                                          ctypes.byref(child))
                xtest.XTestFakeMotionEvent(display, -1, root_x.value, root_y.value, 0)
                xtest.XTestFakeButtonEvent(display, 1, True, 0)
                xtest.XTestFakeButtonEvent(display, 1, False, 0)
            x11.XSync(display, 0)
        finally:
            x11.XCloseDisplay(display)

    def wait_until_hidden(self, window, timeout=10):
        """When the window was first seen hidden (unmapped or gone), looking
        without starting a process each time, as xdotool would."""
        x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda display, error: 0)
        x11.XSetErrorHandler(handler)  # a window gone is an answer, not the end of this process

        class Attributes(ctypes.Structure):
            _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                        ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                        ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                        ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                        ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                        ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                        ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                        ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                        ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]

        display = x11.XOpenDisplay(self.display.encode())
        attributes = Attributes()
        deadline = time.monotonic() + timeout
        try:
            while True:
                viewable = x11.XGetWindowAttributes(display, window, ctypes.byref(attributes)) and \
                    attributes.map_state == 2  # IsViewable
                seen = time.monotonic()
                if not viewable:
                    return seen
                if seen > deadline:
                    raise TimeoutError(f"the window was still shown {timeout} s on")
                time.sleep(0.001)
        finally:
            x11.XCloseDisplay(display)

    def close(self):
        self.process.terminate()
        self.process.wait()


def run_in_private_dev(command, env, **popen):
    """Starts `command` in a private mount namespace whose /dev holds the usual
    nodes and no serial device at all, for programs that find ports by
    themselves: Wine maps COM1 to /dev/ttyS0 and so on unless told otherwise,
    and its server, started from here, opens the files."""
    real = tempfile.mkdtemp(prefix="scoreboard-dev-")
    setup = [
        "set -e",
        "mount --make-rprivate /",
        f"mount --rbind /dev {real}",
        "mount -t tmpfs -o mode=755 tmpfs /dev",
        f"for n in null zero full random urandom tty ptmx; do touch /dev/$n; mount --bind {real}/$n /dev/$n; done",
        f"mkdir /dev/pts /dev/shm; mount --rbind {real}/pts /dev/pts; mount --rbind {real}/shm /dev/shm",
        "ln -s /proc/self/fd /dev/fd",
        f"umount -l {real}; rmdir {real}",
        'exec "$@"',
    ]
    return subprocess.Popen(_private_namespace() + ["bash", "-c", "\n".join(setup), "dev"] + command, env=env, **popen)


def _private_namespace():
    """unshare as root; otherwise in a user namespace of its own, where this
    user is root (and /dev may be remounted) but nothing else changes."""
    return ["unshare", "-m"] if os.geteuid() == 0 else ["unshare", "-r", "-m"]
