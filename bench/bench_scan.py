#!/usr/bin/env python3
"""How fast SCAN steps: steps per second at a scanning interval, against ft897-sim.

Starts ft897-sim with no signals (a quiet band, so the scan never holds) and the real
program under a private Xvfb with openbox, in a freshly seeded data directory with the
scanning interval chosen, switches the link on with P, selects FM on 144 MHz (F11,
Shift+F), scans for a window with the 4 key and reads the steps from the simulator's
log: a step is one set-frequency frame (opcode 01). Prints the median of the runs of
steps per second and of the gap between steps; the ceiling is one step per interval.
"""

import argparse
import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time

from bench_panel import Display, frames, stop, wait_for

SCAN_INDEX = {1000: 0, 500: 1, 400: 2, 300: 3, 250: 4, 200: 5}  # Update Intervals > Scanning
SCAN_SPEED_OFFSET = 10  # the settings record's ScanSpeed field, 16-bit little-endian


def seed(build, directory, link, interval_ms):
    subprocess.run([os.path.join(build, "bench/dorv-bench-seed"), directory, link, "1"],
                   check=True)
    with open(os.path.join(directory, "ft897.dorv"), "r+b") as settings:
        settings.seek(SCAN_SPEED_OFFSET)
        settings.write(struct.pack("<h", SCAN_INDEX[interval_ms]))


def run_once(build, interval_ms, seconds):
    display = Display()
    directory = tempfile.mkdtemp(prefix="dorv-bench-scan-")
    sim = program = None
    try:
        link = os.path.join(directory, "radio")
        log = os.path.join(directory, "sim.log")
        quiet = os.path.join(directory, "quiet.txt")
        with open(quiet, "w") as signals:
            signals.write("# no signals: the scan never holds\n")
        seed(build, directory, link, interval_ms)
        executable = os.path.join(directory, "dorv-ft897")
        shutil.copy(os.path.join(build, "src/gui/dorv-ft897"), executable)
        sim = subprocess.Popen([os.path.join(build, "src/sim/ft897-sim"), "--link", link,
                                "--log", log, "--signals", quiet],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: os.path.exists(link), 5, "the simulator's link")
        program = subprocess.Popen([executable], env=display.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        wait_for(lambda: display.window("^DORV FT-897") is not None, 30, "the panel")
        window = display.window("^DORV FT-897")
        display.run(["xdotool", "windowactivate", "--sync", window])
        time.sleep(1.0)
        for key in ("p", "F11", "shift+f"):
            display.run(["xdotool", "key", "--clearmodifiers", key])
            time.sleep(1.0)
        start = frames(log)[-1][0]
        display.run(["xdotool", "key", "4"])  # SCAN
        time.sleep(seconds)
        display.run(["xdotool", "key", "4"])
        time.sleep(0.5)
        steps = [at for at, op in frames(log) if at > start and op == "01"]
        gaps = [b - a for a, b in zip(steps, steps[1:])]
        return {"steps_per_s": len(gaps) / (steps[-1] - steps[0]),
                "median_gap_ms": 1000.0 * statistics.median(gaps),
                "max_gap_ms": 1000.0 * max(gaps)}
    finally:
        for process in (program, sim):
            if process is not None:
                stop(process, 10)
        display.close()
        shutil.rmtree(directory, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build", help="the build directory")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--seconds", type=float, default=20.0, help="each scanning window")
    parser.add_argument("--interval", type=int, default=200, choices=sorted(SCAN_INDEX))
    args = parser.parse_args()

    runs = [run_once(args.build, args.interval, args.seconds) for _ in range(args.runs)]
    ceiling = 1000.0 / args.interval
    print(f"scanning interval {args.interval} ms, {args.runs} runs of {args.seconds:.0f} s, "
          f"medians; ceiling {ceiling:.2f} steps/s")
    for key in ("steps_per_s", "median_gap_ms", "max_gap_ms"):
        values = [run[key] for run in runs]
        listed = ", ".join(f"{v:.2f}" for v in values)
        print(f"{key:<16}{statistics.median(values):>10.2f}   runs: {listed}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
