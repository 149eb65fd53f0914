// The native module: the page model compiled to WebAssembly. Everything the
// page computes, draws or writes comes from here.
import LoadParabel from '../parabel.js';

// The module, once its code is compiled and started. The page's head began
// compiling it as the page arrived (a compile that failed there, as where a
// host serves it with another type, leaves it to the loader).
export async function loadNative() {
  const compiling = /** @type {{parabelCompiling?: Promise<WebAssembly.Module | null>}} */ (self).parabelCompiling;
  const compiled = await compiling;
  if (!compiled) {
    return LoadParabel();
  }
  return new Promise((resolve, reject) => {
    LoadParabel({
      /**
       * @param {WebAssembly.Imports} imports
       * @param {(instance: WebAssembly.Instance) => void} started
       */
      instantiateWasm(imports, started) {
        WebAssembly.instantiate(compiled, imports).then(started, reject);
        return {};
      },
    }).then(resolve, reject);
  });
}
