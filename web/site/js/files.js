// Files in and out of the page: a download of bytes the native side made,
// and a file the user picks.
import { running } from './program_life.js';

/**
 * @param {Blob | import('../parabel.js').OwnBytes} data
 * @param {string} name
 * @param {string} type
 */
export function download(data, name, type) {
  const blob = data instanceof Blob ? data : new Blob([data], { type });
  const url = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

// The file chosen in the picker `input`, or null when it was cancelled.
/**
 * @param {HTMLInputElement} input
 * @returns {Promise<File | null>}
 */
export function pickFile(input) {
  return new Promise((resolve) => {
    const done = (/** @type {File | null} */ file) => {
      input.removeEventListener('change', changed);
      input.removeEventListener('cancel', cancelled);
      input.value = '';
      resolve(file);
    };
    const changed = () => done(input.files?.[0] ?? null);
    const cancelled = () => done(null);
    input.addEventListener('change', changed, { signal: running });
    input.addEventListener('cancel', cancelled, { signal: running });
    input.click();
  });
}
