"""What only the page has to do, checked in a real browser after the shared window behaviours.
Each check opens the page afresh and returns its failures, one line each."""
import io
import json

BOXES = ["Text%d" % n for n in range(1, 13)]
INVALID = "Impossibile: valori errati."


def entries(page, a, b, c):
    for box, text in (("Text1", a), ("Text2", b), ("Text3", c)):
        page.type(box, text)


def texts(page):
    return page.eval("return Array.from(document.querySelectorAll('#Form1 input')).map((e) => e.value);")


def warning_open(page):
    return page.eval("return document.getElementById('Warning').open;")


# VERIFICA cases only a page's conversions can get wrong: (name, locale, entries, box, shown, warning).
PAGE_CASES = [
    ("an overflowing entry is refused, not fatal", "en-US", ("1E400", "4", "5"), "Text4", "",
     "Impossibile: valori troppo grandi."),
    ("an underflowing square is refused", "en-US", ("1E-200", "4", "5"), "Text4", "",
     "Impossibile: valori troppo piccoli."),
    ("it-IT writes the squares with a comma", "it-IT", ("1.5", "2", "2.5"), "Text8", "2,25", None),
    ("it-IT: the third square", "it-IT", ("1.5", "2", "2.5"), "Text11", "6,25", None),
]


def check_cases(page):
    failures = []
    for name, locale, triple, box, shown, warning in PAGE_CASES:
        page.open(locale)
        entries(page, *triple)
        page.click("Command2")
        warned = [w["text"] for w in page.warnings]
        if page.text(box) != shown or warned != ([warning] if warning else []):
            failures.append("%s: %s shows %r, warnings %r" % (name, box, page.text(box), warned))
    page.open()  # back to the tests' own language
    return failures


def check_limit_typing(page):
    page.open()
    page.set_text("Text1", "3" * 1000)
    page.type("Text1", "4")
    length = len(page.text("Text1"))
    return [] if length == 1000 else ["a key typed into a full box made it %d long" % length]


# Texts a script puts into Text1, past the box's limit (the rest of the entries are 4 and 5):
# what VERIFICA then copies and warns. The page reads the first 1,000 units only: "0.000…05"
# reads as 0 there, and as a number too small for the calculation in full.
SCRIPT_TEXTS = [
    ("10 MB of blanks after 3", "'3' + ' '.repeat(1e7)", "3" + " " * 999, None),
    ("a 5 just past the limit", "'0.' + '0'.repeat(998) + '5' + '0'.repeat(1e7)", "", INVALID),
]


def check_script_limit(page):
    failures = []
    for name, script, copied, warning in SCRIPT_TEXTS:
        page.open()
        page.eval("document.getElementById('Text1').value = %s;" % script)
        page.type("Text2", "4")
        page.type("Text3", "5")
        page.click("Command2")
        warned = [w["text"] for w in page.warnings]
        if page.text("Text4") != copied or warned != ([warning] if warning else []):
            failures.append("a script's %s: Text4 %r, warnings %r" % (name, page.text("Text4")[:20], warned))
    return failures


def check_modality(page):
    """While the warning is open, nothing else in the page takes a click or the focus, nor runs a
    click made by a script (automation, an assistive tool)."""
    page.open()
    entries(page, "abc", "4", "5")
    page.type("Text10", "mio")
    x, y = page.centre("Command2")
    page.browser.click(x, y)
    failures = []
    if not warning_open(page):
        return ["no warning for an invalid entry"]
    x, y = page.centre("Command1")
    page.browser.click(x, y)  # AZZERA, under the modal warning: the focus stays on OK
    page.eval("document.getElementById('Command1').click(); document.getElementById('Command2').click();")
    page.settle()  # had VERIFICA run, a second warning would follow the first, and Esc leave one open
    if page.text("Text10") != "mio" or page.text("Text1") != "abc":
        failures.append("a click, or a script's click, ran a command under the warning: %r" % texts(page))
    if page.eval("return document.activeElement.id;") != "WarningOK":
        failures.append("a click beside the warning moved the focus to " + page.focused())
    page.browser.keys(["Tab", "Tab"])
    if page.eval("return document.activeElement.id;") != "WarningOK":
        failures.append("Tab took the focus out of the warning: " + page.focused())
    page.browser.keys(["Esc"])  # closes it, as Esc does a message box
    if warning_open(page):
        failures.append("Esc left the warning open")
    if page.focused() != "Command2":
        failures.append("after the warning the focus is on " + page.focused())
    # A click beside it, then Enter: OK still has the focus, and Enter closes the warning.
    page.browser.click(*page.centre("Command2"))
    page.browser.click(5, 5)
    page.browser.keys(["Enter"])
    page.settle()
    if warning_open(page):
        failures.append("after a click beside the warning, Enter left it open")
    return failures


def check_undo(page):
    """After a command writes a box, undo there does nothing, and undo never reaches another box;
    what is typed into the box afterwards is undone and redone as usual."""
    undo, redo = ("Control", "z"), ("Control", "Shift", "z")
    page.open()
    entries(page, "3", "4", "5")
    page.type("Text4", "x")
    page.click("Command2")
    written = texts(page)
    failures = []
    for box in ("Text12", "Text4"):
        page.focus(box)
        for keys in (undo, redo, undo):
            page.browser.chord(keys)
            page.settle()
            if texts(page) != written or page.focused() != box:
                failures.append("%s in %s gave %r, the focus in %s" % ("+".join(keys), box, texts(page), page.focused()))
                written = texts(page)
    if page.browser.name == "webkit":
        return failures  # its driver's Control+Z undoes nothing at all
    page.type("Text4", "y")
    for keys, wanted in ((undo, "3"), (undo, "3"), (redo, "3y")):
        page.browser.chord(keys)
        page.settle()
        if page.text("Text4") != wanted:
            failures.append("typed into a written box, %s gave %r, wanted %r" % ("+".join(keys), page.text("Text4"), wanted))
    return failures


def check_verdict_spoken(page):
    """A polite live region says the verdict each time VERIFICA writes one, and nothing for a warning."""
    def said():
        return page.eval("const v = document.getElementById('Verdict');"
                         " return [v.getAttribute('role'), v.textContent.trim()];")
    page.open()
    failures = []
    for triple, sentence in ((("3", "4", "5"), "La TERNA è Pitagorica"), (("5", "4", "3"), "La TERNA non è Pitagorica")):
        page.eval("for (const e of document.querySelectorAll('#Form1 input')) e.value = '';")
        entries(page, *triple)
        page.click("Command2")
        before = page.eval("return document.getElementById('Verdict').textContent;")
        page.click("Command2")  # the same verdict again: said again
        if said() != ["status", sentence] or page.eval("return document.getElementById('Verdict').textContent;") == before:
            failures.append("after %s: the live region holds %r" % ("/".join(triple), said()))
    page.set_text("Text1", "abc")
    page.click("Command2")
    if said()[1] != "La TERNA non è Pitagorica":
        failures.append("a warning changed what is said: %r" % said())
    return failures


def check_back(page):
    """Back brings the boxes back, also without the browser's copy of the page; a reload empties them."""
    page.open()
    entries(page, "3", "4", "5")
    page.click("Command2")
    page.type("Text8", "mio")
    wanted = texts(page)
    page.eval("window.__still = true; await new Promise((r) => setTimeout(r, 300));")  # a moment
    page.browser.go("about:blank")
    page.browser.back()
    page.eval("""for (let i = 0; i < 200 && !('ready' in document.documentElement.dataset); ++i) {
                   await new Promise((r) => setTimeout(r, 10)); }""")
    kept = page.eval("return window.__still === true;")  # the browser kept the page itself
    failures = []
    if texts(page) != wanted:
        failures.append("after Back the boxes hold %r" % texts(page))
    if kept and page.browser.name != "webkit":
        failures.append("Back came from the back/forward cache, which the test turns off")
    page.browser.reload()
    if any(texts(page)):
        failures.append("after a reload the boxes hold %r" % texts(page))
    return failures


def pixels(page):
    from PIL import Image
    shot = page.browser.screenshot_png()
    return Image.open(io.BytesIO(shot)).convert("RGB")


# A box's edge, pixel by pixel from the outside in: (side, colours). Sunken: grey over dark grey
# at the top and left, white over light grey at the bottom and right.
EDGES = [("left", [(128, 128, 128), (64, 64, 64)]), ("top", [(128, 128, 128), (64, 64, 64)]),
         ("right", [(255, 255, 255), (212, 208, 200)]), ("bottom", [(255, 255, 255), (212, 208, 200)])]
FOCUS = (0, 0, 128)


def edge_pixels(image, rect, side, depth):
    left, top, width, height = rect
    middle_x, middle_y = left + width // 2, top + height // 2
    return {"left": (left + depth, middle_y), "top": (middle_x, top + depth),
            "right": (left + width - 1 - depth, middle_y), "bottom": (middle_x, top + height - 1 - depth)}[side]


def close(colour, wanted):
    return all(abs(a - b) <= 8 for a, b in zip(colour, wanted))


def check_edges(page):
    """Every engine draws a box's edges in the same colours; the box with the focus is marked over
    its edge, and moves nothing."""
    page.resize(800, 600)
    page.open()
    page.focus("Text1")
    image = pixels(page)
    failures = []
    for box in ("Text2", "Text8", "Text12"):
        rect = page.place(box)
        for side, colours in EDGES:
            for depth, wanted in enumerate(colours):
                found = image.getpixel(edge_pixels(image, rect, side, depth))
                if not close(found, wanted):
                    failures.append("%s's %s edge, %d px in: %s, wanted %s" % (box, side, depth, found, wanted))
    before = page.place("Text1")
    for side, _ in EDGES:
        for depth in (0, 1):
            found = image.getpixel(edge_pixels(image, before, side, depth))
            if not close(found, FOCUS):
                failures.append("Text1, with the focus, %s edge %d px in: %s" % (side, depth, found))
    page.focus("Text2")
    if page.place("Text1") != before:
        failures.append("the focus mark moved Text1")
    return failures


SCREENS = [(1280, 800), (1180, 820), (393, 852), (360, 640)]


def check_screens(page):
    """On a computer, a tablet across and two phones: the window inside the screen, at full size
    where it fits and never larger, the page never scrolling sideways, a tap on Text1 reaching
    Text1, and the warning centred on the window and scaled with it."""
    failures = []
    touch = "mouse" if page.browser.name == "webkit" else "touch"  # its driver has no touch
    for width, height in SCREENS:
        page.browser.viewport(width, height, mobile=width < 478)
        page.open()
        page.settle()
        form = page.eval("""const f = document.getElementById('Form1').getBoundingClientRect();
            const d = document.documentElement;
            return [f.left, f.top, f.width, f.height, d.scrollWidth, d.clientWidth];""")
        scale = min(1, width / 478)
        where = "%d×%d" % (width, height)
        if form[0] < 0 or form[0] + form[2] > width + 0.5 or abs(form[2] - 478 * scale) > 1 or form[4] > form[5]:
            failures.append("%s: the window at %r, the page %r wide in %r" % (where, form[:4], form[4], form[5]))
        page.focus("Command1")
        page.browser.click(*page.centre("Text1"), kind=touch)
        if page.focused() != "Text1":
            failures.append("%s: a tap on Text1 reached %s" % (where, page.focused()))
        entries(page, "abc", "4", "5")
        page.browser.click(*page.centre("Command2"), kind=touch)
        page.settle()
        box = page.eval("const r = document.getElementById('Warning').getBoundingClientRect();"
                        " return [r.left + r.width / 2, r.top + r.height / 2, r.width];")
        page.dismiss_warning()
        if abs(box[0] - (form[0] + form[2] / 2)) > 1.5 or abs(box[1] - (form[1] + form[3] / 2)) > 1.5:
            failures.append("%s: the warning is centred at %r, the window at %r" % (
                where, box[:2], [form[0] + form[2] / 2, form[1] + form[3] / 2]))
        if width == SCREENS[0][0]:
            full = box[2]
        elif abs(box[2] - full * scale) > 1.5:
            failures.append("%s: the warning is %.1f px wide, the window's scale makes it %.1f" % (where, box[2], full * scale))
    page.browser.viewport(800, 600)
    return failures


def check_accessibility(page, axe):
    failures = []
    page.open()
    if axe:
        # One exception, the window's own: Label9's red on white (4.0:1) is the table's colour.
        run = (open(axe).read() + "\nconst r = await axe.run(document);"
               " return r.violations.flatMap((v) => v.nodes.map((n) => v.id + ' ' + n.target.join(' ')))"
               ".filter((v) => v !== 'color-contrast #Label9');")
        failures += ["axe-core: " + v for v in page.eval(run)]
        entries(page, "0", "4", "5")
        page.browser.click(*page.centre("Command2"))
        failures += ["axe-core, with the warning open: " + v for v in page.eval(run)]
        page.dismiss_warning()
    if page.browser.accessibility_tree is None:
        return failures
    # The reading order is the table's, the exponents aside: the tree walked depth first, as a
    # screen reader reads it.
    nodes = {n["nodeId"]: n for n in page.browser.accessibility_tree()}
    named = []

    def walk(node):
        role = node["role"]["value"]
        name = node.get("name", {}).get("value", "")
        if not node.get("ignored") and (role in ("textbox", "button") or (role == "StaticText" and name)):
            named.append((role, name, node.get("description", {}).get("value", "")))
        if role not in ("textbox", "button"):
            for child in node.get("childIds", []):
                walk(nodes[child])

    walk(next(iter(nodes.values())))
    read = [name for _, name, _ in named]
    wanted = ["TERNE PITAGORICHE", "Inserisci una terna", "(numero più grande nell'ultima casella)",
              "Primo numero", "Secondo numero", "Terzo numero, il più grande", "AZZERA",
              "Per i numeri decimali, usa il punto al posto della virgola", "Base del primo quadrato", "+",
              "Base del secondo quadrato", "Relazione tra le potenze", "Base del terzo quadrato", "VERIFICA",
              "Quadrato del primo numero", "+", "Quadrato del secondo numero", "Relazione tra i quadrati",
              "Quadrato del terzo numero", "La TERNA", "Verdetto: La TERNA … Pitagorica", "Pitagorica",
              "prof. T. Valdrisco"]
    if read != wanted:
        failures.append("reading order %r, wanted %r" % (read, wanted))
    boxes = {name: description for role, name, description in named if role == "textbox"}
    for name, hint in (("Primo numero", "Per i numeri decimali, usa il punto al posto della virgola"),
                       ("Terzo numero, il più grande", "(numero più grande nell'ultima casella) Per i numeri"
                        " decimali, usa il punto al posto della virgola"),
                       ("Quadrato del primo numero", "")):
        if boxes.get(name) != hint:
            failures.append("%s is described as %r" % (name, boxes.get(name)))
    entries(page, "0", "4", "5")
    page.browser.click(*page.centre("Command2"))
    dialogs = [(n.get("name", {}).get("value"), n.get("description", {}).get("value"))
               for n in page.browser.accessibility_tree() if n["role"]["value"] == "alertdialog"]
    if dialogs != [("Terne pitagoriche", INVALID)]:
        failures.append("the warning reads as %r" % dialogs)
    page.dismiss_warning()
    return failures


def check_icons(page, folder):
    """The installable icons: one for masks, opaque, with all it draws inside the circle of 40 % of
    its width that every mask keeps (a round one cuts the rest off)."""
    from PIL import Image
    manifest = json.loads((folder / "manifest.webmanifest").read_text())
    masked = [icon["src"] for icon in manifest["icons"] if "maskable" in icon.get("purpose", "")]
    failures = [] if masked else ["no icon for masks"]
    for source in masked:
        image = Image.open(folder / source)
        if image.mode not in ("RGB", "L"):
            failures.append("%s is not opaque (%s)" % (source, image.mode))
            image = image.convert("RGB")
        width, height = image.size
        background = image.getpixel((0, 0))
        outside = [(x, y) for y in range(0, height, 4) for x in range(0, width, 4)
                   if (x - width / 2) ** 2 + (y - height / 2) ** 2 > (0.4 * width) ** 2
                   and image.getpixel((x, y)) != background]
        if outside:
            failures.append("%s draws outside the safe circle, at %r" % (source, outside[:3]))
    return failures


def check_privacy(page):
    """No request to any other site, no cookie, no storage of the page's own (the service
    worker's cache aside)."""
    page.open()
    entries(page, "3", "4", "5")
    page.click("Command2")
    found = page.eval("""
        const elsewhere = performance.getEntriesByType('resource').map((r) => r.name)
            .filter((n) => new URL(n).origin !== location.origin);
        const databases = indexedDB.databases ? (await indexedDB.databases()).length : 0;
        return elsewhere.concat(document.cookie ? ['a cookie'] : [],
            localStorage.length + sessionStorage.length + databases ? ['storage'] : []);""")
    return ["privacy: " + f for f in found]


def check_works(page, what):
    entries(page, "6", "8", "10")
    page.click("Command2")
    return [] if page.text("Text11") == "100" else [what + ": VERIFICA gave %r" % page.text("Text11")]


def check_cannot_start(page, broken):
    """A page whose program cannot run says so, in a visible alert, in every case the browser can
    be brought to: `broken` maps each case to the address of a page that has it."""
    failures = []
    cases = list(broken.items())
    if hasattr(page.browser, "without_webassembly"):
        cases.append(("no WebAssembly", page.url))
    for case, url in cases:
        page.collect_problems()
        if case == "no WebAssembly":
            with page.browser.without_webassembly():
                page.browser.go(url)
        else:
            page.browser.go(url)
        shown = page.eval("""for (let i = 0; i < 100; ++i) {
              const f = document.getElementById('Failure');
              if (f && f.offsetHeight > 0 && f.textContent) break;
              await new Promise((r) => setTimeout(r, 20));
            }
            const f = document.getElementById('Failure');
            return [f.getAttribute('role'), f.offsetHeight > 0, f.textContent,
                    'ready' in document.documentElement.dataset];""")
        wanted = ["alert", True, CANNOT_RUN, False]
        if shown != wanted:
            failures.append("%s: the alert shows %r" % (case, shown))
        page.forget_problems()  # what the browser says of the failure is expected
    return failures


CANNOT_RUN = ("Impossibile: il programma non può funzionare in questo browser. Aggiornalo, oppure apri la "
              "pagina con un altro browser.")


def check_early_click(page, slow):
    """A click that comes before the program is ready is answered once it is, once: `slow` is the
    page with its module held back until the test lets it go."""
    page.url, url = slow, page.url
    try:
        page.browser.go(slow)
    finally:
        page.url = url
    entries(page, "abc", "4", "5")
    page.browser.click(*page.centre("Command2"))
    page.settle()
    failures = []
    if page.eval("return 'ready' in document.documentElement.dataset || document.getElementById('Warning').open;"):
        failures.append("the program was ready before the click: nothing was tested")
    page.warnings = []
    page.eval("""terneGo();
        for (let i = 0; i < 500 && !document.getElementById('Warning').open; ++i) {
          await new Promise((r) => setTimeout(r, 10));
        }""")
    page.dismiss_warning()
    page.dismiss_warning()
    if [w["text"] for w in page.warnings] != [INVALID]:
        failures.append("a click before the program was ready gave %d warnings" % len(page.warnings))
    return failures
