// Keeps the view pages and their scripts in the browser, so that an overlay
// opened while the program is away (OBS started first, a restart) still
// loads, waits, and shows the score as soon as the program is back. Always
// the program's own copy while it answers; the kept one only when it does
// not. Browsers run this only for pages on this computer (127.0.0.1,
// localhost), which is where OBS opens the overlay.
"use strict";

const kept = "scoreboard-views";
const files = ["/overlay", "/board", "/live.js", "/view.js"];

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(kept).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => event.waitUntil(self.clients.claim()));

self.addEventListener("fetch", (event) => {
    const path = new URL(event.request.url).pathname;
    if (event.request.method !== "GET" || !files.includes(path))
        return;
    event.respondWith(fetch(event.request).then(async (answer) => {
        if (answer.ok)
            await (await caches.open(kept)).put(path, answer.clone());
        return answer;
    }).catch(async () => (await caches.match(path)) || Response.error()));
});
