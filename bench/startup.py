#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The acronym authors
# SPDX-License-Identifier: MIT
"""Start-up time and peak memory of `acronym --screenshot` against a bare Qt window.

Each run starts the program, waits until it has rendered its window into a PNG and exited, and
reads the wall time from process start and the peak resident memory. The two programs alternate,
and which goes first alternates too, so that a slow moment of the machine hits both alike.

    python3 bench/startup.py [--build build/release] [--runs 40] [--puzzle FILE]

With --puzzle, acronym also starts with that puzzle file, and its start-up is compared with the
bare window's and the built-in puzzle's; bench/pictured_puzzle writes one with pictures.
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(command):
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{command[0]} exited with status {status}")
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0  # milliseconds, MiB


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build/release", help="the build folder")
    parser.add_argument("--runs", type=int, default=40, help="runs of each program")
    parser.add_argument("--puzzle", help="a puzzle file for acronym to start with as well")
    options = parser.parse_args()

    acronym = os.path.join(options.build, "app", "acronym")
    programs = {
        "acronym": [acronym],
        "bare window": [os.path.join(options.build, "bench", "bare_window")],
    }
    if options.puzzle:
        programs["with puzzle"] = [acronym, options.puzzle]
    for path in (command[0] for command in programs.values()):
        if not os.access(path, os.X_OK):
            sys.exit(f"{path} is missing: build the release preset first")

    os.environ["QT_QPA_PLATFORM"] = "offscreen"
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    with tempfile.TemporaryDirectory() as folder:
        picture = os.path.join(folder, "window.png")
        for command in programs.values():  # warm the file cache
            run_once(command + ["--screenshot", picture])
        names = list(programs)
        for run in range(options.runs):
            for name in names if run % 2 == 0 else reversed(names):
                elapsed, peak = run_once(programs[name] + ["--screenshot", picture])
                times[name].append(elapsed)
                memory[name].append(peak)

    print(f"{'program':<12} {'start-up ms':>12} {'peak MiB':>9}   (medians of {options.runs} runs)")
    for name in programs:
        print(f"{name:<12} {statistics.median(times[name]):>12.1f} "
              f"{statistics.median(memory[name]):>9.1f}")
    ratios = [("ratio", "acronym", "bare window")]
    if options.puzzle:
        ratios += [("puzzle ratio", "with puzzle", "bare window"), ("to built-in", "with puzzle", "acronym")]
    for label, name, against in ratios:
        time_ratio = statistics.median(times[name]) / statistics.median(times[against])
        memory_ratio = statistics.median(memory[name]) / statistics.median(memory[against])
        print(f"{label:<12} {time_ratio:>12.2f} {memory_ratio:>9.2f}")


if __name__ == "__main__":
    main()
