// The curve colour's chooser: the browser's colour picker on one input,
// opened by the command where its menu opens. Each opening waits for its
// colour ("change"), or for Cancel where a browser tells it ("cancel");
// a new opening ends the one before, and the program's end ends it, so
// none is left listening.
import { running } from './program_life.js';
export class ColorChooser {
  /**
   * @param {HTMLInputElement} input
   * @param {HTMLElement} anchor where the picker opens: below it
   */
  constructor(input, anchor) {
    this.input = input;
    this.anchor = anchor;
    /** @type {AbortController | null} the current opening's */
    this.waiting = null;
  }

  // Opens the picker on `hex` ("#rrggbb"); `chosen` gets the colour chosen,
  // "#rrggbb", once, unless the picker is cancelled.
  /**
   * @param {string} hex
   * @param {(hex: string) => void} chosen
   */
  open(hex, chosen) {
    this.waiting?.abort();
    const waiting = new AbortController();
    this.waiting = waiting;
    const signal = AbortSignal.any([waiting.signal, running]);
    const input = this.input;
    input.value = hex;
    input.addEventListener(
      'change',
      () => {
        waiting.abort();
        chosen(input.value);
      },
      { signal },
    );
    input.addEventListener('cancel', () => waiting.abort(), { signal });
    const box = this.anchor.getBoundingClientRect();
    input.style.left = `${box.left}px`;
    input.style.top = `${box.bottom}px`;
    try {
      input.showPicker();
    } catch {
      input.click();  // not from a user's gesture: a click asks the same
    }
  }
}
