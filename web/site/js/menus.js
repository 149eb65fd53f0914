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
import { element, elementIn, elementsIn } from './dom.js';
import { running } from './program_life.js';

const kSubmenuCloseDelay = 400;  // ms, as desktop menus wait

// Items: commands, submenus' openers, and the languages' radio items.
const kItems = ':scope > [role^="menuitem"], :scope > .submenu-holder > [role="menuitem"]';

/** @param {HTMLElement} menu */
function itemsOf(menu) {
  return elementsIn(menu, kItems, HTMLButtonElement).filter((item) => !item.disabled);
}

/**
 * @param {HTMLButtonElement[]} items
 * @param {Element | null} current
 * @param {number} by
 */
function step(items, current, by) {
  const index = items.findIndex((item) => item === current);
  return items[(index + by + items.length) % items.length];
}

// The menu item an event happened on, if any.
/**
 * @param {EventTarget | null} target
 * @returns {HTMLElement | null}
 */
function itemAt(target) {
  const item = target instanceof Element ? target.closest('[role^="menuitem"]') : null;
  return item instanceof HTMLElement ? item : null;
}

// The menu a title or a submenu's opener opens: the element after it.
/**
 * @param {HTMLElement} opener
 * @returns {HTMLElement}
 */
function menuAfter(opener) {
  const menu = opener.nextElementSibling;
  if (!(menu instanceof HTMLElement)) {
    throw new Error(`the page has no menu after #${opener.id}`);
  }
  return menu;
}

// A submenu's opener: the element before it.
/**
 * @param {HTMLElement} submenu
 * @returns {HTMLElement}
 */
function openerBefore(submenu) {
  const opener = submenu.previousElementSibling;
  if (!(opener instanceof HTMLElement)) {
    throw new Error('the page has a submenu without its opener');
  }
  return opener;
}

export class MenuBar {
  /**
   * @param {HTMLElement} bar
   * @param {(item: HTMLElement) => void} run runs an item's command
   */
  constructor(bar, run) {
    this.bar = bar;
    this.run = run;
    this.titles = elementsIn(bar, ':scope > .menu-title-holder > .menu-title', HTMLElement);
    /** @type {HTMLElement | null} the title whose menu is open */
    this.open = null;
    /** @type {Element | null} */
    this.returnFocus = null;
    /** @type {Map<HTMLElement, number>} a submenu's opener -> its pending close */
    this.closing = new Map();
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
    for (const menu of elementsIn(bar, '[role="menu"]', HTMLElement)) {
      menu.addEventListener('keydown', (event) => this.menuKey(event, menu), { signal: running });
      menu.addEventListener('click', (event) => {
        const item = itemAt(event.target);
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
      for (const holder of elementsIn(menu, ':scope > .submenu-holder', HTMLElement)) {
        const opener = elementIn(holder, ':scope > [aria-haspopup]', HTMLElement);
        const pressed = (/** @type {PointerEvent} */ event) => (this.lastPointer = event.pointerType);
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
        const item = itemAt(event.target);
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
      if (!(event.target instanceof Node && this.bar.contains(event.target))) {
        this.pointerX = event.clientX;
        this.pointerY = event.clientY;
      }
    }, { signal: running });
    document.addEventListener('pointerdown', (event) => {
      if (this.open && !(event.target instanceof Node && this.bar.contains(event.target))) {
        this.close(false);
      }
    }, { signal: running });
  }

  // Opens a title's menu; with `focusFirst` its first item takes the focus.
  /**
   * @param {HTMLElement} title
   * @param {boolean} focusFirst
   */
  openMenu(title, focusFirst) {
    if (!this.open && !this.bar.contains(document.activeElement)) {
      this.returnFocus = document.activeElement;
    }
    if (this.open && this.open !== title) {
      this.hide(this.open);
    }
    this.open = title;
    title.setAttribute('aria-expanded', 'true');
    const menu = menuAfter(title);
    menu.hidden = false;
    (focusFirst ? itemsOf(menu)[0] : title).focus();
  }

  /** @param {HTMLElement} title */
  hide(title) {
    title.setAttribute('aria-expanded', 'false');
    const menu = menuAfter(title);
    menu.hidden = true;
    for (const opener of elementsIn(menu, '[aria-haspopup]', HTMLElement)) {
      this.closeSubmenu(opener);
    }
  }

  // A tap on an opener opens its submenu or closes it; a mouse's click
  // leaves it open, as the mouse opened it already.
  /** @param {HTMLElement} opener */
  tapOpener(opener) {
    const touch = this.lastPointer === 'touch' || this.lastPointer === 'pen';
    if (touch && opener.getAttribute('aria-expanded') === 'true') {
      this.closeSubmenu(opener);
    } else {
      this.openSubmenu(opener, false);
    }
  }

  /**
   * @param {HTMLElement} opener
   * @param {boolean} focusFirst
   */
  openSubmenu(opener, focusFirst) {
    this.cancelClosing(opener);
    opener.setAttribute('aria-expanded', 'true');
    const submenu = menuAfter(opener);
    submenu.hidden = false;
    if (focusFirst) {
      itemsOf(submenu)[0].focus();
    }
  }

  /** @param {HTMLElement} opener */
  closeSubmenuSoon(opener) {
    this.cancelClosing(opener);
    this.closing.set(
      opener,
      setTimeout(() => this.closeSubmenu(opener), kSubmenuCloseDelay),
    );
  }

  /** @param {HTMLElement} opener */
  cancelClosing(opener) {
    clearTimeout(this.closing.get(opener));
    this.closing.delete(opener);
  }

  /** @param {HTMLElement} opener */
  closeSubmenu(opener) {
    this.cancelClosing(opener);
    opener.setAttribute('aria-expanded', 'false');
    menuAfter(opener).hidden = true;
  }

  // Closes the open menu; with `restore` the focus goes back where it was.
  /** @param {boolean} restore */
  close(restore) {
    if (!this.open) {
      return;
    }
    this.hide(this.open);
    this.open = null;
    const target = this.returnFocus;
    this.returnFocus = null;
    if (restore && target instanceof HTMLElement && target.isConnected && target !== document.body) {
      target.focus();
    } else if (restore) {
      element('equation', HTMLInputElement).focus();
    }
  }

  /** @param {HTMLElement} item */
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
  /** @param {KeyboardEvent} event */
  openByKey(event) {
    const key = event.key.toUpperCase();
    const title = this.titles.find((t) => t.dataset.access === key || t.dataset.accessCode === event.code);
    if (!title) {
      return false;
    }
    this.openMenu(title, true);
    return true;
  }

  /**
   * @param {KeyboardEvent} event
   * @param {HTMLElement} title
   */
  titleKey(event, title) {
    const index = this.titles.indexOf(title);
    const move = (/** @type {number} */ by) => {
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

  /**
   * @param {KeyboardEvent} event
   * @param {HTMLElement} menu
   */
  menuKey(event, menu) {
    const items = itemsOf(menu);
    // The focused item: the key came to the menu through it.
    const current = document.activeElement;
    if (!(current instanceof HTMLElement)) {
      return;
    }
    const submenu = menu.classList.contains('submenu');
    const index = this.open ? this.titles.indexOf(this.open) : -1;
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
          const opener = openerBefore(menu);
          this.closeSubmenu(opener);
          opener.focus();
        } else {
          this.openMenu(this.titles[(index - 1 + this.titles.length) % this.titles.length], true);
        }
        break;
      case 'Escape':
        if (submenu) {
          const opener = openerBefore(menu);
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
  const held = (/** @type {KeyboardEvent} */ event) => root.classList.toggle('show-keys', event.key === 'Alt');
  window.addEventListener('keydown', held, { signal: running });
  window.addEventListener('keyup', () => root.classList.remove('show-keys'), { signal: running });
  window.addEventListener('blur', () => root.classList.remove('show-keys'), { signal: running });
}
