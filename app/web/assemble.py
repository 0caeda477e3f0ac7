#!/usr/bin/python3
"""Puts the web page together: one index.html holding the style, the font, the window and the
script with its module, under a Content-Security-Policy that admits exactly those; beside it the
manifest, the service worker, the icons and the licences. Also zips the folder."""
import argparse
import base64
import hashlib
import pathlib
import shutil
import zipfile


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def data_uri(path, kind):
    return "data:" + kind + ";base64," + base64.b64encode(path.read_bytes()).decode()


def main():
    parser = argparse.ArgumentParser()
    for name in ("template", "style", "controls-style", "markup", "loader", "script", "module", "font",
                 "manifest", "worker", "title-file", "out", "zip"):
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
    loader = args.loader.read_text().replace("@WASM@", wasm)
    script = args.script.read_text() + "\n" + args.module.read_text()
    if "</script" in (script + loader).lower() or "</style" in style.lower():
        raise SystemExit("a script or style would end its element early")
    # Nothing from any other site; the module needs 'wasm-unsafe-eval' to compile.
    csp = "; ".join([
        "default-src 'none'",
        "script-src " + sha256(loader) + " " + sha256(script) + " 'wasm-unsafe-eval'",
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
                       ("@ICON@", data_uri(icon, "image/png")), ("@STYLE@", style), ("@MODULE@", loader),
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
    cached = ["./", "index.html", "manifest.webmanifest"]
    for path in args.icon:
        shutil.copyfile(path, out / "icons" / path.name)
        cached.append("icons/" + path.name)
    for path in args.licence:
        shutil.copyfile(path, out / "licences" / path.name)
    version = hashlib.sha256(page.encode() + manifest.encode()).hexdigest()[:16]
    worker = args.worker.read_text().replace("@VERSION@", version)
    (out / "sw.js").write_text(worker.replace("@FILES@", ", ".join("'" + f + "'" for f in cached)))

    # The same folder, under the name of the release, with fixed times: two builds give one zip.
    top = args.zip.stem
    args.zip.parent.mkdir(parents=True, exist_ok=True)
    with zipfile.ZipFile(args.zip, "w", zipfile.ZIP_DEFLATED) as archive:
        for path in sorted(p for p in out.rglob("*") if p.is_file()):
            info = zipfile.ZipInfo(top + "/" + path.relative_to(out).as_posix(), (2026, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            archive.writestr(info, path.read_bytes())


if __name__ == "__main__":
    main()
