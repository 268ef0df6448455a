"""Headless Chromium on the built site, for the browser tests and the web benchmark."""
import contextlib
import os
import socket
import subprocess
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SITE = os.environ.get("VELORIN_SITE", os.path.join(ROOT, "build-web", "site"))
NATIVE = os.environ.get("VELORIN_BINARY", os.path.join(ROOT, "build", "velorin"))


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


@contextlib.contextmanager
def server(site=None, byte_log=None, port=None):
    """Serves the site (or a copy of it) on a free local port; yields its address. With byte_log,
    the server adds a line per request to that file: the bytes it sent, the path."""
    port = port or free_port()
    env = {**os.environ, **({"VELORIN_SERVE_BYTES": byte_log} if byte_log else {})}
    proc = subprocess.Popen(["/usr/bin/python3", os.path.join(ROOT, "scripts", "serve-web"),
                             site or SITE, str(port)], stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, env=env)
    try:
        proc.stdout.readline()  # the address line: the server is listening
        yield f"http://127.0.0.1:{port}/"
    finally:
        proc.terminate()
        proc.wait(10)


def chromium(width=1366, height=768, mobile=None, user_data=None):
    """A headless Chromium; mobile is (width, height) of an emulated touch device."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                 "--font-render-hinting=none", "--force-color-profile=srgb",
                 f"--window-size={width},{height}",
                 f"--user-data-dir={user_data or tempfile.mkdtemp(prefix='velorin-chromium-')}"):
        options.add_argument(flag)
    if mobile:
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": mobile[0], "height": mobile[1], "pixelRatio": 2,
                              "touch": True, "mobile": True},
            "userAgent": "Mozilla/5.0 (iPad; CPU OS 17_0 like Mac OS X) AppleWebKit/605.1.15 "
                         "(KHTML, like Gecko) Version/17.0 Mobile/15E148 Safari/604.1"})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(60)
    return driver


def wait_ready(driver, timeout=30):
    """Waits until the program runs and has painted its main view."""
    end = time.time() + timeout
    while time.time() < end:
        if driver.execute_script("return !!(window.velorin && document.body.dataset.paints)"):
            return
        time.sleep(0.05)
    raise TimeoutError("the page did not start: " + str(driver.get_log("browser")[-5:]))


def run_script(driver, text):
    """Runs script lines on the page; returns the error text, or None."""
    return driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "velorin.script(arguments[0]).then(() => done(null), (e) => done(String(e.message)));",
        text)


def web_state(driver):
    return driver.execute_script("return velorin.state();")


def native_state(script):
    """The JSON the native scripted host writes for the same script."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "state.json")
        proc = subprocess.run([NATIVE, "--script", "-"], input=(script + f"render {out}\n").encode(),
                              capture_output=True, env={**os.environ, "QT_QPA_PLATFORM": "offscreen"})
        if proc.returncode != 0:
            raise RuntimeError(proc.stderr.decode())
        with open(out, encoding="utf-8") as f:
            return f.read()
