// The decimal separator of the browser's language, as the desktop reads its
// locale's: one byte, '.' when the language's separator is not a single
// ASCII character ("ru" -> ',', "en" -> '.').
import { running } from './program_life.js';

/** @typedef {import('../parabel.js').Native} Native */

/**
 * @param {string} language
 * @returns {string}
 */
export function decimalSeparatorOf(language) {
  let separator = '.';
  try {
    const part = new Intl.NumberFormat(language).formatToParts(1.5).find((p) => p.type === 'decimal');
    if (part) {
      separator = part.value;
    }
  } catch {
    // an unknown language tag: the separator stays '.'
  }
  return separator.length === 1 && separator.charCodeAt(0) < 0x80 ? separator : '.';
}

// Hands the separator to the native side now (`separator`, when already
// known, is the current language's) and whenever the browser's language
// changes.
/**
 * @param {Native} native
 * @param {string} [separator]
 */
export function followLanguage(native, separator = decimalSeparatorOf(navigator.language)) {
  native.setDecimalSeparator(separator);
  window.addEventListener('languagechange', () => {
    native.setDecimalSeparator(decimalSeparatorOf(navigator.language));
  }, { signal: running });
}
