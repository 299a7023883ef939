#!/usr/bin/env python3
"""Fails when a source file includes a floor above its own.

The floors, lowest first, are the folders below; a file may include its own
floor and the floors beneath it, never one above. ruvak3/ (the base-library
stand-in) includes nothing of libtolvex. Files directly in tolvex/ (the
export macro, the version, the umbrella header and the whole-library tests)
may include any floor, and only they may include the umbrella header.

usage: check_layering.py <source root>
"""
import pathlib
import re
import sys

FLOORS = ["ruvak3", "tolvex/errors", "tolvex/foundation", "tolvex/model",
          "tolvex/protocol", "tolvex/text", "tolvex/session"]
# What a floor may include besides the floors: the export macro and version.
SHARED = {"tolvex/export.h", "tolvex/version.h"}
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.MULTILINE)


def floor_of(path):
    """The index of the floor a path (file or include) lies on, or None."""
    for index, floor in enumerate(FLOORS):
        if path.startswith(floor + "/"):
            return index
    return None


def upward_includes(root):
    sources = (path for floor in FLOORS for path in (root / floor).rglob("*"))
    for source in sorted(sources):
        if source.suffix not in (".h", ".cpp"):
            continue
        relative = source.relative_to(root).as_posix()
        own = floor_of(relative)
        if own is None:
            continue
        text = source.read_text(encoding="utf-8", errors="replace")
        for included in INCLUDE.findall(text):
            target = floor_of(included)
            shared = included in SHARED and own > 0
            if (target is not None and target > own) or (
                    included.startswith("tolvex/") and target is None
                    and not shared):
                yield f"{relative}: includes {included}, above its floor"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    problems = list(upward_includes(root))
    for problem in problems:
        print(problem)
    if not problems:
        print(f"every include points down the {len(FLOORS)} floors")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
