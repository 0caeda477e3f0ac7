// The window's behaviour in the page, run as soon as the window is parsed: the keys the desktop
// windows have, undo within a box, the boxes kept across Back, the tooltips, the warning, the
// verdict said to screen readers, and offline use. It adds to `Terne` what the program's Form1
// calls (start.js began it, in the head).
(function () {
  'use strict';

  function text(units) {  // unit for unit: a lone surrogate stays
    let out = '';
    for (let i = 0; i < units.length; i += 4096) {
      out += String.fromCharCode.apply(null, units.subarray(i, i + 4096));
    }
    return out;
  }
  const byId = (id) => document.getElementById(id);
  const control = (row) => byId('Form1').children[row];
  const boxes = () => Array.from(document.querySelectorAll('#Form1 input'));

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
    if (Terne.ready() && edit instanceof HTMLInputElement) {
      Module._Form1_RefreshTip(Terne.rowOf(edit));
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
        if (Terne.ready()) {
          Module._Form1_RefreshTip(Terne.rowOf(edit));
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
    restore();
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
  const warning = byId('Warning');
  const ok = byId('WarningOK');
  let returnFocus = null;
  function warn(units) {
    returnFocus = document.activeElement;
    byId('WarningText').textContent = text(units);
    warning.showModal();
    ok.focus();
  }
  ok.addEventListener('click', () => warning.close());
  warning.addEventListener('mousedown', (event) => event.target !== ok && event.preventDefault());
  warning.addEventListener('focus', () => ok.focus());
  warning.addEventListener('close', function () {
    if (returnFocus) {
      returnFocus.focus();
      returnFocus = null;
    }
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
  // Once the program has started: the tooltips of boxes that came back, and offline use.
  function started() {
    boxes().forEach((edit) => edit.value && Module._Form1_RefreshTip(Terne.rowOf(edit)));
    offline();
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

  Object.assign(Terne, {
    control: control, write: write, tip: tip, warn: warn, announce: announce, started: started,
    warningOpen: () => warning.open,
  });
})();
