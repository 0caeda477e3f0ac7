#!/usr/bin/python3
"""Takes the README's screenshots of the web page after 3, 4, 5 and VERIFICA, served by nginx: in
headless Chromium at 100 % in a desktop window and on a 360 by 640 phone screen, and in WebKit
(Safari's engine) on a 1,280-pixel screen and a 393-pixel iPhone's. Build the page first
(scripts/serve-web.sh or the web preset). Usage: scripts/screenshots-web.py"""
import pathlib
import sys
import tempfile

root = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(root / "tests" / "form" / "web"))
import browsers  # noqa: E402
import checks  # noqa: E402
from nginx import Nginx  # noqa: E402
from page import Page  # noqa: E402

SHOTS = {"chromium": [("web-3-4-5.png", 520, 360), ("web-phone-360.png", 360, 640)],
         "webkit": [("web-webkit-1280.png", 1280, 800), ("web-webkit-iphone-393.png", 393, 852)]}

with tempfile.TemporaryDirectory(dir=root / "build") as work, \
        Nginx(root / "build" / "web" / "site", pathlib.Path(work) / "nginx") as server:
    for name, shots in SHOTS.items():
        browser = browsers.start(name)
        try:
            for shot, width, height in shots:
                browser.viewport(width, height, mobile=width < 478)
                page = Page(browser, server.url)
                page.open("it-IT")
                checks.entries(page, "3", "4", "5")
                page.click("Command2", kind="touch" if width < 478 and name == "chromium" else "mouse")
                page.focus("Text1")
                page.settle()
                browser.screenshot(str(root / "docs" / shot))
        finally:
            browser.quit()
