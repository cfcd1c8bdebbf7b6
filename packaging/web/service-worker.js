// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the program on the device, so that after the first visit it starts with no
// network. The build writes the site's files and a name that changes with them: a new
// build replaces the old copy as a whole, never file by file.
"use strict";

const cacheName = "quivelle-@SITE_HASH@";
const siteFiles = @SITE_FILES@;

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(cacheName)
      .then((cache) => cache.addAll(siteFiles))
      .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(
        names.filter((name) => name.startsWith("quivelle-") && name !== cacheName)
          .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// The site's own files come from the copy; the network is asked only for what it lacks.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET")
    return;
  event.respondWith(
    caches.open(cacheName)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((kept) => kept || fetch(event.request)));
});
