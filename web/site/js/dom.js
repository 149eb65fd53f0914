// The page's elements by id or selector, of the type the page's markup gives
// them, and a canvas's drawing: a missing element, one of another kind or a
// canvas without 2D drawing is a fault of the page, said at once.

/**
 * @template {HTMLElement} T
 * @param {string} id
 * @param {new () => T} type
 * @returns {T}
 */
export function element(id, type) {
  const found = document.getElementById(id);
  if (!(found instanceof type)) {
    throw new Error(`the page has no ${type.name} #${id}`);
  }
  return found;
}

/**
 * The first element under `root` that `selector` finds, of `type`.
 * @template {Element} T
 * @param {ParentNode} root
 * @param {string} selector
 * @param {new () => T} type
 * @returns {T}
 */
export function elementIn(root, selector, type) {
  const found = root.querySelector(selector);
  if (!(found instanceof type)) {
    throw new Error(`the page has no ${type.name} ${selector}`);
  }
  return found;
}

/**
 * Every element under `root` that `selector` finds, each of `type`.
 * @template {Element} T
 * @param {ParentNode} root
 * @param {string} selector
 * @param {new () => T} type
 * @returns {T[]}
 */
export function elementsIn(root, selector, type) {
  return [...root.querySelectorAll(selector)].map((found) => {
    if (!(found instanceof type)) {
      throw new Error(`the page's ${selector} is no ${type.name}`);
    }
    return found;
  });
}

/**
 * A canvas's 2D drawing context; the page draws nothing without one.
 * @param {HTMLCanvasElement} canvas
 * @param {CanvasRenderingContext2DSettings} [settings]
 * @returns {CanvasRenderingContext2D}
 */
export function context2d(canvas, settings) {
  const context = canvas.getContext('2d', settings);
  if (!context) {
    throw new Error('the browser gives the page no 2D canvas');
  }
  return context;
}
