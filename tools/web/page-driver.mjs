// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser checks share: the site's server, reading the program's screen, and
// the list of checks with their verdicts.

import { spawn } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import readline from "node:readline";
import { fileURLToPath } from "node:url";

const here = path.dirname(fileURLToPath(import.meta.url));

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Serves siteDir on a free port of 127.0.0.1 (serve.py); resolves to { url, stop }.
export function serveSite(siteDir) {
  const server = spawn("python3", [path.join(here, "serve.py"), siteDir, "0"],
                       { stdio: ["ignore", "pipe", "inherit"] });
  return new Promise((resolve, reject) => {
    server.on("error", reject);
    readline.createInterface({ input: server.stdout }).once("line", (url) =>
      resolve({ url, stop: () => server.kill() }));
  });
}

// The program's open windows, the front one first, each with its controls, as the program
// describes them to assistive tools: name, class, text, enabled, visible, focus, and the
// rectangle in the page's CSS pixels. The page-side function is a file of its own, so that
// the WebKit check (Python, WebDriver) runs the very same one.
export const describeScript = fs.readFileSync(path.join(here, "describe-screen.js"), "utf8");

export async function controlsOf(page) {
  return page.evaluate(new Function(describeScript));
}

// The first control whose text is `text` (or whose name is `name`) in the window `window`.
export function findControl(screen, text, windowName, name) {
  for (const w of screen.windows) {
    if (windowName && w.name !== windowName)
      continue;
    const c = w.controls.find((c) => (text === null || c.text === text) &&
                                     (name === undefined || c.name === name));
    if (c)
      return c;
  }
  return null;
}

export class Checks {
  constructor(engine) {
    this.engine = engine;
    this.failed = 0;
  }
  expect(what, ok, detail) {
    if (!ok)
      ++this.failed;
    console.log(`${ok ? "PASS" : "FAIL"} [${this.engine}] ${what}${detail ? ": " + detail : ""}`);
  }
  report() {
    return this.failed ? 1 : 0;
  }
}
