#!/usr/bin/env python3
"""Fails when a value shown beside a constant in fix_defs.h differs from the
value the library defines for it in fix_defs_table_internal.h, or when a
constant is missing on either side.

usage: check_constant_comments.py <folder holding both files>
"""
import pathlib
import re
import sys

ROW = re.compile(r'^TOLVEX_FIX_(TAG|MSGTYPE|TEXT_VALUE|INT_VALUE)\(([^)]*)\)',
                 re.MULTILINE)
PREFIX = {"TAG": "FLDTAG_", "MSGTYPE": "MSGTYPE_"}
DECLARATION = re.compile(
    r'static const (?:char\*|int)\s+(\w+);\s*///< (.*?)\s*$', re.MULTILINE)


def defined(table):
    values = {}
    for kind, arguments in ROW.findall(table):
        parts = [part.strip() for part in arguments.split(",", 2)]
        if kind in PREFIX:
            values[PREFIX[kind] + parts[0]] = parts[1]
        else:
            values[parts[0] + "_" + parts[1]] = parts[2]
    return values


def main():
    folder = pathlib.Path(sys.argv[1])
    values = defined((folder / "fix_defs_table_internal.h").read_text())
    shown = dict(DECLARATION.findall((folder / "fix_defs.h").read_text()))
    problems = [f"{name}: shown {shown.get(name)}, defined {values.get(name)}"
                for name in sorted(values.keys() | shown.keys())
                if shown.get(name) != values.get(name)]
    print("\n".join(problems) or f"{len(values)} constants shown as defined")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
