// The modal boxes: messages and questions (the desktop's message boxes),
// About, and the save dialog that names a download. Each returns a promise
// that settles when the box has closed; the page waits for it as the desktop
// waits for a modal window.
import { element, elementIn } from './dom.js';
import { running } from './program_life.js';
import { text } from './texts.js';

/**
 * @param {HTMLDialogElement} dialog
 * @returns {Promise<string>} the dialog's return value once it has closed
 */
function showModal(dialog) {
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => resolve(dialog.returnValue), { signal: running, once: true });
    dialog.returnValue = '';
    dialog.showModal();
  });
}

export function openModalCount() {
  return document.querySelectorAll('dialog[open]').length;
}

// A message box: `buttons` are [caption, value] pairs, the first one focused.
// One box at a time, as the desktop's modal boxes come: asked for while one
// is open (a copy that failed later, say), it opens once that one has closed.
/**
 * @param {string} caption
 * @param {string} message
 * @param {{icon?: string, buttons?: Array<[string, string]>}} [options]
 * @returns {Promise<string>} the value of the button pressed
 */
export function messageBox(caption, message, { icon = 'error', buttons = [[text('button.ok'), 'ok']] } = {}) {
  const dialog = element('message-box', HTMLDialogElement);
  if (dialog.open) {
    const closed = new Promise((resolve) => {
      dialog.addEventListener('close', resolve, { signal: running, once: true });
    });
    return closed.then(() => messageBox(caption, message, { icon, buttons }));
  }
  element('message-caption', HTMLElement).textContent = caption;
  element('message-text', HTMLElement).textContent = message;
  elementIn(dialog, '.box-icon', HTMLImageElement).src = `images/${icon}.svg`;
  const choices = buttons.map(([label, value]) => {
    const button = document.createElement('button');
    button.type = 'submit';
    button.value = value;
    button.textContent = label;
    return button;
  });
  element('message-buttons', HTMLElement).replaceChildren(...choices);
  dialog.setAttribute('role', icon === 'error' ? 'alertdialog' : 'dialog');
  const shown = showModal(dialog);
  choices[0].focus();
  return shown;
}

/** @param {import('../parabel.js').ErrorBox | null} error */
export async function showError(error) {
  if (error) {
    await messageBox(error.caption, error.message);
  }
}

// True for Yes.
/**
 * @param {string} caption
 * @param {string} question
 * @returns {Promise<boolean>}
 */
export async function askYesNo(caption, question) {
  const answer = await messageBox(caption, question, {
    icon: 'question',
    buttons: [[text('button.yes'), 'yes'], [text('button.no'), 'no']],
  });
  return answer === 'yes';
}

// About, filled once from the author's details.
/**
 * @param {import('../parabel.js').AuthorDetails} author
 * @returns {Promise<string>}
 */
export function aboutBox(author) {
  const dialog = element('about-box', HTMLDialogElement);
  if (!dialog.dataset.filled) {
    dialog.dataset.filled = '1';
    element('about-author', HTMLElement).textContent = `${author.name} aka`;
    element('about-nick', HTMLElement).textContent = `{ ${author.nickName} }`;
    element('about-place', HTMLElement).textContent = author.yearAndPlace;
    const site = element('about-site', HTMLAnchorElement);
    site.textContent = author.site;
    site.href = author.site;
    const mail = element('about-mail', HTMLAnchorElement);
    mail.textContent = author.mail;
    mail.href = `mailto: ${author.mail}`;
    element('about-icq', HTMLInputElement).value = author.icq;
  }
  const shown = showModal(dialog);
  element('about-ok', HTMLElement).focus();
  return shown;
}

// The save dialog: a file name and one of `types` ({labelKey, extension},
// the label's key in the catalog).
// Gives {name, type} with the extension added when the name has none, or
// null after Cancel.
/**
 * @template {{labelKey: string, extension: string}} T
 * @param {T[]} types
 * @param {string} defaultName
 * @returns {Promise<{name: string, type: T} | null>}
 */
export async function saveDialog(types, defaultName) {
  const dialog = element('save-box', HTMLDialogElement);
  const name = element('save-name', HTMLInputElement);
  const select = element('save-type', HTMLSelectElement);
  select.replaceChildren(
    ...types.map((type, index) => new Option(`${text(type.labelKey)} (*.${type.extension})`, String(index))),
  );
  name.value = defaultName;
  const shown = showModal(dialog);
  name.focus();
  name.select();
  if ((await shown) !== 'save' || name.value.trim() === '') {
    return null;
  }
  const type = types[Number(select.value)];
  let fileName = name.value.trim();
  if (!/\.[^./\\]+$/.test(fileName)) {
    fileName += `.${type.extension}`;
  }
  return { name: fileName, type };
}
