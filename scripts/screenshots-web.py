#!/usr/bin/python3
"""Takes the README's screenshots of the web page in headless Chromium, after 3, 4, 5 and VERIFICA:
at 100 % in a desktop window, and on a 360 by 640 phone screen. Build the page first
(scripts/serve-web.sh or the web preset). Usage: scripts/screenshots-web.py"""
import pathlib
import sys

root = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(root / "tests" / "form" / "web"))
import browsers  # noqa: E402
import page_test  # noqa: E402
from page import Page  # noqa: E402

chromium = browsers.Chromium()
try:
    with page_test.server(str(root / "build" / "web" / "site")) as (url, _):
        for name, width, height, mobile in (("web-3-4-5.png", 520, 360, False),
                                            ("web-phone-360.png", 360, 640, True)):
            chromium.cdp("Emulation.setDeviceMetricsOverride",
                         {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
            page = Page(chromium, url)
            page.open("it-IT")
            page_test.entries(page, "3", "4", "5")
            page.click("Command2", kind="touch" if mobile else "mouse")
            page.settle()
            chromium.screenshot(str(root / "docs" / name))
finally:
    chromium.quit()
