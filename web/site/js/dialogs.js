// The modal boxes: messages and questions (the desktop's message boxes),
// About, and the save dialog that names a download. Each returns a promise
// that settles when the box has closed; the page waits for it as the desktop
// waits for a modal window.
import { element } from './dom.js';
import { running } from './program_life.js';

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
export function messageBox(caption, text, { icon = 'error', buttons = [['OK', 'ok']] } = {}) {
  const dialog = element('message-box', HTMLDialogElement);
  if (dialog.open) {
    const closed = new Promise((resolve) => {
      dialog.addEventListener('close', resolve, { signal: running, once: true });
    });
    return closed.then(() => messageBox(caption, text, { icon, buttons }));
  }
  document.getElementById('message-caption').textContent = caption;
  document.getElementById('message-text').textContent = text;
  /** @type {HTMLImageElement} */ (dialog.querySelector('.box-icon')).src = `images/${icon}.svg`;
  const row = document.getElementById('message-buttons');
  row.replaceChildren(
    ...buttons.map(([label, value]) => {
      const button = document.createElement('button');
      button.type = 'submit';
      button.value = value;
      button.textContent = label;
      return button;
    }),
  );
  dialog.setAttribute('role', icon === 'error' ? 'alertdialog' : 'dialog');
  const shown = showModal(dialog);
  /** @type {HTMLElement} */ (row.firstElementChild).focus();
  return shown;
}

export async function showError(error) {
  if (error) {
    await messageBox(error.caption, error.message);
  }
}

// True for Yes.
export async function askYesNo(caption, text) {
  const answer = await messageBox(caption, text, {
    icon: 'question',
    buttons: [['Да', 'yes'], ['Нет', 'no']],
  });
  return answer === 'yes';
}

// About, filled once from the author's details.
export function aboutBox(author) {
  const dialog = document.getElementById('about-box');
  if (!dialog.dataset.filled) {
    dialog.dataset.filled = '1';
    document.getElementById('about-author').textContent = `${author.name} aka`;
    document.getElementById('about-nick').textContent = `{ ${author.nickName} }`;
    document.getElementById('about-place').textContent = author.yearAndPlace;
    const site = element('about-site', HTMLAnchorElement);
    site.textContent = author.site;
    site.href = author.site;
    const mail = element('about-mail', HTMLAnchorElement);
    mail.textContent = author.mail;
    mail.href = `mailto: ${author.mail}`;
    element('about-icq', HTMLInputElement).value = author.icq;
  }
  const shown = showModal(dialog);
  document.getElementById('about-ok').focus();
  return shown;
}

// The save dialog: a file name and one of `types` ({label, extension}).
// Gives {name, type} with the extension added when the name has none, or
// null after Cancel.
export async function saveDialog(types, defaultName) {
  const dialog = document.getElementById('save-box');
  const name = element('save-name', HTMLInputElement);
  const select = element('save-type', HTMLSelectElement);
  select.replaceChildren(
    ...types.map((type, index) => new Option(`${type.label} (*.${type.extension})`, String(index))),
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
