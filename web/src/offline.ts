// The service worker that keeps the site for play without a network. Only a
// served site has one: a page opened from a file, or the dev server, goes
// without.
export function registerServiceWorker(): void {
  if (!import.meta.env.PROD || !('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return;
  navigator.serviceWorker.register('sw.js', { scope: './' }).catch((error: unknown) => {
    // The page plays on as it is; it is only not kept.
    console.warn('ズンパＳ: no service worker:', error);
  });
}
