// The print command: the pages the native side lays out (the equation line
// and the worked solution in the list's bold font, long lines wrapped, the
// plot's pixels, the program and the date in a footer on each) built in the
// print-only element, one sheet a page, then the browser's print, whose own
// dialog also saves it as PDF. The paper follows
// the browser's language (Letter where the region uses it, A4 elsewhere).
import { context2d } from './dom.js';
import { running } from './program_life.js';

/** @typedef {import('../parabel.js').OwnBytes} OwnBytes */
const kPlacedEdges = /** @type {const} */ (['left', 'right', 'top', 'height', 'lineHeight']);
/** @typedef {typeof kPlacedEdges[number]} PlacedEdge */

// The picture is drawn at the native side's dots of a 600 dpi printer per
// picture pixel (1/100 inch), each pixel a square of whole dots, so that no
// printer, PDF writer or viewer smooths it; it is shown pixelated at its
// size in millimetres as well, for devices of other resolutions.
const kCssPixelMm = 25.4 / 96;

/** @returns {[number, number, number]} day, month, year */
function today() {
  const now = new Date();
  return [now.getDate(), now.getMonth() + 1, now.getFullYear()];
}

/**
 * A div placed by `box`, its edges and sizes in millimetres.
 * @param {string} className
 * @param {Partial<Record<PlacedEdge, number>>} box
 */
function placed(className, box) {
  const element = document.createElement('div');
  element.className = className;
  for (const name of kPlacedEdges) {
    if (box[name] !== undefined) {
      element.style[name] = `${box[name]}mm`;
    }
  }
  return element;
}

// The picture's pixels, each made `dotsPerPixel` square.
/**
 * @param {OwnBytes} rgba
 * @param {number} width
 * @param {number} height
 * @param {number} dotsPerPixel
 */
function pictureCanvas(rgba, width, height, dotsPerPixel) {
  const source = document.createElement('canvas');
  source.width = width;
  source.height = height;
  const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length);
  context2d(source).putImageData(new ImageData(pixels, width, height), 0, 0);
  const canvas = document.createElement('canvas');
  canvas.width = width * dotsPerPixel;
  canvas.height = height * dotsPerPixel;
  const context = context2d(canvas, { alpha: false });
  context.imageSmoothingEnabled = false;
  context.drawImage(source, 0, 0, canvas.width, canvas.height);
  return canvas;
}

/**
 * The plot's picture on its sheet, `top` millimetres from the sheet's top.
 * @param {import('../parabel.js').PrintedDocument} printed
 * @param {OwnBytes} rgba the framed panel's pixels
 * @param {number} top
 * @param {import('../parabel.js').Native} native its units
 */
function placedPlot(printed, rgba, top, native) {
  const dotsPerPixel = native.printDotsPerPixel;
  const picture = pictureCanvas(rgba, printed.pictureWidth, printed.pictureHeight, dotsPerPixel);
  picture.className = 'printed-plot';
  // Placed and sized by a transform, which the browser keeps exact, where a
  // box's own place and size would be rounded to its layout's units: one
  // canvas pixel per CSS pixel, scaled to the picture pixel's millimetres.
  const scale = printed.picturePixel / (dotsPerPixel * kCssPixelMm);
  picture.style.width = `${picture.width}px`;
  picture.style.height = `${picture.height}px`;
  picture.style.transform = `translate(${printed.plotLeft}mm, ${top}mm) scale(${scale})`;
  return picture;
}

/**
 * The footer of every sheet: the program on the left, the date on the right.
 * @param {import('../parabel.js').PrintedDocument} printed
 * @param {import('../parabel.js').Native} native its units
 */
function placedFooter(printed, native) {
  // The footer's line box stands on its baseline: its height is the font's.
  const footerSize = printed.footerFontSizePt * native.millimetresPerPoint;
  const footer = placed('printed-footer', {
    left: printed.margin,
    right: printed.margin,
    top: printed.footerBaseline - footerSize,
    height: footerSize,
    lineHeight: footerSize,
  });
  footer.style.fontSize = `${printed.footerFontSizePt}pt`;
  const left = document.createElement('span');
  left.textContent = printed.footerLeft;
  const right = document.createElement('span');
  right.textContent = printed.footerRight;
  footer.append(left, right);
  return footer;
}

/**
 * A sheet's lines from `top` down, `left` millimetres from its left edge.
 * @param {import('../parabel.js').PrintedDocument} printed
 * @param {string[]} lines
 * @param {number} left
 */
function placedLines(printed, lines, left) {
  return lines.map((line, index) => {
    const element = placed('printed-line', {
      left,
      top: printed.textTop + printed.lineHeight * index,
      height: printed.lineHeight,
      lineHeight: printed.lineHeight,
    });
    element.style.fontSize = `${printed.fontSizePt}pt`;
    element.textContent = line;
    return element;
  });
}

/**
 * The sheets of one printout, one a page: the lines (and a worksheet's
 * second column beside them), the plot where it stands, the footer.
 * @param {import('../parabel.js').PrintedDocument} printed
 * @param {OwnBytes | null} rgba the framed panel's pixels, for a printout with the plot
 * @param {import('../parabel.js').Native} native its units
 */
function sheetsOf(printed, rgba, native) {
  return printed.pages.map((page) => {
    const sheet = document.createElement('div');
    sheet.className = 'printed-sheet';
    sheet.style.width = `${printed.paperWidth}mm`;
    sheet.style.height = `${printed.paperHeight - 1}mm`;
    sheet.append(...placedLines(printed, page.lines, printed.textLeft));
    if (page.secondColumn.length > 0) {
      const column = placedLines(printed, page.secondColumn, printed.secondColumnLeft);
      sheet.append(...column.filter((line) => line.textContent !== ''));
    }
    if (page.plotTop !== null && rgba) {
      sheet.append(placedPlot(printed, rgba, page.plotTop, native));
    }
    sheet.append(placedFooter(printed, native));
    return sheet;
  });
}

/**
 * Fills `holder` with the sheets of the printouts in turn, and the paper's
 * size in the print style.
 * @param {HTMLElement} holder
 * @param {import('../parabel.js').PrintedDocument[]} documents
 * @param {OwnBytes | null} rgba the framed panel's pixels, for a printout with the plot
 * @param {import('../parabel.js').Native} native its units
 */
function layOut(holder, documents, rgba, native) {
  holder.removeAttribute('style');
  holder.replaceChildren(...documents.flatMap((printed) => sheetsOf(printed, rgba, native)));
  paperStyle().textContent = `@page { size: ${documents[0].paper} portrait; margin: 0; }`;
}

function paperStyle() {
  let style = document.getElementById('printed-paper');
  if (!style) {
    style = document.createElement('style');
    style.id = 'printed-paper';
    document.head.append(style);
  }
  return style;
}

export class Printer {
  /**
   * @param {import('../parabel.js').Page} page
   * @param {HTMLElement} holder the print-only element
   * @param {import('../parabel.js').Native} native the units of the page,
   *   and what the browser's own print command prints before a solve, in
   *   place of an empty sheet
   */
  constructor(page, holder, native) {
    this.page = page;
    this.holder = holder;
    this.native = native;
    this.nothingToPrint = native.nothingToPrint().message;
    /** @type {import('../parabel.js').PrintedDocument[] | null} printouts printed in place of the solution */
    this.documents = null;
    // The browser's own print command prints the same page.
    window.addEventListener('beforeprint', () => this.prepare(), { signal: running });
  }

  // Lays the page out for today; false when there is nothing to print.
  prepare() {
    if (this.documents) {
      layOut(this.holder, this.documents, null, this.native);
      return true;
    }
    const printed = this.page.printedDocument(navigator.language, ...today());
    if (!printed) {
      const message = document.createElement('p');
      message.className = 'printed-nothing';
      message.textContent = this.nothingToPrint;
      this.holder.removeAttribute('style');
      this.holder.replaceChildren(message);
      return false;
    }
    layOut(this.holder, [printed], this.page.panelRgba(), this.native);
    return true;
  }

  // Printouts that the print command and the browser's own print print in
  // place of the solution (a worksheet's sheets and keys, while its dialog
  // is open), laid out at once; null prints the solution again.
  /** @param {import('../parabel.js').PrintedDocument[] | null} documents */
  printDocuments(documents) {
    this.documents = documents;
    if (documents) {
      layOut(this.holder, documents, null, this.native);
    }
  }

  // The print command: the browser's print of the page, or false when there
  // is nothing to print (for the caller's box).
  print() {
    if (!this.prepare()) {
      return false;
    }
    window.print();
    return true;
  }
}
