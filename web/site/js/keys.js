// Key presses named as the menus write them: "Enter", "F5", "Ctrl+S",
// "Ctrl+Alt+E". Letters are named by their place on the keyboard, so a
// Cyrillic layout gives the same names as a Latin one; Cmd counts as Ctrl.
/**
 * @param {KeyboardEvent} event
 * @returns {string}
 */
export function keyName(event) {
  let key = event.key;
  if (/^Key[A-Z]$/.test(event.code)) {
    key = event.code.slice(3);
  } else if (event.key === 'Enter' || event.code === 'NumpadEnter') {
    key = 'Enter';
  } else if (event.key === 'Esc') {
    key = 'Escape';
  }
  const parts = [];
  if (event.ctrlKey || event.metaKey) {
    parts.push('Ctrl');
  }
  if (event.altKey) {
    parts.push('Alt');
  }
  // Shift counts with a named key or a letter ("Ctrl+Shift+P"), not with
  // the character it makes ("+", "?").
  if (event.shiftKey && (key.length > 1 || /^Key[A-Z]$/.test(event.code))) {
    parts.push('Shift');
  }
  parts.push(key);
  return parts.join('+');
}

// Runs the command a table gives for the key, if any, in place of what the
// browser would do with it. `table` maps key names to functions; true when
// one ran.
/**
 * @param {KeyboardEvent} event
 * @param {Record<string, (event: KeyboardEvent) => void>} table
 * @returns {boolean}
 */
export function runShortcut(event, table) {
  const command = table[keyName(event)];
  if (!command) {
    return false;
  }
  event.preventDefault();
  event.stopPropagation();
  command(event);
  return true;
}
