// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the web build in a real browser, as a pupil would use it:
//
//   node check-browser.mjs chromium|firefox SITE_DIR SHOT_DIR
//
// Serves SITE_DIR on 127.0.0.1, opens it, waits for the start menu, then plays one pupil:
// "dal computer", "Addizione", "Avvio", keypad digits and "OK" on the first step, back with
// "Esci" and out with the start menu's "Esci", which must leave the closing page. Screens
// are saved in SHOT_DIR. Chromium also hears its cues at a private sound server's null
// sink and times click to sound, taps with touch emulation, checks that every control
// stays on the page on a phone and on a large screen, and starts once more offline.
// Prints one line per check and exits non-zero when any fails.

import { spawn } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";
import { controlsOf, findControl, serveSite, sleep, Checks } from "./page-driver.mjs";

const [engine, siteDir, shotDir] = process.argv.slice(2);
if (!["chromium", "firefox"].includes(engine) || !siteDir || !shotDir) {
  console.error("usage: node check-browser.mjs chromium|firefox SITE_DIR SHOT_DIR");
  process.exit(2);
}
fs.mkdirSync(shotDir, { recursive: true });
const checks = new Checks(engine);

// --- A private sound server whose null sink Chromium plays into ---------------------

async function startSoundServer() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "quivelle-sound-"));
  const runtime = path.join(dir, "runtime");
  fs.mkdirSync(runtime, { mode: 0o700 });
  const env = { ...process.env, HOME: dir, XDG_RUNTIME_DIR: runtime,
                PULSE_SERVER: `unix:${runtime}/pulse/native` };
  const server = spawn("pulseaudio", ["--daemonize=no", "--exit-idle-time=-1",
    "--disallow-exit", "--realtime=no", "--high-priority=no", "-n",
    "--load=module-null-sink sink_name=null", "--load=module-native-protocol-unix"],
    { env, stdio: "ignore" });
  for (let i = 0; i < 100; ++i) {
    if (fs.existsSync(`${runtime}/pulse/native`)) {
      const set = spawn("pactl", ["set-default-sink", "null"], { env, stdio: "ignore" });
      await new Promise((resolve) => set.on("exit", resolve));
      return { env, server, dir };
    }
    await sleep(100);
  }
  server.kill();
  throw new Error("the private sound server did not come up");
}

// Records the sink's monitor (8-bit mono, 22050 Hz, chunks of about 10 ms) and keeps when
// each chunk arrived, so that a sound's first loud sample can be timed.
function startRecorder(env) {
  const chunks = [];
  const recorder = spawn("parec", ["-d", "null.monitor", "--raw", "--format=u8",
    "--rate=22050", "--channels=1", "--latency-msec=10"], { env });
  recorder.stdout.on("data", (data) => chunks.push({ at: performance.now(), data }));
  return {
    // The arrival of the first chunk after `since` holding a sample further than 4 from
    // silence (128), or null.
    firstSoundAfter(since) {
      for (const chunk of chunks) {
        if (chunk.at < since)
          continue;
        for (const sample of chunk.data)
          if (Math.abs(sample - 128) > 4)
            return chunk.at;
      }
      return null;
    },
    stop() { recorder.kill(); },
  };
}

// --- The browser -------------------------------------------------------------------

async function launch(extraEnv) {
  if (engine === "chromium") {
    return puppeteer.launch({
      browser: "chrome",
      executablePath: "/usr/bin/chromium",
      headless: true,
      // Software WebGL; and sound, which puppeteer mutes unless told.
      args: ["--enable-unsafe-swiftshader", "--use-angle=swiftshader", "--no-sandbox"],
      ignoreDefaultArgs: ["--mute-audio"],
      env: { ...process.env, ...extraEnv },
    });
  }
  // Firefox draws WebGL through Mesa in a window of the X server (run under xvfb-run).
  return puppeteer.launch({
    browser: "firefox",
    executablePath: "/usr/bin/firefox-esr",
    headless: false,
    extraPrefsFirefox: { "webgl.force-enabled": true, "media.autoplay.default": 0 },
    env: { ...process.env, ...extraEnv },
  });
}

async function waitForState(page, state, timeout = 60000) {
  await page.waitForFunction((s) => document.documentElement.dataset.state === s,
                             { timeout, polling: 100 }, state);
}

async function click(page, control) {
  await page.mouse.click(control.x + control.w / 2, control.y + control.h / 2);
}

async function clickText(page, text, windowName) {
  const control = findControl(await controlsOf(page), text, windowName);
  if (!control)
    throw new Error(`no control "${text}" on the screen`);
  await click(page, control);
  return control;
}

async function waitForWindow(page, name, timeout = 10000) {
  const until = Date.now() + timeout;
  while (Date.now() < until) {
    const screen = await controlsOf(page);
    if (screen.windows.length && screen.windows[0].name === name)
      return screen;
    await sleep(50);
  }
  throw new Error(`the window ${name} did not come to the front`);
}

async function shot(page, name) {
  await page.screenshot({ path: path.join(shotDir, `${engine}-${name}.png`) });
}

// --- The pupil ---------------------------------------------------------------------

async function firstExercise(page, recorder) {
  await clickText(page, "dal computer", "frmStart");
  const before = performance.now();
  await clickText(page, "Addizione", "frmStart");
  await waitForWindow(page, "frmAdd");
  await clickText(page, "Avvio", "frmAdd");
  await sleep(300);
  let screen = await controlsOf(page);
  const started = findControl(screen, null, "frmAdd", "lblAvviate");
  checks.expect("Avvio starts an exercise", started && Number(started.text) === 1,
                `exercises started: ${started && started.text.trim()}`);
  // The first step's box takes "12" from the keypad, whatever the problem, and "OK"
  // confirms it. Right or wrong, the program must answer: a wrong answer is counted and
  // the box emptied, a right one moves the pupil on to another box.
  const asked = screen.windows[0].controls.find((c) => c.focus && c.class === "QLineEdit");
  const errorsBefore = Number(findControl(screen, null, "frmAdd", "lblErrori").text);
  for (const digit of ["1", "2"])
    await clickText(page, digit, "frmAdd");
  await sleep(100);
  screen = await controlsOf(page);
  const typed = screen.windows[0].controls.find((c) => c.focus && c.class === "QLineEdit");
  checks.expect("keypad digits reach the step box", typed && typed.text === "12",
                `box text: ${typed && typed.text}`);
  await clickText(page, "OK", "frmAdd");
  await sleep(400);
  screen = await controlsOf(page);
  const errorsAfter = Number(findControl(screen, null, "frmAdd", "lblErrori").text);
  const box = screen.windows[0].controls.find((c) => c.name === asked?.name);
  const nowAsked = screen.windows[0].controls.find((c) => c.focus && c.class === "QLineEdit");
  const answered = (errorsAfter === errorsBefore + 1 && box && box.text === "") ||
                   (errorsAfter === errorsBefore && nowAsked && nowAsked.name !== asked?.name);
  checks.expect("OK answers the step", answered,
                `errors ${errorsBefore} -> ${errorsAfter}, asked ${asked?.name} -> ${nowAsked?.name}`);
  await shot(page, "exercise");
  if (recorder) {
    const heard = recorder.firstSoundAfter(before);
    checks.expect("a cue is heard at the sound server", heard !== null,
                  heard === null ? "silence" : `${(heard - before).toFixed(0)} ms after the click`);
  }
  await clickText(page, "Esci", "frmAdd");
  await waitForWindow(page, "frmStart");
}

// Notes, in the page, when each button release arrives and when each cue's sound is
// started, on the clock that node's performance.timeOrigin also counts from (the epoch),
// so that click to sound can be split into its parts.
function markCueTimes() {
  const marks = { released: [], started: [] };
  globalThis.quivelleCueMarks = marks;
  addEventListener("pointerup", (e) => marks.released.push(performance.timeOrigin + e.timeStamp),
                   { capture: true });
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...args) {
    marks.started.push(performance.timeOrigin + performance.now());
    marks.latency = { base: this.context.baseLatency, output: this.context.outputLatency };
    return start.apply(this, args);
  };
}

// Clicks a keypad digit on a started exercise, many times, each after silence, and
// returns the times from click to first sound, each with its parts: the press and the
// release reaching the page, the program starting the cue, the browser's audio path to
// the sound server (a sound card adds its own buffer).
async function clickToSound(page, recorder, samples) {
  await clickText(page, "Addizione", "frmStart");
  await waitForWindow(page, "frmAdd");
  await clickText(page, "Avvio", "frmAdd");
  await sleep(1500);
  const key = findControl(await controlsOf(page), "1", "frmAdd");
  const epoch = (t) => performance.timeOrigin + t;
  const times = [];
  let marks = null;
  for (let i = 0; i < samples; ++i) {
    await sleep(400 + Math.random() * 100);
    const at = performance.now();
    await click(page, key);
    await sleep(300);
    const heard = recorder.firstSoundAfter(at);
    if (heard === null)
      continue;
    marks = await page.evaluate(() => globalThis.quivelleCueMarks);
    const released = marks?.released.find((t) => t >= epoch(at));
    const started = marks?.started.find((t) => t >= (released ?? epoch(at)));
    times.push({ total: heard - at, toPage: released - epoch(at), inProgram: started - released,
                 toServer: epoch(heard) - started });
  }
  await clickText(page, "Esci", "frmAdd");
  await waitForWindow(page, "frmStart");
  const latency = marks?.latency;
  if (latency)
    console.log(`the page's audio: base latency ${(latency.base * 1000).toFixed(1)} ms, ` +
                `output latency ${(latency.output * 1000).toFixed(1)} ms`);
  return times.sort((a, b) => a.total - b.total);
}

function allOnPage(screen, width, height) {
  const off = [];
  for (const window of screen.windows)
    for (const c of [window, ...window.controls])
      if (c.visible !== false && (c.x < 0 || c.y < 0 || c.x + c.w > width + 0.5 || c.y + c.h > height + 0.5))
        off.push(`${c.name || c.text} at ${c.x},${c.y} ${c.w}x${c.h}`);
  return off;
}

async function main() {
  const site = await serveSite(siteDir);
  let sound = null;
  let recorder = null;
  if (engine === "chromium") {
    sound = await startSoundServer();
    recorder = startRecorder(sound.env);
  }
  const browser = await launch(sound ? { PULSE_SERVER: sound.env.PULSE_SERVER } : {});
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 800 });
    if (recorder)
      await page.evaluateOnNewDocument(markCueTimes);
    page.on("console", (m) => { if (process.env.QUIVELLE_CHECK_VERBOSE) console.log("page:", m.text()); });
    const opened = performance.now();
    await page.goto(site.url);
    await waitForState(page, "running");
    checks.expect("the page loads and the start menu is drawn", true,
                  `${((performance.now() - opened) / 1000).toFixed(1)} s`);
    await waitForWindow(page, "frmStart");
    await shot(page, "start-menu");

    await firstExercise(page, recorder);

    if (engine === "chromium") {
      const times = await clickToSound(page, recorder, 15);
      const median = (part) => {
        const sorted = times.map((t) => t[part]).sort((a, b) => a - b);
        return sorted.length ? sorted[Math.floor(sorted.length / 2)].toFixed(1) : "none";
      };
      checks.expect("every key click is heard", times.length === 15,
                    `${times.length} of 15; median ${median("total")} ms, slowest ` +
                    `${times.at(-1)?.total.toFixed(1)} ms (medians: to the page ${median("toPage")}, ` +
                    `in the program ${median("inProgram")}, audio path ${median("toServer")})`);

      // The browser's window made larger: the program grows with the page, to fill it.
      await page.setViewport({ width: 1920, height: 1080 });
      await sleep(800);
      const large = await controlsOf(page);
      const offLarge = allOnPage(large, 1920, 1080);
      checks.expect("the program follows the page to 1920x1080, every control on it",
                    offLarge.length === 0 && large.factor > 2,
                    offLarge.length ? offLarge.slice(0, 3).join("; ") : `program at ${large.factor}`);
      await shot(page, "start-menu-1920x1080");
      await page.setViewport({ width: 1280, height: 800 });
      await sleep(800);

      // A phone, upright and sideways: its page is widened to the program's size and
      // shown zoomed out.
      for (const [width, height, phone] of [[360, 640, true], [640, 360, true]]) {
        const sized = await browser.newPage();
        await sized.emulate({ viewport: { width, height, isMobile: phone, hasTouch: phone },
                              userAgent: await browser.userAgent() });
        await sized.goto(site.url);
        await waitForState(sized, "running");
        await waitForWindow(sized, "frmStart");
        await sleep(500);
        const shown = await sized.evaluate(() => ({ w: window.innerWidth, h: window.innerHeight }));
        shown.zoom = width / shown.w;
        const screen = await controlsOf(sized);
        const off = allOnPage(screen, shown.w, shown.h);
        checks.expect(`every control on the page at ${width}x${height}`, off.length === 0,
                      off.length ? off.slice(0, 3).join("; ")
                                 : `program at ${screen.factor}, page ${shown.w}x${shown.h} shown at ${shown.zoom.toFixed(2)}`);
        await shot(sized, `start-menu-${width}x${height}`);
        await sized.close();
      }
    }

    await clickText(page, "Esci", "frmStart");
    await waitForState(page, "ended", 10000);
    checks.expect("Esci leaves the closing page", true, "");
    await shot(page, "ended");

    if (engine === "chromium") {
      // A tablet: a tap on "da te" shows the operations, as a click does.
      const tablet = await browser.newPage();
      await tablet.emulate({ viewport: { width: 1024, height: 768, hasTouch: true, isMobile: true },
                             userAgent: await browser.userAgent() });
      await tablet.goto(site.url);
      await waitForState(tablet, "running");
      await waitForWindow(tablet, "frmStart");
      const te = findControl(await controlsOf(tablet), "da te", "frmStart");
      const before = findControl(await controlsOf(tablet), "Addizione", "frmStart");
      await tablet.touchscreen.tap(te.x + te.w / 2, te.y + te.h / 2);
      await sleep(400);
      const after = findControl(await controlsOf(tablet), "Addizione", "frmStart");
      checks.expect("a tap works as a click", !before.visible && after.visible,
                    `operations shown: ${before.visible} -> ${after.visible}`);
      // A step box taken by touch brings up no keyboard of the device's own: no text field
      // of the page takes the focus.
      const tap = async (text, windowName) => {
        const c = findControl(await controlsOf(tablet), text, windowName);
        await tablet.touchscreen.tap(c.x + c.w / 2, c.y + c.h / 2);
        await sleep(400);
      };
      await tap("dal computer", "frmStart");
      await tap("Addizione", "frmStart");
      await waitForWindow(tablet, "frmAdd");
      await tap("Avvio", "frmAdd");
      const box = (await controlsOf(tablet)).windows[0].controls.find((c) => c.focus && c.class === "QLineEdit");
      await tablet.touchscreen.tap(box.x + box.w / 2, box.y + box.h / 2);
      await sleep(300);
      // A device shows its keyboard for a focused text field or editable element, unless
      // the element asks for none (inputmode="none").
      const focused = await tablet.evaluate(() => {
        const a = document.activeElement;
        const editable = a && (a.tagName === "INPUT" || a.tagName === "TEXTAREA" || a.isContentEditable);
        return { editable, keyboard: editable && a.inputMode !== "none",
                 what: a ? `${a.tagName} inputmode=${a.inputMode || "(default)"}` : "none" };
      });
      checks.expect("touching a step box brings up no device keyboard", !focused.keyboard,
                    `focused element: ${focused.what}`);
      await tablet.close();

      // Offline after the first visit: the service worker keeps the program.
      const again = await browser.newPage();
      await again.goto(site.url);
      await again.evaluate(() => navigator.serviceWorker.ready);
      await again.setOfflineMode(true);
      await again.reload();
      await waitForState(again, "running");
      await waitForWindow(again, "frmStart");
      checks.expect("offline, a reload still starts the program", true, "");
      await again.close();

      // A school's server that sends the program as plain bytes, not as application/wasm:
      // the page compiles it all the same (a fresh profile, so no kept copy answers).
      const plain = await browser.createBrowserContext();
      const served = await plain.newPage();
      await served.setRequestInterception(true);
      served.on("request", (request) => {
        if (!request.url().endsWith("/quivelle.wasm"))
          return request.continue();
        return request.respond({ status: 200, contentType: "application/octet-stream",
                                 body: fs.readFileSync(path.join(siteDir, "quivelle.wasm")) });
      });
      await served.goto(site.url);
      await waitForState(served, "running");
      await waitForWindow(served, "frmStart");
      checks.expect("a server that sends the program with another type still starts it", true, "");
      await plain.close();

      // A browser that cannot draw with WebGL is told so in Italian, not left loading.
      const noWebGL = await browser.newPage();
      await noWebGL.evaluateOnNewDocument(() => {
        const getContext = HTMLCanvasElement.prototype.getContext;
        HTMLCanvasElement.prototype.getContext = function (type, ...rest) {
          return /webgl/.test(type) ? null : getContext.call(this, type, ...rest);
        };
      });
      await noWebGL.goto(site.url);
      await waitForState(noWebGL, "unsupported", 10000);
      const told = await noWebGL.evaluate(() => document.getElementById("unsupported").innerText);
      checks.expect("without WebGL the page says what is missing", /Manca WebGL\./.test(told),
                    told.replace(/\s+/g, " ").trim());
      await noWebGL.close();
    }
  } catch (error) {
    checks.expect("the pupil's walk through the program", false, error.message);
  } finally {
    await browser.close();
    recorder?.stop();
    sound?.server.kill();
    site.stop();
  }
  process.exit(checks.report());
}

main();
