// The page's start: the equation field at once, the native module, the main
// window on it, the colour from the stored Inf.ini, the decimal separator of
// the browser's language, and, once the window has shown what the first
// Enter asked for, the service worker that keeps the site for use without a
// network (its copying of the site would otherwise compete with the start).
import { showError } from './dialogs.js';
import { element } from './dom.js';
import { acceptEarlyTyping } from './early_field.js';
import { startLanguage } from './language.js';
import { followLanguage } from './locale.js';
import { MainWindow } from './main_window.js';
import { loadNative } from './native.js';

async function start() {
  const field = element('equation', HTMLInputElement);
  const early = acceptEarlyTyping(field);
  // The language's separator once the module has started: by then a worker
  // of the page's head has loaded the browser's number formats, whose first
  // use here would otherwise cost as much as the compiling.
  const native = await loadNative();
  followLanguage(native);
  startLanguage(native);
  const window = new MainWindow(native);
  const settingsError = window.readSettings();
  // The empty panel, unless an Enter pressed meanwhile draws the solved one.
  if (!early.handOver(() => window.commands.solve())) {
    window.showPanel();
  }
  window.link.openAddress();
  document.documentElement.dataset.ready = 'true';
  performance.mark('parabel-ready');
  keepForOffline();
  await showError(settingsError);
}

function keepForOffline() {
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch(() => {
      // Without it the page works as well, only not offline.
    });
  }
}

start();
