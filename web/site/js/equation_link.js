// Links to the page with an equation: the address's fragment ("#x^2-5x+6"),
// which the browser never sends to the server. The page opens solved when
// its address carries one, solves again when the user changes it, and the
// address follows each solve in place, without a back-history entry for
// every Enter.
import { running } from './program_life.js';

export class EquationLink {
  /**
   * @param {import('../parabel.js').Native} native
   * @param {(equation: string) => void} solve puts an equation in the field and solves it
   */
  constructor(native, solve) {
    this.native = native;
    this.solve = solve;
    window.addEventListener('hashchange', () => this.openAddress(), { signal: running });
  }

  // Solves the address's equation, if it carries one; true when it did.
  openAddress() {
    const equation = this.native.equationOfFragment(location.hash);
    if (equation === null) {
      return false;
    }
    this.solve(equation);
    return true;
  }

  // The address of the field's equation, in place of the current one; none
  // for an empty field.
  follow(fieldText) {
    const address = new URL(location.href);
    address.hash = fieldText === '' ? '' : this.native.fragmentOf(fieldText);
    const text = fieldText === '' ? address.href.replace(/#$/, '') : address.href;
    if (text !== location.href) {
      history.replaceState(history.state, '', text);
    }
  }

  // The full address of the equation last solved.
  address() {
    return location.href;
  }
}
