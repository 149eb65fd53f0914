// The page's start: the equation field at once, the native module, the
// interface language, the main window on it, the colour from the stored Inf.ini, the decimal separator of
// the browser's language, and the service worker that keeps the site for use
// without a network.
import { showError } from './dialogs.js';
import { element } from './dom.js';
import { acceptEarlyTyping } from './early_field.js';
import { startLanguage } from './language.js';
import { decimalSeparatorOf, followLanguage } from './locale.js';
import { MainWindow } from './main_window.js';
import { loadNative } from './native.js';

async function start() {
  const field = element('equation', HTMLInputElement);
  const early = acceptEarlyTyping(field);
  // The language's separator is looked up while the native module compiles
  // (the first number format of a page costs as much as the compiling).
  const loading = loadNative();
  const separator = decimalSeparatorOf(navigator.language);
  const native = await loading;
  followLanguage(native, separator);
  startLanguage(native);
  const window = new MainWindow(native);
  const settingsError = window.readSettings();
  window.showPanel();
  early.handOver(() => window.commands.solve());
  window.link.openAddress();
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
