"""The web page's Form1 as the shared window behaviours drive it, in one browser: each behaviour
on a freshly opened page, with real keys and clicks, and the page's warnings seen and dismissed as
a user would."""
import json

BOXES = ["Text%d" % n for n in range(1, 13)]


def js(value):
    return json.dumps(value)


class Page:
    def __init__(self, browser, url):
        self.browser = browser
        self.url = url
        self.warnings = []
        self.problems = []
        self.skipped = set()  # steps this browser's driver cannot take

    # --- the page

    def open(self, locale="en-US"):
        self.collect_problems()
        self.warnings = []
        self.browser.open(self.url, locale)
        self.browser.eval("""
            for (let i = 0; i < 200 && !('ready' in document.documentElement.dataset); ++i) {
              await new Promise((r) => setTimeout(r, 10));
            }""")

    def eval(self, script):
        value = self.browser.eval(script)
        if isinstance(value, dict) and "__error" in value:
            raise RuntimeError(value["__error"] + " in: " + script[:200])
        return value

    def collect_problems(self):
        try:
            self.problems += self.browser.eval("const p = window.__problems || []; window.__problems = []; return p;")
        except Exception:  # no page yet
            pass
        self.problems += self.browser.console()

    def forget_problems(self):
        """Collects what the page and browser report, and forgets it: it was expected."""
        kept, self.problems = self.problems, []
        self.collect_problems()
        self.problems = kept

    def element(self, name):
        return "document.querySelector('[data-name=\"' + %s + '\"]')" % js(name)

    def centre(self, name):
        box = self.eval("const r = %s.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2];"
                        % self.element(name))
        return box[0], box[1]

    def settle(self):
        """Until the input just sent has been handled and painted."""
        self.eval("await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));")

    def dismiss_warning(self):
        """Reads an open warning as a user sees it, and presses Enter on its OK."""
        self.settle()
        shown = self.eval("""
            const w = document.getElementById('Warning');
            if (!w.open) return null;
            return {caption: document.getElementById('WarningTitle').textContent,
                    text: document.getElementById('WarningText').textContent,
                    buttons: Array.from(w.querySelectorAll('button')).map((b) => b.textContent),
                    icon: w.querySelector('img, svg, [role=img]') !== null,
                    focus: document.activeElement.id, role: w.getAttribute('role')};""")
        if shown is None:
            return
        self.warnings.append(shown)
        self.browser.keys(["Enter"])
        self.settle()
        if self.eval("return document.getElementById('Warning').open;"):
            raise AssertionError("Enter on OK left the warning open")

    # --- the steps

    def type(self, box, text):
        self.eval("const e = %s; e.focus(); e.setSelectionRange(e.value.length, e.value.length);" % self.element(box))
        if all(0x20 <= ord(c) < 0x7F for c in text):
            self.browser.keys(list(text))
            self.settle()
        else:  # as an input method inserts what no key gives, a lone surrogate too
            self.eval("document.execCommand('insertText', false, %s);" % js(text))

    def set_text(self, box, text):
        """As a command writes a box (the page's PageSurface::SetText): cut at its limit, never
        inside a surrogate pair, and shown from its beginning."""
        self.eval("""const e = %s; let t = %s, n = e.maxLength;
            if (t.length > n && /[\\uD800-\\uDBFF]/.test(t[n - 1]) && /[\\uDC00-\\uDFFF]/.test(t[n])) --n;
            e.value = t.slice(0, n); e.scrollLeft = 0; Module._Form1_RefreshTip(Terne.rowOf(e));"""
                  % (self.element(box), js(text)))

    def paste(self, box, text):
        """Over the box's whole text, through the editor as a paste goes, so the box's limit holds."""
        self.eval("const e = %s; e.focus(); e.select(); document.execCommand('insertText', false, %s);"
                  % (self.element(box), js(text)))

    def press(self, key, held=False):
        if held and not self.browser.can_hold:
            self.skipped.add("a held key")
        elif held:
            self.browser.held(key)
        else:
            self.browser.keys([key])
        self.dismiss_warning()

    def click(self, button, kind="mouse"):
        x, y = self.centre(button)
        self.browser.click(x, y, kind)
        self.dismiss_warning()

    def focus(self, control):
        self.eval("%s.focus();" % self.element(control))

    def text(self, box):
        return self.eval("return %s.value;" % self.element(box))

    def focused(self):
        return self.eval("return document.activeElement.dataset.name || document.activeElement.id || '';")

    def shows_beginning(self, box):
        return self.eval("return %s.scrollLeft === 0;" % self.element(box))

    def tip(self, box):
        self.settle()  # tips are given at the next frame
        return self.eval("return %s.getAttribute('title') || '';" % self.element(box))

    def resize(self, width, height):
        self.browser.viewport(width, height)
        self.eval("await new Promise((r) => requestAnimationFrame(() => r()));")

    def place(self, control):
        return self.eval("const e = %s; return [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight];"
                         % self.element(control))

    def topmost(self, x, y):
        return self.eval("""const f = document.getElementById('Form1').getBoundingClientRect();
            const e = document.elementFromPoint(f.left + %d, f.top + %d); return e ? e.dataset.name || e.id : '';"""
                         % (x, y))

    def caption_fits(self, control):
        """Whether a caption keeps all its ink inside its control: each line's glyphs, placed on
        its baseline, measured with the caption's own font."""
        return self.eval("""const e = %s; const outer = e.getBoundingClientRect();
            const style = getComputedStyle(e);
            const context = document.createElement('canvas').getContext('2d');
            context.font = style.fontWeight + ' ' + style.fontSize + ' ' + style.fontFamily;
            const ink = context.measureText(e.textContent);
            const range = document.createRange(); range.selectNodeContents(e);
            return Array.from(range.getClientRects()).every((r) => {
              const baseline = r.top + ink.fontBoundingBoxAscent;
              return r.left >= outer.left - 0.5 && r.right <= outer.right + 0.5 &&
                  baseline - ink.actualBoundingBoxAscent >= outer.top - 0.5 &&
                  baseline + ink.actualBoundingBoxDescent <= outer.bottom + 0.5;
            });""" % self.element(control))


def run_behaviour(page, behaviour):
    """Runs one shared behaviour; returns what the page did otherwise, one line a difference."""
    differences = []
    page.open()

    def differ(number, what, shown, wanted):
        differences.append("step %d, %s: shows %r, wanted %r" % (number, what, str(shown)[:60], str(wanted)[:60]))

    for number, step in enumerate(behaviour["steps"], 1):
        act, target, text = step["act"], step.get("target", ""), step.get("text", "")
        if act == "Open":
            page.open("it-IT" if text == "," else "en-US")
        elif act == "Type":
            page.type(target, text)
        elif act == "SetText":
            page.set_text(target, text)
        elif act == "Paste":
            page.paste(target, text)
        elif act in ("Press", "PressHeld"):
            page.press(step["key"], act == "PressHeld")
        elif act == "Click":
            page.click(target)
        elif act == "Focus":
            page.focus(target)
        elif act == "ExpectText":
            for box in BOXES:
                if target in ("*", box) and page.text(box) != text:
                    differ(number, box, page.text(box), text)
        elif act == "ExpectFocus":
            if page.focused() != target:
                differ(number, "focus", page.focused(), target)
        elif act == "ExpectWarnings":
            if len(page.warnings) != step["count"]:
                differ(number, "warnings", len(page.warnings), step["count"])
            elif step["count"]:
                last = page.warnings[-1]
                wanted = {"caption": "Terne pitagoriche", "text": text, "buttons": ["OK"], "icon": False}
                if {k: last[k] for k in wanted} != wanted or last["role"] != "alertdialog":
                    differ(number, "warning", last, wanted)
        elif act == "ExpectBeginning":
            if not page.shows_beginning(target):
                differ(number, target, "its tail", "its beginning")
        elif act == "ExpectTip":
            # A tip shows a text that fits whole, and cuts a longer one with "…" (a filled text).
            wanted = text + "\u2026" if step.get("cut") else text
            if page.tip(target) != wanted:
                differ(number, target + "'s tooltip", page.tip(target), wanted)
        elif act == "Resize":
            page.resize(step["x"], step["y"])
        elif act == "ExpectPlace":
            if page.place(target) != step["place"]:
                differ(number, target + "'s place", page.place(target), step["place"])
        elif act == "ExpectTopmost":
            if page.topmost(step["x"], step["y"]) != target:
                differ(number, "on top", page.topmost(step["x"], step["y"]), target)
        elif act == "ExpectCaption":
            if not page.caption_fits(target):
                differ(number, target + "'s caption", "cut", "whole")
        else:
            raise ValueError("unknown act " + act)
    return differences
