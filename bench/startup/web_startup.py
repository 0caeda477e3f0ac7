#!/usr/bin/python3
"""Start-up of the web page against a floor page of one line of text, in headless Chromium,
alternating, each from the network (no cache, no service worker): the time from navigation until
the page can take a click on VERIFICA (the floor: until its load event), with the number of
requests made until then and the bytes of the site, gzip'd. Usage: web_startup.py SITE RUNS"""
import gzip
import pathlib
import statistics
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tests" / "form" / "web"))
import browsers  # noqa: E402
import page_test  # noqa: E402


def main():
    site, runs = pathlib.Path(sys.argv[1]), int(sys.argv[2])
    with tempfile.TemporaryDirectory() as folder:
        root = pathlib.Path(folder)
        for path in site.rglob("*"):
            if path.is_file():
                target = root / "terne" / path.relative_to(site)
                target.parent.mkdir(parents=True, exist_ok=True)
                target.write_bytes(path.read_bytes())
        (root / "floor.html").write_text("<!DOCTYPE html><html lang=\"it\"><title>floor</title><p>Terne pitagoriche</p>\n")
        chromium = browsers.Chromium()
        try:
            with page_test.server(folder) as (base, _):
                chromium.cdp("Network.enable")
                chromium.cdp("Network.setCacheDisabled", {"cacheDisabled": True})
                chromium.cdp("Network.setBypassServiceWorker", {"bypass": True})
                times = {"terne": [], "floor": []}
                paints = {"terne": [], "floor": []}
                requests = {}
                for run in range(runs + 1):  # the first round warms the browser up and is not counted
                    for name, url, until in (("terne", base + "terne/", "terne-ready"), ("floor", base + "floor.html", None)):
                        chromium.driver.get("about:blank")
                        chromium.driver.get(url)
                        took = chromium.eval("""
                            for (let i = 0; i < 500; ++i) {
                              const n = performance.getEntriesByType('navigation')[0];
                              const mark = %s;
                              const paint = performance.getEntriesByName('first-contentful-paint');
                              if (n && n.loadEventEnd > 0 && paint.length &&
                                  (mark === null || performance.getEntriesByName(mark).length)) {
                                return [mark === null ? n.loadEventEnd : performance.getEntriesByName(mark)[0].startTime,
                                        paint[0].startTime];
                              }
                              await new Promise((r) => setTimeout(r, 10));
                            }
                            return null;""" % ("'" + until + "'" if until else "null"))
                        requests[name] = 1 + chromium.eval(
                            "return performance.getEntriesByType('resource').filter((r) => r.startTime < %f).length;"
                            % took[0])
                        if run > 0:
                            times[name].append(took[0])
                            paints[name].append(took[1])
                # One VERIFICA click, from the button's handler to the boxes written.
                chromium.driver.get(base + "terne/")
                click = chromium.eval("""
                    while (!('ready' in document.documentElement.dataset)) await new Promise((r) => setTimeout(r, 10));
                    for (const [box, text] of [['Text1', '3'], ['Text2', '4'], ['Text3', '5']]) {
                      document.getElementById(box).value = text;
                    }
                    // The page's clock ticks in 100 us: time batches of 200 clicks, the median of 9.
                    const times = [];
                    for (let batch = 0; batch < 9; ++batch) {
                      const start = performance.now();
                      for (let i = 0; i < 200; ++i) Module._Command2_Click();
                      times.push((performance.now() - start) / 200);
                    }
                    times.sort((a, b) => a - b);
                    return times[4] * 1000;""")
        finally:
            chromium.quit()
    terne, floor = statistics.median(times["terne"]), statistics.median(times["floor"])
    terne_paint, floor_paint = statistics.median(paints["terne"]), statistics.median(paints["floor"])
    sizes = {p.relative_to(site).as_posix(): (p.stat().st_size, len(gzip.compress(p.read_bytes(), 9)))
             for p in sorted(site.rglob("*")) if p.is_file() and not p.is_relative_to(site / "licences")}
    print("median of %d runs (ms)       terne    floor   ratio" % runs)
    print("navigation to clickable   %8.1f %8.1f %7.2f   (the floor: its load event)" % (terne, floor, terne / floor))
    print("navigation to first paint %8.1f %8.1f %7.2f" % (terne_paint, floor_paint, terne_paint / floor_paint))
    print("clickable against the floor's first paint   %7.2f" % (terne / floor_paint))
    print("requests until then       %8d %8d" % (requests["terne"], requests["floor"]))
    print("one VERIFICA click (3, 4, 5), median of 9 batches of 200: %.1f us" % click)
    print("files, bytes raw / gzip:")
    for name, (raw, packed) in sizes.items():
        print("  %-24s %8d %8d" % (name, raw, packed))
    print("  %-24s %8d %8d" % ("all", sum(r for r, _ in sizes.values()), sum(g for _, g in sizes.values())))


if __name__ == "__main__":
    main()
