"""Browser tests: the built site in headless Chromium against the native scripted host.

Run with Debian's Python (it has selenium): /usr/bin/python3 tests/web/web_tests.py
"""
import base64
import io
import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.dirname(__file__))
import browser  # noqa: E402

CLOCK = "time 1700000000\n"
# Every topic in every mode, started with typical numbers (as the gallery starts them).
STARTS = {
    2769: "type 102 3\npress 101\ntick 5", 2770: "type 102 4\npress 101",
    2771: "type 105 5\ntype 106 3\npress 101", 2772: "type 105 5\ntype 106 3\npress 101",
    2773: "press 112", 2774: "type 115 60\npress 116",
    2775: "type 117 12\ntype 118 5\npress 101", 2776: "select 142 3", 2777:
    "type 131 2\ntype 132 5\npress 101", 2778: "", 2779: "select 142 1", 2780: "press 144",
    2781: "type 114 7\npress 101", 2782: "type 114 5\npress 101",
    2783: "type 153 50\ntype 154 10\npress 101",
    2784: "type 153 12\ntype 156 10\ntype 157 2\npress 101",
    2785: "type 153 1000\ntype 154 50\npress 101", 2786: "type 153 100\ntype 156 12.5\npress 101",
    2787: "press 127", 32789: "click 103 90\ntype 114 7\npress 101",
}
PUZZLE = "command 2768\n" + "".join(f"click {x} {y}\n" for x, y in
                                     [(560, 300), (600, 340), (640, 380), (520, 260), (700, 420)])


def normalised(text):
    """The state without what names the host (the glossary's path)."""
    state = json.loads(text)
    for h in state.get("help", []):
        h["file"] = os.path.basename(h["file"])
    return state


def button_with_text(window, text):
    for c in window["controls"]:
        if c["kind"] == "button" and c["text"] == text:
            return c["id"]
    return None


class Site(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = browser.server()
        cls.url = cls.server.__enter__()
        cls.driver = browser.chromium(1600, 1000)  # room for the whole desk at scale 1

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.__exit__(None, None, None)

    def load(self):
        self.driver.get(self.url)
        browser.wait_ready(self.driver)

    def eventually(self, condition, seconds=10):
        end = time.time() + seconds
        while time.time() < end:
            if condition():
                return True
            time.sleep(0.05)
        return False

    def assertSameAsNative(self, script):
        native = normalised(browser.native_state(script))
        self.load()
        error = browser.run_script(self.driver, script)
        self.assertIsNone(error, script)
        self.assertEqual(normalised(browser.web_state(self.driver)), native, script)
        return native

    def test_every_topic_drill_and_the_puzzle_match_native(self):
        for command, start in STARTS.items():
            with self.subTest(command=command):
                script = f"{CLOCK}command {command}\n{start}\n"
                state = self.assertSameAsNative(script)
                drill = button_with_text(state["windows"][-1], "ドリル")
                if drill:
                    opened = self.assertSameAsNative(script + f"press {drill}\n")
                    answer = button_with_text(opened["windows"][-1], "答え")
                    if answer:
                        self.assertSameAsNative(script + f"press {drill}\npress {answer}\n")
        with self.subTest("puzzle"):
            self.assertSameAsNative(CLOCK + PUZZLE)

    def test_script_errors_and_the_ended_program_read_as_native(self):
        self.load()
        error = browser.run_script(self.driver, "command 2772\ntype 105 5\npress 999\n")
        self.assertEqual(error, "velorin: script line 3: press: no control 999 in the top window")
        # The lines after the exit command still run, against the ended program.
        self.load()
        self.assertIsNone(browser.run_script(self.driver, "command 57665\nrender state.json\n"))
        self.assertTrue(json.loads(browser.web_state(self.driver))["exited"])
        self.assertTrue(self.driver.find_element(By.ID, "ended").is_displayed())

    def dialog_input(self, control_id):
        """The HTML element of a control of the top dialog."""
        dialogs = self.driver.find_elements(By.CSS_SELECTOR, "#dialogs .dialog")
        return dialogs[-1].find_element(By.CSS_SELECTOR, f"[data-control='{control_id}']")

    def test_mouse_and_keys_work_out_combinations_like_the_desktop(self):
        self.load()
        self.driver.find_element(By.XPATH, "//button[@class='top' and contains(., '学習選択')]").click()
        # A click on a submenu's title opens it, also when the pointer passed over it first.
        sub = self.driver.find_element(By.XPATH, "//button[contains(@class, 'sub') and contains(., '場合の数')]")
        ActionChains(self.driver).move_to_element(sub).click().perform()
        self.assertTrue(self.driver.find_element(By.CSS_SELECTOR, "button[data-command='2770']").is_displayed())
        self.driver.find_element(By.CSS_SELECTOR, "button[data-command='2772']").click()
        for control, digits in ((105, "5"), (106, "3")):
            box = self.dialog_input(control)
            box.send_keys(Keys.CONTROL, "a")
            box.send_keys(digits)
        self.dialog_input(101).click()
        state = json.loads(browser.web_state(self.driver))
        native = json.loads(browser.native_state("command 2772\ntype 105 5\ntype 106 3\npress 101\n"))
        self.assertEqual(state["windows"][-1]["ops"], native["windows"][-1]["ops"])
        # Enter in an edit box works the answer out as 開始 does.
        box = self.dialog_input(106)
        box.send_keys(Keys.BACKSPACE, "2", Keys.ENTER)
        texts = [o["text"] for o in json.loads(browser.web_state(self.driver))["windows"][-1]["ops"]
                 if o["op"] == "text"]
        self.assertIn("10", " ".join(texts))
        self.assertCanvasMatchesNative("command 2772\ntype 105 5\ntype 106 2\npress 101\n")
        # The close box ends the dialog; the keyboard opens the menu again.
        self.driver.find_element(By.CSS_SELECTOR, "#dialogs .dialog .close").click()
        body = self.driver.find_element(By.TAG_NAME, "body")
        body.send_keys(Keys.ALT, "g")
        self.driver.switch_to.active_element.send_keys("k")
        self.assertEqual(json.loads(browser.web_state(self.driver))["windows"][-1].get("template"), 104)

    def test_the_puzzle_plays_from_the_keyboard(self):
        self.load()
        self.assertIsNone(browser.run_script(self.driver, "time 0\n"))  # the deal the native run gets
        body = self.driver.find_element(By.TAG_NAME, "body")
        body.send_keys(Keys.ALT, "p")  # パズル(P) on the menu bar
        view = self.driver.find_element(By.CSS_SELECTOR, "#view canvas.page")
        view.send_keys(Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_DOWN, Keys.ENTER)
        web = json.loads(browser.web_state(self.driver))
        native = json.loads(browser.native_state("command 2768\nclick 432 316\n"))
        self.assertEqual(web["windows"][0]["ops"], native["windows"][0]["ops"])
        self.assertEqual(web["windows"][0]["paints"], native["windows"][0]["paints"])

    def assertCanvasMatchesNative(self, script):
        data = self.driver.execute_script(
            "const c = [...document.querySelectorAll('#dialogs canvas.page')].pop();"
            "return c.toDataURL('image/png');")
        web = Image.open(io.BytesIO(base64.b64decode(data.split(",")[1]))).convert("RGB")
        with tempfile.TemporaryDirectory() as tmp:
            png = os.path.join(tmp, "page.png")
            browser.native_state(script + f"render {png}\n")
            native = Image.open(png).convert("RGB")
            state = json.loads(browser.native_state(script))
        self.assertEqual(web.size, native.size)
        self.assertGreater(len(set(web.getdata())), 2, "the canvas is blank")
        # Controls are HTML on the web and drawn into the native picture: compare the page only.
        masked = set()
        for c in state["windows"][-1]["controls"]:
            x, y, w, h = c["rect"]
            masked.update((i, j) for i in range(x - 2, x + w + 2) for j in range(y - 2, y + h + 2))
        wp, npx = web.load(), native.load()
        differ = total = 0
        for j in range(web.size[1]):
            for i in range(web.size[0]):
                if (i, j) in masked:
                    continue
                total += 1
                if max(abs(a - b) for a, b in zip(wp[i, j], npx[i, j])) > 96:
                    differ += 1
        self.assertLess(differ / total, 0.02, f"{differ} of {total} pixels differ")

    def test_read_aloud_speaks_the_reading_in_japanese_and_stops_with_the_window(self):
        stub = """window.__spoken = []; window.__cancelled = 0;
            Object.defineProperty(window, 'speechSynthesis', { value: {
              getVoices: () => [{ lang: 'ja-JP', name: 'stub' }],
              speak: (u) => window.__spoken.push({ text: u.text, lang: u.lang }),
              cancel: () => { window.__cancelled += 1; } } });"""
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": stub})
        try:
            self.load()
            self.assertIsNone(browser.run_script(
                self.driver, "command 2772\ntype 105 5\ntype 106 2\npress 101\n"))
            reading = json.loads(browser.web_state(self.driver))["windows"][-1]["reading"]
            self.assertTrue(reading)
            canvas = self.driver.find_element(By.CSS_SELECTOR, "#dialogs .dialog canvas.page")
            self.assertEqual(canvas.get_attribute("aria-label"), reading)
            ActionChains(self.driver).context_click(canvas).perform()
            self.driver.find_element(By.XPATH, "//ul[@class='page-menu']//button[starts-with(., '読み上げ')]").click()
            self.assertEqual(self.driver.execute_script("return window.__spoken"),
                             [{"text": reading, "lang": "ja-JP"}])
            before = self.driver.execute_script("return window.__cancelled")
            self.assertIsNone(browser.run_script(self.driver, "close\n"))
            self.assertGreater(self.driver.execute_script("return window.__cancelled"), before)
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                        {"identifier": script["identifier"]})

    def test_markings_and_the_level_are_kept_in_the_browser_across_a_reload(self):
        self.load()
        self.driver.execute_script("indexedDB.deleteDatabase('velorin'); localStorage.clear();")
        self.load()
        self.driver.find_element(By.XPATH, "//button[@class='top' and contains(., '難易度')]").click()
        self.driver.find_element(By.CSS_SELECTOR, "button[data-command='32787']").click()
        self.addCleanup(self.driver.execute_script, "localStorage.clear();")
        # A wrong answer and the right one to the same counting drill.
        mark = CLOCK + "command 2772\npress 133\ntype 141 99999\npress 142\npress 140\n"
        self.assertIsNone(browser.run_script(self.driver, mark))
        right = json.loads(browser.web_state(self.driver))["windows"][-1]
        expected = next(c["text"] for c in right["controls"] if c["id"] == 143)
        self.assertIn("ちがいます", expected)
        self.load()
        self.assertTrue(self.eventually(
            lambda: json.loads(browser.web_state(self.driver))["level"] == 0), "level not kept")
        self.assertIsNone(browser.run_script(self.driver, "command 32790\n"))
        texts = " ".join(o["text"] for o in json.loads(browser.web_state(self.driver))["windows"][-1]["ops"]
                         if o["op"] == "text")
        self.assertIn("組合せ", texts)

    def test_a_worksheet_goes_to_the_browsers_printing(self):
        stub = "window.print = () => { window.top.__printed = document.title; };"
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": stub})
        try:
            self.load()
            self.assertIsNone(browser.run_script(self.driver, "command 32791\ntype 173 7\npress 180\n"))
            self.eventually(lambda: self.driver.execute_script("return window.__printed"))
            self.assertEqual(self.driver.execute_script("return window.__printed"), "練習プリント")
            sheet = self.driver.execute_script(
                "return document.querySelector('iframe.print-frame').contentDocument.body.innerText")
            self.assertIn("①", sheet)
            self.assertIn("解答", sheet)
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                        {"identifier": script["identifier"]})

    def test_an_uncaught_error_shows_the_error_panel(self):
        self.load()
        self.driver.execute_script("setTimeout(() => { throw new Error('test failure'); });")
        panel = self.driver.find_element(By.ID, "error")
        self.assertTrue(self.eventually(panel.is_displayed))
        self.assertTrue(panel.is_displayed())
        self.assertTrue(panel.find_element(By.TAG_NAME, "button").is_displayed())


if __name__ == "__main__":
    runner = unittest.TextTestRunner(verbosity=2)
    result = runner.run(unittest.defaultTestLoader.loadTestsFromModule(sys.modules[__name__]))
    # A failing subtest fails its test once.
    failed = len({getattr(t, "test_case", t).id() for t, _ in result.failures + result.errors})
    print(f"web: {result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
