// The page's service worker: keeps Zafrelo's files after the first visit, so that the page starts
// again with no network (a classroom without one for a whole lesson).
// - The program itself (zafrelo.js, zafrelo.wasm) is asked for with its version in the address
//   (carga.js), so a stored copy is always the right one: served from the store, the network only
//   when it is missing. The loader stores the .wasm as it downloads it, so it comes down once.
// - Everything else (the page, its loader, the icons) is asked of the network first and stored;
//   the store answers only when the network fails. So the next visit with the network brings a new
//   version, and the versions it replaces are removed.
// scripts/web writes the version (a hash of the files) in place of @VERSION@.
'use strict';
const VERSION = '@VERSION@';
const ALMACEN = 'zafrelo-' + VERSION;
const PAGINA = ['./', 'index.html', 'carga.js', 'zafrelo.webmanifest', 'zafrelo-32.png',
                'zafrelo-64.png', 'zafrelo-128.png', 'zafrelo-256.png', 'zafrelo.svg',
                'zafrelo.js?v=' + VERSION];

self.addEventListener('install', evento => {
  evento.waitUntil(caches.open(ALMACEN).then(a => a.addAll(PAGINA)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', evento => {
  evento.waitUntil(caches.keys()
    .then(nombres => Promise.all(nombres.filter(n => n.startsWith('zafrelo-') && n !== ALMACEN)
                                        .map(n => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', evento => {
  const pedido = evento.request;
  if (pedido.method !== 'GET' || new URL(pedido.url).origin !== self.location.origin) return;
  if (new URL(pedido.url).searchParams.has('v')) {
    evento.respondWith(caches.match(pedido).then(guardada => guardada || fetch(pedido)));
    return;
  }
  evento.respondWith(fetch(pedido).then(respuesta => {
    if (respuesta.ok) {
      const copia = respuesta.clone();
      caches.open(ALMACEN).then(a => a.put(pedido, copia));
    }
    return respuesta;
  }, () => caches.match(pedido, { ignoreSearch: true }).then(guardada => guardada ||
                                                                        Response.error())));
});
