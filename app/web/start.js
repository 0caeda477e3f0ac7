// Program start, in the page's head before the window is parsed: it fits the window to the
// screen before its first layout, takes clicks from the start (one that comes before the program
// is ready is answered once it is), asks for the number format once the window has painted, and
// says so when the program cannot run here. The window's own behaviour is page.js's, after the
// window; the module's script at the page's end fills `Module`.
var Module = {};
var Terne = (function () {
  'use strict';
  const root = document.documentElement;
  root.dataset.script = '';  // the alert written for a page whose scripts cannot run goes

  // The style scales the window to the layout viewport's width, never up. It is given here, as a
  // plain number, before the window is laid out: a phone's layout viewport widens to content that
  // overflows it, and engines disagree on the trigonometry that would let the style do it alone.
  function fit() {
    root.style.setProperty('--viewport-width', String(root.clientWidth));
  }
  fit();
  addEventListener('resize', fit);

  // A page that cannot start says so, whatever the cause: no WebAssembly, a server that forbids
  // compiling it, a module cut short or corrupted on its way.
  let failed = false;
  function fail() {
    if (failed) {
      return;
    }
    failed = true;
    const alert = document.getElementById('Failure');
    const said = alert.textContent;
    alert.textContent = '';
    root.dataset.failed = '';
    setTimeout(() => { alert.textContent = said; }, 0);  // new text: a screen reader says it
  }
  Module.onAbort = fail;
  addEventListener('load', () => {
    if (!('compiled' in Module)) {
      fail();  // the module's script never ran
    }
  });

  // The browser's number format takes 20 to 70 ms to load the first time: asked for once the
  // window has painted, while the module is still arriving.
  let separator = null;
  function readSeparator() {
    if (separator === null) {
      separator = '.';
      try {
        const decimal = new Intl.NumberFormat().formatToParts(1.5).find((p) => p.type === 'decimal');
        separator = decimal ? decimal.value : '.';
      } catch (e) {
        // no number format: the point
      }
    }
    return separator;
  }
  requestAnimationFrame(() => setTimeout(readSeparator, 0));

  // The program. A click before it is ready waits for it, in order, and runs once.
  let ready = false;
  const waiting = [];
  Module.instantiateWasm = function (imports, receive) {
    Module.compiled.then((module) => WebAssembly.instantiate(module, imports))
      .then((instance) => receive(instance), fail);
    return {};
  };
  Module.postRun = [function () {
    ready = true;
    root.dataset.ready = '';
    performance.mark('terne-ready');  // read by the start-up benchmark
    Terne.started();
    waiting.splice(0).forEach(run);
  }];
  // The window's elements are the table's controls, in its order: a control is its row.
  const rowOf = (control) => Array.prototype.indexOf.call(control.parentElement.children, control);
  function run(button) {
    if (!failed) {
      button.focus();  // where the focus goes back after a warning, in every browser
      Module._Form1_Click(rowOf(button));
    }
  }
  document.addEventListener('click', function (event) {
    const button = event.target instanceof Element && event.target.closest('#Form1 button');
    if (button) {
      if (ready) {
        run(button);
      } else {
        waiting.push(button);
      }
    }
  });

  return {fail: fail, separator: readSeparator, ready: () => ready, rowOf: rowOf};
})();
