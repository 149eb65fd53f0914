// The equation field before the native module has started: it takes typing
// at once, and an Enter pressed meanwhile solves as soon as the window can.
// What was typed is kept as the field keeps text once the window has it.
import { pasteLinesWithoutBreaks } from './equation_field.js';
import { running } from './program_life.js';

/** @param {HTMLInputElement} field */
export function acceptEarlyTyping(field) {
  let solveWaiting = false;
  const onKey = (/** @type {KeyboardEvent} */ event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      solveWaiting = true;
    }
  };
  field.addEventListener('keydown', onKey, { signal: running });
  const stopPasting = pasteLinesWithoutBreaks(field);
  field.disabled = false;
  field.focus();
  performance.mark('parabel-field-ready');
  return {
    // Hands the field to the window: the text typed so far as the field
    // keeps it, then the solve that Enter asked for, unless the field
    // refused the text. True when it solved.
    /**
     * @param {() => void} solve
     * @returns {boolean}
     */
    handOver(solve) {
      field.removeEventListener('keydown', onKey);
      stopPasting();
      const kept = field.dispatchEvent(new Event('input', { cancelable: true }));
      if (solveWaiting && kept) {
        solve();
        return true;
      }
      return false;
    },
  };
}
