// The menu bar and its menus, by pointer and by keyboard as on the desktop:
// a title opens its menu on a click, F10 opens the first, Alt with a title's
// letter (on a Latin or Cyrillic layout) opens that one, and the titles'
// letters show underlined only while Alt is held. In a menu the arrows move,
// Enter runs the item, Escape closes. An item's command runs once the menu
// has closed and the focus is back where it was. A touch or a pen taps a
// title or a submenu's opener to open or close it (such a pointer leaves as
// soon as it lifts, so leaving means nothing for it); a mouse opens a
// submenu by resting on its opener, and the submenu closes a moment after
// the mouse has left, unless it reaches the submenu first, so that a
// diagonal move across the next item does not close it.
import { running } from './program_life.js';

const kSubmenuCloseDelay = 400;  // ms, as desktop menus wait

const kItems = ':scope > [role="menuitem"], :scope > .submenu-holder > [role="menuitem"]';

function itemsOf(menu) {
  return [...menu.querySelectorAll(kItems)].filter((item) => !item.disabled);
}

function step(items, current, by) {
  const index = items.indexOf(current);
  return items[(index + by + items.length) % items.length];
}

export class MenuBar {
  // `run(item)` runs an item's command.
  constructor(bar, run) {
    this.bar = bar;
    this.run = run;
    this.titles = [...bar.querySelectorAll(':scope > .menu-title-holder > .menu-title')];
    this.open = null;  // the title whose menu is open
    this.returnFocus = null;
    this.closing = new Map();  // a submenu's opener -> its pending close
    this.lastPointer = '';
    this.pointerX = NaN;
    this.pointerY = NaN;  // the kind of pointer that last pressed an opener
    this.titles.forEach((title, index) => {
      title.tabIndex = index === 0 ? 0 : -1;
      const toggle = () => (this.open === title ? this.close(true) : this.openMenu(title, false));
      title.addEventListener('click', toggle, { signal: running });
      title.addEventListener('pointerenter', (event) => {
        if (event.pointerType === 'mouse' && this.open && this.open !== title) {
          this.openMenu(title, false);
        }
      }, { signal: running });
      title.addEventListener('keydown', (event) => this.titleKey(event, title), { signal: running });
    });
    for (const menu of bar.querySelectorAll('[role="menu"]')) {
      menu.addEventListener('keydown', (event) => this.menuKey(event, menu), { signal: running });
      menu.addEventListener('click', (event) => {
        const item = event.target.closest('[role="menuitem"]');
        if (!item || item.closest('[role="menu"]') !== menu) {
          return;  // none, or a submenu's, which that submenu runs
        } else if (!item.hasAttribute('aria-haspopup')) {
          this.choose(item);
        } else if (event.detail === 0) {
          this.openSubmenu(item, true);  // by the keyboard
        } else {
          this.tapOpener(item);
        }
      }, { signal: running });
      for (const opener of menu.querySelectorAll(':scope > .submenu-holder > [aria-haspopup]')) {
        const holder = opener.parentElement;
        const pressed = (event) => (this.lastPointer = event.pointerType);
        holder.addEventListener('pointerdown', pressed, { signal: running });
        holder.addEventListener('pointerenter', (event) => {
          if (event.pointerType === 'mouse') {
            this.openSubmenu(opener, false);
          }
        }, { signal: running });
        holder.addEventListener('pointerleave', (event) => {
          if (event.pointerType === 'mouse') {
            this.closeSubmenuSoon(opener);
          }
        }, { signal: running });
      }
      // A pointer that moves over an item highlights it; one that rests
      // where a menu opened by the keyboard appears does not.
      menu.addEventListener('pointermove', (event) => {
        const item = event.target.closest('[role="menuitem"]');
        const moved = event.clientX !== this.pointerX || event.clientY !== this.pointerY;
        this.pointerX = event.clientX;
        this.pointerY = event.clientY;
        if (moved && item && item.closest('[role="menu"]') === menu && document.activeElement !== item) {
          item.focus({ preventScroll: true });
        }
      }, { signal: running });
    }
    // Where the pointer is, so that a menu appearing under it is no move.
    document.addEventListener('pointermove', (event) => {
      if (!this.bar.contains(/** @type {Node} */ (event.target))) {
        this.pointerX = event.clientX;
        this.pointerY = event.clientY;
      }
    }, { signal: running });
    document.addEventListener('pointerdown', (event) => {
      if (this.open && !this.bar.contains(event.target)) {
        this.close(false);
      }
    }, { signal: running });
  }

  menuOf(title) {
    return title.nextElementSibling;
  }

  // Opens a title's menu; with `focusFirst` its first item takes the focus.
  openMenu(title, focusFirst) {
    if (!this.open && !this.bar.contains(document.activeElement)) {
      this.returnFocus = document.activeElement;
    }
    if (this.open && this.open !== title) {
      this.hide(this.open);
    }
    this.open = title;
    title.setAttribute('aria-expanded', 'true');
    const menu = this.menuOf(title);
    menu.hidden = false;
    (focusFirst ? itemsOf(menu)[0] : title).focus();
  }

  hide(title) {
    title.setAttribute('aria-expanded', 'false');
    const menu = this.menuOf(title);
    menu.hidden = true;
    for (const opener of menu.querySelectorAll('[aria-haspopup]')) {
      this.closeSubmenu(opener);
    }
  }

  // A tap on an opener opens its submenu or closes it; a mouse's click
  // leaves it open, as the mouse opened it already.
  tapOpener(opener) {
    const touch = this.lastPointer === 'touch' || this.lastPointer === 'pen';
    if (touch && opener.getAttribute('aria-expanded') === 'true') {
      this.closeSubmenu(opener);
    } else {
      this.openSubmenu(opener, false);
    }
  }

  openSubmenu(opener, focusFirst) {
    this.cancelClosing(opener);
    opener.setAttribute('aria-expanded', 'true');
    const submenu = opener.nextElementSibling;
    submenu.hidden = false;
    if (focusFirst) {
      itemsOf(submenu)[0].focus();
    }
  }

  closeSubmenuSoon(opener) {
    this.cancelClosing(opener);
    this.closing.set(
      opener,
      setTimeout(() => this.closeSubmenu(opener), kSubmenuCloseDelay),
    );
  }

  cancelClosing(opener) {
    clearTimeout(this.closing.get(opener));
    this.closing.delete(opener);
  }

  closeSubmenu(opener) {
    this.cancelClosing(opener);
    opener.setAttribute('aria-expanded', 'false');
    opener.nextElementSibling.hidden = true;
  }

  // Closes the open menu; with `restore` the focus goes back where it was.
  close(restore) {
    if (!this.open) {
      return;
    }
    this.hide(this.open);
    this.open = null;
    const target = this.returnFocus;
    this.returnFocus = null;
    if (restore && target && target.isConnected && target !== document.body) {
      /** @type {HTMLElement} */ (target).focus();
    } else if (restore) {
      document.getElementById('equation').focus();
    }
  }

  choose(item) {
    this.close(true);
    // After the menu has gone, as the desktop's queued commands.
    setTimeout(() => this.run(item), 0);
  }

  // F10: the first menu, opened with its first item.
  openFirst() {
    this.openMenu(this.titles[0], true);
  }

  // Alt with a key: the title whose letter it is; true when one opened.
  openByKey(event) {
    const key = event.key.toUpperCase();
    const title = this.titles.find((t) => t.dataset.access === key || t.dataset.accessCode === event.code);
    if (!title) {
      return false;
    }
    this.openMenu(title, true);
    return true;
  }

  titleKey(event, title) {
    const index = this.titles.indexOf(title);
    const move = (by) => {
      const next = this.titles[(index + by + this.titles.length) % this.titles.length];
      this.titles.forEach((t) => (t.tabIndex = t === next ? 0 : -1));
      if (this.open) {
        this.openMenu(next, true);
      } else {
        next.focus();
      }
    };
    switch (event.key) {
      case 'ArrowRight':
        move(1);
        break;
      case 'ArrowLeft':
        move(-1);
        break;
      case 'ArrowDown':
      case 'Enter':
      case ' ':
        this.openMenu(title, true);
        break;
      case 'Escape':
        this.close(true);
        break;
      default:
        return;
    }
    event.preventDefault();
    event.stopPropagation();
  }

  menuKey(event, menu) {
    const items = itemsOf(menu);
    const current = document.activeElement;
    const submenu = menu.classList.contains('submenu');
    const index = this.titles.indexOf(this.open);
    switch (event.key) {
      case 'ArrowDown':
        step(items, current, 1).focus();
        break;
      case 'ArrowUp':
        step(items, current, -1).focus();
        break;
      case 'Home':
        items[0].focus();
        break;
      case 'End':
        items[items.length - 1].focus();
        break;
      case 'ArrowRight':
        if (current.hasAttribute('aria-haspopup')) {
          this.openSubmenu(current, true);
        } else {
          this.openMenu(this.titles[(index + 1) % this.titles.length], true);
        }
        break;
      case 'ArrowLeft':
        if (submenu) {
          const opener = menu.previousElementSibling;
          this.closeSubmenu(opener);
          opener.focus();
        } else {
          this.openMenu(this.titles[(index - 1 + this.titles.length) % this.titles.length], true);
        }
        break;
      case 'Escape':
        if (submenu) {
          const opener = menu.previousElementSibling;
          this.closeSubmenu(opener);
          opener.focus();
        } else {
          this.close(true);
        }
        break;
      case 'Enter':
      case ' ':
        if (current.hasAttribute('aria-haspopup')) {
          this.openSubmenu(current, true);
        } else {
          this.choose(current);
        }
        break;
      case 'Tab':
        this.close(true);
        return;
      default:
        return;
    }
    event.preventDefault();
    event.stopPropagation();
  }
}

// The titles' letters underlined while Alt alone is held.
export function showAccessKeysWhileAltHeld() {
  const root = document.documentElement;
  const held = (event) => root.classList.toggle('show-keys', event.key === 'Alt');
  window.addEventListener('keydown', held, { signal: running });
  window.addEventListener('keyup', () => root.classList.remove('show-keys'), { signal: running });
  window.addEventListener('blur', () => root.classList.remove('show-keys'), { signal: running });
}
