"""Browser tests for school devices: offline use and a new build, touch on tablet screens, the
guide notice to an embedding page, and the bytes of the first visit (printed, not judged).

Run with Debian's Python (it has selenium): /usr/bin/python3 tests/web/devices_tests.py
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.dirname(__file__))
import browser  # noqa: E402

TOPIC, WORKED = 2772, "type 105 5\ntype 106 3\npress 101\n"  # 5C3 = 10
ANSWERED = ("JSON.parse(velorin.state()).windows.at(-1).ops.some("
            "(o) => o.op === 'text' && o.text.includes('10'))")
OFFLINE = {"offline": True, "latency": 0, "download_throughput": 0, "upload_throughput": 0}


def wait_for(driver, condition, timeout=30):
    """Waits until the JavaScript expression is true; returns its value."""
    end = time.time() + timeout
    while time.time() < end:
        if value := driver.execute_script(f"return {condition};"):
            return value
        time.sleep(0.05)
    raise TimeoutError(f"never true: {condition}")


def async_js(driver, body):
    return driver.execute_async_script(f"const done = arguments[0]; (async () => {{ {body} }})()"
                                       ".then(done, (e) => done('error: ' + e));")


def site_copy(tmp):
    """A copy of the built site that a test may change, with the embedding page beside it."""
    shutil.copytree(browser.SITE, site := os.path.join(tmp, "site"))
    shutil.copy(os.path.join(os.path.dirname(__file__), "embed.html"), site)
    return site


class Devices(unittest.TestCase):
    def test_works_offline_after_one_visit_and_a_new_build_replaces_the_old(self):
        with tempfile.TemporaryDirectory() as tmp:
            site, log, port = site_copy(tmp), os.path.join(tmp, "bytes"), browser.free_port()
            driver = browser.chromium()
            try:
                with browser.server(site, log, port) as url:
                    driver.get(url)
                    browser.wait_ready(driver)
                    wait_for(driver, "navigator.serviceWorker.controller")
                with open(log, encoding="utf-8") as f:
                    sent = sum(int(line.split()[0]) for line in f)
                print(f"\nweb devices: first visit, site stored for offline use: {sent} bytes "
                      "sent (brotli); budget 1048576", flush=True)
                old_caches = async_js(driver, "return await caches.keys();")
                self.assertEqual(len(old_caches), 1)
                # No server and no network: the page comes whole from the stored site.
                driver.set_network_conditions(**OFFLINE)
                driver.refresh()
                browser.wait_ready(driver)
                self.assertIn("error", async_js(driver, "await fetch('missing.txt');"))
                driver.find_element(By.XPATH, "//button[@class='top' and contains(., '学習選択')]").click()
                driver.find_element(By.CSS_SELECTOR, f"button[data-command='{TOPIC}']").click()
                self.assertIsNone(browser.run_script(driver, WORKED))
                self.assertTrue(driver.execute_script(f"return {ANSWERED};"))
                # A new build: the next visit brings its worker, which drops the old cache.
                driver.set_network_conditions(**{**OFFLINE, "offline": False})
                with open(os.path.join(site, "glossary.html"), "a", encoding="utf-8") as f:
                    f.write("<!-- new build -->\n")
                subprocess.run([os.path.join(browser.ROOT, "scripts", "precache"), site,
                                os.path.join(browser.ROOT, "web", "sw.js")], check=True)
                with browser.server(site, log, port):
                    driver.refresh()
                    self.assertEqual(async_js(driver, f"""
                        while ((await caches.keys()).join() === {old_caches[0]!r}
                               || (await caches.keys()).length !== 1)
                          await new Promise((r) => setTimeout(r, 50));
                        return (await caches.keys()).length;"""), 1)
                self.assertIn("new build", async_js(
                    driver, "return await (await fetch('glossary.html')).text();"))
            finally:
                driver.quit()

    def test_touch_works_and_every_window_fits_on_a_tablet(self):
        def touch(x, y, hold=0.0):
            driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                   {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
            time.sleep(hold)
            driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

        def tap(selector):
            r = wait_for(driver, f"document.querySelector({selector!r})?.getBoundingClientRect()")
            touch(r["x"] + r["width"] / 2, r["y"] + r["height"] / 2)

        def assert_whole():
            outside = driver.execute_script(
                "return [...document.querySelectorAll('#frame, #dialogs .dialog')].map((e) =>"
                " e.getBoundingClientRect()).filter((r) => r.left < 0 || r.top < 0 ||"
                " r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5);")
            self.assertEqual(outside, [], size)

        with browser.server() as url:
            for size in ((1024, 768), (768, 1024)):
                with self.subTest(size=size):
                    driver = browser.chromium(*size, mobile=size)
                    try:
                        driver.get(url)
                        browser.wait_ready(driver)
                        assert_whole()
                        tap(f"#menubar > li:has([data-command='{TOPIC}']) > button.top")
                        tap(f"button[data-command='{TOPIC}']")
                        for control, digits in (("105", "5"), ("106", "3")):
                            tap(f"#dialogs .dialog [data-control='{control}']")
                            box = driver.switch_to.active_element
                            self.assertEqual(box.get_attribute("data-control"), control)
                            box.clear()
                            box.send_keys(digits)
                        tap("#dialogs .dialog [data-control='101']")
                        wait_for(driver, ANSWERED)
                        assert_whole()
                        # A finger held still on the page, beside the controls, opens the page menu.
                        touch(*driver.execute_script(
                            "const c = document.querySelector('#dialogs canvas.page');"
                            "const r = c.getBoundingClientRect();"
                            "for (let y = r.top + 4; y < r.bottom; y += 8)"
                            "  for (let x = r.left + 4; x < r.right; x += 8)"
                            "    if (document.elementFromPoint(x, y) === c) return [x, y];"), 1.2)
                        wait_for(driver, "document.querySelector('ul.page-menu')")
                    finally:
                        driver.quit()

    def test_the_guide_notice_reaches_the_embedding_page_and_other_tabs(self):
        with tempfile.TemporaryDirectory() as tmp, browser.server(site_copy(tmp)) as url:
            driver = browser.chromium()
            try:
                driver.get(url + "glossary.html")
                driver.execute_script("window.heard = []; new BroadcastChannel('velorin-guide')"
                                      ".onmessage = (e) => heard.push(e.data);")
                other = driver.current_window_handle
                driver.switch_to.new_window("tab")
                driver.get(url + "embed.html")
                driver.switch_to.frame("velorin")
                browser.wait_ready(driver)
                self.assertIsNone(browser.run_script(driver, f"command {TOPIC}\n"))
                driver.switch_to.default_content()
                notice = {"type": "velorin-guide", "message": 1124, "wparam": 414, "lparam": 0}
                self.assertEqual(wait_for(driver, "notices.length && notices"), [notice])
                driver.switch_to.window(other)
                self.assertEqual(wait_for(driver, "heard.length && heard"), [notice])
            finally:
                driver.quit()


if __name__ == "__main__":
    result = unittest.TextTestRunner(verbosity=2).run(
        unittest.defaultTestLoader.loadTestsFromModule(sys.modules[__name__]))
    failed = len({getattr(t, "test_case", t).id() for t, _ in result.failures + result.errors})
    print(f"web devices: {result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
