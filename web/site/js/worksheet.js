// The worksheet dialog: the kinds of equation, the count, the variants and
// the seed (with a new one at a press) ask the native module for a class
// set of equations, listed per variant with their answer lines as the
// choices change; Print prints every variant's sheet and then its key
// through the browser's print, and an equation of the list opens in the
// main window, solved. While the dialog is open the address names its
// worksheet, so that a teacher can hand it on; a value the dialog cannot
// take is said in it, and nothing is listed or printed for it.
import { element, elementsIn } from './dom.js';
import { running } from './program_life.js';
import { text } from './texts.js';

/** @typedef {import('../parabel.js').WorksheetFields} WorksheetFields */
/** @typedef {import('../parabel.js').WorksheetReport} WorksheetReport */

/** @returns {[number, number, number]} day, month, year */
function today() {
  const now = new Date();
  return [now.getDate(), now.getMonth() + 1, now.getFullYear()];
}

/**
 * The address's fragment of a worksheet's fields.
 * @param {WorksheetFields} fields
 */
export function worksheetFragment(fields) {
  return `#worksheet=${fields.seed}&count=${fields.count}&variants=${fields.variants}&kinds=${fields.kinds}`;
}

export class WorksheetDialog {
  /**
   * @param {import('../parabel.js').Native} native
   * @param {import('./print.js').Printer} printer
   * @param {(equation: string) => void} openEquation puts an equation in the main window's field and solves it
   * @param {() => void} closed after the dialog has closed
   */
  constructor(native, printer, openEquation, closed) {
    this.native = native;
    this.printer = printer;
    this.openEquation = openEquation;
    this.dialog = element('worksheet-box', HTMLDialogElement);
    this.kinds = element('worksheet-kinds', HTMLElement);
    this.count = element('worksheet-count', HTMLInputElement);
    this.variants = element('worksheet-variants', HTMLInputElement);
    this.seed = element('worksheet-seed', HTMLInputElement);
    this.worked = element('worksheet-worked', HTMLInputElement);
    this.error = element('worksheet-error', HTMLElement);
    this.list = element('worksheet-list', HTMLElement);
    this.printButton = element('worksheet-print', HTMLButtonElement);
    this.addressBefore = '';
    const form = element('worksheet-form', HTMLFormElement);
    form.addEventListener('input', () => this.update(), { signal: running });
    element('worksheet-new-seed', HTMLButtonElement).addEventListener('click', () => {
      this.seed.value = native.newWorksheetSeed();
      this.update();
    }, { signal: running });
    this.printButton.addEventListener('click', () => this.print(), { signal: running });
    this.list.addEventListener('click', (event) => {
      const button = event.target instanceof Element && event.target.closest('[data-equation]');
      if (button instanceof HTMLElement) {
        this.dialog.close();
        this.openEquation(button.dataset.equation ?? '');
      }
    }, { signal: running });
    this.dialog.addEventListener('close', () => {
      this.printer.printDocuments(null);
      if (location.href !== this.addressBefore) {
        history.replaceState(history.state, '', this.addressBefore);
      }
      closed();
    }, { signal: running });
  }

  // Opens the dialog with the fields an address asked for (and what was
  // wrong in it), or with the last fields and a new seed.
  /** @param {WorksheetReport | null} [asked] */
  open(asked = null) {
    this.writeKinds(asked ? asked.fields.kinds.split(',') : this.checkedKinds());
    if (asked) {
      this.count.value = asked.fields.count;
      this.variants.value = asked.fields.variants;
      this.seed.value = asked.fields.seed;
    } else if (this.seed.value === '') {
      this.seed.value = this.native.newWorksheetSeed();
    }
    // An address that asked for this worksheet leaves it once the dialog
    // has closed: a reload then opens the main window as it is.
    const before = new URL(location.href);
    if (asked) {
      before.hash = '';
    }
    this.addressBefore = before.href.replace(/#$/, '');
    this.dialog.returnValue = '';
    this.dialog.showModal();
    this.show(asked ?? this.native.worksheet(this.fields()));
    (this.error.hidden ? this.count : this.error).focus();
  }

  /** @returns {string[] | null} the kinds ticked, or null before the first opening */
  checkedKinds() {
    const boxes = elementsIn(this.kinds, 'input', HTMLInputElement);
    return boxes.length === 0 ? null : boxes.filter((box) => box.checked).map((box) => box.value);
  }

  // The kinds' boxes in the current language, ticked as `ticked` names them
  // (all of them when null).
  /** @param {string[] | null} ticked */
  writeKinds(ticked) {
    const boxes = this.native.worksheetKinds().map(({ name, title }) => {
      const label = document.createElement('label');
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.value = name;
      box.checked = ticked === null || ticked.includes(name);
      label.append(box, title);
      return label;
    });
    this.kinds.replaceChildren(this.kinds.querySelector('legend') ?? '', ...boxes);
  }

  /** @returns {WorksheetFields} */
  fields() {
    return {
      seed: this.seed.value.trim(),
      count: this.count.value.trim(),
      variants: this.variants.value.trim(),
      kinds: (this.checkedKinds() ?? []).join(','),
    };
  }

  update() {
    this.show(this.native.worksheet(this.fields()));
  }

  // The equations per variant, each with its answer line; or the error,
  // with nothing listed and nothing to print.
  /** @param {WorksheetReport} report */
  show(report) {
    this.error.hidden = report.error === null;
    this.error.textContent = report.error ?? '';
    this.printButton.disabled = report.variants === null;
    const variants = (report.variants ?? []).map((variant) => {
      const section = document.createElement('section');
      const heading = document.createElement('h3');
      heading.textContent = text('worksheet.dialog.variant').replace('{variant}', String(variant.number));
      const list = document.createElement('ol');
      list.append(...variant.equations.map(({ equation, kind, answer }) => {
        const item = document.createElement('li');
        item.dataset.kind = kind;
        const open = document.createElement('button');
        open.type = 'button';
        open.className = 'worksheet-equation';
        open.dataset.equation = equation;
        open.textContent = equation;
        open.title = text('worksheet.dialog.open');
        const answerLine = document.createElement('span');
        answerLine.className = 'worksheet-answer';
        answerLine.textContent = answer;
        item.append(open, answerLine);
        return item;
      }));
      section.append(heading, list);
      return section;
    });
    this.list.replaceChildren(...variants);
    if (report.variants !== null) {
      const address = new URL(location.href);
      address.hash = worksheetFragment(report.fields);
      history.replaceState(history.state, '', address.href);
    }
  }

  // Every variant's sheet, then every variant's key, through the browser's
  // print; the browser's own print prints them too while the dialog is open.
  print() {
    const documents = this.native.worksheetDocuments(this.fields(), this.worked.checked, navigator.language, ...today());
    if (documents.length > 0) {
      this.printer.printDocuments(documents);
      window.print();
    }
  }
}
