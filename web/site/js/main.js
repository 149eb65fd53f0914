// The page's start: the native module, the main window on it, the colour
// from the stored Inf.ini, the decimal separator of the browser's language,
// and the service worker that keeps the site for use without a network.
import { showError } from './dialogs.js';
import { followLanguage } from './locale.js';
import { MainWindow } from './main_window.js';
import { loadNative } from './native.js';

async function start() {
  const native = await loadNative();
  followLanguage(native);
  const window = new MainWindow(native);
  const settingsError = window.readSettings();
  window.showPanel();
  const field = document.getElementById('equation');
  field.disabled = false;
  field.focus();
  document.documentElement.dataset.ready = 'true';
  performance.mark('parabel-ready');
  await showError(settingsError);
}

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').catch(() => {
    // Without it the page works as well, only not offline.
  });
}

start();
