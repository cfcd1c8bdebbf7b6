#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Collects the notices of the third-party code compiled into a static Qt.

    qt-notices.py QT_SOURCE BUILD_NINJA OUT_DIR

Every qt_attribution.json of the Qt source whose folder holds a file that the build
compiled (as its build.ninja names it) is written into OUT_DIR/THIRD-PARTY-NOTICES.txt,
and its licence files are copied beside it. A folder too many costs a page of text; one
too few would ship code without its licence, so the test is by folder, not by file.
"""

import json
import pathlib
import re
import shutil
import sys


def as_list(value):
    if value is None:
        return []
    return value if isinstance(value, list) else [value]


def main():
    source, ninja, out = (pathlib.Path(a) for a in sys.argv[1:4])
    source = source.resolve()
    compiled = set()
    pattern = re.compile(re.escape(str(source)) + r"/(\S+?\.(?:c|cc|cpp|cxx))\b")
    for match in pattern.finditer(ninja.read_text(errors="replace")):
        compiled.add(match.group(1))
    folders = {str(pathlib.PurePosixPath(f).parent) for f in compiled}

    def used(folder):
        return any(f == folder or f.startswith(folder + "/") for f in folders)

    out.mkdir(parents=True, exist_ok=True)
    entries = []
    for path in sorted((source / "src").rglob("qt_attribution.json")):
        folder = str(path.parent.relative_to(source))
        if not used(folder):
            continue
        for item in as_list(json.loads(path.read_text(), strict=False)):
            licence_files = []
            for name in as_list(item.get("LicenseFile")) + as_list(item.get("LicenseFiles")):
                for part in str(name).split():
                    file = path.parent / part
                    if file.is_file():
                        copy = f"{item.get('Id', path.parent.name)}-{file.name}"
                        shutil.copyfile(file, out / copy)
                        licence_files.append(copy)
            entries.append((item, folder, licence_files))

    with open(out / "THIRD-PARTY-NOTICES.txt", "w") as notes:
        notes.write("Third-party code in this program, as part of Qt "
                    "(the Qt libraries themselves: LGPL-3.0-only or GPL-2.0/3.0, see the\n"
                    "licence files in this folder). Each entry names the licence file "
                    "beside this one.\n\n")
        for item, folder, licence_files in entries:
            notes.write("=" * 78 + "\n")
            notes.write(f"{item.get('Name', folder)}")
            if item.get("Version"):
                notes.write(f" {item['Version']}")
            notes.write(f"\n  in Qt's {folder}\n")
            for key in ("Description", "Homepage", "License", "LicenseId"):
                if item.get(key):
                    notes.write(f"  {key}: {item[key]}\n")
            for line in as_list(item.get("Copyright")):
                for part in str(line).splitlines():
                    notes.write(f"  {part}\n")
            for copy in licence_files:
                notes.write(f"  Licence text: {copy}\n")
            notes.write("\n")
    print(f"{len(entries)} notices from {len(folders)} compiled folders")


if __name__ == "__main__":
    main()
