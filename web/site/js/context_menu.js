// A context menu of one or more commands, by the pointer's right button or
// the keyboard's menu key, shown where it was asked for. Each view has its
// own, inside it, so the full-screen view shows its menu too.
import { running } from './program_life.js';

/** @typedef {{caption: string, enabled: boolean, run: () => void}} ContextCommand */

// The element each open menu gives the focus back to when it closes.
/** @type {WeakMap<HTMLElement, HTMLElement>} */
const owners = new WeakMap();

/**
 * @param {Element} host
 * @returns {HTMLElement | null}
 */
function existingMenuIn(host) {
  const found = host.querySelector(':scope > .context');
  return found instanceof HTMLElement ? found : null;
}

/** @param {HTMLElement} menu */
function enabledItems(menu) {
  return [...menu.querySelectorAll('button:not(:disabled)')].filter((item) => item instanceof HTMLButtonElement);
}

/**
 * @param {Element} host
 * @returns {HTMLElement}
 */
function menuIn(host) {
  let element = existingMenuIn(host);
  if (!element) {
    const created = document.createElement('div');
    element = created;
    element.className = 'menu context';
    element.setAttribute('role', 'menu');
    element.hidden = true;
    host.append(element);
    element.addEventListener('keydown', (event) => {
      const items = enabledItems(created);
      const index = items.findIndex((item) => item === document.activeElement);
      if (event.key === 'Escape' || event.key === 'Tab') {
        event.preventDefault();
        close(created);
      } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        event.preventDefault();
        const by = event.key === 'ArrowDown' ? 1 : -1;
        items[(index + by + items.length) % items.length]?.focus();
      }
    }, { signal: running });
  }
  return element;
}

/** @param {HTMLElement} element */
function close(element) {
  if (!element.hidden) {
    element.hidden = true;
    owners.get(element)?.focus();
  }
}

// `items()` gives [{caption, enabled, run}] at the moment the menu opens.
/**
 * @param {HTMLElement} target
 * @param {() => ContextCommand[]} items
 */
export function attachContextMenu(target, items) {
  const host = target.closest('.fullscreen') ?? document.body;
  target.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    const element = menuIn(host);
    owners.set(element, target);
    element.replaceChildren(
      ...items().map(({ caption, enabled, run }) => {
        const item = document.createElement('button');
        item.type = 'button';
        item.className = 'menu-item';
        item.setAttribute('role', 'menuitem');
        item.textContent = caption;
        item.disabled = !enabled;
        item.addEventListener('click', () => {
          close(element);
          setTimeout(run, 0);
        }, { signal: running });
        return item;
      }),
    );
    const box = target.getBoundingClientRect();
    const x = event.clientX || box.left + 8;
    const y = event.clientY || box.top + 8;
    element.style.left = `${Math.max(0, Math.min(x, window.innerWidth - 180))}px`;
    element.style.top = `${y}px`;
    element.hidden = false;
    enabledItems(element)[0]?.focus();
  }, { signal: running });
  document.addEventListener('pointerdown', (event) => {
    const element = existingMenuIn(host);
    if (element && !(event.target instanceof Node && element.contains(event.target))) {
      close(element);
    }
  }, { signal: running });
}
