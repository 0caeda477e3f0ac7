// Starts compiling the program's module as the page begins to arrive, while the window below is
// parsed and painted; the script at the end of the page instantiates it. The module is embedded:
// the page needs no second request, and opens from a file too.
var Module = (function () {
  'use strict';
  const text = atob('@WASM@');
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) {
    bytes[i] = text.charCodeAt(i);
  }
  const compiled = WebAssembly.compile(bytes);
  return {
    instantiateWasm: function (imports, receive) {
      compiled.then((module) => WebAssembly.instantiate(module, imports))
        .then((instance) => receive(instance));
      return {};
    },
  };
})();
