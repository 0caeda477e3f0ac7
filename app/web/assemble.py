#!/usr/bin/python3
"""Puts the web page together: one index.html holding the style, the font, the window and the
script with its module, under a Content-Security-Policy that admits exactly those; beside it the
manifest, the service worker, the icons and the licences."""
import argparse
import base64
import hashlib
import pathlib
import shutil


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def data_uri(path, kind):
    return "data:" + kind + ";base64," + base64.b64encode(path.read_bytes()).decode()


def main():
    parser = argparse.ArgumentParser()
    for name in ("template", "style", "controls-style", "markup", "loader", "script", "module", "font",
                 "manifest", "worker", "title-file", "out"):
        parser.add_argument("--" + name, required=True, type=pathlib.Path)
    parser.add_argument("--icon", action="append", type=pathlib.Path, default=[])
    parser.add_argument("--licence", action="append", type=pathlib.Path, default=[])
    parser.add_argument("--name", required=True)
    parser.add_argument("--description", required=True)
    parser.add_argument("--version", required=True)
    args = parser.parse_args()

    font = ("@font-face{font-family:'Terne Carlito';font-display:block;src:url(" +
            data_uri(args.font, "font/woff2") + ") format('woff2')}\n")
    style = font + args.style.read_text() + args.controls_style.read_text()
    wasm = base64.b64encode(args.module.with_suffix(".wasm").read_bytes()).decode()
    script = args.script.read_text()
    module = args.loader.read_text().replace("@WASM@", wasm) + "\n" + args.module.read_text()
    if "</script" in (script + module).lower() or "</style" in style.lower():
        raise SystemExit("a script or style would end its element early")
    # Nothing from any other site; the module needs 'wasm-unsafe-eval' to compile.
    csp = "; ".join([
        "default-src 'none'",
        "script-src " + sha256(script) + " " + sha256(module) + " 'wasm-unsafe-eval'",
        "style-src " + sha256(style),
        "font-src data:",
        "img-src 'self' data:",
        "manifest-src 'self'",
        "worker-src 'self'",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    icon = next(i for i in args.icon if i.name.endswith("-32.png"))
    page = args.template.read_text()
    for key, value in (("@CSP@", csp), ("@TITLE@", args.title_file.read_text().strip()), ("@DESCRIPTION@", args.description),
                       ("@ICON@", data_uri(icon, "image/png")), ("@STYLE@", style), ("@MODULE@", module),
                       ("@MARKUP@", args.markup.read_text()), ("@SCRIPT@", script)):
        page = page.replace(key, value)

    out = args.out
    if out.exists():
        shutil.rmtree(out)
    (out / "icons").mkdir(parents=True)
    (out / "licences").mkdir()
    (out / "index.html").write_text(page)
    manifest = args.manifest.read_text().replace("@NAME@", args.name)
    (out / "manifest.webmanifest").write_text(manifest.replace("@DESCRIPTION@", args.description))
    cached = ["./", "manifest.webmanifest"]
    for path in args.icon:
        shutil.copyfile(path, out / "icons" / path.name)
        cached.append("icons/" + path.name)
    for path in args.licence:
        shutil.copyfile(path, out / "licences" / path.name)
    # The worker's cache is named for everything it keeps: a new build has a new worker.
    version = hashlib.sha256(b"".join((out / ("index.html" if f == "./" else f)).read_bytes()
                                      for f in cached)).hexdigest()[:16]
    worker = args.worker.read_text().replace("@VERSION@", version)
    (out / "sw.js").write_text(worker.replace("@FILES@", ", ".join("'" + f + "'" for f in cached)))


if __name__ == "__main__":
    main()
