// The page around Form1, run in the page's head before the window is parsed: it fits the window
// to the screen before its first layout, takes clicks from the start (one that comes before the
// program is ready is answered once it is), gives the keys the desktop windows have, shows the
// warning, keeps the boxes across Back, and says so when the program cannot run here. `Terne`
// is what the program's Form1 calls; the module's script at the page's end fills `Module`.
var Module = {};
var Terne = (function () {
  'use strict';
  const root = document.documentElement;
  root.dataset.script = '';  // the alert written for a page whose scripts cannot run goes

  function text(units) {  // unit for unit: a lone surrogate stays
    let out = '';
    for (let i = 0; i < units.length; i += 4096) {
      out += String.fromCharCode.apply(null, units.subarray(i, i + 4096));
    }
    return out;
  }
  const byId = (id) => document.getElementById(id);
  const box = (number) => byId('Text' + number);
  const boxes = () => Array.from(document.querySelectorAll('#Form1 input'));

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
    const alert = byId('Failure');
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
    boxes().forEach((edit) => edit.value && Module._Form1_BoxChanged(Number(edit.id.slice(4))));
    waiting.splice(0).forEach(run);
    offline();
  }];
  function run(button) {
    if (!failed) {
      button.focus();  // where the focus goes back after a warning, in every browser
      Module['_' + button.dataset.click]();
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

  // Keys: Tab and Shift+Tab cycle the controls in the window's tab order, wrapping around, and a
  // key held down on a button clicks once, when it is pressed.
  let cycle = null;
  document.addEventListener('keydown', function (event) {
    const form = byId('Form1');
    // WebKitGTK names Shift+Tab's key "Unidentified"; its code is Tab everywhere.
    const tab = event.key === 'Tab' || event.code === 'Tab';
    if (tab && !event.altKey && !event.ctrlKey && !event.metaKey && form) {
      event.preventDefault();
      if (byId('Warning').open) {
        byId('WarningOK').focus();
        return;
      }
      cycle = cycle || form.dataset.cycle.split(' ').map(byId);
      const at = cycle.indexOf(document.activeElement);
      const step = event.shiftKey ? cycle.length - 1 : 1;
      const next = at < 0 ? (event.shiftKey ? cycle.length - 1 : 0) : (at + step) % cycle.length;
      cycle[next].focus();
    } else if (event.repeat && event.target instanceof HTMLButtonElement) {
      event.preventDefault();
    }
  }, true);

  // Undo, as in the desktop windows' boxes: in a box a command has written, only what was typed
  // there since; never in another box. Chromium and WebKit keep one undo list for the whole page,
  // which jumps between boxes and replays old edits onto the texts a command wrote.
  const typed = new Map();  // a written box: its texts since, the latest last, and redos left
  document.addEventListener('beforeinput', function (event) {
    const edit = event.target;
    const history = typed.get(edit);
    if ((event.inputType === 'historyUndo' && history && history.texts.length < 2) ||
        (event.inputType === 'historyRedo' && history && history.redos === 0) ||
        (event.inputType.startsWith('history') && edit !== document.activeElement)) {
      event.preventDefault();
    }
  }, true);
  document.addEventListener('input', function (event) {
    const edit = event.target;
    const history = typed.get(edit);
    if (history && event.inputType === 'historyUndo') {
      while (history.texts.length > 1 && history.texts[history.texts.length - 1] !== edit.value) {
        history.texts.pop();
      }
      history.redos += 1;
    } else if (history) {
      history.texts.push(edit.value);
      history.redos = event.inputType === 'historyRedo' ? history.redos - 1 : 0;
    }
    if (ready && edit instanceof HTMLInputElement) {
      Module._Form1_BoxChanged(Number(edit.id.slice(4)));
    }
    keep();
  }, true);

  function write(edit, units) {
    edit.value = text(units);
    typed.set(edit, {texts: [edit.value], redos: 0});
    // A box without the focus shows the beginning of a new text; one with it, where its caret is.
    if (document.activeElement === edit) {
      edit.setSelectionRange(0, 0);
      edit.scrollLeft = 0;
    }
    keep();
  }
  document.addEventListener('blur', function (event) {
    if (event.target instanceof HTMLInputElement) {
      event.target.scrollLeft = 0;  // a box shows its beginning once the focus leaves
    }
  }, true);

  // Back: the boxes come back from the tab's own history entry (no storage of any kind), also
  // where the browser keeps no copy of the page. A fresh open (a new entry, with no state) or a
  // reload starts empty. WebKit calls a return to the entry "navigate", not "back_forward". Firefox
  // takes no change to the entry once the page is leaving, so each change is kept at once, or
  // 0.15 s after the last one kept: browsers allow only so many a second.
  let kept = 0;
  let keeping = 0;
  function keepNow() {
    clearTimeout(keeping);
    keeping = 0;
    kept = performance.now();
    try {
      history.replaceState({boxes: boxes().map((edit) => edit.value)}, '');
    } catch (e) {
      // refused all the same (WebKit): the next change keeps them
    }
  }
  function keep() {
    if (!keeping) {
      keeping = setTimeout(keepNow, Math.max(0, kept + 150 - performance.now()));
    }
  }
  addEventListener('blur', keepNow);  // to the browser's own buttons and address bar
  function restore() {
    const back = history.state && history.state.boxes;
    boxes().forEach((edit, i) => {
      if (!edit.value && Array.isArray(back) && typeof back[i] === 'string' && back[i]) {
        edit.value = back[i].slice(0, edit.maxLength);
        if (ready) {
          Module._Form1_BoxChanged(i + 1);
        }
      }
    });
  }
  const navigation = performance.getEntriesByType('navigation')[0];
  if (!navigation || navigation.type === 'reload' || !history.state) {
    if (history.state !== null) {
      history.replaceState(null, '');
    }
  } else {
    document.addEventListener('DOMContentLoaded', restore);
  }
  // WebKit empties boxes whose texts the browser may not keep as it brings back a page it kept.
  addEventListener('pageshow', (event) => event.persisted && setTimeout(restore, 0));

  // Tooltips: whether a text fits is known only after layout, so the tip is given at the next
  // frame, and a command's nine writes cost one layout, not nine.
  const tips = new Map();
  function tip(edit, units) {
    tips.set(edit, text(units));
    if (tips.size === 1) {
      requestAnimationFrame(function () {
        tips.forEach((tip, edit) => {
          if (edit.scrollWidth > edit.clientWidth) {
            edit.title = tip;
          } else {
            edit.removeAttribute('title');
          }
        });
        tips.clear();
      });
    }
  }

  // The warning: modal, its OK keeps the focus (a click elsewhere does not take it), and the
  // focus goes back where it was once it closes.
  let returnFocus = null;
  function warn(units) {
    const warning = byId('Warning');
    returnFocus = document.activeElement;
    byId('WarningText').textContent = text(units);
    warning.showModal();
    byId('WarningOK').focus();
  }
  document.addEventListener('DOMContentLoaded', function () {
    const warning = byId('Warning');
    const ok = byId('WarningOK');
    ok.addEventListener('click', () => warning.close());
    warning.addEventListener('mousedown', (event) => event.target !== ok && event.preventDefault());
    warning.addEventListener('focus', () => ok.focus());
    warning.addEventListener('close', function () {
      if (returnFocus) {
        returnFocus.focus();
        returnFocus = null;
      }
    });
  });

  // The verdict, said each time a click writes one, the same one again too.
  function announce(units) {
    const region = byId('Verdict');
    const said = text(units);
    region.textContent = region.textContent === said ? said + '\u00a0' : said;
  }

  // Installable and offline where the page is served; opened as a file it needs neither.
  // Browsers allow a service worker only over HTTPS and from localhost. A page whose program
  // cannot start keeps no copy of itself: the worker comes once the program has started and the
  // page has loaded.
  const served = location.protocol === 'https:' || location.protocol === 'http:';
  if (served) {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.appendChild(manifest);
  }
  function offline() {
    if (served && 'serviceWorker' in navigator && window.isSecureContext) {
      const register = () => navigator.serviceWorker.register('sw.js', {updateViaCache: 'none'}).catch(() => {});
      if (document.readyState === 'complete') {
        register();
      } else {
        addEventListener('load', register);
      }
    }
  }

  return {
    box: box, write: write, tip: tip, warn: warn, announce: announce, fail: fail,
    warningOpen: () => byId('Warning').open, separator: readSeparator,
  };
})();
