// The full-screen view: the plot of the main panel's equation across the
// screen (the browser's full screen where it allows it, the whole window
// otherwise), with its own menu (save, refresh, exit), its pointer read-out
// in its status bar, and the hints routed there while it is open. It opens
// and closes cleanly however fast the keys come: the browser's full screen
// changes a moment after it is asked, so each opening stands on its own, and
// a change that an earlier opening or closing asked for never acts on it.
// The element's data-state says "opening", "open" or "closed", the last two
// once the browser has done all it was asked.
import { attachContextMenu } from './context_menu.js';
import { showError, openModalCount } from './dialogs.js';
import { element, elementIn } from './dom.js';
import { setHintHandler } from './hints.js';
import { runShortcut } from './keys.js';
import { pixelScale, PlotView } from './plot_view.js';
import { running } from './program_life.js';
import { text } from './texts.js';

/**
 * The main window's part in the view: saving a picture (as BMP bytes or a
 * PNG file), copying one, and what follows the view's closing.
 * @typedef {object} FullScreenHooks
 * @property {(name: string, bmp: () => OwnBytes, png: () => Promise<Blob>) => Promise<void>} save
 * @property {(view: PlotView) => Promise<void>} copyPicture
 * @property {() => Promise<void>} closed
 */

/** @typedef {import('../parabel.js').OwnBytes} OwnBytes */
/** @typedef {{width: number, height: number, cssPerPixel: number}} ScreenSize */

export class FullScreenView {
  // `page` is the native page; `smallest` the smallest screen it draws for;
  // `hooks` the main window's.
  /**
   * @param {import('../parabel.js').Page} page
   * @param {{width: number, height: number}} smallest
   * @param {FullScreenHooks} hooks
   */
  constructor(page, smallest, hooks) {
    this.page = page;
    this.smallest = smallest;
    this.hooks = hooks;
    this.element = element('fullscreen', HTMLElement);
    this.status = element('fullscreen-status', HTMLElement);
    this.description = element('fullscreen-description', HTMLElement);
    this.view = new PlotView(element('fullscreen-plot', HTMLCanvasElement));
    this.isOpen = false;
    // The current opening, a token that a later opening or a closing
    // replaces; whether it has the browser's full screen; whether its own
    // request has had its answer and the picture is drawn for it.
    /** @type {object | null} */
    this.opening = null;
    this.entered = false;
    this.shown = false;
    // Requests to enter or leave the browser's full screen under way, and
    // the last request to leave it.
    this.pending = 0;
    this.leaving = Promise.resolve();
    // A closing gives the focus back to where it was before the opening.
    /** @type {Element | null} */
    this.returnFocus = null;
    this.focusOwed = false;
    /** @type {((text: string) => void) | null} the main window's hints, while the view has them */
    this.replacedHints = null;
    // The screen the picture was last drawn for in this opening.
    /** @type {ScreenSize | null} */
    this.size = null;
    // CSS pixels of the menu bar beyond the status bar's height.
    this.barExcess = 0;
    this.element.dataset.state = 'closed';
    /** @type {Record<string, () => void>} */
    this.commands = {
      'fullscreen-save': () => this.save(),
      'fullscreen-refresh': () => this.refresh(),
      'fullscreen-exit': () => this.close(),
    };
    for (const button of this.element.querySelectorAll('[data-command]')) {
      if (!(button instanceof HTMLElement)) {
        continue;
      }
      const command = this.commands[button.dataset.command ?? ''];
      button.addEventListener('click', () => setTimeout(command, 0), { signal: running });
    }
    this.keys = {
      'Ctrl+S': () => this.save(),
      'Ctrl+F5': () => this.refresh(),
      Escape: () => this.close(),
      'Ctrl+E': () => this.close(),
    };
    this.element.addEventListener('keydown', (event) => {
      if (openModalCount() === 0) {
        runShortcut(event, this.keys);
      }
    }, { signal: running });
    this.view.canvas.addEventListener('keydown', (event) => {
      runShortcut(event, { 'Ctrl+C': () => this.hooks.copyPicture(this.view) });
    }, { signal: running });
    // A mouse's move, a finger's drag, and a tap alone.
    this.view.canvas.addEventListener('pointermove', (event) => this.pointer(event), { signal: running });
    this.view.canvas.addEventListener('pointerdown', (event) => this.pointer(event), { signal: running });
    attachContextMenu(this.view.canvas, () => [
      { caption: text('copy.plot'), enabled: true, run: () => this.hooks.copyPicture(this.view) },
    ]);
    document.addEventListener('fullscreenchange', () => this.fullScreenChanged(), { signal: running });
    const resized = () => this.isOpen && this.pending === 0 && this.measure();
    window.addEventListener('resize', resized, { signal: running });
  }

  // The screen in picture pixels: the view's size at a whole number of
  // device pixels per picture pixel, at least the smallest screen the
  // picture fits (its frame, menu bar and status bar). A menu bar taller
  // than the status bar (a finger's, on a touch screen) takes its excess
  // from the picture's rows.
  /** @returns {ScreenSize} */
  screen() {
    const ratio = window.devicePixelRatio || 1;
    const scale = pixelScale(1);
    const cssPerPixel = scale / ratio;
    this.element.style.setProperty('--px', `${cssPerPixel}px`);
    const bar = (/** @type {string} */ selector) =>
      elementIn(this.element, selector, HTMLElement).getBoundingClientRect().height;
    this.barExcess = Math.max(0, bar('.menubar') - bar('.statusbar'));
    return {
      width: Math.max(this.smallest.width, Math.floor((this.element.clientWidth * ratio) / scale)),
      height: Math.max(this.smallest.height,
        Math.floor(((this.element.clientHeight - this.barExcess) * ratio) / scale)),
      cssPerPixel,
    };
  }

  async open() {
    if (this.isOpen) {
      return;
    }
    const opening = {};
    this.opening = opening;
    this.isOpen = true;
    this.entered = false;
    this.shown = false;
    if (!this.focusOwed) {
      this.returnFocus = document.activeElement;  // else still where it was before the last opening
    }
    this.focusOwed = false;
    this.replacedHints = setHintHandler((text) => (this.status.textContent = text));
    this.status.textContent = '';  // no read-out of an earlier opening
    this.element.hidden = false;
    this.element.dataset.state = 'opening';
    this.size = null;
    this.view.canvas.focus();  // the view's keys work from the start
    // An earlier closing's leave comes first, so its change cannot end this
    // opening's full screen.
    await this.leaving;
    if (this.opening === opening) {
      // Refused (a frame, a setting): the view fills the window instead.
      await this.track(() => this.element.requestFullscreen({ navigationUI: 'hide' }));
    }
    if (this.opening !== opening) {
      return;  // closed meanwhile
    }
    this.entered = document.fullscreenElement === this.element;
    const drawn = this.measure();  // drawn at once; a fault's box waits
    this.shown = true;
    this.settle();
    await drawn;
  }

  // The browser entered or left full screen. Leaving it while this opening
  // had it (the browser's own Esc, a gesture) closes the view. While a
  // request is under way the change is one an earlier opening or closing
  // asked for, passing: the document tells the outcome once none is.
  fullScreenChanged() {
    if (!this.isOpen || this.pending > 0) {
      return;
    }
    if (document.fullscreenElement === this.element) {
      this.entered = true;
      this.measure();
    } else if (this.entered) {
      this.close();
    }
  }

  // Asks to enter or leave full screen and waits for the answer, whatever
  // it is.
  /** @param {() => Promise<void>} request */
  async track(request) {
    this.pending += 1;
    try {
      await request();
    } catch {
      // refused or already done: the state is read from the document
    } finally {
      this.pending -= 1;
    }
    this.settle();
  }

  // Once no request is under way: a full screen that an opening's request
  // gave after the view closed is left, the focus given back after a
  // closing, and the state told.
  settle() {
    if (this.pending > 0) {
      return;
    }
    if (!this.isOpen && document.fullscreenElement === this.element) {
      this.leaveFullScreen();
      return;
    }
    if (!this.isOpen && this.focusOwed) {
      // Only now: entering full screen takes the focus from what lies
      // outside the view.
      this.focusOwed = false;
      if (this.returnFocus instanceof HTMLElement) {
        this.returnFocus.focus();
      }
    }
    this.element.dataset.state = !this.isOpen ? 'closed' : this.shown ? 'open' : 'opening';
  }

  leaveFullScreen() {
    if (document.fullscreenElement === this.element) {
      this.leaving = this.track(() => document.exitFullscreen());
    }
  }

  // Draws the picture for the screen's size, once per opening and size.
  async measure() {
    if (!this.isOpen) {
      return;
    }
    const screen = this.screen();
    if (this.size && this.size.width === screen.width && this.size.height === screen.height) {
      return;
    }
    this.size = screen;
    const error = this.page.openFullScreen(screen.width, screen.height);
    this.show();
    await showError(error);
  }

  show() {
    this.view.show(this.page.fullScreenRgba(), this.page.fullScreenWidth(), this.page.fullScreenHeight());
    // Before this opening's first measure (a refresh while the browser
    // enters full screen) the picture shows one CSS pixel per picture pixel.
    const css = this.size?.cssPerPixel ?? 1;
    this.view.canvas.style.width = `${this.page.fullScreenWidth() * css}px`;
    this.view.canvas.style.height = `${this.page.fullScreenHeight() * css}px`;
    this.description.textContent = this.page.description();
  }

  /** @param {PointerEvent} event */
  async pointer(event) {
    const box = this.element.getBoundingClientRect();
    const css = this.size?.cssPerPixel ?? 1;
    const x = Math.floor((event.clientX - box.left) / css);
    const y = Math.floor((event.clientY - box.top - this.barExcess) / css);
    const readOut = this.page.fullScreenPointer(x, y);
    this.status.textContent = readOut.text;
    if (readOut.error) {
      this.show();
      await showError(readOut.error);
    }
  }

  async refresh() {
    const error = this.page.refreshFullScreen();
    this.show();
    await showError(error);
  }

  async save() {
    await this.hooks.save(text('window.plot'), () => this.page.fullScreenBmp(), () => this.view.png());
    await this.refresh();  // the dialog covered the picture
  }

  async close() {
    if (!this.isOpen) {
      return;
    }
    this.isOpen = false;
    this.opening = null;
    this.entered = false;
    this.element.hidden = true;
    if (this.replacedHints) {
      setHintHandler(this.replacedHints);
    }
    this.focusOwed = true;
    this.leaveFullScreen();
    this.settle();
    await this.hooks.closed();
  }
}
