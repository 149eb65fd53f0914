// The copy commands' clipboard: text, and a picture as PNG.
/** @param {string} text */
export async function copyText(text) {
  await navigator.clipboard.writeText(text);
}

/** @param {Promise<Blob>} pngPromise */
export async function copyPicture(pngPromise) {
  // The item is made before the picture is ready, as some browsers ask.
  await navigator.clipboard.write([new ClipboardItem({ 'image/png': pngPromise })]);
}
