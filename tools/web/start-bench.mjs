// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up in the browser: the time from navigation to the first window on the screen, for
// the program's site and for a bare Qt window's site built the same way, loaded one after
// the other in one headless Chromium, each load in a fresh page with an empty cache.
//
//   node start-bench.mjs SITE_DIR BARE_SITE_DIR [rounds]
//
// Both report their first exposure as the desktop benchmark's windows do ("shown <ns>",
// QUIVELLE_REPORT_SHOWN). Prints the medians and their ratio.

import puppeteer from "puppeteer-core";
import { serveSite } from "./page-driver.mjs";

const [siteDir, bareDir, roundsText] = process.argv.slice(2);
const rounds = Number(roundsText || 11);

async function firstShown(browser, url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  let resolveShown;
  const shown = new Promise((resolve) => { resolveShown = resolve; });
  page.on("console", (message) => {
    const match = /^shown (\d+)/.exec(message.text());
    if (match)
      resolveShown(Number(BigInt(match[1]) / 1000n) / 1000);
  });
  await page.goto(url + "?report-shown");
  const at = await Promise.race([shown, new Promise((r) => setTimeout(() => r(null), 60000))]);
  const origin = await page.evaluate(() => performance.timeOrigin);
  await context.close();
  return at === null ? null : at - origin;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const program = await serveSite(siteDir);
const bare = await serveSite(bareDir);
const browser = await puppeteer.launch({
  browser: "chrome", executablePath: "/usr/bin/chromium", headless: true,
  args: ["--enable-unsafe-swiftshader", "--use-angle=swiftshader", "--no-sandbox"],
});
const times = { program: [], bare: [] };
try {
  for (let i = 0; i < rounds; ++i) {
    for (const [name, site] of i % 2 ? [["bare", bare], ["program", program]]
                                      : [["program", program], ["bare", bare]]) {
      const ms = await firstShown(browser, site.url);
      if (ms !== null)
        times[name].push(ms);
    }
  }
} finally {
  await browser.close();
  program.stop();
  bare.stop();
}
const p = median(times.program);
const b = median(times.bare);
console.log(`start menu shown: median ${p.toFixed(0)} ms of ${times.program.length}`);
console.log(`bare window shown: median ${b.toFixed(0)} ms of ${times.bare.length}`);
console.log(`ratio: ${(p / b).toFixed(2)}`);
