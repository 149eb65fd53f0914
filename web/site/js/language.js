// The interface language: at the start the one the address names for this
// visit (?lang=en), else the one chosen before and kept in the browser's
// storage, else the first of the browser's languages the catalog has, else
// Russian, as the native module's rules choose; from the menu, a choice that
// takes effect at once and is kept. A kept value the catalog does not know
// is passed over without a word. The decimal separator stays the browser
// language's whatever the interface speaks.
import { readLanguageChoice, writeLanguageChoice } from './settings.js';
import { relabel, useTexts } from './texts.js';

/** @typedef {import('../parabel.js').Native} Native */

/** @param {Native} native */
export function startLanguage(native) {
  useTexts(native);
  const forThisVisit = new URLSearchParams(location.search).get('lang');
  const code = native.chooseLanguage(forThisVisit, readLanguageChoice(), [...navigator.languages]);
  native.setLanguage(code);
  relabel();
}

// The language chosen in the menu, kept for the visits after this one.
/**
 * @param {Native} native
 * @param {string} code
 */
export function chooseLanguage(native, code) {
  writeLanguageChoice(native.languageChoiceText(code));
  native.setLanguage(code);
  relabel();
}
