// What is left after Exit: a tab the page itself opened closes, as a
// browser lets a script close it; any other tab shows that the program has
// ended, with a button that starts it again, in place of an empty page that
// Back would not leave. Whatever the program listened to goes with it, so
// the ended page obeys none of its keys, links or prints; the button makes
// a new page, and with it a new program.
import { endRunning } from './program_life.js';
import { text } from './texts.js';

// True where the browser lets the page close its own tab: one opened by a
// script, or one that has been on no other page.
function closable() {
  return Boolean(window.opener) || history.length <= 1;
}

export function endProgram() {
  endRunning();
  const heading = document.createElement('h1');
  heading.textContent = text('ended.heading');
  const again = document.createElement('button');
  again.type = 'button';
  again.id = 'start-again';
  again.textContent = text('ended.again');
  // The ended page's own button, which outlives the program's listeners.
  // eslint-disable-next-line no-restricted-syntax
  again.addEventListener('click', () => location.reload());
  const page = document.createElement('main');
  page.className = 'ended';
  page.append(heading, again);
  document.body.replaceChildren(page);
  document.title = 'Parabel';
  again.focus();
  if (closable()) {
    window.close();
  }
}
