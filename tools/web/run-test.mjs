// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs one test built for WebAssembly and exits with its exit status; ctest starts it as
// the tests' emulator:
//
//   node run-test.mjs node|browser TEST.js [test arguments...]
//
// "node" runs a test without windows in node itself. "browser" runs a test that opens
// windows in headless Chromium, on a page of its own served from 127.0.0.1, and passes its
// output through.

import fs from "node:fs";
import { createRequire } from "node:module";
import path from "node:path";
import puppeteer from "puppeteer-core";
import { serveSite } from "./page-driver.mjs";

const [where, testJs, ...args] = process.argv.slice(2);
const testName = path.basename(testJs, ".js");
const testDir = path.dirname(path.resolve(testJs));

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
  // A page for the test beside its files, loading it as the program's page does.
  const page = `${testName}.test.html`;
  fs.writeFileSync(path.join(testDir, page), `<!DOCTYPE html>
<html><head><meta charset="utf-8"><style>html,body{margin:0;height:100%}
#screen{position:fixed;inset:0}</style></head>
<body><div id="screen"></div><script src="${testName}.js"></script><script>
createQtAppInstance({
  qtContainerElements: [document.getElementById("screen")],
  arguments: ${JSON.stringify(args)},
  print: (text) => console.log(text),
  printErr: (text) => console.log(text),
  quit: (status) => window.testFinished(status),
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
    await tab.exposeFunction("testFinished", (status) => { if (process.env.QUIVELLE_RUN_DEBUG) console.log("finished with", JSON.stringify(status)); finish(status); });
    tab.on("console", (message) => console.log(message.text()));
    tab.on("requestfailed", (r) => console.log("request failed: " + r.url()));
    tab.on("response", (r) => { if (r.status() >= 400) console.log("not found: " + r.url()); });
    tab.on("pageerror", (error) => { console.log(`page error: ${error.message}`); finish(134); });
    await tab.goto(site.url + page);
    return await finished;
  } finally {
    await browser.close();
    site.stop();
  }
}

const status = await (where === "browser" ? inBrowser() : inNode());
process.exit(typeof status === "number" ? status : 1);
