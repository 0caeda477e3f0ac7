#!/usr/bin/python3
"""Puts the web page together: one index.html holding, in the order a slow line brings them,
what the window's first paint needs (its style with the font, the program's start), the window,
its behaviour, and the program's module; all under a Content-Security-Policy that admits exactly
those. Beside it the manifest, the service worker, the icons and the licences."""
import argparse
import base64
import hashlib
import io
import pathlib
import shutil


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def data_uri(path, kind):
    return "data:" + kind + ";base64," + base64.b64encode(path.read_bytes()).decode()


def font_face(font, codes):
    """Carlito cut to `codes`, as WOFF2, as the page's font."""
    from fontTools import subset
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern"]
    cut = subset.load_font(str(font), options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=codes)
    subsetter.subset(cut)
    data = io.BytesIO()
    subset.save_font(cut, data, options)
    return ("@font-face{font-family:'Terne Carlito';font-display:block;src:url(data:font/woff2;base64," +
            base64.b64encode(data.getvalue()).decode() + ") format('woff2')}\n")


def byte_string(data):
    """Bytes as the text of a JavaScript string literal in a script element, one character each:
    escaped where the literal would end or the HTML parser change them (NUL, CR, "<"). A NUL
    before a digit is written in full: "\\0" and the digit would read as an octal escape."""
    escapes = {0x0A: "\\n", 0x0D: "\\r", 0x27: "\\'", 0x3C: "\\x3c", 0x5C: "\\\\"}
    text = []
    for at, byte in enumerate(data):
        if byte == 0:
            text.append("\\x00" if data[at + 1:at + 2].isdigit() else "\\0")
        else:
            text.append(escapes.get(byte, chr(byte)))
    return "".join(text)


def codes_of(text):
    """Code points from "U+0020-007E,U+00A0", as pyftsubset takes them."""
    codes = set()
    for part in text.split(","):
        first, _, last = part.strip().removeprefix("U+").partition("-")
        codes.update(range(int(first, 16), int(last or first, 16) + 1))
    return codes


def main():
    parser = argparse.ArgumentParser()
    for name in ("template", "style", "controls-style", "markup", "loader", "start", "script", "module",
                 "font", "manifest", "worker", "title-file", "out"):
        parser.add_argument("--" + name, required=True, type=pathlib.Path)
    parser.add_argument("--font-unicodes", required=True, help="the characters a triple needs")
    parser.add_argument("--icon", action="append", type=pathlib.Path, default=[])
    parser.add_argument("--licence", action="append", type=pathlib.Path, default=[])
    parser.add_argument("--name", required=True)
    parser.add_argument("--description", required=True)
    parser.add_argument("--version", required=True)
    args = parser.parse_args()

    # One face, with every character a triple needs: cut in two (what the window shows first,
    # and the rest after the window), it painted no sooner on a slow phone.
    markup = args.markup.read_text(encoding="utf-8")
    style = (font_face(args.font, codes_of(args.font_unicodes)) + args.style.read_text(encoding="utf-8") +
             args.controls_style.read_text(encoding="utf-8"))
    wasm = byte_string(args.module.with_suffix(".wasm").read_bytes())
    start, script = args.start.read_text(encoding="utf-8"), args.script.read_text(encoding="utf-8")
    module = args.loader.read_text(encoding="utf-8").replace("@WASM@", wasm) + "\n" + args.module.read_text(encoding="utf-8")
    if "</script" in (start + script + module).lower() or "</style" in style.lower():
        raise SystemExit("a script or style would end its element early")
    # Nothing from any other site; the module needs 'wasm-unsafe-eval' to compile.
    csp = "; ".join([
        "default-src 'none'",
        "script-src " + " ".join(sha256(s) for s in (start, script, module)) + " 'wasm-unsafe-eval'",
        "style-src " + sha256(style),
        "font-src data:",
        "img-src 'self' data:",
        "manifest-src 'self'",
        "worker-src 'self'",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    icon = next(i for i in args.icon if i.name.endswith("-32.png"))
    page = args.template.read_text(encoding="utf-8")
    for key, value in (("@CSP@", csp), ("@TITLE@", args.title_file.read_text(encoding="utf-8").strip()), ("@DESCRIPTION@", args.description),
                       ("@ICON@", data_uri(icon, "image/png")), ("@STYLE@", style), ("@START@", start),
                       ("@MARKUP@", markup), ("@PAGE@", script), ("@MODULE@", module)):
        page = page.replace(key, value)

    out = args.out
    if out.exists():
        shutil.rmtree(out)
    (out / "icons").mkdir(parents=True)
    (out / "licences").mkdir()
    (out / "index.html").write_text(page, encoding="utf-8")
    manifest = args.manifest.read_text(encoding="utf-8").replace("@NAME@", args.name)
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
    worker = args.worker.read_text(encoding="utf-8").replace("@VERSION@", version)
    (out / "sw.js").write_text(worker.replace("@FILES@", ", ".join("'" + f + "'" for f in cached)))


if __name__ == "__main__":
    main()
