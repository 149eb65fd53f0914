// Hints in the status bar, as the desktop routes its status tips: every
// change of the current hint reaches the one handler set at that moment (the
// main window's status bar, the full-screen view's while it is open). An
// element's hint is its data-hint; moving onto it or focusing it shows the
// hint, leaving it shows the empty hint. No pop-ups.
import { running } from './program_life.js';

/** @type {(text: string) => void} */
let handler = () => {};

// Sets the handler and gives back the one it replaces.
/**
 * @param {(text: string) => void} next
 * @returns {(text: string) => void}
 */
export function setHintHandler(next) {
  const previous = handler;
  handler = next;
  return previous;
}

/** @param {string} text */
export function showHint(text) {
  handler(text);
}

/**
 * @param {EventTarget | null} element
 * @returns {HTMLElement | null}
 */
function hinted(element) {
  return element instanceof Element ? element.closest('[data-hint]') : null;
}

// Follows the pointer and the focus inside `root`.
/** @param {HTMLElement} root */
export function watchHints(root) {
  /** @type {HTMLElement | null} */
  let under = null;
  let x = NaN;
  let y = NaN;
  // A pointer that moves onto an element shows its hint; one that rests
  // where a menu opened by the keyboard appears does not.
  root.addEventListener('pointermove', (event) => {
    const moved = event.clientX !== x || event.clientY !== y;
    x = event.clientX;
    y = event.clientY;
    const element = hinted(event.target);
    if (!moved || element === under) {
      return;
    }
    const left = under;
    under = element;
    if (element) {
      showHint(element.dataset.hint ?? '');
    } else if (left) {
      showHint('');
    }
  }, { signal: running });
  root.addEventListener('pointerleave', () => {
    if (under) {
      under = null;
      showHint('');
    }
  }, { signal: running });
  root.addEventListener('focusin', (event) => {
    const element = hinted(event.target);
    if (element) {
      showHint(element.dataset.hint ?? '');
    } else if (event.target instanceof Element && event.target.closest('[role="menubar"], [role="menu"]')) {
      showHint('');  // a menu title or item without a hint
    }
  }, { signal: running });
}
