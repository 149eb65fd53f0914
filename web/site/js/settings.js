// The settings file Inf.ini, kept in the browser's storage: its bytes
// (Windows-1251, as the desktop's file holds them) stored one character per
// byte, so what is written back is byte for byte what was read.

const kKey = 'Inf.ini';
const kLanguageKey = 'language';

function storage() {
  try {
    return window.localStorage;
  } catch {
    return null;  // storage switched off: the colour lasts as long as the page
  }
}

// The interface language chosen in the menu: its text as the native module
// writes it ("en\n"), or null when none was chosen or storage is off.
export function readLanguageChoice() {
  return storage()?.getItem(kLanguageKey) ?? null;
}

/** @param {string} text */
export function writeLanguageChoice(text) {
  storage()?.setItem(kLanguageKey, text);
}

export function readSettings() {
  const text = storage()?.getItem(kKey) ?? '';
  return Uint8Array.from(text, (character) => character.charCodeAt(0) & 0xff);
}

/** @param {Uint8Array} bytes */
export function writeSettings(bytes) {
  storage()?.setItem(kKey, String.fromCharCode(...bytes));
}
