// The native module: the page model compiled to WebAssembly. Everything the
// page computes, draws or writes comes from here.
import LoadParabel from '../parabel.js';

// The module, once its code is compiled and started.
export function loadNative() {
  return LoadParabel();
}
