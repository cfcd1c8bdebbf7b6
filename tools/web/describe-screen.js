// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later
// The body of a function run in the page by the browser checks (Chromium and Firefox through
// puppeteer, WebKit through WebDriver): what the program describes of its screen.
return window.quivelle && window.quivelle.quivelleControls
  ? JSON.parse(window.quivelle.quivelleControls()) : { windows: [] };
