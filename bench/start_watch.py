#!/usr/bin/env python3
"""One start of a Windows program under Wine, seen from the X display.

Started by bench/start.sh with the Wine environment and DISPLAY set. The clock
starts when the program's command is started; "shown" is when the X server
maps the program's top-level window (found by its title); "page" is when the
page area of that window last changed its pixels before it settled, that is
when its first page was painted as it then stays. The peak working set is the
Wine process's peak resident size just before the program is ended.

Prints one line: shown <s> page <s> peak <KiB>
Usage: start_watch.py <title> <seconds to give up> <command...>
"""
import ctypes
import ctypes.util
import os
import select
import signal
import subprocess
import sys
import time
import zlib

# The page area of both windows, as fractions of the window (the dialog
# templates place it at 95,44 with 317x155 dialog units of 416x242), pulled in
# a few pixels so that no frame line counts.
PAGE_AREA = (95 / 416, 44 / 242, 412 / 416, 199 / 242)
INSET = 4
POLL_S = 0.002
# The page has settled when its pixels stayed the same this long.
SETTLED_S = 1.5

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
Z_PIXMAP = 2
ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("rest", ctypes.c_long * 16)]


def load_xlib():
    x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x.XConnectionNumber.argtypes = [ctypes.c_void_p]
    x.XPending.argtypes = [ctypes.c_void_p]
    x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    x.XFree.argtypes = [ctypes.c_void_p]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
    x.XGetImage.restype = ctypes.POINTER(XImage)
    x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                            ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
    x.XSetErrorHandler.restype = ctypes.c_void_p
    return x


# A window that goes away between the map and a look at it is no error.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)


def window_name(x, display, window):
    name = ctypes.c_char_p()
    if not x.XFetchName(display, window, ctypes.byref(name)) or not name.value:
        return None
    text = name.value.decode("utf-8", "replace")
    x.XFree(name)
    return text


def page_pixels(x, display, window, area):
    left, top, width, height = area
    image = x.XGetImage(display, window, left, top, width, height, ALL_PLANES, Z_PIXMAP)
    if not image:
        return None
    data = ctypes.string_at(image.contents.data, image.contents.bytes_per_line * image.contents.height)
    x.XDestroyImage(image)
    return zlib.crc32(data)


def peak_kib(pid):
    """The peak resident size of the Wine process under the time-out wrapper."""
    for candidate in children(pid):
        try:
            with open("/proc/%d/status" % candidate) as status:
                fields = dict(line.split(":", 1) for line in status if ":" in line)
        except OSError:
            continue
        return int(fields.get("VmHWM", "0 kB").split()[0])
    return 0


def children(pid):
    found = []
    try:
        for task in os.listdir("/proc/%d/task" % pid):
            with open("/proc/%d/task/%s/children" % (pid, task)) as f:
                found += [int(c) for c in f.read().split()]
    except OSError:
        pass
    return found


def main():
    title, give_up = sys.argv[1], float(sys.argv[2])
    command = sys.argv[3:]
    x = load_xlib()
    x.XSetErrorHandler(ERROR_HANDLER)
    display = x.XOpenDisplay(None)
    if not display:
        print("start_watch: no X display", file=sys.stderr)
        return 1
    root = x.XDefaultRootWindow(display)
    x.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY_MASK)
    x.XSync(display, 0)
    fd = x.XConnectionNumber(display)

    start = time.monotonic()
    program = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    shown = None
    window = None
    event = XEvent()
    try:
        while window is None and time.monotonic() - start < give_up:
            if not x.XPending(display):
                select.select([fd], [], [], 0.05)
                continue
            x.XNextEvent(display, ctypes.byref(event))
            if event.type == MAP_NOTIFY:
                when = time.monotonic()
                if window_name(x, display, event.xmap.window) == title:
                    window, shown = event.xmap.window, when - start
        if window is None:
            print("start_watch: the window \"%s\" was never mapped" % title, file=sys.stderr)
            return 1
        attributes = XWindowAttributes()
        x.XGetWindowAttributes(display, window, ctypes.byref(attributes))
        w, h = attributes.width, attributes.height
        area = (int(w * PAGE_AREA[0]) + INSET, int(h * PAGE_AREA[1]) + INSET,
                int(w * (PAGE_AREA[2] - PAGE_AREA[0])) - 2 * INSET, int(h * (PAGE_AREA[3] - PAGE_AREA[1])) - 2 * INSET)
        looks = []
        last_change = time.monotonic()
        while time.monotonic() - start < give_up:
            now = time.monotonic()
            look = page_pixels(x, display, window, area)
            if look is None:
                break
            if not looks or looks[-1][1] != look:
                looks.append((now, look))
                last_change = now
            elif now - last_change >= SETTLED_S and len(looks) > 1:
                break
            time.sleep(POLL_S)
        if len(looks) < 2:
            print("start_watch: the page area never changed after the window was mapped", file=sys.stderr)
            return 1
        page = looks[-1][0] - start
        print("shown %.4f page %.4f peak %d" % (shown, page, peak_kib(program.pid)))
        return 0
    finally:
        # Only the program's own Wine process ends (the child of the time-out
        # wrapper); Wine's services it may have started stay for the next run.
        for pid in children(program.pid) or [program.pid]:
            try:
                os.kill(pid, signal.SIGKILL)
            except OSError:
                pass
        program.wait()


if __name__ == "__main__":
    sys.exit(main())
