// The page around Form1: wires the buttons to the commands, the keys the desktop windows have,
// the warning, and offline use. Runs before the module's own script, in the same script.

// Once the program has started (its main creates Form1), the buttons work.
Module.postRun = [function () {
  document.documentElement.dataset.ready = '';
  performance.mark('terne-ready');  // read by the start-up benchmark
}];

(function () {
  'use strict';
  const form = document.getElementById('Form1');
  const warning = document.getElementById('Warning');
  const ok = document.getElementById('WarningOK');
  // The Tab cycle: the controls that take the focus, in increasing tab index.
  const cycle = Array.from(form.querySelectorAll('[data-tab]')).sort(
    (a, b) => a.dataset.tab - b.dataset.tab);
  let returnFocus = null;

  document.addEventListener('keydown', function (event) {
    if (event.key === 'Tab' && !event.altKey && !event.ctrlKey && !event.metaKey) {
      event.preventDefault();
      if (warning.open) {
        ok.focus();
        return;
      }
      const at = cycle.indexOf(document.activeElement);
      const step = event.shiftKey ? cycle.length - 1 : 1;
      const next = at < 0 ? (event.shiftKey ? cycle.length - 1 : 0) : (at + step) % cycle.length;
      cycle[next].focus();
    } else if (event.repeat && event.target instanceof HTMLButtonElement) {
      event.preventDefault();  // a key held down clicks once, when it is pressed
    }
  }, true);

  for (const button of form.querySelectorAll('button[data-click]')) {
    button.addEventListener('click', function () {
      if ('ready' in document.documentElement.dataset) {
        button.focus();  // where the focus goes back after a warning, in every browser
        Module['_' + button.dataset.click]();
      }
    });
  }
  for (const edit of form.querySelectorAll('input')) {
    const box = Number(edit.id.slice(4));
    edit.addEventListener('input', function () {
      if ('ready' in document.documentElement.dataset) {
        Module._Form1_BoxChanged(box);
      }
    });
    edit.addEventListener('blur', function () {
      edit.scrollLeft = 0;  // a box shows its beginning once the focus leaves
    });
  }

  window.terneShowWarning = function (text) {
    returnFocus = document.activeElement;
    document.getElementById('WarningText').textContent = text;
    warning.showModal();
    ok.focus();
  };
  ok.addEventListener('click', function () {
    warning.close();
  });
  warning.addEventListener('close', function () {
    if (returnFocus) {
      returnFocus.focus();
      returnFocus = null;
    }
  });

  // Installable and offline where the page is served; opened as a file it needs neither.
  if (location.protocol === 'https:' || location.protocol === 'http:') {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.appendChild(manifest);
    // Browsers allow a service worker only over HTTPS and from localhost.
    if ('serviceWorker' in navigator && window.isSecureContext) {
      navigator.serviceWorker.register('sw.js');
    }
  }
})();
