#!/usr/bin/env python3
"""How fast SCAN steps: steps per second at scanning intervals, against ft897-sim.

Starts ft897-sim with no signals (a quiet band, so the scan never holds) and the real
program under a private Xvfb with openbox, in a freshly seeded data directory with the
scanning interval chosen, switches the link on with P, and scans for a window with the 4
key: a memory scan through 400 memories (V for memory mode first; the scan never reaches
the empty positions), or with --vfo a VFO scan in FM on 144 MHz (F11, Shift+F). The steps
come from the simulator's log: a step is one set-frequency frame (opcode 01). Rounds of
every interval are interleaved; it prints the median over the rounds of steps per second
against the ceiling of one step per interval, and of the gaps between steps.
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

from bench_panel import Display, cpu_seconds, frames, stop, wait_for

SCAN_INDEX = {1000: 0, 500: 1, 400: 2, 300: 3, 250: 4, 200: 5}  # Update Intervals > Scanning
SCAN_SPEED_OFFSET = 10  # the settings record's ScanSpeed field, 16-bit little-endian


MEMORIES = 400


def seed(build, directory, link, interval_ms):
    subprocess.run([os.path.join(build, "bench/dorv-bench-seed"), directory, link, "1",
                    str(MEMORIES)], check=True)
    with open(os.path.join(directory, "ft897.dorv"), "r+b") as settings:
        settings.seek(SCAN_SPEED_OFFSET)
        settings.write(struct.pack("<h", SCAN_INDEX[interval_ms]))


def run_once(build, interval_ms, seconds, vfo):
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
        for key in ("p", "F11", "shift+f") if vfo else ("p", "v"):
            display.run(["xdotool", "key", "--clearmodifiers", key])
            time.sleep(1.0)
        start = frames(log)[-1][0]
        cpu0 = cpu_seconds(program.pid)
        display.run(["xdotool", "key", "4"])  # SCAN
        time.sleep(seconds)
        cpu1 = cpu_seconds(program.pid)
        display.run(["xdotool", "key", "4"])
        time.sleep(0.5)
        steps = [at for at, op in frames(log) if at > start and op == "01"]
        gaps = [b - a for a, b in zip(steps, steps[1:])]
        scanned = [at for at in steps if at <= start + seconds]
        return {"steps_per_s": len(gaps) / (steps[-1] - steps[0]),
                "cpu_ms_per_step": 1000.0 * (cpu1 - cpu0) / max(len(scanned), 1),
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
    parser.add_argument("--runs", type=int, default=3, help="rounds of every interval")
    parser.add_argument("--seconds", type=float, default=20.0, help="each scanning window")
    parser.add_argument("--intervals", default="200,1000",
                        help="comma-separated scanning intervals in ms, of "
                        + ", ".join(str(ms) for ms in sorted(SCAN_INDEX)))
    parser.add_argument("--vfo", action="store_true", help="a VFO scan instead of memories")
    args = parser.parse_args()
    intervals = [int(ms) for ms in args.intervals.split(",")]
    if any(ms not in SCAN_INDEX for ms in intervals):
        parser.error(f"intervals must be among {sorted(SCAN_INDEX)}")

    runs = {ms: [] for ms in intervals}
    for _ in range(args.runs):
        for ms in intervals:
            runs[ms].append(run_once(args.build, ms, args.seconds, args.vfo))
    kind = "VFO" if args.vfo else "memory"
    print(f"{kind} scan, {args.runs} interleaved rounds of {args.seconds:.0f} s, medians")
    print(f"{'interval':>9}{'ceiling/s':>11}{'steps/s':>9}{'of ceiling':>12}"
          f"{'median gap ms':>15}{'max gap ms':>12}{'CPU ms/step':>13}   steps/s by round")
    for ms in intervals:
        ceiling = 1000.0 / ms
        rate = statistics.median(run["steps_per_s"] for run in runs[ms])
        gap = statistics.median(run["median_gap_ms"] for run in runs[ms])
        worst = statistics.median(run["max_gap_ms"] for run in runs[ms])
        cpu = statistics.median(run["cpu_ms_per_step"] for run in runs[ms])
        listed = ", ".join(f"{run['steps_per_s']:.3f}" for run in runs[ms])
        print(f"{ms:>7} ms{ceiling:>11.2f}{rate:>9.3f}{100.0 * rate / ceiling:>11.1f}%"
              f"{gap:>15.1f}{worst:>12.1f}{cpu:>13.3f}   {listed}", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
