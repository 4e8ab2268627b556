#!/usr/bin/python3
"""Prints the benchmark table from hyperfine's JSON exports.

Usage: print_report.py WORKBOOK READERS.json REPEAT.json REPEAT_COUNT

READERS.json holds one result each for xlsdump, xlrd and freexl (by command
name); REPEAT.json the result of `xlsdump --repeat REPEAT_COUNT`.
"""
import json
import os
import sys


def medians(path):
    with open(path, encoding="utf-8") as f:
        results = json.load(f)["results"]
    return {r["command"]: r for r in results}


def main(argv):
    if len(argv) != 5:
        sys.exit(__doc__)
    workbook, readers_json, repeat_json, repeat = argv[1], argv[2], argv[3], int(argv[4])
    if repeat < 2:
        sys.exit("REPEAT_COUNT must be at least 2")
    size = os.path.getsize(workbook)
    print("workbook: %s, %s bytes (%.1f MiB)" % (workbook, format(size, ","), size / 2 ** 20))
    print()

    readers = medians(readers_json)
    base = readers["xlsdump"]["median"]
    print("%-10s %12s %12s %12s %12s" % ("reader", "median (s)", "mean (s)", "stddev (s)", "/ xlsdump"))
    for name in ("xlsdump", "xlrd", "freexl"):
        r = readers[name]
        print("%-10s %12.4f %12.4f %12.4f %11.2fx" % (name, r["median"], r["mean"], r["stddev"] or 0.0,
                                                     r["median"] / base))
    print()
    print("xlrd / xlsdump   = %.2f" % (readers["xlrd"]["median"] / base))
    print("freexl / xlsdump = %.2f" % (readers["freexl"]["median"] / base))
    print()

    (repeated,) = medians(repeat_json).values()
    total = repeated["median"]
    # total/N still carries 1/N of the start-up and printing; the difference
    # to the single run leaves them out entirely.
    marginal = (total - base) / (repeat - 1)
    print("xlsdump --repeat %d: median %.4f s in all" % (repeat, total))
    print("  per read (total / %d):                      %.4f s" % (repeat, total / repeat))
    print("  per extra read ((total - single) / %d):     %.4f s" % (repeat - 1, marginal))
    print("  start-up and printing (single - per extra): %.4f s" % (base - marginal))


if __name__ == "__main__":
    main(sys.argv)
