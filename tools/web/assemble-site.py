#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Lays out the web build's site: static files that any web server can serve.

    assemble-site.py OUT PAGE_DIR PROGRAM_JS PROGRAM_WASM ICON_DIR NOTICE...

OUT is emptied and filled with the page (PAGE_DIR), the program (PROGRAM_JS, PROGRAM_WASM),
the icons (ICON_DIR's sizes and PAGE_DIR/icons), and the notices (each NOTICE file or the
files of a NOTICE folder, under notices/). The page learns the program's size for its
loading bar, the service worker the list of files it keeps, under a name that changes
with their contents. The larger text files are also left compressed (name.gz, name.br)
for servers that send those as they are.
"""

import gzip
import hashlib
import json
import pathlib
import shutil
import subprocess
import sys

PAGE_FILES = ["index.html", "quivelle.css", "quivelle-page.js", "service-worker.js",
              "manifest.webmanifest"]
ICON_SIZES = ["32", "128"]
COMPRESSED = {".wasm", ".js", ".html", ".css", ".txt", ".webmanifest"}


def copy_notices(sources, folder):
    folder.mkdir(parents=True)
    for source in map(pathlib.Path, sources):
        files = sorted(p for p in source.rglob("*") if p.is_file()) if source.is_dir() else [source]
        for f in files:
            shutil.copyfile(f, folder / f.name)


def compress(path):
    data = path.read_bytes()
    with open(str(path) + ".gz", "wb") as out:
        # No name and no time in the header, so that the same build gives the same bytes.
        with gzip.GzipFile(filename="", mode="wb", fileobj=out, compresslevel=9, mtime=0) as gz:
            gz.write(data)
    subprocess.run(["brotli", "-q", "11", "-f", "-o", str(path) + ".br", str(path)], check=True)


def main():
    out, page, program_js, program_wasm, icons = map(pathlib.Path, sys.argv[1:6])
    notices = sys.argv[6:]
    if out.exists():
        shutil.rmtree(out)
    (out / "icons").mkdir(parents=True)
    for name in PAGE_FILES:
        shutil.copyfile(page / name, out / name)
    shutil.copyfile(program_js, out / "quivelle.js")
    shutil.copyfile(program_wasm, out / "quivelle.wasm")
    for size in ICON_SIZES:
        shutil.copyfile(icons / f"{size}.png", out / "icons" / f"{size}.png")
    for png in sorted((page / "icons").glob("*.png")):
        shutil.copyfile(png, out / "icons" / png.name)
    copy_notices(notices, out / "notices")

    script = out / "quivelle-page.js"
    script.write_text(script.read_text().replace("@PROGRAM_BYTES@",
                                                 str(program_wasm.stat().st_size)))

    worker = out / "service-worker.js"
    kept = sorted(str(p.relative_to(out)) for p in out.rglob("*")
                  if p.is_file() and p != worker)
    digest = hashlib.sha256()
    for name in kept:
        digest.update(name.encode() + b"\0" + (out / name).read_bytes())
    worker.write_text(worker.read_text()
                      .replace("@SITE_HASH@", digest.hexdigest()[:12])
                      .replace("@SITE_FILES@", json.dumps(["./"] + kept, indent=2)))

    for path in sorted(out.rglob("*")):
        if path.is_file() and path.suffix in COMPRESSED:
            compress(path)


if __name__ == "__main__":
    main()
