// Keeps the site for use with no network: once the page has loaded, the service worker stores
// every file of this build. A page opened from a file has no service worker.
function register() {
  navigator.serviceWorker.register('sw.js').catch((e) => console.warn('velorin: offline', e));
}
if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
  if (document.readyState === 'complete') register();
  else window.addEventListener('load', register, { once: true });
}
