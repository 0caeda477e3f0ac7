"""Headless Chromium (through chromedriver), Firefox ESR (through its own WebDriver BiDi, as
Debian has no geckodriver) and WebKit (WebKitGTK's MiniBrowser through WebKitWebDriver, on a
virtual X server), behind one small interface: open a page, run a script in it, send real key,
mouse and touch input, and collect what the console and the Content-Security-Policy report."""
import contextlib
import json
import os
import re
import shutil
import subprocess
import tempfile
import time

import processes

# Run before any script of each page: collects errors, CSP violations and unhandled rejections.
WATCH = """
window.__problems = [];
window.addEventListener('error', (e) => window.__problems.push('error: ' + e.message));
window.addEventListener('unhandledrejection', (e) => window.__problems.push('rejection: ' + e.reason));
document.addEventListener('securitypolicyviolation',
    (e) => window.__problems.push('CSP: ' + e.violatedDirective + ' ' + e.blockedURI));
for (const level of ['error', 'warn']) {
  const original = console[level];
  console[level] = function (...args) { window.__problems.push(level + ': ' + args.join(' ')); original.apply(console, args); };
}
"""

# Run before any script of a page: a browser without WebAssembly.
NO_WEBASSEMBLY = "delete globalThis.WebAssembly;"

KEYS = {"Tab": "\ue004", "Enter": "\ue006", "Esc": "\ue00c", "Space": " ", "Shift": "\ue008",
        "Control": "\ue009", "End": "\ue010"}


def key_actions(keys):
    """WebDriver key actions for a list of key names and characters, each pressed and released;
    "Shift+Tab" holds Shift around Tab."""
    actions = []
    for key in keys:
        if key == "ShiftTab":
            actions += [{"type": "keyDown", "value": KEYS["Shift"]}, {"type": "keyDown", "value": KEYS["Tab"]},
                        {"type": "keyUp", "value": KEYS["Tab"]}, {"type": "keyUp", "value": KEYS["Shift"]}]
        else:
            value = KEYS.get(key, key)
            actions += [{"type": "keyDown", "value": value}, {"type": "keyUp", "value": value}]
    return actions


def chord_actions(keys):
    """A key combination: each key pressed in turn, all released in the reverse order."""
    values = [KEYS.get(key, key) for key in keys]
    return ([{"type": "keyDown", "value": v} for v in values] +
            [{"type": "keyUp", "value": v} for v in reversed(values)])


def pointer_actions(x, y, kind="mouse"):
    return [{"type": "pointer", "id": kind, "parameters": {"pointerType": kind}, "actions": [
        {"type": "pointerMove", "x": int(x), "y": int(y), "origin": "viewport"},
        {"type": "pointerDown", "button": 0}, {"type": "pause", "duration": 50},
        {"type": "pointerUp", "button": 0}]}]


class Browser:
    """What every browser does alike once its `perform` sends WebDriver actions."""
    can_hold = True
    accessibility_tree = None

    def keys(self, keys):
        self.perform([{"type": "key", "id": "keyboard", "actions": key_actions(keys)}])

    def chord(self, keys):
        self.perform([{"type": "key", "id": "keyboard", "actions": chord_actions(keys)}])

    def click(self, x, y, kind="mouse"):
        self.perform(pointer_actions(x, y, kind))

    def screenshot(self, path):
        with open(path, "wb") as out:
            out.write(self.screenshot_png())


class Chromium(Browser):
    name = "chromium"

    def __init__(self):
        from selenium import webdriver
        from selenium.webdriver.chrome.options import Options
        from selenium.webdriver.chrome.service import Service
        options = Options()
        options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
        self.profile = tempfile.mkdtemp(prefix="terne-chromium-")
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking", "--disable-sync",
                         "--disable-component-update", "--disable-default-apps",
                         "--disable-back-forward-cache",
                         "--user-data-dir=" + self.profile):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        service = Service(shutil.which("chromedriver") or "/usr/bin/chromedriver")
        self.driver = webdriver.Chrome(service=service, options=options)
        self.driver.set_script_timeout(30)
        self.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
        self.viewport(800, 600)

    def console(self):
        """What the browser itself logged as a warning or an error since last asked: failed
        requests and CSP violations among them."""
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] in ("SEVERE", "WARNING")]

    def cdp(self, command, parameters=None):
        return self.driver.execute_cdp_cmd(command, parameters or {})

    def open(self, url, locale="en-US"):
        self.cdp("Emulation.setLocaleOverride", {"locale": locale})
        self.driver.get("about:blank")
        self.driver.get(url)

    def go(self, url):
        self.driver.get(url)

    def back(self):
        self.driver.back()

    def reload(self):
        self.driver.refresh()

    @contextlib.contextmanager
    def without_webassembly(self):
        added = self.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": NO_WEBASSEMBLY})
        try:
            yield
        finally:
            self.cdp("Page.removeScriptToEvaluateOnNewDocument", {"identifier": added["identifier"]})

    def eval(self, script):
        """The JSON value of a function body's result; a promise is awaited."""
        return json.loads(self.driver.execute_async_script(
            "const done = arguments[0]; Promise.resolve((async () => {" + script + "})())"
            ".then((v) => done(JSON.stringify(v === undefined ? null : v)),"
            " (e) => done(JSON.stringify({__error: String(e)})));"))

    def perform(self, actions, release=True):
        from selenium.webdriver.remote.command import Command
        self.driver.execute(Command.W3C_ACTIONS, {"actions": actions})
        if release:
            self.driver.execute(Command.W3C_CLEAR_ACTIONS, {})

    def screenshot_png(self):
        return self.driver.get_screenshot_as_png()

    def held(self, key):
        """Only the repeats of a key held down since before the focus came. chromedriver marks no
        key event as a repeat, so this goes through the DevTools protocol."""
        name, code, text = {"Enter": ("Enter", 13, "\r"), "Space": (" ", 32, " ")}[key]
        self.cdp("Input.dispatchKeyEvent", {"type": "keyDown", "key": name, "code": "Enter" if key == "Enter" else "Space",
                                            "windowsVirtualKeyCode": code, "text": text, "autoRepeat": True})

    def viewport(self, width, height, mobile=False):
        """A phone's (mobile) has its own layout viewport, which widens to content that overflows."""
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})

    def accessibility_tree(self):
        return self.cdp("Accessibility.getFullAXTree")["nodes"]

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


class Firefox(Browser):
    name = "firefox"
    PREFS = {
        "browser.shell.checkDefaultBrowser": False, "app.update.disabledForTesting": True,
        "datareporting.policy.dataSubmissionEnabled": False, "toolkit.telemetry.enabled": False,
        "network.captive-portal-service.enabled": False, "network.connectivity-service.enabled": False,
        "browser.safebrowsing.update.enabled": False, "services.settings.server": "http://127.0.0.1:9/",
        "extensions.update.enabled": False, "browser.startup.homepage_override.mstone": "ignore",
        "security.fileuri.strict_origin_policy": True,
        "browser.sessionhistory.max_total_viewers": 0,  # no back/forward cache
    }

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="terne-firefox-")
        with open(os.path.join(self.profile, "user.js"), "w") as prefs:
            for name, value in self.PREFS.items():
                prefs.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        self.log = open(os.path.join(self.profile, "stderr.log"), "w+")
        self.process = subprocess.Popen(
            [shutil.which("firefox-esr") or "firefox", "--headless", "--no-remote", "--profile", self.profile,
             "--remote-debugging-port=0", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=self.log, env=dict(os.environ, MOZ_CRASHREPORTER_DISABLE="1"))
        try:
            self.connect()
        except BaseException:
            self.process.kill()  # a browser that never answered must not outlive the test
            self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)
            raise

    def connect(self):
        import websocket
        address = None
        deadline = time.time() + 60
        while address is None and time.time() < deadline and self.process.poll() is None:
            time.sleep(0.1)
            with open(self.log.name) as log:
                found = re.search(r"WebDriver BiDi listening on (ws://\S+)", log.read())
            address = found.group(1) if found else None
        if address is None:
            raise RuntimeError("Firefox did not start its WebDriver BiDi server")
        # Firefox refuses a connection that names an origin.
        self.socket = websocket.create_connection(address + "/session", timeout=60, suppress_origin=True)
        self.next_id = 0
        self.command("session.new", {"capabilities": {"alwaysMatch": {"acceptInsecureCerts": False}}})
        # The first window never gets the focus, headless: keys reach a button there, but do not
        # press it. A window of the session's own does.
        first = self.command("browsingContext.getTree", {})["contexts"][0]["context"]
        self.context = self.command("browsingContext.create", {"type": "window"})["context"]
        self.command("browsingContext.activate", {"context": self.context})
        self.command("browsingContext.close", {"context": first})
        self.command("script.addPreloadScript", {"functionDeclaration": "() => {" + WATCH + "}"})
        self.logged = []
        self.command("session.subscribe", {"events": ["log.entryAdded"]})
        self.viewport(800, 600)

    def command(self, method, params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("method") == "log.entryAdded" and message["params"].get("level") in ("error", "warn"):
                self.logged.append(message["params"].get("text", ""))
            if message.get("id") == self.next_id:
                if message.get("type") == "error":
                    raise RuntimeError("%s: %s %s" % (method, message.get("error"), message.get("message")))
                return message["result"]

    def open(self, url, locale="en-US"):
        try:
            self.command("emulation.setLocaleOverride", {"locale": locale, "contexts": [self.context]})
        except RuntimeError:
            self.command("emulation.setLocaleOverride", {"locale": locale})
        self.go("about:blank")
        self.go(url)

    def go(self, url):
        """Navigates, and waits for the new document's load. Firefox's own wait for it now and then
        never ends (about one run in four, with the page loaded), so the test watches for it."""
        self.eval("window.__left = true;")
        self.command("browsingContext.navigate", {"context": self.context, "url": url, "wait": "none"})
        self.loaded(url)

    def loaded(self, what):
        deadline = time.time() + 60
        while time.time() < deadline:
            try:
                if self.eval("return !window.__left && document.readyState === 'complete';"):
                    return
            except RuntimeError:  # between two documents
                pass
            time.sleep(0.02)
        raise RuntimeError("Firefox did not load " + what)

    def back(self):
        self.eval("window.__left = true;")
        self.command("browsingContext.traverseHistory", {"context": self.context, "delta": -1})
        self.loaded("the page before")

    def reload(self):
        self.eval("window.__left = true;")
        self.command("browsingContext.reload", {"context": self.context, "wait": "none"})
        self.loaded("the page again")

    @contextlib.contextmanager
    def without_webassembly(self):
        added = self.command("script.addPreloadScript", {"functionDeclaration": "() => {" + NO_WEBASSEMBLY + "}"})
        try:
            yield
        finally:
            self.command("script.removePreloadScript", {"script": added["script"]})

    def eval(self, script):
        result = self.command("script.evaluate", {
            "expression": "(async () => {" + script + "})().then((v) => JSON.stringify(v === undefined ? null : v),"
                          " (e) => JSON.stringify({__error: String(e)}))",
            "target": {"context": self.context}, "awaitPromise": True, "resultOwnership": "none"})
        if result.get("type") == "exception":
            raise RuntimeError(result["exceptionDetails"]["text"])
        return json.loads(result["result"]["value"])

    def console(self):
        logged, self.logged = self.logged, []
        return logged

    def perform(self, actions, release=True):
        self.command("input.performActions", {"context": self.context, "actions": actions})
        if release:
            self.command("input.releaseActions", {"context": self.context})

    def held(self, key):
        """A key held down since before the focus came to the control that has it: pressed with
        the focus elsewhere, it repeats there, and is released."""
        value = KEYS.get(key, key)
        self.eval("window.__held = document.activeElement; document.activeElement.blur();")
        self.perform([{"type": "key", "id": "keyboard", "actions": [{"type": "keyDown", "value": value}]}], False)
        self.eval("window.__held.focus();")
        self.perform([{"type": "key", "id": "keyboard", "actions": [{"type": "keyDown", "value": value}]}])

    def viewport(self, width, height, mobile=False):
        self.command("browsingContext.setViewport",
                     {"context": self.context, "viewport": {"width": width, "height": height}})

    def screenshot_png(self):
        import base64
        return base64.b64decode(self.command("browsingContext.captureScreenshot", {"context": self.context})["data"])

    def quit(self):
        try:
            self.command("browser.close", {})
        except Exception:  # the connection closes as the browser goes
            pass
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)


class WebKit(Browser):
    """WebKit, the engine of Safari and of every browser on iOS and iPadOS. Its driver speaks
    classic WebDriver only: no script runs before a page's own, the console cannot be read, and no
    key repeats, so what the page reports is watched from its load on, and a held key is not
    tried. Full screen, MiniBrowser has no toolbar: its window is the viewport. It takes its
    language from the environment, so a page opened in another one starts a new session."""
    name = "webkit"
    BINARY = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    can_hold = False

    def __init__(self):
        self.xvfb = processes.Xvfb()
        self.locales = tempfile.mkdtemp(prefix="terne-webkit-")
        self.locale = None
        self.size = (800, 600)
        self.start("en-US")

    def start(self, locale):
        from selenium import webdriver
        from selenium.webdriver.common.options import ArgOptions

        class Options(ArgOptions):
            default_capabilities = {}

            def to_capabilities(self):
                return {"browserName": "MiniBrowser", "webkitgtk:browserOptions": {
                    "binary": WebKit.BINARY, "args": ["--automation", "--full-screen"]}}

        environment = dict(os.environ, DISPLAY=self.xvfb.display, LANG="C.UTF-8")
        if locale != "en-US":
            # glibc's locale, made here: WebKit reads the language only from one it knows.
            name = locale.replace("-", "_") + ".UTF-8"
            if not os.path.exists(os.path.join(self.locales, name)):
                subprocess.run(["localedef", "-i", locale.replace("-", "_"), "-f", "UTF-8",
                                os.path.join(self.locales, name)], check=True)
            environment.update(LOCPATH=self.locales, LANG=name)
        port = processes.free_port()
        self.service = processes.child(["WebKitWebDriver", "--port=%d" % port], env=environment,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            processes.wait_for_port(port, self.service, "WebKitWebDriver")
            self.driver = webdriver.Remote(command_executor="http://127.0.0.1:%d" % port, options=Options())
        except BaseException:
            processes.stop(self.service)
            raise
        self.driver.set_script_timeout(30)
        self.locale = locale
        self.viewport(*self.size)
        # The focus, as a desktop's window manager gives it to a new window: without it the page
        # has none (document.hasFocus()), and draws no focus.
        subprocess.run("for w in $(xdotool search --onlyvisible --class MiniBrowser); do xdotool windowfocus --sync $w; done",
                       shell=True, check=True, env=dict(os.environ, DISPLAY=self.xvfb.display), timeout=30)

    def open(self, url, locale="en-US"):
        if locale != self.locale:
            self.end_session()
            self.start(locale)
        self.driver.get("about:blank")
        self.driver.get(url)
        self.driver.execute_script(WATCH)

    def go(self, url):
        self.driver.get(url)
        self.driver.execute_script(WATCH)

    def back(self):
        self.driver.back()
        self.driver.execute_script(WATCH)

    def reload(self):
        self.driver.refresh()
        self.driver.execute_script(WATCH)

    eval = Chromium.eval
    perform = Chromium.perform
    screenshot_png = Chromium.screenshot_png

    def console(self):
        return []

    def viewport(self, width, height, mobile=False):
        self.size = (width, height)
        self.driver.set_window_rect(width=width, height=height)

    def end_session(self):
        try:
            self.driver.quit()
        finally:
            processes.stop(self.service)

    def quit(self):
        try:
            self.end_session()
        finally:
            self.xvfb.stop()
            shutil.rmtree(self.locales, ignore_errors=True)


def start(name):
    return {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}[name]()
