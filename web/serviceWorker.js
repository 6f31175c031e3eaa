// Keeps every file of the page in the browser, so that after one visit the game starts with no
// network. Each build has its own store, named by a hash of its files: when the server has a
// new build, the browser finds this script changed at the next visit, fills the new store and
// drops the old. The saves live elsewhere (IndexedDB) and are not touched.
'use strict';
const store = 'velmora-{{{ VERSION }}}';
const files = [{{{ FILES }}}];

self.addEventListener('install', (event) => {
  const fresh = files.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(store).then((cache) => cache.addAll(fresh)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  const dropOld = caches.keys().then((names) =>
    Promise.all(names.filter((name) => name.startsWith('velmora-') && name !== store).map((name) => caches.delete(name))));
  event.waitUntil(dropOld.then(() => self.clients.claim()));
});

// The page's own files come from the store (the page itself for its folder's address, with
// or without a query); anything else goes to the network.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== location.origin) return;
  const scope = new URL(self.registration.scope);
  const wanted = url.pathname === scope.pathname ? new URL('index.html', scope).href : event.request;
  event.respondWith(caches.open(store)
    .then((cache) => cache.match(wanted, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
