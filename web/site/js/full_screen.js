// The full-screen view: the plot of the main panel's equation across the
// screen (the browser's full screen where it allows it, the whole window
// otherwise), with its own menu (save, refresh, exit), its pointer read-out
// in its status bar, and the hints routed there while it is open.
import { attachContextMenu } from './context_menu.js';
import { saveDialog, showError, openModalCount } from './dialogs.js';
import { setHintHandler } from './hints.js';
import { runShortcut } from './keys.js';
import { pixelScale, PlotView } from './plot_view.js';

export class FullScreenView {
  // `page` is the native page; `hooks` the main window's: save(name, types),
  // copyPicture(view), closed().
  constructor(page, hooks) {
    this.page = page;
    this.hooks = hooks;
    this.element = document.getElementById('fullscreen');
    this.status = document.getElementById('fullscreen-status');
    this.description = document.getElementById('fullscreen-description');
    this.view = new PlotView(document.getElementById('fullscreen-plot'));
    this.isOpen = false;
    this.replacedHints = null;
    this.commands = {
      'fullscreen-save': () => this.save(),
      'fullscreen-refresh': () => this.refresh(),
      'fullscreen-exit': () => this.close(),
    };
    for (const button of this.element.querySelectorAll('[data-command]')) {
      button.addEventListener('click', () => setTimeout(this.commands[button.dataset.command], 0));
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
    });
    this.view.canvas.addEventListener('keydown', (event) => {
      runShortcut(event, { 'Ctrl+C': () => this.hooks.copyPicture(this.view) });
    });
    this.view.canvas.addEventListener('pointermove', (event) => this.pointer(event));
    attachContextMenu(this.view.canvas, () => [
      { caption: 'Копировать график', enabled: true, run: () => this.hooks.copyPicture(this.view) },
    ]);
    document.addEventListener('fullscreenchange', () => {
      if (this.isOpen && document.fullscreenElement !== this.element) {
        this.close();
      } else if (this.isOpen) {
        this.measure();
      }
    });
    window.addEventListener('resize', () => this.isOpen && this.measure());
  }

  // The screen in picture pixels: the view's size at a whole number of
  // device pixels per picture pixel.
  screen() {
    const ratio = window.devicePixelRatio || 1;
    const scale = pixelScale(1);
    return {
      width: Math.floor((this.element.clientWidth * ratio) / scale),
      height: Math.floor((this.element.clientHeight * ratio) / scale),
      cssPerPixel: scale / ratio,
    };
  }

  async open() {
    this.isOpen = true;
    this.returnFocus = document.activeElement;
    this.replacedHints = setHintHandler((text) => (this.status.textContent = text));
    this.status.textContent = '';  // no read-out of an earlier opening
    this.element.hidden = false;
    this.size = null;
    try {
      await this.element.requestFullscreen({ navigationUI: 'hide' });
    } catch {
      // No full screen here (a frame, a refusal): the view fills the window.
    }
    await this.measure();
    this.view.canvas.focus();
  }

  // Draws the picture for the screen's size, once per opening and size.
  async measure() {
    const screen = this.screen();
    if (this.size && this.size.width === screen.width && this.size.height === screen.height) {
      return;
    }
    this.size = screen;
    this.element.style.setProperty('--px', `${screen.cssPerPixel}px`);
    const error = this.page.openFullScreen(screen.width, screen.height);
    this.show();
    await showError(error);
  }

  show() {
    this.view.show(this.page.fullScreenRgba(), this.page.fullScreenWidth(), this.page.fullScreenHeight());
    const css = this.size.cssPerPixel;
    this.view.canvas.style.width = `${this.page.fullScreenWidth() * css}px`;
    this.view.canvas.style.height = `${this.page.fullScreenHeight() * css}px`;
    this.description.textContent = this.page.description();
  }

  async pointer(event) {
    const box = this.element.getBoundingClientRect();
    const css = this.size?.cssPerPixel ?? 1;
    const x = Math.floor((event.clientX - box.left) / css);
    const y = Math.floor((event.clientY - box.top) / css);
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
    await this.hooks.save('График', () => this.page.fullScreenBmp(), () => this.view.png());
    await this.refresh();  // the dialog covered the picture
  }

  async close() {
    if (!this.isOpen) {
      return;
    }
    this.isOpen = false;
    this.element.hidden = true;
    setHintHandler(this.replacedHints);
    if (document.fullscreenElement === this.element) {
      await document.exitFullscreen().catch(() => {});
    }
    this.returnFocus?.focus();
    await this.hooks.closed();
  }
}
