// The page's texts in the interface language, all from the native module's
// catalog: `text(key)` for what the scripts write, and `relabel()` for what
// the page's HTML holds. The build wrote that HTML in the default language
// and marked each text with its key (data-texts="attribute=key ..."; the
// attribute "text" is the element's content, "title" a menu title with its
// access letter), so another language writes the same elements again.
import { elementsIn } from './dom.js';

/** @typedef {import('../parabel.js').Native} Native */

/** @type {Native | null} */
let source = null;

/** @param {Native} native */
export function useTexts(native) {
  source = native;
}

function native() {
  if (!source) {
    throw new Error('a text was asked for before the native module started');
  }
  return source;
}

// A text by its key: a catalog id ("button.yes"), "command:solve",
// "menu-hint:solve" and the like (see web/page_texts.h).
/**
 * @param {string} key
 * @returns {string}
 */
export function text(key) {
  return native().text(key);
}

/**
 * @param {HTMLElement} title
 * @param {string} key
 */
function writeTitle(title, key) {
  const { before, letter, after, accessLetter, code } = native().menuTitle(key);
  const underlined = document.createElement('u');
  underlined.textContent = letter;
  title.replaceChildren(before, ...(letter ? [underlined, after] : []));
  title.dataset.access = accessLetter;
  title.dataset.accessCode = code;
}

// Writes every marked text of the page again in the current language and
// ticks the current language in its menu.
export function relabel() {
  for (const marked of elementsIn(document, '[data-texts]', HTMLElement)) {
    for (const pair of (marked.dataset.texts ?? '').split(' ')) {
      const [attribute, key] = pair.split('=');
      if (attribute === 'text') {
        marked.textContent = text(key);
      } else if (attribute === 'title') {
        writeTitle(marked, key);
      } else if (attribute && key) {
        marked.setAttribute(attribute, text(key));
      }
    }
  }
  const language = native().language();
  document.documentElement.lang = language;
  for (const item of elementsIn(document, '[data-language]', HTMLElement)) {
    item.setAttribute('aria-checked', String(item.dataset.language === language));
  }
}
