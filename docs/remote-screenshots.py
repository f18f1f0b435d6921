#!/usr/bin/env python3
"""Takes the remote control's pictures in docs/, from the real program on
stand-in serial ports under a private X server (tests/e2e/harness.py; needs
root) and Debian's Chromium, headless:

    docs/remote-phone.png     /remote on a phone-sized screen
    docs/remote-overlay.png   /overlay over a video frame (a drawn hall floor)
    docs/remote-window.png    the Remote control window

usage: docs/remote-screenshots.py [PROGRAM]   (default build/scoreboard)
"""
import base64
import ctypes
import os
import struct
import sys
import tempfile
import time
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
import harness  # noqa: E402
from remote_e2e import CONTROL, VIEW, Browser, Program, free_port, write_settings  # noqa: E402

# A stand-in for a camera's picture of a hall: floor, lines, a goal, the stands.
VIDEO_FRAME = """<body style="margin:0;width:1280px;height:720px;overflow:hidden;position:relative;
 background:linear-gradient(#2b2f3a 0 30%,#43362b 30% 34%,#c8935a 34%,#b07a45 100%)">
<div style="position:absolute;left:0;right:0;top:0;height:30%;
 background:repeating-linear-gradient(90deg,#3a4152 0 14px,#535b70 14px 22px,#2e3443 22px 40px);opacity:.8"></div>
<div style="position:absolute;left:-10%;right:-10%;top:40%;bottom:-40%;border:6px solid #f4f1ea;
 border-radius:50% 50% 0 0/30% 30% 0 0;transform:perspective(600px) rotateX(55deg)"></div>
<div style="position:absolute;left:610px;top:170px;width:60px;height:560px;background:#2a5fb0;
 transform:perspective(600px) rotateX(55deg);opacity:.85"></div>
<div style="position:absolute;left:540px;top:215px;width:200px;height:80px;border:8px solid #eee;
 border-bottom:none;background:repeating-linear-gradient(45deg,transparent 0 6px,rgba(255,255,255,.25) 6px 8px)"></div>
<img id="overlay" style="position:absolute;left:24px;top:20px">
</body>"""


# A network interface with a link (a tap device, held open for a minute).
TAP_HELD_OPEN = """
import fcntl, os, struct, time
tap = os.open("/dev/net/tun", os.O_RDWR)
fcntl.ioctl(tap, 0x400454CA, struct.pack("16sH", b"lan0", 0x0002 | 0x1000))  # TUNSETIFF: a tap, no header
time.sleep(60)
"""


def shoot(driver, path, transparent=False):
    if transparent:
        driver.execute_cdp_cmd("Emulation.setDefaultBackgroundColorOverride",
                               {"color": {"r": 0, "g": 0, "b": 0, "a": 0}})
    shot = driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})["data"]
    if path:
        with open(path, "wb") as f:
            f.write(base64.b64decode(shot))
    return shot


def grab_window(display, window, path):
    """The window's pixels from the X server, as a PNG."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]

    class Attributes(ctypes.Structure):
        _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                    ("pad", ctypes.c_char * 256)]

    class Image(ctypes.Structure):
        _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                    ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)), ("byte_order", ctypes.c_int),
                    ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                    ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]

    x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(Attributes)]
    x11.XGetImage.restype = ctypes.POINTER(Image)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    connection = x11.XOpenDisplay(display.encode())
    attributes = Attributes()
    x11.XGetWindowAttributes(connection, window, ctypes.byref(attributes))
    image = x11.XGetImage(connection, window, 0, 0, attributes.width, attributes.height, 0xFFFFFFFF, 2).contents
    rows = b""
    for y in range(image.height):
        line = ctypes.string_at(ctypes.addressof(image.data.contents) + y * image.bytes_per_line, image.width * 4)
        rgb = bytearray(image.width * 3)  # from blue, green, red, unused
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        rows += b"\0" + bytes(rgb)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", image.width, image.height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def main():
    program_path = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "scoreboard"))
    harness.require_namespace_support()
    config = tempfile.mkdtemp(prefix="scoreboard-shots-")
    port = free_port()
    write_settings(config, on="true", port=port)
    base = f"http://127.0.0.1:{port}"
    x = harness.XServer("1280x1024x24")  # holds the Remote control window whole
    ports = [harness.StandInPort(1), harness.StandInPort(2)]
    phone, overlay = Browser(390, 844), Browser(1280, 720)
    phone.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                 {"width": 390, "height": 760, "deviceScaleFactor": 2, "mobile": True})
    program = Program(x, program_path, ports, config)
    try:
        phone.driver.get(f"{base}/remote?code={CONTROL}")
        phone.wait_for("the page live", lambda: phone.text("left") == "00")
        for side, presses in (("left", 8), ("right", 15)):
            for _ in range(presses):
                phone.driver.find_element("id", side + "-plus").click()
        phone.driver.find_element("id", "update").click()
        phone.wait_for("the update", lambda: "Board shows 08 15" in phone.text("status"))
        phone.driver.find_element("id", "left-plus").click()
        phone.wait_for("the +", lambda: phone.text("left") == "09")
        shoot(phone.driver, os.path.join(HERE, "remote-phone.png"))

        overlay.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                       {"width": 640, "height": 120, "deviceScaleFactor": 1, "mobile": False})
        overlay.driver.get(f"{base}/overlay?code={VIEW}&left=Lions&right=Tigers&leftColor=%23b3261e&size=48")
        overlay.wait_for("the overlay", lambda: overlay.text("right") == "15")
        score = shoot(overlay.driver, None, transparent=True)
        overlay.driver.execute_cdp_cmd("Emulation.setDefaultBackgroundColorOverride", {})
        overlay.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                       {"width": 1280, "height": 720, "deviceScaleFactor": 1, "mobile": False})
        overlay.driver.get("data:text/html," + VIDEO_FRAME.replace("#", "%23"))
        overlay.driver.execute_script(f"document.getElementById('overlay').src = 'data:image/png;base64,{score}'")
        time.sleep(0.5)
        shoot(overlay.driver, os.path.join(HERE, "remote-overlay.png"))

        program.close()

        # The window as on a machine on a network: the program alone in a
        # network of its own (nothing it serves reaches any other), where
        # this computer is 192.168.1.5.
        write_settings(config, on="true", reach="local network")
        lan = ('mkdir -p /dev/net && mknod /dev/net/tun c 10 200 && { /usr/bin/python3 -c "$LAN" & sleep 0.5; } && '
               'ip link set lo up && ip addr add 192.168.1.5/24 dev lan0 && ip link set lan0 up && exec "$0" "$@"')
        program = harness.run_with_ports(["unshare", "-n", "sh", "-c", lan, program_path, "--remote"], ports,
                                         dict(x.env(), XDG_CONFIG_HOME=config, LAN=TAP_HELD_OPEN))
        main_window = x.find_window("Scoreboard")
        time.sleep(0.5)
        x.click(main_window, 296 + 20, 216 + 10)  # the COM-port field takes the keyboard
        x.xdotool("key", "ctrl+shift+r")
        window = x.find_window("Remote control")
        time.sleep(1)
        grab_window(x.display, window, os.path.join(HERE, "remote-window.png"))
        x.close_window(main_window)
        program.wait(timeout=10)
    finally:
        process = getattr(program, "process", program)
        if process.poll() is None:
            process.kill()
        phone.close()
        overlay.close()
        for stand_in in ports:
            stand_in.close()
        x.close()
    for name in ("remote-phone.png", "remote-overlay.png", "remote-window.png"):
        print(os.path.join("docs", name))


if __name__ == "__main__":
    main()
