#!/usr/bin/env python3
"""Runs tolvex_bench and prints one table: each workload, libtolvex's time,
the peer's time and their ratio, with the target the ratio should meet.

Benchmarks are named <workload>/<implementation>[/<argument>...]; rows pair
the implementation "tolvex" with every other implementation of the same
workload and arguments. Targets hold against each peer written at its best;
a peer named "<name>_typical" (the peer as its documentation writes it) is
shown beside, without a target. Times are CPU times (medians when repeated), which
hold up better than wall-clock times on a shared machine.

  bench/compare.py                          # build/release/bench/tolvex_bench
  bench/compare.py --repetitions 5 --chart ratios.png
  bench/compare.py --json results.json      # tabulate an earlier run
"""

import argparse
import json
import os
import subprocess
import sys
import tempfile

# Most a ratio (libtolvex time / peer time) may be, by workload.
TARGETS = {
    "message_build": 1.0,
    "message_copy": 1.0,
    "message_read": 0.8,
    "message_dump": 2.0,
    "md5/bytes:1048576": 1 / 0.95,
    "md5/bytes:64": 1.0,
    # One dependent L1 load per link of MD2's chain is its floor, about 1.2
    # times as fast as the plain code; within 5% of that floor.
    "md2": 1.05 / 1.2,
    "timestamp_roundtrip": 1.0,
    # Against libtolvex's own yardsticks rather than a peer: reading JSON
    # against building through the setters, writing it against the dump.
    "json_read": 2.0,
    "json_write": 1.0,
}


def target_for(workload):
    if workload in TARGETS:
        return TARGETS[workload]
    return TARGETS.get(workload.split("/")[0])


def run_benchmarks(binary, repetitions, min_time, bench_filter):
    with tempfile.NamedTemporaryFile(suffix=".json", delete=False) as out:
        path = out.name
    command = [binary, "--benchmark_out=" + path,
               "--benchmark_out_format=json",
               "--benchmark_filter=" + bench_filter]
    if min_time is not None:
        command.append("--benchmark_min_time=%s" % min_time)
    if repetitions > 1:
        # Interleaved repetitions spread a busy spell of a shared machine
        # over both sides of a ratio instead of over one of them.
        command += ["--benchmark_repetitions=%d" % repetitions,
                    "--benchmark_enable_random_interleaving=true",
                    "--benchmark_report_aggregates_only=true"]
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    try:
        with open(path) as f:
            return json.load(f)
    finally:
        os.unlink(path)


def collect(results):
    """{workload: {implementation: benchmark record}}, medians preferred."""
    rows = {}
    for record in results["benchmarks"]:
        if record.get("run_type") == "aggregate":
            if record.get("aggregate_name") != "median":
                continue
        elif record.get("repetitions", 1) > 1:
            continue
        # Fixed iteration counts are part of the name; they name no workload.
        parts = [part for part in record["run_name"].split("/")
                 if not part.startswith("iterations:")]
        if len(parts) < 2:
            continue
        workload = "/".join([parts[0]] + parts[2:])
        rows.setdefault(workload, {})[parts[1]] = record
    return rows


def format_time(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("us", 1e3)):
        if ns >= scale:
            return "%.2f %s" % (ns / scale, unit)
    return "%.0f ns" % ns


def cpu_ns(record):
    scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[record["time_unit"]]
    return record["cpu_time"] * scale


def extra(record):
    """Throughput or allocations, whichever the benchmark reports."""
    if "bytes_per_second" in record:
        return "%.0f MB/s" % (record["bytes_per_second"] / 1e6)
    if "allocs" in record:
        return "%g allocs" % round(record["allocs"], 1)
    return ""


def table(rows):
    lines = []
    header = ("workload", "libtolvex", "", "peer", "peer time", "",
              "ratio", "target")
    lines.append(header)
    ratios = []
    memory = []
    for workload in sorted(rows):
        impls = rows[workload]
        ours = impls.get("tolvex")
        if ours is None:
            continue
        if "bytes_per_entry" in ours:
            for name, record in sorted(impls.items()):
                memory.append((workload, name, record["bytes_per_field"],
                               record["bytes_per_entry"]))
            continue
        peers = [(n, r) for n, r in sorted(impls.items()) if n != "tolvex"]
        for peer, record in peers or [("-", None)]:
            ratio = cpu_ns(ours) / cpu_ns(record) if record else None
            target = (None if peer.endswith("_typical")
                      else target_for(workload))
            verdict = ""
            if ratio is not None and target is not None:
                verdict = "<= %.2f %s" % (target,
                                          "met" if ratio <= target else "MISSED")
                ratios.append((workload, ratio, target))
            lines.append((workload, format_time(cpu_ns(ours)), extra(ours),
                          peer,
                          format_time(cpu_ns(record)) if record else "",
                          extra(record) if record else "",
                          "%.2f" % ratio if ratio is not None else "",
                          verdict))
    widths = [max(len(str(line[i])) for line in lines)
              for i in range(len(header))]
    text = []
    for line in lines:
        text.append("  ".join(str(cell).ljust(width)
                              for cell, width in zip(line, widths)).rstrip())
    if memory:
        text.append("")
        text.append("heap held by a built message (bytes)")
        text.append("%-14s %-16s %10s %10s" % ("workload", "library",
                                               "per field", "per entry"))
        for workload, name, field, entry in memory:
            text.append("%-14s %-16s %10.0f %10.0f" % (workload, name, field,
                                                       entry))
    return "\n".join(text), ratios


def chart(ratios, path):
    """A bar chart of the ratios with their targets, as a PNG."""
    with tempfile.TemporaryDirectory() as scratch:
        data = os.path.join(scratch, "ratios.dat")
        with open(data, "w") as f:
            for index, (workload, ratio, target) in enumerate(ratios):
                f.write('%d "%s" %f %f\n' % (index, workload, ratio, target))
        script = "\n".join([
            "set terminal pngcairo size 1200,600 noenhanced",
            "set output '%s'" % path,
            "set title 'libtolvex time / peer time (lower is better)'",
            "set style fill solid 0.6",
            "set boxwidth 0.6",
            "set xtics rotate by -45 font ',8'",
            "set yrange [0:*]",
            "set grid ytics",
            "plot '%s' using 1:3:xtic(2) with boxes title 'ratio', "
            "'' using 1:4 with points pt 7 title 'target'" % data,
        ])
        subprocess.run(["gnuplot"], input=script.encode(), check=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_binary = os.path.join(here, "..", "build", "release", "bench",
                                  "tolvex_bench")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bench", default=default_binary,
                        help="the benchmark binary")
    parser.add_argument("--repetitions", type=int, default=5)
    parser.add_argument("--min-time", help="--benchmark_min_time, seconds")
    parser.add_argument("--filter", default=".", help="benchmark name regex")
    parser.add_argument("--json", help="tabulate this earlier JSON output")
    parser.add_argument("--save", help="also write the JSON output here")
    parser.add_argument("--chart", help="write a PNG chart of the ratios here")
    args = parser.parse_args()

    if args.json:
        with open(args.json) as f:
            results = json.load(f)
    else:
        results = run_benchmarks(args.bench, args.repetitions, args.min_time,
                                 args.filter)
    if args.save:
        with open(args.save, "w") as f:
            json.dump(results, f, indent=1)
    text, ratios = table(collect(results))
    print(text)
    if args.chart and ratios:
        chart(ratios, args.chart)
    return 0


if __name__ == "__main__":
    sys.exit(main())
