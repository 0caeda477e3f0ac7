#!/usr/bin/python3
"""The web page in a real browser, served as a school serves it (the release zip unpacked into a
folder of nginx): every shared window behaviour, then what only a page has to do (checks.py),
the page opened from its zip, offline use, and no console error or CSP violation throughout.
Usage: page_test.py chromium|firefox|webkit BEHAVIOURS.json ZIP [AXE.js]   (works in the current folder)"""
import base64
import hashlib
import json
import os
import pathlib
import re
import shutil
import sys
import time
import zipfile

import browsers
import checks
from nginx import Nginx
from page import Page, run_behaviour

# Served beside the page, each with a server header of its own: a server whose Content-Security-
# Policy forbids compiling WebAssembly, and one that forbids the page's scripts.
BROKEN_BY_SERVER = {
    "a server that forbids compiling WebAssembly": ("csp-no-wasm", "script-src 'unsafe-inline'"),
    "a server that forbids the page's scripts": ("csp-no-script", "script-src 'none'"),
}


def unpack(zip_path, folder):
    """The zip as a school unpacks it: `unzip` keeps the files' dates. Returns the page's folder."""
    with zipfile.ZipFile(zip_path) as archive:
        archive.extractall(folder)
        for info in archive.infolist():
            stamp = time.mktime(info.date_time + (0, 0, -1))
            os.utime(folder / info.filename, (stamp, stamp))
        return folder / archive.namelist()[0].split("/")[0]


def module_script(page):
    start = page.rindex("<script>") + len("<script>")
    return start, page.index("</script>", start)


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def changed_copy(site, folder, change):
    """A copy of the page whose module's script `change` rewrites, signed again so that the
    page's policy admits it."""
    page = (site / "index.html").read_text()
    start, end = module_script(page)
    script = page[start:end]
    changed = change(script)
    if changed == script:
        raise RuntimeError("the module's script does not read as expected")
    shutil.copytree(site, folder)
    (folder / "index.html").write_text(page[:start].replace(digest(script), digest(changed)) + changed + page[end:])


def broken_copies(site, served):
    """Copies of the page that reach the browser damaged: its module corrupted on the way (still
    base64, no longer WebAssembly), and the page cut off halfway through its module. Returns
    {case: folder name}."""
    changed_copy(site, served / "corrupted", lambda s: s.replace("'\\0asm", "'\\0asl", 1))
    page = (site / "index.html").read_text()
    start, end = module_script(page)
    shutil.copytree(site, served / "cut")
    (served / "cut" / "index.html").write_text(page[:(start + end) // 2])
    made = {"a corrupted module": "corrupted", "a page cut off in its module": "cut"}
    for case, (name, _) in BROKEN_BY_SERVER.items():
        shutil.copytree(site, served / name)
        made[case] = name
    return made


def slow_copy(site, served):
    """A copy of the page whose module is compiled only when the test says so, as on a phone too
    slow to have its program ready when the window shows."""
    changed_copy(site, served / "slow", lambda s: s.replace(
        "Module.compiled = (async function () {",
        "Module.compiled = new Promise((go) => { window.terneGo = go; }).then(async function () {", 1)
        .replace("})();\nModule.compiled.catch", "});\nModule.compiled.catch", 1))
    return "slow"


def check_file(page, folder):
    """Opened straight from the unpacked zip: no server, no service worker."""
    page.url, url = (folder / "index.html").as_uri(), page.url
    try:
        page.open()
        return checks.check_works(page, "from the zip")
    finally:
        page.url = url


def check_offline(page, server):
    """Once opened, the page works with its server gone, and Chromium finds it installable."""
    page.open()
    ready = page.eval("""const r = await navigator.serviceWorker.ready;
        for (let i = 0; i < 100 && !navigator.serviceWorker.controller; ++i) {
          await new Promise((done) => setTimeout(done, 20));
        }
        return !!r.active;""")
    if not ready:
        return ["the service worker did not start"]
    failures = []
    if page.browser.name == "chromium":
        errors = page.browser.cdp("Page.getInstallabilityErrors").get("installabilityErrors", [])
        failures += ["not installable: " + e.get("errorId", str(e)) for e in errors]
        manifest = json.loads(page.browser.cdp("Page.getAppManifest").get("data") or "{}")
        if manifest.get("name") != "Terne pitagoriche":
            failures.append("the manifest names the app %r" % manifest.get("name"))
    server.offline()
    try:
        page.open()
        return failures + checks.check_works(page, "offline")
    finally:
        server.offline(False)


def main():
    name, behaviours_file, zip_path = sys.argv[1:4]
    axe = sys.argv[4] if len(sys.argv) > 4 and os.path.exists(sys.argv[4]) else None
    behaviours = json.load(open(behaviours_file))
    work = pathlib.Path.cwd() / name
    shutil.rmtree(work, ignore_errors=True)
    served = work / "served"
    served.mkdir(parents=True)
    folder = unpack(zip_path, served)
    broken = broken_copies(folder, served)
    slow = slow_copy(folder, served)
    extra = "".join('location /%s/ { add_header Content-Security-Policy "%s"; }\n' % header
                    for header in BROKEN_BY_SERVER.values())
    browser = browsers.start(name)
    failures = []
    skipped = set()
    try:
        with Nginx(served, work / "nginx", extra) as server:
            page = Page(browser, server.url + folder.name + "/")
            for behaviour in behaviours:
                differences = run_behaviour(page, behaviour)
                failures += [behaviour["name"] + ": " + d for d in differences]
                print(("FAIL " if differences else "ok   ") + behaviour["name"], flush=True)
            cases = [(checks.check_cases, ()), (checks.check_limit_typing, ()), (checks.check_script_limit, ()),
                     (checks.check_modality, ()), (checks.check_undo, ()),
                     (checks.check_verdict_spoken, ()), (checks.check_back, ()), (checks.check_edges, ()),
                     (checks.check_screens, ()), (checks.check_accessibility, (axe,)), (checks.check_privacy, ()),
                     (checks.check_icons, (folder,)),
                     (checks.check_early_click, (server.url + slow + "/",)),
                     (checks.check_cannot_start, ({case: server.url + n + "/" for case, n in broken.items()},)),
                     (check_file, (folder,)), (check_offline, (server,))]
            for check, args in cases:
                found = check(page, *args)
                failures += found
                print(("FAIL " if found else "ok   ") + check.__name__, flush=True)
            page.collect_problems()
            failures += ["console: " + p for p in page.problems]
            skipped = page.skipped
    finally:
        browser.quit()
    if not axe:
        failures.append("axe-core is missing: give its axe.min.js")
    for failure in failures:
        print("FAIL " + failure)
    for what in sorted(skipped):
        print("not tried here, as this browser's driver cannot: " + what)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
