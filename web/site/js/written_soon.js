// Writes that follow a command but need not hold up what it shows: the
// address that follows a solve and the history kept in the browser's
// storage. They are made once the browser is idle after painting the
// command's result (within a fraction of a second), and at once before the
// page is hidden or left, and before anything reads what they write. A
// newer write of a kind replaces an older one of that kind still waiting.
import { running } from './program_life.js';

/** @type {Map<string, () => void>} */
const waiting = new Map();
let scheduled = false;

/** @param {() => void} then */
function whenIdle(then) {
  if ('requestIdleCallback' in window) {
    requestIdleCallback(then, { timeout: 250 });
  } else {
    setTimeout(then, 0);
  }
}

/**
 * @param {string} kind
 * @param {() => void} write
 */
export function writeSoon(kind, write) {
  waiting.set(kind, write);
  if (!scheduled) {
    scheduled = true;
    whenIdle(writeWaiting);
  }
}

// Makes every waiting write now.
export function writeWaiting() {
  scheduled = false;
  const writes = [...waiting.values()];
  waiting.clear();
  for (const write of writes) {
    write();
  }
}

// Forgets a waiting write of `kind`, which something newer has made pointless.
/** @param {string} kind */
export function dropWaiting(kind) {
  waiting.delete(kind);
}

window.addEventListener('pagehide', writeWaiting, { signal: running });
document.addEventListener('visibilitychange', () => {
  if (document.visibilityState === 'hidden') {
    writeWaiting();
  }
}, { signal: running });
