#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's start against a bare Qt window, in interleaved pairs.

Each run is timed from the moment it is started to the first paint of its main window, and
its resident memory is read at that paint. Both programs are built in bin/ of a build folder:

    xvfb-run -a python3 bench/startup_ratio.py build/bin --pairs 11

While they run, a third program holds a connection to the display: an X server left without
clients resets itself, and the next program to connect then waits while it compiles its
keyboard map again. A desktop never resets, so neither do the runs.

The ratios program / bare window are printed as minimum, median and maximum over the pairs,
with the absolute figures beside them. Memory is given whole (RSS), as the memory the
process allocated ("anon": heap, stacks, pictures), and as the pages of font files it maps
("fonts": the kernel maps a font in runs of pages around each glyph read; they belong to the
page cache, shared with every program showing that font).
"""
import argparse
import contextlib
import os
import statistics
import subprocess
import sys
import time

BARE = "lumaro-bench-bare-window"
BARE_CHINESE = "lumaro-bench-bare-chinese-window"
PROGRAM = "lumaro-bench-start"
HOLDER = "lumaro-bench-hold-display"
TIME_LIMIT_S = 20


def run_once(path):
    """Milliseconds from start to first paint, and kilobytes resident then: all, those the
    process allocated, and those of the font files it maps."""
    started = time.monotonic_ns()
    done = subprocess.run([path], capture_output=True, text=True, timeout=TIME_LIMIT_S,
                          check=False)
    fields = dict(part.split("=", 1) for part in done.stdout.split() if "=" in part)
    if "painted_ns" not in fields:
        sys.exit(f"{path} ended without painting (status {done.returncode}): "
                 f"{done.stderr.strip()[:400]}")
    memory = tuple(int(fields.get(key, 0)) for key in ("rss_kb", "anonymous_kb", "fonts_kb"))
    return (int(fields["painted_ns"]) - started) / 1e6, memory


@contextlib.contextmanager
def display_held(bin_folder):
    """Runs the holder until the block ends; it ends itself when its input closes."""
    holder = subprocess.Popen([os.path.join(bin_folder, HOLDER)], stdin=subprocess.PIPE,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    try:
        if holder.stdout.readline().strip() != "connected":
            sys.exit(f"{HOLDER} could not connect to the display")
        yield
    finally:
        holder.stdin.close()
        holder.wait(timeout=TIME_LIMIT_S)


def spread(values, unit):
    return (f"min {min(values):7.2f}{unit}  median {statistics.median(values):7.2f}{unit}  "
            f"max {max(values):7.2f}{unit}")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("bin", help="the build's bin folder")
    parser.add_argument("--pairs", type=int, default=11, help="counted pairs (at least 9)")
    parser.add_argument("--warmup", type=int, default=2, help="pairs run first, not counted")
    parser.add_argument("--program", help="another build's lumaro-bench-start, to time instead")
    parser.add_argument("--chinese", action="store_true",
                        help=f"measure against {BARE_CHINESE}: a bare window that fills the "
                             "screen with Chinese captions in the program's five faces")
    args = parser.parse_args()
    if args.pairs < 9:
        parser.error("--pairs: at least 9")
    if not os.environ.get("DISPLAY") and not os.environ.get("WAYLAND_DISPLAY"):
        parser.error("no display: run under xvfb-run -a")
    bare = os.path.join(args.bin, BARE_CHINESE if args.chinese else BARE)
    program = args.program or os.path.join(args.bin, PROGRAM)

    runs = {BARE: [], PROGRAM: []}
    with display_held(args.bin):
        time_pairs(args, bare, program, runs)
    report(args, program, bare, runs)


def time_pairs(args, bare, program, runs):
    for pair in range(args.warmup + args.pairs):
        # Alternate which goes first, so neither always finds the caches the other left.
        order = [(BARE, bare), (PROGRAM, program)]
        if pair % 2:
            order.reverse()
        for name, path in order:
            ms, memory = run_once(path)
            if pair >= args.warmup:
                runs[name].append((ms,) + tuple(kb / 1024 for kb in memory))


def report(args, program, bare, runs):
    print(f"{args.pairs} interleaved pairs, {program} / {bare}")
    figures = (("start", 0, " ms"), ("RSS", 1, " MiB"), ("anon", 2, " MiB"),
               ("fonts", 3, " MiB"))
    for label, column, unit in figures:
        ours = [run[column] for run in runs[PROGRAM]]
        theirs = [run[column] for run in runs[BARE]]
        if min(theirs) > 0:
            ratios = [a / b for a, b in zip(ours, theirs)]
            print(f"{label:5} ratio   {spread(ratios, '')}")
        print(f"{label:5} program {spread(ours, unit)}")
        print(f"{label:5} bare    {spread(theirs, unit)}")


if __name__ == "__main__":
    main()
