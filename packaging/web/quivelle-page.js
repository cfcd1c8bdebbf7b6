// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The page around the program: checks that the browser can run it, shows the download's
// progress, starts it, and shows the closing page when the pupil leaves it with "Esci".
// The build writes the program's size in bytes below, for the loading bar.
"use strict";

(function () {
  const programBytes = @PROGRAM_BYTES@;
  const panels = ["loading", "unsupported", "ended"];

  function show(id) {
    for (const panel of panels)
      document.getElementById(panel).hidden = panel !== id;
  }

  function unsupported(detail) {
    document.getElementById("unsupported-detail").textContent = detail || "";
    show("unsupported");
    document.documentElement.dataset.state = "unsupported";
  }

  function hasWebAssembly() {
    return typeof WebAssembly === "object" && typeof WebAssembly.instantiate === "function";
  }

  // Creating a context is the only sure test, and a slow one where the browser draws in
  // software: it is made while the program arrives, and let go at once.
  function hasWebGL() {
    const canvas = document.createElement("canvas");
    const context = canvas.getContext("webgl2") || canvas.getContext("webgl");
    if (!context)
      return false;
    const lose = context.getExtension("WEBGL_lose_context");
    if (lose)
      lose.loseContext();
    return true;
  }

  function setProgress(fraction) {
    const percent = Math.max(0, Math.min(100, Math.round(fraction * 100)));
    document.getElementById("loading-bar").style.width = percent + "%";
    document.getElementById("loading-text").textContent =
      "Caricamento del programma… " + percent + "%";
  }

  // Compiles the program while it arrives, counting its bytes for the loading bar. Servers
  // that compress it on the way say its compressed length, so the count is measured
  // against the size the build wrote. The browser compiles from a copy of the response;
  // served with another type than application/wasm, the program is compiled once whole.
  async function compileProgram(signal) {
    const response = await fetch("quivelle.wasm", { signal });
    if (!response.ok)
      throw new Error("quivelle.wasm: " + response.status);
    if (!response.body || !response.body.getReader) {
      setProgress(1);
      return WebAssembly.compile(await response.arrayBuffer());
    }
    const streaming = typeof WebAssembly.compileStreaming === "function" &&
                      /^application\/wasm\b/.test(response.headers.get("Content-Type") || "");
    const compiled = streaming ? WebAssembly.compileStreaming(response.clone()) : null;
    // Its failure is taken up once the bytes are counted, not reported as unhandled.
    compiled?.catch(() => {});
    const reader = response.body.getReader();
    const parts = [];
    let received = 0;
    for (;;) {
      const { done, value } = await reader.read();
      if (done)
        break;
      if (!streaming)
        parts.push(value);
      received += value.length;
      setProgress(received / programBytes);
    }
    if (compiled)
      return compiled;
    const bytes = new Uint8Array(received);
    let at = 0;
    for (const part of parts) {
      bytes.set(part, at);
      at += part.length;
    }
    return WebAssembly.compile(bytes);
  }

  function loadScript(src) {
    return new Promise((resolve, reject) => {
      const script = document.createElement("script");
      script.src = src;
      script.onload = resolve;
      script.onerror = () => reject(new Error(src));
      document.head.appendChild(script);
    });
  }

  function ended() {
    show("ended");
    document.documentElement.dataset.state = "ended";
    document.getElementById("program").remove();
    document.getElementById("restart").focus();
  }

  async function start() {
    if (!hasWebAssembly()) {
      unsupported("Manca WebAssembly.");
      return;
    }
    show("loading");
    document.documentElement.dataset.state = "loading";
    const download = typeof AbortController === "function" ? new AbortController() : null;
    const arriving = Promise.all([compileProgram(download?.signal), loadScript("quivelle.js")]);
    if (!hasWebGL()) {
      download?.abort();
      arriving.catch(() => {});
      unsupported("Manca WebGL.");
      return;
    }
    let module;
    try {
      [module] = await arriving;
    } catch (error) {
      unsupported("Il programma non è arrivato: " + error.message);
      return;
    }
    const container = document.getElementById("program");
    // Qt draws at the page's zoom, and a phone shows the widened page zoomed out; below a
    // scale of 1 Qt's widgets come out cut off. Qt draws at 1 and the browser zooms out.
    if (window.visualViewport)
      Object.defineProperty(window.visualViewport, "scale", { get: () => 1, configurable: true });
    window.quivelle = await createQtAppInstance({
      qtContainerElements: [container],
      instantiateWasm(imports, done) {
        WebAssembly.instantiate(module, imports).then((instance) => done(instance, module));
        return {};
      },
      locateFile: (file) => file,
      print: (text) => console.log(text),
      printErr: (text) => console.warn(text),
      onAbort(text) {
        unsupported("Il programma si è fermato: " + text);
      },
      // The program's canvas takes keys as an editable element, which on a touch screen
      // would bring up the device's keyboard over the program's own keypad.
      preInit: [() => {
        new MutationObserver(() => {
          for (const canvas of container.querySelectorAll("canvas"))
            canvas.setAttribute("inputmode", "none");
        }).observe(container, { childList: true, subtree: true });
      }],
      // Called by the program when the pupil leaves it.
      quivelleEnded: ended,
      // The start-up benchmark asks the program to say when its first window is shown.
      preRun: [(program) => {
        if (new URLSearchParams(location.search).has("report-shown"))
          program.ENV.QUIVELLE_REPORT_SHOWN = "1";
      }],
    });
  }

  // A phone's page is narrower than the program's largest window (634 x 455, with a few
  // pixels around it). The program is never drawn smaller than its own size: the page's
  // layout is made as wide as the program needs instead, and the browser shows it all,
  // zoomed out, as it does any wide page; touches and clicks land where they are seen.
  const needed = { width: 642, height: 463 };
  const viewport = document.querySelector('meta[name="viewport"]');
  function fitLayout() {
    viewport.content = "width=device-width, initial-scale=1";
    requestAnimationFrame(() => {
      const width = window.innerWidth;
      const height = window.innerHeight;
      const wanted = Math.ceil(Math.max(needed.width, needed.height * width / height));
      if (wanted > width)
        viewport.content = `width=${wanted}, user-scalable=no`;
    });
  }
  fitLayout();
  window.addEventListener("orientationchange", fitLayout);

  document.getElementById("restart").addEventListener("click", () => location.reload());

  // Once the program is on screen, the loading panel gives way to it.
  window.addEventListener("quivelle-drawn", () => {
    document.getElementById("loading").hidden = true;
    document.documentElement.dataset.state = "running";
  });

  // After the first visit the program starts with no network. A page opened straight
  // from a folder (file:) has no service worker, and needs none.
  if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("service-worker.js").catch(() => {});

  start();
})();
