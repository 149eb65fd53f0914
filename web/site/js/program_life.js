// The program's life in the page. Every listener the program adds takes
// `running` as its signal, so that Exit ends them all at once: after it the
// page obeys nothing of the program's (its keys, a change of the address,
// the browser's print) until the program starts again, which makes a new
// page and with it a new life.
const life = new AbortController();

export const running = life.signal;

export function endRunning() {
  life.abort();
}
