#!/usr/bin/env python3
"""Runs tolvex-msg on small inputs and checks its exit codes, standard output
and error lines; the JSON it writes must parse with Python's json module to
the structure it was given.

usage: tolvex_msg_test.py <tolvex-msg> [emulator...]
"""
import json
import os
import subprocess
import sys
import tempfile

TOOL = sys.argv[2:] + sys.argv[1:2]  # the emulator, if any, runs the tool
FAILURES = []

# Every kind, a list of two groups, a password, awkward texts: quotes,
# control characters, non-ASCII, and a byte that is not UTF-8 (\udcff).
MESSAGE = {
    "268": {"list": [{"269": {"text": "0"}, "270": {"double": 1.0825}},
                     {"269": {"text": "1"}, "270": {"double": -0.0}}]},
    "271": {"int": 100}, "35": {"text": "W"}, "554": {"text": "secret"},
    "58": {"text": "q\"\\\n\t\u0001 caf\u00e9 \udcff"},
    "7": {"none": None}, "9000": {"long": 12345678901},
    "9001": {"double": "NaN"}, "95": {"binary": "AAEC"},
    "SID": {"text": "alice-1"},
}


def run(args, stdin=b""):
    result = subprocess.run(TOOL + args, input=stdin, capture_output=True,
                            check=False)
    return result.returncode, result.stdout.decode("utf-8", "surrogateescape"), \
        result.stderr.decode("utf-8", "surrogateescape")


def expect(name, actual, wanted):
    if actual != wanted:
        FAILURES.append("%s:\n  got    %r\n  wanted %r" % (name, actual, wanted))


def same_structure(a, b):
    """Equal, with NaN equal to NaN and -0.0 apart from 0.0."""
    if isinstance(a, float) and isinstance(b, float):
        return repr(a) == repr(b)
    if isinstance(a, dict) and isinstance(b, dict):
        return list(a) == list(b) and all(same_structure(a[k], b[k]) for k in a)
    if isinstance(a, list) and isinstance(b, list):
        return len(a) == len(b) and all(map(same_structure, a, b))
    return type(a) is type(b) and a == b


def main():
    with tempfile.TemporaryDirectory() as scratch:
        def write(name, text):
            path = os.path.join(scratch, name)
            with open(path, "wb") as out:
                out.write(text.encode("utf-8", "surrogatepass")
                          if isinstance(text, str) else text)
            return path

        # Written in a shuffled order; the tool writes the name order.
        shuffled = dict(reversed(list(MESSAGE.items())))
        fixture = write("m.json", json.dumps(shuffled))

        status, out, err = run(["json", fixture])
        expect("json status", (status, err), (0, ""))
        expect("json round trip", same_structure(
            json.loads(out), MESSAGE), True)
        status, out, _ = run(["json", "-", "--redact"],
                             stdin=json.dumps(MESSAGE).encode())
        expect("json --redact", json.loads(out)["554"], {"text": "***"})

        status, out, _ = run(["describe", fixture])
        expect("describe status", status, 0)
        expect("describe header", out.splitlines()[0],
               'message "W" MARKETDATASNAPSHOTFULLREFRESH, session "alice-1"')
        expect("describe masks", "  554 PASSWORD: ***" in out, True)
        _, out, _ = run(["describe", "--reveal", fixture])
        expect("describe --reveal", '  554 PASSWORD: "secret"' in out, True)

        _, out, _ = run(["dump", fixture])
        expect("dump", out.splitlines()[:3],
               ["<message>", "<group>", "field: 268 = list"])

        changed = dict(MESSAGE, **{"271": {"int": 101}})
        other = write("other.json", json.dumps(changed))
        expect("diff equal", run(["diff", fixture, fixture]), (0, "", ""))
        expect("diff different", run(["diff", fixture, other]),
               (1, "271: int 100 != int 101\n", ""))

        for args, wanted in [
                (["tag", "262"], "MDREQID\n"), (["tag", "MDREQID"], "262\n"),
                (["tag", "9000"], "QELBSTART\nQELBSYMID\n"),
                (["type", "V"], "MARKETDATAREQUEST\n"),
                (["type", "MARKETDATAREQUEST"], "V\n"),
                (["value", "269", "0"], "BID\n"),
                (["value", "MDENTRYTYPE", "BID"], "0\n")]:
            expect(" ".join(args), run(args), (0, wanted, ""))
        expect("unknown tag", run(["tag", "nope"]),
               (1, "", 'tolvex-msg: no tag numbered or named "nope"\n'))

        # Bad input and usage: status 2, one line on standard error, nothing
        # on standard output.
        bad = write("bad.json", '{"a": {"int": 1},\n "b": {"int": 1.5}}')
        for args, line in [
                (["json", bad],
                 bad + ':2:15: field "b": expected an integer for "int"'),
                (["diff", fixture, bad],
                 bad + ':2:15: field "b": expected an integer for "int"'),
                (["describe", os.path.join(scratch, "absent.json")],
                 os.path.join(scratch, "absent.json") +
                 ": cannot read: No such file or directory"),
                (["frobnicate"], None), (["json"], None),
                (["diff", fixture], None), ([], None)]:
            status, out, err = run(args)
            expect("bad %s" % args, (status, out, err.count("\n")), (2, "", 1))
            if line is not None:
                expect("line of %s" % args, err, line + "\n")
            elif not err.startswith("tolvex-msg: usage: "):
                expect("usage of %s" % args, err, "tolvex-msg: usage: ...")
        status, out, err = run(["json", "-"], stdin=b"[")
        expect("stdin error", (status, out, err),
               (2, "", "<stdin>:1:1: expected an object, not a value\n"))

    for failure in FAILURES:
        print(failure)
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
