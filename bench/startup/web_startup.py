#!/usr/bin/python3
"""Start-up of the web page on a slow phone, against a page of one line of text: each run a new
headless Chromium with a new profile, its CPU slowed 4 times, on a 1.6 Mbit/s line with 150 ms
round trips, the pages served by nginx with gzip as a school's server may serve them, the two
pages alternating. For the page: its first paint, and when a VERIFICA clicked as soon as the
window shows (3, 4, 5 typed in) is answered; for the floor, its first paint. Medians, with the
spread (the middle half), and the bytes each page and the whole site send.
Usage: web_startup.py SITE RUNS"""
import pathlib
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tests" / "form" / "web"))
import browsers  # noqa: E402
from nginx import Nginx  # noqa: E402

SLOW_PHONE = {"offline": False, "latency": 150, "downloadThroughput": 1.6e6 / 8, "uploadThroughput": 750e3 / 8}
FLOOR = "<!DOCTYPE html><html lang=\"it\"><title>floor</title><link rel=\"icon\" href=\"data:,\"><p>Terne pitagoriche</p>\n"

# Before any script of the page: as soon as the window shows, 3, 4, 5 and a click on VERIFICA,
# as a pupil's; the answer is the verdict the page says.
PUPIL = """
window.__times = {};
new PerformanceObserver((list) => {
  for (const entry of list.getEntries()) {
    if (entry.name !== 'first-contentful-paint') continue;
    window.__times.paint = entry.startTime;
    const button = document.getElementById('Command2');
    if (!button) continue;
    ['3', '4', '5'].forEach((text, i) => { document.getElementById('Text' + (i + 1)).value = text; });
    button.click();
  }
}).observe({type: 'paint', buffered: true});
new MutationObserver(() => {
  const verdict = document.getElementById('Verdict');
  if (verdict && verdict.textContent && !window.__times.answer) window.__times.answer = performance.now();
}).observe(document, {subtree: true, childList: true, characterData: true});
"""


def measure(url):
    chromium = browsers.Chromium()
    try:
        chromium.cdp("Network.enable")
        chromium.cdp("Network.emulateNetworkConditions", SLOW_PHONE)
        chromium.cdp("Emulation.setCPUThrottlingRate", {"rate": 4})
        chromium.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": PUPIL})
        chromium.viewport(360, 640, mobile=True)
        chromium.driver.get(url)
        return chromium.eval("""
            for (let i = 0; i < 1000; ++i) {
              const t = window.__times;
              if (t.paint && (t.answer || !document.getElementById('Command2'))) return t;
              await new Promise((r) => setTimeout(r, 10));
            }
            return window.__times;""")
    finally:
        chromium.quit()


def spread(values):
    ordered = sorted(values)
    quarter = len(ordered) // 4
    return "%.0f (%.0f–%.0f)" % (statistics.median(ordered), ordered[quarter], ordered[-1 - quarter])


def main():
    site, runs = pathlib.Path(sys.argv[1]), int(sys.argv[2])
    root = pathlib.Path(__file__).resolve().parents[2] / "build"
    with tempfile.TemporaryDirectory(dir=root) as folder:
        pathlib.Path(folder).chmod(0o755)  # nginx's workers read from it
        served = pathlib.Path(folder) / "served"
        shutil.copytree(site, served / "terne")
        (served / "floor.html").write_text(FLOOR)
        times = {"terne": [], "floor": []}
        with Nginx(served, pathlib.Path(folder) / "nginx", gzip=True) as server:
            for run in range(runs + 1):  # the first round warms the machine up and is not counted
                for name, url in (("terne", server.url + "terne/"), ("floor", server.url + "floor.html")):
                    took = measure(url)
                    if run > 0:
                        times[name].append(took)
            sent = {}
            for method, path, status, size in server.requests():
                sent.setdefault(path, size)
    paint = [t["paint"] for t in times["terne"]]
    answer = [t["answer"] for t in times["terne"]]
    floor = [t["paint"] for t in times["floor"]]
    print("median of %d runs (ms), with the middle half:" % runs)
    print("  floor, first paint            %s" % spread(floor))
    print("  terne, first paint            %s   %.2f of the floor's" % (spread(paint), statistics.median(paint) / statistics.median(floor)))
    print("  terne, first click answered   %s   %.2f of the floor's first paint" % (
        spread(answer), statistics.median(answer) / statistics.median(floor)))
    print("bytes sent, gzip'd by nginx:")
    for path, size in sorted(sent.items()):
        print("  %-40s %8d" % (path, size))


if __name__ == "__main__":
    main()
