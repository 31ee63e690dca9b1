"""A static site served on a free port of the loopback, and headless Chromium to look at it
(Debian's chromium, chromium-driver and python3-selenium). Used as a context manager; it ends the
server and the browser it started, whatever happens."""
import contextlib
import os
import functools
import http.server
import shutil
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service


class _Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site:
    def __init__(self, folder):
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(_Quiet, directory=folder))
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


_kept = None  # the one browser that the cases of a test program share, while one_browser() lasts
_kept_window = None  # and its first window, the one each case is given


@contextlib.contextmanager
def one_browser():
    """While it lasts, each chromium() without prefs is the same browser, set to the size asked
    for and left with one blank window afterwards: starting Chromium costs more than most cases
    take. Cases that need a browser that has never seen the site (a service worker's first visit)
    ask chromium() for a fresh one."""
    global _kept, _kept_window
    with _started(1000, 900) as driver:
        _kept, _kept_window = driver, driver.current_window_handle
        try:
            yield
        finally:
            _kept = None


@contextlib.contextmanager
def chromium(width=1000, height=900, mobile=False, prefs=None, fresh=False):
    """A browser showing a screen of `width` x `height`, a phone's when `mobile`. `fresh` asks for
    one that has never seen a site, even inside one_browser()."""
    if _kept is None or prefs or fresh:
        with _started(width, height, mobile, prefs) as driver:
            yield driver
        return
    emulate(_kept, width, height, mobile)
    try:
        yield _kept
    finally:
        for handle in _kept.window_handles:
            if handle != _kept_window:
                _kept.switch_to.window(handle)
                _kept.close()
        _kept.switch_to.window(_kept_window)
        _kept.get("about:blank")


@contextlib.contextmanager
def _started(width=1000, height=900, mobile=False, prefs=None):
    profile = tempfile.mkdtemp(prefix="vantry-chromium-")
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     "--disable-dev-shm-usage", f"--user-data-dir={profile}", f"--window-size={width},{height}"):
        options.add_argument(argument)
    if prefs:
        options.add_experimental_option("prefs", prefs)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = None
    try:
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        driver.set_script_timeout(120)
        if mobile:
            emulate(driver, width, height, mobile=True)
        yield driver
    finally:
        if driver is not None:
            driver.quit()
        _remove(profile)


PHONE_AGENT = "Mozilla/5.0 (Linux; Android 14) Mobile"


def emulate(driver, width, height, mobile=False):
    """Makes the open browser's screen `width` x `height` CSS pixels: a phone's when `mobile` (three
    device pixels to one, touch, a phone's user agent), else a desktop's. One browser can so serve
    every size a test looks at; starting one costs more than all the rest of most cases. The page
    takes the size as it is loaded next."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 3.0 if mobile else 1.0, "mobile": mobile})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": mobile, "maxTouchPoints": 5})
    agent = PHONE_AGENT if mobile else driver.execute_cdp_cmd("Browser.getVersion", {})["userAgent"]
    driver.execute_cdp_cmd("Emulation.setUserAgentOverride", {"userAgent": agent})


def _remove(folder, seconds=10):
    """Removes `folder`, trying again while a browser that is ending still writes into it."""
    until = time.monotonic() + seconds
    while os.path.exists(folder):
        try:
            shutil.rmtree(folder)
        except OSError:
            if time.monotonic() > until:
                raise
            time.sleep(0.1)


def png_pixels(data):
    """The pixels of a PNG as Chromium writes one (8-bit RGB or RGBA, not interlaced): width,
    height, and a function giving (red, green, blue) at x, y."""
    import struct
    import zlib
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunk = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunk)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError(f"a PNG of depth {depth}, colour type {colour}, interlace {interlace}")
        elif kind == b"IDAT":
            idat += chunk
        at += 12 + length
    channels = 3 if colour == 2 else 4
    raw, stride = zlib.decompress(idat), width * channels
    rows = []  # unfiltered as far down as asked: a phone's screenshot has millions of bytes

    def row(y):
        while len(rows) <= y:
            at = len(rows) * (stride + 1)
            kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
            previous = rows[-1] if rows else bytearray(stride)
            for x in range(stride):
                left = line[x - channels] if x >= channels else 0
                up, up_left = previous[x], previous[x - channels] if x >= channels else 0
                if kind == 1:
                    line[x] = (line[x] + left) & 255
                elif kind == 2:
                    line[x] = (line[x] + up) & 255
                elif kind == 3:
                    line[x] = (line[x] + (left + up) // 2) & 255
                elif kind == 4:
                    p = left + up - up_left
                    guess = min((abs(p - left), 0, left), (abs(p - up), 1, up), (abs(p - up_left), 2, up_left))[2]
                    line[x] = (line[x] + guess) & 255
            rows.append(line)
        return rows[y]

    return width, height, lambda x, y: tuple(row(y)[x * channels:x * channels + 3])


def dark_pixels(shot, left, top, right, bottom):
    """How many pixels of text (dark) a screenshot has in a rectangle of CSS pixels."""
    width, height, at = shot
    count = 0
    for y in range(max(0, int(top)), min(height, int(bottom))):
        for x in range(max(0, int(left)), min(width, int(right))):
            if sum(at(x, y)) < 3 * 100:
                count += 1
    return count


def wait_for(driver, script, seconds=30):
    """Asks `script` until it gives something true, at most `seconds`; returns its last answer."""
    until = time.monotonic() + seconds
    while True:
        value = driver.execute_script(script)
        if value or time.monotonic() > until:
            return value
        time.sleep(0.05)
