#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks the web build in WebKit (the engine of Safari on iPads), through WebKitWebDriver:

    check-webkit.py SITE_DIR SHOT_DIR      (under an X server: xvfb-run)

The same pupil as check-browser.mjs: the start menu, "dal computer", "Addizione",
"Avvio", keypad digits and "OK" on the first step, "Esci" twice and the closing page.
Prints one line per check; exits non-zero when any fails.
"""

import json
import os
import pathlib
import subprocess
import sys
import time

from selenium import webdriver
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.webkitgtk.options import Options

HERE = pathlib.Path(__file__).resolve().parent
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
DESCRIBE = (HERE / "describe-screen.js").read_text()


class Checks:
    failed = 0

    def expect(self, what, ok, detail=""):
        if not ok:
            self.failed += 1
        print(f"{'PASS' if ok else 'FAIL'} [webkit] {what}{': ' + detail if detail else ''}",
              flush=True)


def screen(driver):
    return driver.execute_script(DESCRIBE)


def find(state, text, window, name=None):
    for w in state["windows"]:
        if w["name"] != window:
            continue
        for c in w["controls"]:
            if (text is None or c.get("text") == text) and (name is None or c["name"] == name):
                return c
    return None


def click(driver, control):
    actions = ActionBuilder(driver)
    actions.pointer_action.move_to_location(int(control["x"] + control["w"] / 2),
                                            int(control["y"] + control["h"] / 2))
    actions.pointer_action.click()
    actions.perform()


def click_text(driver, text, window):
    control = find(screen(driver), text, window)
    if not control:
        raise RuntimeError(f'no control "{text}" on the screen')
    click(driver, control)


def wait_for(what, predicate, timeout=60):
    until = time.monotonic() + timeout
    while time.monotonic() < until:
        if predicate():
            return
        time.sleep(0.1)
    raise RuntimeError(f"{what} did not happen within {timeout} s")


def front_window(driver):
    windows = screen(driver)["windows"]
    return windows[0]["name"] if windows else None


def main():
    site, shots = sys.argv[1], pathlib.Path(sys.argv[2])
    shots.mkdir(parents=True, exist_ok=True)
    checks = Checks()
    server = subprocess.Popen([sys.executable, str(HERE / "serve.py"), site, "0"],
                              stdout=subprocess.PIPE, text=True)
    url = server.stdout.readline().strip()
    options = Options()
    options.binary_location = MINIBROWSER
    options.add_argument("--automation")
    driver = webdriver.WebKitGTK(options=options)
    try:
        driver.set_window_size(1280, 900)
        opened = time.monotonic()
        driver.get(url)
        wait_for("the start menu",
                 lambda: driver.execute_script("return document.documentElement.dataset.state")
                 == "running" and front_window(driver) == "frmStart")
        checks.expect("the page loads and the start menu is drawn", True,
                      f"{time.monotonic() - opened:.1f} s")
        driver.save_screenshot(str(shots / "webkit-start-menu.png"))

        click_text(driver, "dal computer", "frmStart")
        time.sleep(0.3)
        click_text(driver, "Addizione", "frmStart")
        wait_for("the addition screen", lambda: front_window(driver) == "frmAdd", 10)
        click_text(driver, "Avvio", "frmAdd")
        time.sleep(0.5)
        state = screen(driver)
        started = find(state, None, "frmAdd", "lblAvviate")
        checks.expect("Avvio starts an exercise", started and started["text"].strip() == "1",
                      f"exercises started: {started and started['text'].strip()}")
        asked = [c for c in state["windows"][0]["controls"]
                 if c.get("focus") and c["class"] == "QLineEdit"]
        errors_before = int(find(state, None, "frmAdd", "lblErrori")["text"])
        for digit in ("1", "2"):
            click_text(driver, digit, "frmAdd")
        time.sleep(0.3)
        typed = [c for c in screen(driver)["windows"][0]["controls"]
                 if c.get("focus") and c["class"] == "QLineEdit"]
        checks.expect("keypad digits reach the step box", typed and typed[0]["text"] == "12",
                      f"box text: {typed and typed[0]['text']}")
        click_text(driver, "OK", "frmAdd")
        time.sleep(0.5)
        state = screen(driver)
        errors_after = int(find(state, None, "frmAdd", "lblErrori")["text"])
        now = [c for c in state["windows"][0]["controls"]
               if c.get("focus") and c["class"] == "QLineEdit"]
        box = find(state, None, "frmAdd", asked[0]["name"]) if asked else None
        answered = ((errors_after == errors_before + 1 and box and box["text"] == "")
                    or (errors_after == errors_before and now and asked
                        and now[0]["name"] != asked[0]["name"]))
        checks.expect("OK answers the step", bool(answered),
                      f"errors {errors_before} -> {errors_after}")
        driver.save_screenshot(str(shots / "webkit-exercise.png"))

        click_text(driver, "Esci", "frmAdd")
        wait_for("the start menu again", lambda: front_window(driver) == "frmStart", 10)
        click_text(driver, "Esci", "frmStart")
        wait_for("the closing page",
                 lambda: driver.execute_script("return document.documentElement.dataset.state")
                 == "ended", 10)
        checks.expect("Esci leaves the closing page", True)
        driver.save_screenshot(str(shots / "webkit-ended.png"))
    except Exception as error:  # a step that could not be taken fails the walk
        checks.expect("the pupil's walk through the program", False, str(error))
    finally:
        driver.quit()
        server.terminate()
    sys.exit(1 if checks.failed else 0)


if __name__ == "__main__":
    main()
