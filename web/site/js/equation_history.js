// The equations solved, as the field offers them again: kept in the
// browser's storage under one key (the native side's text, which it checks:
// a damaged value counts as none and is replaced at the next solve; it reads
// the key again before each write, so tabs add to one history), walked
// through by Up and Down in the field, listed by the drop-down beside it.
// Storage that is switched off or full only keeps nothing between visits.
import { runShortcut } from './keys.js';
import { running } from './program_life.js';
import { text } from './texts.js';
import { writeSoon } from './written_soon.js';

const kKey = 'Parabel.history';

function stored() {
  try {
    return window.localStorage.getItem(kKey);
  } catch {
    return null;
  }
}

/** @param {string | null} text */
function store(text) {
  try {
    if (text !== null) {
      window.localStorage.setItem(kKey, text);
    }
  } catch {
    // storage switched off or full: the history lasts as long as the page
  }
}

export class EquationHistory {
  /**
   * @param {import('../parabel.js').Page} page
   * @param {{field: HTMLInputElement, button: HTMLButtonElement, list: HTMLUListElement}} elements
   */
  constructor(page, { field, button, list }) {
    this.page = page;
    this.field = field;
    this.button = button;
    this.list = list;
    this.active = -1;  // the highlighted option while the list is open
    page.readHistory(stored);
    field.addEventListener('input', () => page.endHistoryWalk(), { signal: running });
    field.addEventListener('keydown', (event) => {
      runShortcut(event, {
        ArrowUp: () => this.show(page.historyOlder(field.value)),
        ArrowDown: () => this.show(page.historyNewer()),
        'Alt+ArrowDown': () => this.open(),
      });
    }, { signal: running });
    button.addEventListener('click', () => (this.isOpen ? this.close(true) : this.open()), {
      signal: running,
    });
    list.addEventListener('keydown', (event) => this.listKey(event), { signal: running });
    list.addEventListener('click', (event) => {
      const option = event.target instanceof Element ? event.target.closest('[role="option"]') : null;
      const index = option ? [...list.children].indexOf(option) : -1;
      if (option && index >= 0 && option.getAttribute('aria-disabled') !== 'true') {
        this.choose(index);
      }
    }, { signal: running });
    document.addEventListener('pointerdown', (event) => {
      const target = event.target instanceof Node ? event.target : null;
      if (this.isOpen && !list.contains(target) && target !== button && !button.contains(target)) {
        this.close(false);
      }
    }, { signal: running });
    list.addEventListener('focusout', (event) => {
      const to = event.relatedTarget instanceof Node ? event.relatedTarget : null;
      if (this.isOpen && !list.contains(to) && to !== button) {
        this.close(false);
      }
    }, { signal: running });
  }

  get isOpen() {
    return !this.list.hidden;
  }

  // Keeps the history after a solve, once the solve has been shown: the
  // native side reads it again then, adds the equations solved meanwhile
  // and gives the text to store.
  save() {
    writeSoon('history', () => store(this.page.historyText()));
  }

  clear() {
    this.page.clearHistory();
    store(this.page.historyText());
  }

  /** @param {string | null} text */
  show(text) {
    if (text !== null) {
      this.field.value = text;
      this.field.setSelectionRange(text.length, text.length);
    }
  }

  // The drop-down: the equations newest first, the first highlighted.
  open() {
    const equations = this.page.history();
    const options = equations.map((equation, index) => {
      const option = document.createElement('li');
      option.id = `history-${index}`;
      option.setAttribute('role', 'option');
      option.textContent = equation;
      return option;
    });
    if (options.length === 0) {
      const none = document.createElement('li');
      none.setAttribute('role', 'option');
      none.setAttribute('aria-disabled', 'true');
      none.textContent = text('history.none');
      options.push(none);
    }
    this.list.replaceChildren(...options);
    this.list.hidden = false;
    this.button.setAttribute('aria-expanded', 'true');
    this.highlight(equations.length > 0 ? 0 : -1);
    this.list.focus();
  }

  /** @param {boolean} toField */
  close(toField) {
    this.list.hidden = true;
    this.button.setAttribute('aria-expanded', 'false');
    this.list.removeAttribute('aria-activedescendant');
    if (toField) {
      this.field.focus();
    }
  }

  /** @param {number} index */
  highlight(index) {
    this.active = index;
    [...this.list.children].forEach((option, at) => option.setAttribute('aria-selected', String(at === index)));
    if (index >= 0) {
      this.list.setAttribute('aria-activedescendant', `history-${index}`);
      this.list.children[index].scrollIntoView({ block: 'nearest' });
    }
  }

  // An equation chosen: in the field, to be solved or changed, as the
  // window's drop-down gives it.
  /** @param {number} index */
  choose(index) {
    this.field.value = this.page.history()[index];
    this.page.endHistoryWalk();
    this.close(true);
  }

  /** @param {KeyboardEvent} event */
  listKey(event) {
    const count = this.page.history().length;
    const move = (/** @type {number} */ to) => count > 0 && this.highlight((to + count) % count);
    const handled = runShortcut(event, {
      ArrowDown: () => move(this.active + 1),
      ArrowUp: () => move(this.active - 1),
      Home: () => move(0),
      End: () => move(count - 1),
      Enter: () => this.active >= 0 && this.choose(this.active),
      ' ': () => this.active >= 0 && this.choose(this.active),
      Escape: () => this.close(true),
      'Alt+ArrowUp': () => this.close(true),
      Tab: () => this.close(true),
    });
    if (!handled) {
      event.stopPropagation();  // the window's keys stay out of the list
    }
  }
}
