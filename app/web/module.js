// The program's module, embedded so that the page needs no second request and opens from a file
// too, at the page's end so that the window paints before it arrives. Its bytes are the string's
// characters, one each, escaped only where a script's text must be: a compressing server sends
// fewer bytes of it than of base64. It starts compiling here; Emscripten's script, which follows,
// instantiates it (Module.instantiateWasm, in start.js).
Module.compiled = (async function () {
  'use strict';
  const text = '@WASM@';
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) {
    bytes[i] = text.charCodeAt(i);
  }
  return WebAssembly.compile(bytes);
})();
Module.compiled.catch(Terne.fail);
