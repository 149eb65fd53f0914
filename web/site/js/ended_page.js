// What is left after Exit: a tab the page itself opened closes, as a
// browser lets a script close it; any other tab shows that the program has
// ended, with a button that starts it again, in place of an empty page that
// Back would not leave.

// True where the browser lets the page close its own tab: one opened by a
// script, or one that has been on no other page.
function closable() {
  return Boolean(window.opener) || history.length <= 1;
}

export function endProgram() {
  const heading = document.createElement('h1');
  heading.textContent = 'Программа завершена.';
  const again = document.createElement('button');
  again.type = 'button';
  again.id = 'start-again';
  again.textContent = 'Запустить снова';
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
