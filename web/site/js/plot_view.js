// A plot picture on a canvas, pixel for pixel: the canvas holds exactly the
// picture's pixels and is shown at a whole number of device pixels per
// picture pixel (image-rendering: pixelated), so it stays crisp on dense
// screens. A pointer position maps back to the picture pixel under it. A
// picture with a frame (the main panel's black line around it) may show
// larger with its frame beyond a narrow screen's edges, which frame it then.
import { context2d } from './dom.js';

// Device pixels per picture pixel: the device pixel ratio rounded, fewer
// when the picture would not fit `available` CSS pixels across or
// `availableHeight` down, never less than 1.
/**
 * @param {number} pictureWidth
 * @param {number} [available]
 * @param {number} [pictureHeight]
 * @param {number} [availableHeight]
 * @returns {number}
 */
export function pixelScale(pictureWidth, available = Infinity, pictureHeight = 0, availableHeight = Infinity) {
  const ratio = window.devicePixelRatio || 1;
  const fits = (/** @type {number} */ scale) =>
    (pictureWidth * scale) / ratio <= available && (pictureHeight * scale) / ratio <= availableHeight;
  let scale = Math.max(1, Math.round(ratio));
  while (scale > 1 && !fits(scale)) {
    scale -= 1;
  }
  return scale;
}

export class PlotView {
  /**
   * @param {HTMLCanvasElement} canvas
   * @param {number} [frame] the width of the picture's frame, in picture pixels
   */
  constructor(canvas, frame = 0) {
    this.canvas = canvas;
    this.frame = frame;
    this.context = context2d(canvas, { alpha: false });
    this.context.imageSmoothingEnabled = false;
    this.scale = 1;
    // The room last given to fit(), kept for a picture of another size.
    this.available = Infinity;
    this.availableHeight = Infinity;
  }

  // Shows `rgba` (a view of width x height RGBA pixels), copied at once.
  /**
   * @param {import('../parabel.js').OwnBytes} rgba
   * @param {number} width
   * @param {number} height
   */
  show(rgba, width, height) {
    if (this.canvas.width !== width || this.canvas.height !== height) {
      this.canvas.width = width;
      this.canvas.height = height;
      this.fit(this.available, this.availableHeight);
    }
    const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length);
    this.context.putImageData(new ImageData(pixels, width, height), 0, 0);
  }

  // Sizes the canvas for `available` CSS pixels of width and
  // `availableHeight` of height.
  fit(available = Infinity, availableHeight = Infinity) {
    this.available = available;
    this.availableHeight = availableHeight;
    const drawing = [this.canvas.width - 2 * this.frame, this.canvas.height - 2 * this.frame];
    this.scale = pixelScale(drawing[0], available, drawing[1], availableHeight);
    const cssPerPixel = this.scale / (window.devicePixelRatio || 1);
    this.canvas.style.width = `${this.canvas.width * cssPerPixel}px`;
    this.canvas.style.height = `${this.canvas.height * cssPerPixel}px`;
  }

  // The picture pixel under a pointer event.
  /**
   * @param {MouseEvent} event
   * @returns {{x: number, y: number}}
   */
  pixelAt(event) {
    const box = this.canvas.getBoundingClientRect();
    return {
      x: Math.floor(((event.clientX - box.left) * this.canvas.width) / box.width),
      y: Math.floor(((event.clientY - box.top) * this.canvas.height) / box.height),
    };
  }

  // The picture as a PNG file made by the browser's encoder from the same
  // pixels.
  /** @returns {Promise<Blob>} */
  png() {
    return new Promise((resolve, reject) => {
      this.canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('PNG'))), 'image/png');
    });
  }
}
