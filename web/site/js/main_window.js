// The main window: the equation field, the solution list, the plot panel
// with its pointer read-out, the menus, the toolbar and the status bar, and
// the commands they run. Every result comes from the native page; this only
// shows it, asks what the desktop asks, and moves bytes in and out.
import { copyPicture, copyText } from './clipboard.js';
import { element, elementsIn } from './dom.js';
import { ColorChooser } from './color_chooser.js';
import { attachContextMenu } from './context_menu.js';
import { aboutBox, askYesNo, openModalCount, saveDialog, showError } from './dialogs.js';
import { keepFieldText } from './equation_field.js';
import { EquationHistory } from './equation_history.js';
import { EquationLink } from './equation_link.js';
import { endProgram } from './ended_page.js';
import { download, pickFile } from './files.js';
import { FullScreenView } from './full_screen.js';
import { setHintHandler, watchHints } from './hints.js';
import { keyName, runShortcut } from './keys.js';
import { chooseLanguage } from './language.js';
import { MenuBar, showAccessKeysWhileAltHeld } from './menus.js';
import { PlotView } from './plot_view.js';
import { Printer } from './print.js';
import { running } from './program_life.js';
import { readSettings, writeSettings } from './settings.js';
import { announce, showLines } from './solution_list.js';
import { text } from './texts.js';
import { writeWaiting } from './written_soon.js';
import { WorksheetDialog } from './worksheet.js';

// The file types, each with its label's key in the catalog.
const kBmp = { labelKey: 'file_type.bitmap', extension: 'bmp', mime: 'image/bmp' };
const kPng = { labelKey: 'file_type.png', extension: 'png', mime: 'image/png' };
const kText = { labelKey: 'file_type.text', extension: 'txt', mime: 'text/plain' };

/**
 * A type the save dialog offers, and the bytes saved as it.
 * @typedef {{labelKey: string, extension: string, mime: string,
 *   bytes: () => import('../parabel.js').OwnBytes | Promise<Blob>}} SavedType
 */

/**
 * @param {HTMLElement} element
 * @returns {HTMLElement}
 */
function parentOf(element) {
  const parent = element.parentElement;
  if (!parent) {
    throw new Error(`the page's ${element.localName} #${element.id} stands in no element`);
  }
  return parent;
}

// The room the plot has in its holder: the width the holder's parent gives
// it, and the screen's height, so that the whole plot shows at once. A
// phone on its side sets the plot beside everything else (its parent is
// laid out by the window): half the screen's width.
/**
 * @param {HTMLElement} holder
 * @returns {[number, number]}
 */
function roomFor(holder) {
  const page = document.documentElement;
  const own = getComputedStyle(holder);
  const height = page.clientHeight - parseFloat(own.paddingTop) - parseFloat(own.paddingBottom);
  const container = parentOf(holder);
  const parent = getComputedStyle(container);
  if (parent.display === 'contents') {
    return [page.clientWidth / 2, height];
  }
  const width = container.clientWidth - parseFloat(parent.paddingLeft) - parseFloat(parent.paddingRight);
  return [width, height];
}

export class MainWindow {
  /** @param {import('../parabel.js').Native} native */
  constructor(native) {
    this.native = native;
    this.page = new native.Page();
    this.field = element('equation', HTMLInputElement);
    this.list = element('solution', HTMLUListElement);
    this.status = element('status', HTMLElement);
    this.description = element('plot-description', HTMLElement);
    this.plot = new PlotView(element('plot', HTMLCanvasElement), 1);
    this.colorChooser = new ColorChooser(element('curve-color', HTMLInputElement), element('menu-settings', HTMLElement));
    this.announcement = element('announcement', HTMLElement);
    const smallest = { width: native.smallestFullScreenWidth, height: native.smallestFullScreenHeight };
    this.fullScreen = new FullScreenView(this.page, smallest, {
      save: (name, bmp, png) => this.savePicture(name, bmp, png),
      copyPicture: (view) => this.copyPictureOf(view),
      closed: () => {
        this.link.obeyWaitingSoon();
        return this.afterModal();
      },
    });
    /** @type {Record<string, () => void>} */
    this.commands = {
      solve: () => this.solve(),
      refresh: () => this.refresh(),
      fullscreen: () => this.fullScreen.open(),
      clear: () => this.clear(),
      'save-solution': () => this.saveSolution(),
      'save-plot': () => this.savePlot(),
      load: () => this.load(),
      exit: () => this.exit(),
      color: () => this.chooseColor(),
      about: () => this.about(),
      print: () => this.print(),
      worksheet: () => this.worksheet.open(),
      'copy-link': () => this.copyLink(),
      'clear-history': () => this.history.clear(),
    };
    this.keys = {
      Enter: () => this.solve(),
      F5: () => this.refresh(),
      'Ctrl+P': () => this.fullScreen.open(),
      'Ctrl+A': () => this.clear(),
      'Ctrl+S': () => this.saveSolution(),
      'Ctrl+G': () => this.savePlot(),
      'Ctrl+L': () => this.load(),
      'Ctrl+Alt+E': () => this.exit(),
      'Ctrl+Alt+W': () => this.chooseColor(),
      F1: () => this.about(),
      'Ctrl+Shift+P': () => this.print(),
    };
    // Print, the link to the equation and the equations solved before.
    this.printer = new Printer(this.page, element('printed-page', HTMLElement), this.native);
    this.worksheet = new WorksheetDialog(native, this.printer, (equation) => this.openEquation(equation), () => {
      this.afterModal();
    });
    this.link = this.createLink();
    this.history = new EquationHistory(this.page, {
      field: this.field,
      button: element('history-button', HTMLButtonElement),
      list: element('history-list', HTMLUListElement),
    });
    this.createControls();
    this.menuBar = this.createMenus();
    this.createStatusBar();
  }

  createLink() {
    return new EquationLink(
      this.native,
      (equation) => this.openEquation(equation),
      () => openModalCount() > 0 || this.fullScreen.isOpen,
      (asked) => this.worksheet.open(asked),
    );
  }

  // An equation of another window's (the worksheet's) in the field, solved.
  /** @param {string} equation */
  openEquation(equation) {
    this.field.value = equation;
    this.solve();
  }

  createControls() {
    keepFieldText(this.field, (text) => this.native.fieldText(text), {
      fits: (text) => this.native.fitsField(text),
      refused: () => void showError(this.native.equationTooLong()),
    });
    // A mouse's move, a finger's drag, and a tap alone.
    for (const type of /** @type {const} */ (['pointermove', 'pointerdown'])) {
      this.plot.canvas.addEventListener(type, (event) => {
        const { x, y } = this.plot.pixelAt(event);
        this.status.textContent = this.native.pointerText(x, y);
      }, { signal: running });
    }
    this.list.addEventListener('keydown', (event) => {
      runShortcut(event, { 'Ctrl+C': () => this.copySolution() });
    }, { signal: running });
    this.plot.canvas.addEventListener('keydown', (event) => {
      runShortcut(event, { 'Ctrl+C': () => this.copyPictureOf(this.plot) });
    }, { signal: running });
    attachContextMenu(this.list, () => [
      { caption: text('copy.solution'), enabled: this.list.childElementCount > 0, run: () => this.copySolution() },
    ]);
    attachContextMenu(this.plot.canvas, () => [
      { caption: text('copy.plot'), enabled: true, run: () => this.copyPictureOf(this.plot) },
    ]);
    const holder = parentOf(this.plot.canvas);
    const fit = () => this.plot.fit(...roomFor(holder));
    window.addEventListener('resize', fit, { signal: running });
    const density = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    density.addEventListener('change', fit, { signal: running });
    fit();
  }

  // The menu bar and the toolbar, which run the commands their items name.
  createMenus() {
    const run = (/** @type {HTMLElement} */ item) => {
      if (item.dataset.language) {
        this.changeLanguage(item.dataset.language);
      } else {
        this.commands[item.dataset.command ?? '']();
      }
    };
    const menuBar = new MenuBar(element('menubar', HTMLElement), run);
    showAccessKeysWhileAltHeld();
    const toolbar = element('toolbar', HTMLElement);
    const tools = elementsIn(toolbar, '.tool', HTMLElement);
    tools.forEach((tool, index) => {
      tool.tabIndex = index === 0 ? 0 : -1;
      tool.addEventListener('click', () => setTimeout(() => run(tool), 0), { signal: running });
    });
    toolbar.addEventListener('keydown', (event) => {
      const index = tools.findIndex((tool) => tool === document.activeElement);
      const by = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
      if (by && index >= 0) {
        event.preventDefault();
        const next = tools[(index + by + tools.length) % tools.length];
        tools.forEach((tool) => (tool.tabIndex = tool === next ? 0 : -1));
        next.focus();
      }
    }, { signal: running });
    document.addEventListener('keydown', (event) => this.key(event), { signal: running });
    return menuBar;
  }

  createStatusBar() {
    setHintHandler((text) => (this.status.textContent = text));
    watchHints(element('main-window', HTMLElement));
    watchHints(element('fullscreen', HTMLElement));
  }

  // The window's keys, wherever the focus is, unless a modal box, the
  // full-screen view or an open menu has them.
  /** @param {KeyboardEvent} event */
  key(event) {
    if (openModalCount() > 0 || this.fullScreen.isOpen) {
      return;
    }
    const name = keyName(event);
    if (name === 'F10' || (event.altKey && !event.ctrlKey && !event.metaKey && event.key !== 'Alt')) {
      if (name === 'F10') {
        event.preventDefault();
        this.menuBar.openFirst();
      } else if (this.menuBar.openByKey(event)) {
        event.preventDefault();
      }
      return;
    }
    const inMenu = event.target instanceof Element && event.target.closest('[role="menu"], [role="menubar"], [role="toolbar"], dialog');
    if (inMenu && (name === 'Enter' || name === ' ')) {
      return;  // the focused item's own key
    }
    if (name.endsWith('+Enter') && event.target === this.field) {
      event.preventDefault();
      this.solve();  // Enter with any modifier in the field
      return;
    }
    runShortcut(event, this.keys);
  }

  showPanel() {
    this.showPicture(this.page.panelRgba(), this.page.description());
  }

  /**
   * @param {import('../parabel.js').OwnBytes} rgba
   * @param {string} description
   */
  showPicture(rgba, description) {
    this.plot.show(rgba, this.native.panelWidth, this.native.panelHeight);
    this.description.textContent = description;
  }

  /** @param {string | null} text */
  showField(text) {
    if (text !== null && text !== undefined) {
      this.field.value = text;
    }
  }

  async afterModal() {
    const error = this.page.afterModal();
    this.showPanel();
    await showError(error);
  }

  async solve() {
    const report = this.page.solve(this.field.value);
    this.showSolveReport(report);
    await showError(report.error);
  }

  /** @param {import('../parabel.js').SolveReport} report */
  showSolveReport(report) {
    this.showPicture(report.rgba, report.description);
    this.showField(report.fieldText);
    if (report.lines) {
      showLines(this.list, report.lines);
      announce(this.announcement, report.lines);
    }
    // A solve that failed takes the field's equation out of the address; a
    // load that read no equation leaves both as they were.
    if (report.error === null || report.fieldText !== null) {
      this.link.follow(this.field.value, report.error === null);
    }
    this.history.save();
  }

  // The language chosen in the menu: the page's texts, the list's lines of
  // the last solve and the plot's description written again in it; the
  // field, the plot and the history stay.
  /** @param {string} code */
  changeLanguage(code) {
    chooseLanguage(this.native, code);
    this.status.textContent = '';
    const report = this.page.changeLanguage(code);
    if (report.lines) {
      showLines(this.list, report.lines);
    }
    this.showPanel();
  }

  async refresh() {
    const error = this.page.refresh();
    this.showPanel();
    await showError(error);
  }

  async clear() {
    this.list.replaceChildren();
    this.field.value = '';
    const error = this.page.clear();
    this.link.follow('', false);
    this.showPanel();
    await showError(error);
  }

  // Asks for a name and type, then downloads the bytes; the dialog covered
  // the plot, which is drawn again afterwards whatever the answer.
  /**
   * @param {string} defaultName
   * @param {SavedType[]} types
   */
  async saveAs(defaultName, types) {
    const chosen = await saveDialog(types, defaultName);
    if (chosen) {
      const data = await chosen.type.bytes();
      download(data, chosen.name, chosen.type.mime);
    }
  }

  async saveSolution() {
    await this.saveAs(text('window.solution'), [{ ...kText, bytes: () => this.page.solutionFile() }]);
    await this.afterModal();
  }

  /**
   * @param {string} defaultName
   * @param {() => import('../parabel.js').OwnBytes} bmp
   * @param {() => Promise<Blob>} png
   */
  async savePicture(defaultName, bmp, png) {
    await this.saveAs(defaultName, [
      { ...kBmp, bytes: bmp },
      { ...kPng, bytes: png },
    ]);
  }

  async savePlot() {
    await this.savePicture(text('window.plot'), () => this.page.plotBmp(), () => this.plot.png());
    await this.afterModal();
  }

  async load() {
    const file = await pickFile(element('load-file', HTMLInputElement));
    if (file) {
      const head = new Uint8Array(await file.slice(0, this.native.maxFirstLine).arrayBuffer());
      const report = this.page.load(head);
      this.showSolveReport(report);
      await showError(report.error);
      return;
    }
    await this.afterModal();  // cancelled: the dialog covered the plot all the same
  }

  async exit() {
    if (await askYesNo(text('command.exit'), text('exit.question'))) {
      writeWaiting();  // the address and the history as the program leaves them
      endProgram();
    }
  }

  readSettings() {
    return this.page.readSettings(readSettings());
  }

  writeSettings() {
    writeSettings(this.page.settingsText());
  }

  // The colour chooser opens with the curve's colour. Browsers do not tell
  // when their picker closes unchanged (Chromium sends nothing), so what the
  // window's Cancel does, Inf.ini's text rewritten in the window's form, is
  // done as the picker opens; a colour chosen then is kept in Inf.ini over
  // it and the plot drawn again.
  chooseColor() {
    this.colorChooser.open(this.page.curveColorHex(), async (chosen) => {
      const error = this.page.chooseCurveColor(chosen);
      this.writeSettings();
      this.showPanel();
      await showError(error);
    });
    const error = this.page.chooseCurveColor(null);
    this.writeSettings();
    showError(error);
  }

  async about() {
    await aboutBox(this.native.authorDetails());
    await this.afterModal();
  }

  async print() {
    if (!this.printer.print()) {
      await showError(this.native.nothingToPrint());
    }
  }

  async copyLink() {
    await this.reportFailed(copyText(this.link.address()));
  }

  async copySolution() {
    const text = this.page.copiedSolution();
    if (text) {
      await this.reportFailed(copyText(text));
    }
  }

  /** @param {PlotView} view */
  async copyPictureOf(view) {
    await this.reportFailed(copyPicture(view.png()));
  }

  // A copy the browser refused (no permission, the page not focused, the
  // clipboard taken meanwhile) is told in the program's words; the
  // browser's own are in English and name its internals.
  /** @param {Promise<void>} copying */
  async reportFailed(copying) {
    try {
      await copying;
    } catch {
      await showError(this.native.copyRefused());
    }
  }
}
