#!/usr/bin/python3
"""The page on a school's server, in one browser, one session: nginx serves the release zip
unpacked into folders as a school publishes it, beside another program, and the test does what
the school and its pupils do. The first visit downloads each file once; a second copy and the
other program keep their caches; a new release unpacked over the old folder, or an index.html
edited on the server, shows by the second opening, and offline afterwards; a host that redirects
index.html to its folder opens both, online and offline.
Usage: school_test.py chromium|firefox|webkit ZIP   (works in the current folder)"""
import collections
import pathlib
import re
import shutil
import sys
import tempfile
import time
import zipfile

import browsers
import checks
import page_test
from nginx import Nginx
from page import Page

# Another program on the same server, with an offline cache of its own.
OTHER = """<!DOCTYPE html><title>other</title><link rel="icon" href="data:,"><p>Another program
<script>caches.open('other program').then((c) => c.put('kept', new Response('kept')))
  .then(() => { document.documentElement.dataset.ready = ''; });</script>"""


# The host that sends index.html to its folder (the folder itself still answers with index.html).
REDIRECT = 'location /moved/ { if ($request_uri = "/moved/index.html") { return 301 /moved/; } }'


def unpack(zip_path, folder):
    """As `unzip` does over an existing folder: each file replaced, with the date it has in the zip."""
    with tempfile.TemporaryDirectory() as temporary:
        shutil.copytree(page_test.unpack(zip_path, pathlib.Path(temporary)), folder, dirs_exist_ok=True)


def next_release(zip_path, new_zip, description):
    """The next release as the build would make it: new content (the page's description), a
    worker naming a new cache, and every file dated a day later."""
    with zipfile.ZipFile(zip_path) as old, zipfile.ZipFile(new_zip, "w", zipfile.ZIP_DEFLATED) as new:
        for info in old.infolist():
            data = old.read(info)
            if info.filename.endswith("/index.html"):
                data = re.sub(rb'(<meta name="description" content=")[^"]*', b"\\g<1>" + description.encode(), data)
            elif info.filename.endswith("/sw.js"):
                data = re.sub(rb"(const CACHE = PREFIX \+ ')[0-9a-f]+", b"\\g<1>" + description.encode().hex()[:16].encode(), data)
            stamp = time.localtime(time.mktime(info.date_time + (0, 0, -1)) + 86400)[:6]
            new.writestr(zipfile.ZipInfo(info.filename, stamp), data)


class School:
    def __init__(self, page, server):
        self.page, self.server = page, server

    def open(self, folder, file=""):
        self.page.url = self.server.url + folder + "/" + file
        self.page.open()
        return self.page.eval("return [(document.querySelector('meta[name=description]') || {}).content,"
                              " 'ready' in document.documentElement.dataset];")

    def kept_offline(self, folder):
        """Until the page's worker controls it and its cache is made."""
        return self.page.eval("""for (let i = 0; i < 500; ++i) {
              const keys = await caches.keys();
              if (navigator.serviceWorker.controller && keys.some((k) => k.startsWith('terne ' + location.origin + '/%s/')))
                return true;
              await new Promise((r) => setTimeout(r, 20));
            }
            return false;""" % folder)

    def caches(self):
        return sorted(self.page.eval("return await caches.keys();"))

    def quiet(self):
        """Until the browser has asked the server nothing for half a second: a pupil's next
        opening comes later than that. Returns what it asked."""
        asked = []
        start = last = time.time()
        while time.time() - last < 0.5 and time.time() - start < 10:
            time.sleep(0.1)
            new = self.server.requests()
            if new:
                asked += new
                last = time.time()
        return asked


def downloads(requests):
    return collections.Counter(path for _, path, status, size in requests if status == 200 and size > 0)


def summary(requests):
    return "%d requests, %d bytes" % (len(requests), sum(size for _, _, _, size in requests))


def main():
    name, zip_path = sys.argv[1:3]
    work = pathlib.Path.cwd() / ("school-" + name)
    shutil.rmtree(work, ignore_errors=True)
    served = work / "served"
    for folder in ("one", "two", "moved"):
        unpack(zip_path, served / folder)
    (served / "other").mkdir()
    (served / "other" / "index.html").write_text(OTHER)
    release = work / "next.zip"
    next_release(zip_path, release, "the next release")
    original = zipfile.ZipFile(zip_path).read(zipfile.ZipFile(zip_path).namelist()[0].split("/")[0] + "/index.html")
    first = re.search(rb'<meta name="description" content="([^"]*)', original).group(1).decode()

    failures = []

    def expect(what, shown, wanted):
        if shown != wanted:
            failures.append("%s: %r, wanted %r" % (what, shown, wanted))

    browser = browsers.start(name)
    try:
        with Nginx(served, work / "nginx", REDIRECT) as server:
            page = Page(browser, server.url)
            school = School(page, server)
            school.open("other")
            server.requests()

            # The first visit: each file downloaded once, the page's own answered with a 304.
            expect("the first visit", school.open("one"), [first, True])
            expect("kept for offline use", school.kept_offline("one"), True)
            visit = school.quiet()
            twice = {path: n for path, n in downloads(visit).items() if n > 1}
            print("first visit: " + summary(visit), flush=True)
            if any(status == 304 for _, _, status, _ in visit):
                expect("files downloaded more than once on the first visit", twice, {})
            else:  # WebKit's automation session keeps no HTTP cache: it never asks a server twice
                print("not tried here: no request was conditional, the browser keeps no HTTP cache")

            expect("a second copy", school.open("two"), [first, True])
            expect("the second copy kept for offline use", school.kept_offline("two"), True)
            school.quiet()

            # A new release unpacked over the old folder: shown by the second opening at the latest.
            unpack(release, served / "one")
            shown = [school.open("one")[0]]
            update = school.quiet()
            shown.append(school.open("one")[0])
            update += school.quiet()
            expect("the openings after an update", shown[1], "the next release")
            print("update: openings show %r; %s" % (shown, summary(update)), flush=True)
            caches = school.caches()
            expect("caches after the update", [c.rsplit(" ", 1)[0] if c.startswith("terne ") else c for c in caches],
                   ["other program", "terne %sone/" % server.url, "terne %stwo/" % server.url])

            # Offline: each copy, the new one and the old one.
            server.offline()
            expect("the updated copy offline", school.open("one"), ["the next release", True])
            failures.extend(checks.check_works(page, "the updated copy offline"))
            expect("the other copy offline", school.open("two"), [first, True])
            failures.extend(checks.check_works(page, "the other copy offline"))
            server.offline(False)

            # index.html edited on the server, nothing else.
            index = served / "one" / "index.html"
            index.write_text(index.read_text().replace("the next release", "edited by the school"))
            shown = [school.open("one")[0]]
            school.quiet()
            shown.append(school.open("one")[0])
            expect("the openings after an edit", shown[1], "edited by the school")

            # A host that sends index.html to the folder.
            expect("behind a redirect", school.open("moved", "index.html"), [first, True])
            expect("behind a redirect, kept for offline use", school.kept_offline("moved"), True)
            school.quiet()
            for online in (True, False):
                server.offline(not online)
                for file in ("index.html", ""):
                    where = "moved/%s %s" % (file, "online" if online else "offline")
                    expect(where, school.open("moved", file), [first, True])
            server.offline(False)
            expect("the other program's cache", "other program" in school.caches(), True)
            page.collect_problems()
            failures += ["console: " + p for p in page.problems]
    finally:
        browser.quit()
    for failure in failures:
        print("FAIL " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
