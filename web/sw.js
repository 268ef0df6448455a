// The service worker: it keeps every file of one build in a cache named after the build, answers
// from that cache first and from the network otherwise, so the site opens with no network after
// the first visit. The build writes BUILD and FILES above this text; a new build is a new
// worker, which fills its own cache and deletes the caches of older builds.
const CACHE = `velorin-${BUILD}`;

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    // Checked against the server, so a file the browser holds from this visit is not sent again.
    await cache.addAll(FILES.map((f) => new Request(f, { cache: 'no-cache' })));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith('velorin-') && name !== CACHE) await caches.delete(name);
    }
    await self.clients.claim();
  })());
});

async function answer(request) {
  const cache = await caches.open(CACHE);
  const url = new URL(request.url);
  // The site's address itself is its page.
  const key = request.mode === 'navigate' && url.pathname.endsWith('/')
    ? new URL('index.html', url).href : request;
  const kept = await cache.match(key, { ignoreSearch: request.mode === 'navigate' });
  return kept || fetch(request);
}

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(answer(request));
});
