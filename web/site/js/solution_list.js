// The solution list: one line per item, each after its dot image; a line of
// underscores is a separator for screen readers.
export function showLines(list, lines) {
  list.replaceChildren(
    ...lines.map((line) => {
      const item = document.createElement('li');
      item.textContent = line;
      if (line !== '' && /^_+$/.test(line)) {
        item.setAttribute('role', 'separator');
      }
      return item;
    }),
  );
}
