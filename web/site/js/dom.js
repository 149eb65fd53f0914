// The page's elements by id, of the type the page's markup gives them: a
// missing element or one of another kind is a fault of the page, said at once.

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
