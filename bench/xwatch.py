"""What the benchmark needs of X beyond tests/e2e/harness.py, through libX11
with ctypes: the moment a top-level window is mapped and the moment its first
frame is drawn, every later drawing in a part of it and what that part shows,
clicks stamped at the instant they are sent, and the keyboard focus that a
window manager would give.

Events rather than polling (xdotool search --sync looks twice a second), so
the same tight method times the scoreboard and the bare window.
"""
import ctypes
import select
import time

CREATE_NOTIFY = 16
MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
DAMAGE_REPORT_RAW_RECTANGLES = 0
DAMAGE_REPORT_NON_EMPTY = 3
Z_PIXMAP = 2
ALL_PLANES = 0xFFFFFFFF

Window = ctypes.c_ulong


class XCreateWindowEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("parent", Window), ("window", Window),
                ("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("override_redirect", ctypes.c_int)]


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", Window), ("window", Window),
                ("override_redirect", ctypes.c_int)]


class XRectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort)]


class XDamageNotifyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("drawable", Window), ("damage", ctypes.c_ulong),
                ("level", ctypes.c_int), ("more", ctypes.c_int), ("timestamp", ctypes.c_ulong),
                ("area", XRectangle), ("geometry", XRectangle)]


class XImage(ctypes.Structure):
    """The head of Xlib's XImage, as far as the pixels."""
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_char)), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xcreatewindow", XCreateWindowEvent), ("xmap", XMapEvent),
                ("xdamage", XDamageNotifyEvent), ("pad", ctypes.c_long * 24)]


ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
# A window may vanish between its creation and our damage request; Xlib's
# default handler would end the benchmark for that.
_ignore_errors = ERROR_HANDLER(lambda display, error: 0)


def _load():
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    damage = ctypes.cdll.LoadLibrary("libXdamage.so.1")
    xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = Window
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSelectInput.argtypes = [ctypes.c_void_p, Window, ctypes.c_long]
    x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
    x11.XPending.argtypes = [ctypes.c_void_p]
    x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XSetErrorHandler.argtypes = [ERROR_HANDLER]
    x11.XSetErrorHandler.restype = ctypes.c_void_p
    x11.XFetchName.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(ctypes.c_char_p)]
    x11.XTranslateCoordinates.argtypes = [ctypes.c_void_p, Window, Window, ctypes.c_int, ctypes.c_int,
                                          ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                          ctypes.POINTER(Window)]
    damage.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                             ctypes.POINTER(ctypes.c_int)]
    damage.XDamageCreate.restype = ctypes.c_ulong
    damage.XDamageCreate.argtypes = [ctypes.c_void_p, Window, ctypes.c_int]
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                              ctypes.c_ulong, ctypes.c_int]
    x11.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
    x11.XSetInputFocus.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_ulong]
    xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                          ctypes.c_ulong]
    xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    return x11, damage, xtst


class XWatch:
    """A client of the private X server that sees every top-level window created, mapped and drawn."""

    def __init__(self, display_name):
        self.x11, self.damage, self.xtst = _load()
        self.x11.XSetErrorHandler(_ignore_errors)
        self.display = self.x11.XOpenDisplay(display_name.encode())
        if not self.display:
            raise RuntimeError(f"cannot open display {display_name}")
        base, error_base = ctypes.c_int(), ctypes.c_int()
        if not self.damage.XDamageQueryExtension(self.display, ctypes.byref(base), ctypes.byref(error_base)):
            raise RuntimeError("the X server has no DAMAGE extension")
        self.damage_notify = base.value  # XDamageNotify is the extension's first event
        self.root = self.x11.XDefaultRootWindow(self.display)
        self.x11.XSelectInput(self.display, self.root, SUBSTRUCTURE_NOTIFY_MASK)
        self.x11.XSync(self.display, 0)
        self.fd = self.x11.XConnectionNumber(self.display)

    def events(self, deadline):
        """Yields (monotonic time read, event) until the deadline."""
        while True:
            while self.x11.XPending(self.display):
                event = XEvent()
                self.x11.XNextEvent(self.display, ctypes.byref(event))
                yield time.monotonic(), event
            left = deadline - time.monotonic()
            if left <= 0:
                return
            select.select([self.fd], [], [], left)

    def drain(self):
        for _ in self.events(time.monotonic()):
            pass

    def wait_shown(self, size, timeout=20):
        """Waits for a new top-level window of `size` to be mapped and then drawn.

        Returns (window, monotonic time mapped, monotonic time first drawn).
        """
        window = mapped = None
        for when, event in self.events(time.monotonic() + timeout):
            if event.type == CREATE_NOTIFY:
                created = event.xcreatewindow
                if (created.width, created.height) == size and window is None:
                    window = created.window
                    # Asked for at creation, long before the program can draw.
                    self.damage.XDamageCreate(self.display, window, DAMAGE_REPORT_NON_EMPTY)
                    self.x11.XFlush(self.display)
            elif event.type == MAP_NOTIFY and event.xmap.window == window:
                mapped = when
            elif event.type == self.damage_notify and event.xdamage.drawable == window and mapped:
                return window, mapped, when
        raise TimeoutError(f"no {size[0]}x{size[1]} window was shown")

    def title(self, window):
        name = ctypes.c_char_p()
        self.x11.XFetchName(self.display, window, ctypes.byref(name))
        return (name.value or b"").decode()

    def track_damage(self, window):
        """From now on every drawing in the window is an event of its own, with its rectangle."""
        self.damage.XDamageCreate(self.display, window, DAMAGE_REPORT_RAW_RECTANGLES)
        self.x11.XFlush(self.display)

    def damaged(self, event, window, rect):
        """Whether the event is a drawing in the window that touches rect (x, y, width, height)."""
        if event.type != self.damage_notify or event.xdamage.drawable != window:
            return False
        area, (x, y, width, height) = event.xdamage.area, rect
        return area.x < x + width and x < area.x + area.width and area.y < y + height and y < area.y + area.height

    def image(self, window, rect):
        """The pixels of rect (x, y, width, height) in the window as they are now, as bytes."""
        x, y, width, height = rect
        image = self.x11.XGetImage(self.display, window, x, y, width, height, ALL_PLANES, Z_PIXMAP)
        if not image:
            raise RuntimeError("the window cannot be read back (not viewable?)")
        try:
            return ctypes.string_at(image.contents.data, image.contents.bytes_per_line * image.contents.height)
        finally:
            self.x11.XDestroyImage(image)

    def press(self, window, x, y):
        """Presses button 1 at (x, y) of the window."""
        left, top, child = ctypes.c_int(), ctypes.c_int(), Window()
        self.x11.XTranslateCoordinates(self.display, window, self.root, 0, 0, ctypes.byref(left),
                                       ctypes.byref(top), ctypes.byref(child))
        self.xtst.XTestFakeMotionEvent(self.display, -1, left.value + x, top.value + y, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.x11.XFlush(self.display)

    def release(self):
        """Releases button 1; returns the monotonic time at which the release was sent."""
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.x11.XFlush(self.display)
        return time.monotonic()

    def click(self, window, x, y, hold=0.05):
        """Presses button 1 at (x, y) of the window, holds it, releases it.

        Returns the monotonic time at which the release was sent: a push
        button acts on the release.
        """
        self.press(window, x, y)
        time.sleep(hold)
        return self.release()

    def focus(self, window):
        """Gives the window the keyboard focus, as a window manager does; the root window takes it away."""
        revert_to_pointer_root, current_time = 1, 0
        self.x11.XSetInputFocus(self.display, window, revert_to_pointer_root, current_time)
        self.x11.XFlush(self.display)

    def close(self):
        self.x11.XCloseDisplay(self.display)
