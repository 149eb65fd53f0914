// A context menu of one or more commands, by the pointer's right button or
// the keyboard's menu key, shown where it was asked for. Each view has its
// own, inside it, so the full-screen view shows its menu too.
import { running } from './program_life.js';

function menuIn(host) {
  let element = host.querySelector(':scope > .context');
  if (!element) {
    element = document.createElement('div');
    element.className = 'menu context';
    element.setAttribute('role', 'menu');
    element.hidden = true;
    host.append(element);
    element.addEventListener('keydown', (event) => {
      const items = [...element.querySelectorAll('button:not(:disabled)')];
      const index = items.indexOf(document.activeElement);
      if (event.key === 'Escape' || event.key === 'Tab') {
        event.preventDefault();
        close(element);
      } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        event.preventDefault();
        const by = event.key === 'ArrowDown' ? 1 : -1;
        items[(index + by + items.length) % items.length]?.focus();
      }
    }, { signal: running });
  }
  return element;
}

function close(element) {
  if (!element.hidden) {
    element.hidden = true;
    element.owner?.focus();
  }
}

// `items()` gives [{caption, enabled, run}] at the moment the menu opens.
export function attachContextMenu(target, items) {
  const host = target.closest('.fullscreen') ?? document.body;
  target.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    const element = menuIn(host);
    element.owner = target;
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
    element.querySelector('button:not(:disabled)')?.focus();
  }, { signal: running });
  document.addEventListener('pointerdown', (event) => {
    const element = host.querySelector(':scope > .context');
    if (element && !element.contains(event.target)) {
      close(element);
    }
  }, { signal: running });
}
