// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs one test built for WebAssembly and exits with its exit status; ctest starts it as
// the tests' emulator:
//
//   node run-test.mjs node|browser|browser-waits TEST.js [test arguments...]
//
// "node" runs a test without windows in node itself. "browser" runs a test that opens
// windows in headless Chromium, on a page of its own served from 127.0.0.1, and passes its
// output through; "browser-waits" one built to wait there (see tests/CMakeLists.txt).

import fs from "node:fs";
import { createRequire } from "node:module";
import path from "node:path";
import puppeteer from "puppeteer-core";
import { serveSite } from "./page-driver.mjs";

const [where, testJs, ...args] = process.argv.slice(2);
const testName = path.basename(testJs, ".js");
const testDir = path.dirname(path.resolve(testJs));

// Qt Test ends every run with its totals: a test that waits (all of them Qt Test programs,
// their output read from the page) and ends without them stopped early, whatever status
// it gave.
let totalsSeen = false;
function show(text) {
  if (text.startsWith("Totals: ")) totalsSeen = true;
  console.log(text);
}

async function inNode() {
  // Emscripten's loader prefers fetch() when there is one, which in node cannot read a
  // file: without it the loader reads the .wasm from the disk.
  delete globalThis.fetch;
  const require = createRequire(import.meta.url);
  const factory = require(path.resolve(testJs));
  return new Promise((resolve) => {
    factory({
      arguments: args,
      locateFile: (file) => path.join(testDir, file),
      quit: (status) => resolve(status),
      onAbort: () => resolve(134),
    }).catch(() => resolve(134));
  });
}

async function inBrowser() {
  // A test that waits (browser-waits) hands the browser its turn by unwinding main(), and
  // the first time it does the runtime calls quit() with a status that is not the test's.
  // Such a test holds the runtime alive and ends it when it is done, which calls onExit().
  const endsWith = where === "browser-waits" ? "onExit" : "quit";
  // A page for this run beside the test's files, loading it as the program's page does;
  // one program holds several tests, which ctest may run side by side.
  const page = `${testName}-${process.pid}.test.html`;
  fs.writeFileSync(path.join(testDir, page), `<!DOCTYPE html>
<html><head><meta charset="utf-8"><link rel="icon" href="data:,"><style>html,body{margin:0;height:100%}
#screen{position:fixed;inset:0}</style></head>
<body><div id="screen"></div><script src="${testName}.js"></script><script>
createQtAppInstance({
  qtContainerElements: [document.getElementById("screen")],
  arguments: ${JSON.stringify(args)},
  print: (text) => console.log(text),
  printErr: (text) => console.log(text),
  ${endsWith}: (status) => window.testFinished(status),
  onAbort: (text) => { console.log("aborted: " + text); window.testFinished(134); },
}).catch((e) => { console.log("failed to start: " + e); window.testFinished(134); });
</script></body></html>`);
  const site = await serveSite(testDir);
  const browser = await puppeteer.launch({
    browser: "chrome",
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: ["--enable-unsafe-swiftshader", "--use-angle=swiftshader", "--no-sandbox",
           "--window-size=1280,900"],
  });
  try {
    const tab = await browser.newPage();
    await tab.setViewport({ width: 1280, height: 900 });
    let finish;
    const finished = new Promise((resolve) => { finish = resolve; });
    await tab.exposeFunction("testFinished", (status) => finish(status));
    tab.on("console", (message) => show(message.text()));
    tab.on("requestfailed", (r) => console.log("request failed: " + r.url()));
    tab.on("response", (r) => { if (r.status() >= 400) console.log("not found: " + r.url()); });
    tab.on("pageerror", (error) => { console.log(`page error: ${error.message}`); finish(134); });
    await tab.goto(site.url + page);
    const status = await finished;
    // The test's last lines (its totals) may still be on their way from the page.
    await new Promise((resolve) => setTimeout(resolve, 200));
    return status;
  } finally {
    await browser.close();
    site.stop();
    fs.rmSync(path.join(testDir, page), { force: true });
  }
}

let status = await (where === "node" ? inNode() : inBrowser());
if (typeof status !== "number") status = 1;
if (where === "browser-waits" && status === 0 && !totalsSeen) {
  console.log("The test ended before its totals.");
  status = 1;
}
process.exit(status);
