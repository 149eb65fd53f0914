// The solution list: one line per item, each after its dot image. A line of
// underscores only divides the steps: it stays a line of the list, hidden
// from screen readers, which read the lines around it. A list shorter than
// its lines (a phone on its side) shows their end, the answer.
/**
 * @param {HTMLElement} list
 * @param {string[]} lines
 */
export function showLines(list, lines) {
  list.replaceChildren(
    ...lines.map((line) => {
      const item = document.createElement('li');
      item.textContent = line;
      if (isDivider(line)) {
        item.setAttribute('aria-hidden', 'true');
      }
      return item;
    }),
  );
  list.scrollTop = list.scrollHeight;
}

/** @param {string} line */
function isDivider(line) {
  return /^_+$/.test(line);
}

// The answer, the solution's last line, said by a polite live region once
// the list shows it, as a screen reader reads the window's plot description.
// Emptied first, so that the same answer after another solve is said again.
/**
 * @param {HTMLElement} region
 * @param {string[]} lines
 */
export function announce(region, lines) {
  const answer = lines.filter((line) => line !== '' && !isDivider(line)).at(-1) ?? '';
  region.textContent = '';
  setTimeout(() => (region.textContent = answer), 100);
}
