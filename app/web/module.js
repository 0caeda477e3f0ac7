// The program's module, embedded so that the page needs no second request and opens from a file
// too, at the page's end so that the window paints before it arrives. It starts compiling here;
// Emscripten's script, which follows, instantiates it (Module.instantiateWasm, in the head).
Module.compiled = (async function () {
  'use strict';
  const text = atob('@WASM@');
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) {
    bytes[i] = text.charCodeAt(i);
  }
  return WebAssembly.compile(bytes);
})();
Module.compiled.catch(Terne.fail);
