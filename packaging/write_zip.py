#!/usr/bin/python3
"""Zips a folder as a release hands it out: the folder under the zip's own name, its entries in
order, every one dated as the release (SOURCE_DATE_EPOCH where the builder sets it, else the date
of the source tree's last commit) and nothing else of the machine that made it. Two builds of one
commit give one zip, and two releases never look alike to a web server, which compares dates and
sizes. Usage: write_zip.py FOLDER ZIP SOURCE_TREE"""
import os
import pathlib
import subprocess
import sys
import time
import zipfile


def release_date(source):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        return int(subprocess.run(["git", "-C", str(source), "log", "-1", "--format=%ct"], capture_output=True,
                                  text=True, check=True).stdout)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return 1767225600  # 1 January 2026: a tree without its history


def write_zip(folder, path, date):
    stamp = time.gmtime(max(date, 315532800))[:6]  # a zip has no date before 1980
    top = path.name[:-len(".zip")]
    path.parent.mkdir(parents=True, exist_ok=True)
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for item in [folder] + sorted(folder.rglob("*")):
            name = "/".join([top] + list(item.relative_to(folder).parts))
            info = zipfile.ZipInfo(name + "/" if item.is_dir() else name, stamp)
            info.external_attr = (0o40755 if item.is_dir() else 0o100644) << 16
            info.compress_type = zipfile.ZIP_STORED if item.is_dir() else zipfile.ZIP_DEFLATED
            archive.writestr(info, b"" if item.is_dir() else item.read_bytes())


if __name__ == "__main__":
    folder, path, source = (pathlib.Path(a) for a in sys.argv[1:4])
    write_zip(folder, path, release_date(source))
