// The equation field: whatever is typed, pasted or dropped, it keeps only
// what the native side's field text keeps (lower case, Windows-1251
// characters, "²" as "^2", no line break), the cursor staying after what was
// typed. An edit that would leave more than the field holds is undone whole
// and `refused` tells it; the event's default is prevented then, so that an
// Enter waiting for the edit (early_field.js) does not solve.
import { running } from './program_life.js';

/**
 * @param {HTMLInputElement} input
 * @param {(text: string) => string} fieldText
 * @param {{fits: (text: string) => boolean, refused: () => void}} limit
 */
export function keepFieldText(input, fieldText, limit) {
  pasteLinesWithoutBreaks(input);
  // The text and selection before the user's edit.
  /** @type {{value: string, start: number | null, end: number | null} | null} */
  let before = null;
  const remember = () => {
    before = { value: input.value, start: input.selectionStart, end: input.selectionEnd };
  };
  // An input method's edit counts from where its composition started.
  input.addEventListener('compositionstart', remember, { signal: running });
  input.addEventListener('beforeinput', (event) => {
    if (!event.isComposing) {
      remember();
    }
  }, { signal: running });
  input.addEventListener('input', (event) => {
    if (event instanceof InputEvent && event.isComposing) {
      return;  // an input method's unfinished text: judged once it is done
    }
    const text = input.value;
    const kept = fieldText(text);
    if (!limit.fits(kept)) {
      // Typed before the window had the field, the text has no "before".
      input.value = before?.value ?? '';
      input.setSelectionRange(before?.start ?? 0, before?.end ?? 0);
      event.preventDefault();
      limit.refused();
      return;
    }
    if (kept === text) {
      return;
    }
    const cursor = fieldText(text.slice(0, input.selectionStart ?? text.length)).length;
    input.value = kept;
    input.setSelectionRange(cursor, cursor);
  }, { signal: running });
  input.addEventListener('compositionend',
    () => input.dispatchEvent(new Event('input', { cancelable: true })), { signal: running });
}

// A pasted text with line breaks, which the browser's own paste would turn
// into spaces, goes in as the field's value does: its line breaks removed
// (the value sanitization of a one-line field), then judged as any edit.
// Returns the function that stops this.
/** @param {HTMLInputElement} input */
export function pasteLinesWithoutBreaks(input) {
  const paste = (/** @type {ClipboardEvent} */ event) => {
    const text = event.clipboardData?.getData('text/plain') ?? '';
    if (!/[\r\n]/.test(text)) {
      return;  // the browser's own paste
    }
    event.preventDefault();
    input.dispatchEvent(new InputEvent('beforeinput', { inputType: 'insertFromPaste' }));
    const end = input.value.length;
    input.setRangeText(text, input.selectionStart ?? end, input.selectionEnd ?? end, 'end');
    input.dispatchEvent(new InputEvent('input', { inputType: 'insertFromPaste', cancelable: true }));
  };
  input.addEventListener('paste', paste, { signal: running });
  return () => input.removeEventListener('paste', paste);
}
