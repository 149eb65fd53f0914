// Links to the page with an equation: the address's fragment ("#x^2-5x+6"),
// or with a worksheet ("#worksheet=7&count=20&variants=2&kinds=whole,one"),
// which the browser never sends to the server. The page opens solved when
// its address carries one, solves again when the user changes it, and the
// address follows each solve in place, without a back-history entry for
// every Enter. A change of the address waits while a box or the full-screen
// view is open, as the window's own commands wait for them, and is obeyed
// once they have closed.
import { running } from './program_life.js';
import { dropWaiting, writeSoon, writeWaiting } from './written_soon.js';

// The longest address written: the length RFC 9110 (4.1) asks every sender
// and recipient of a link to support, 8000 octets. Browsers take far longer
// ones (Chromium up to 2 MiB), but a link is made to be handed on, through
// mail, messengers and servers that cut or refuse longer ones.
const kLongestAddress = 8000;

export class EquationLink {
  /**
   * @param {import('../parabel.js').Native} native
   * @param {(equation: string) => void} solve puts an equation in the field and solves it
   * @param {() => boolean} busy true while a box or the full-screen view is open
   * @param {(asked: import('../parabel.js').WorksheetReport) => void} openWorksheet
   *   opens the worksheet dialog on what an address ("#worksheet=7&count=20") asks
   */
  constructor(native, solve, busy, openWorksheet) {
    this.native = native;
    this.solve = solve;
    this.busy = busy;
    this.openWorksheet = openWorksheet;
    this.waiting = false;  // a change of the address not yet obeyed
    window.addEventListener('hashchange', () => this.addressChanged(), { signal: running });
    // A box's close does not bubble; it is seen on its way down.
    document.addEventListener('close', () => this.obeyWaitingSoon(), { capture: true, signal: running });
  }

  // Solves the address's equation, if it carries one, or opens the
  // worksheet it names; true when it did.
  openAddress() {
    const worksheet = this.native.worksheetOfAddress(location.hash);
    if (worksheet) {
      this.openWorksheet(worksheet);
      return true;
    }
    const equation = this.native.equationOfFragment(location.hash);
    if (equation === null) {
      return false;
    }
    this.solve(equation);
    return true;
  }

  addressChanged() {
    dropWaiting('address');  // the address typed replaces the one a solve left
    this.waiting = true;
    this.obeyWaiting();
  }

  // Once what the closing of a box or the full-screen view leads to has run
  // (the command's next box, the redraw after it).
  obeyWaitingSoon() {
    setTimeout(() => this.obeyWaiting(), 0);
  }

  obeyWaiting() {
    if (!this.waiting || this.busy() || running.aborted) {
      return;
    }
    this.waiting = false;
    this.openAddress();
  }

  // The address of the equation solved, in place of the current one: none
  // for an empty field, a solve that failed or an address too long to hand
  // on, so that the address never opens another equation than the one the
  // page shows solved. Written once the solve has been shown.
  /**
   * @param {string} fieldText
   * @param {boolean} solved
   */
  follow(fieldText, solved) {
    writeSoon('address', () => this.followNow(fieldText, solved));
  }

  /**
   * @param {string} fieldText
   * @param {boolean} solved
   */
  followNow(fieldText, solved) {
    const address = new URL(location.href);
    address.hash = solved && fieldText !== '' ? this.native.fragmentOf(fieldText) : '';
    let text = address.href.replace(/#$/, '');
    if (text.length > kLongestAddress) {
      address.hash = '';
      text = address.href.replace(/#$/, '');
    }
    if (text !== location.href) {
      history.replaceState(history.state, '', text);
    }
  }

  // The full address of the equation last solved.
  address() {
    writeWaiting();
    return location.href;
  }
}
