#!/usr/bin/env python3
"""Every figure of the panel at the link's limit, from one interleaved run.

Each round runs in turn: the panel's CPU per status reading at the 100 ms and 500 ms meter
intervals beside hamlib's rigctld polled at the same intervals, and the bare Qt window
(bench_side_by_side.py); a memory scan at 200 ms and 1000 ms (bench_scan.py); a band
scope sweep at 250 ms and 1000 ms (bench_sweep.py); and the latencies of a status reply
to the meter's repaint and of a key to its frame, under strace (bench_latency.py). Load
from elsewhere falls on all alike; it prints the medians over the rounds as one table,
beside the ceilings and goals.
"""

import argparse
import os
import shutil
import statistics
import sys
import time

from bench_latency import run_latency, run_paint_perf, summary
from bench_panel import panel_sizes, run_panel
from bench_scan import run_once as run_scan
from bench_side_by_side import run_bare_idle, run_rigctld
from bench_sweep import run_sweep

SCAN_INTERVALS = (200, 1000)
SWEEP_INTERVALS = (250, 1000)
METER_INTERVALS = (100, 500)
CPU_GOAL_MS = 0.29  # rigctld's CPU per reading at 100 ms when the goal was set
MEMORY_GOAL_MB = 2.0  # over the bare window
FRAME_MS = 5.7  # one 5-byte frame at 9600 bit/s, 8N2
DISPLAY_FRAME_MS = 16.0  # one frame of a 60 Hz display


def one_round(build, args):
    """Every measurement once, in a fixed order; returns them by name."""
    got = {}
    for ms in METER_INTERVALS:
        got[f"panel{ms}"] = run_panel(build, ms, args.cpu_seconds, False)
        got[f"rigctld{ms}"] = run_rigctld(build, ms, args.cpu_seconds)
    got["bare"] = run_bare_idle(build, args.cpu_seconds)
    for ms in SCAN_INTERVALS:
        got[f"scan{ms}"] = run_scan(build, ms, args.scan_seconds, False)
    for ms in SWEEP_INTERVALS:
        got[f"sweep{ms}"] = run_sweep(build, ms, args.sweep_seconds)
    got["latency"] = run_latency(build, args.meter_seconds, args.jog_presses, args.holds)
    if shutil.which("perf"):
        got["perf"] = run_paint_perf(build, args.meter_seconds)
    return got


def median(rounds, key, field):
    return statistics.median(r[key][field] for r in rounds)


def by_round(rounds, key, field, digits=3):
    return ", ".join(f"{r[key][field]:.{digits}f}" for r in rounds)


def row(figure, value, against, ratio, note=""):
    print(f"{figure:<34}{value:>14}{against:>22}{ratio:>10}   {note}")


def print_table(rounds, args, loads):
    print(f"\n{len(rounds)} interleaved rounds, medians. Windows: CPU {args.cpu_seconds:.0f} s, "
          f"scan {args.scan_seconds:.0f} s, sweep {args.sweep_seconds:.0f} s, meter replies "
          f"{args.meter_seconds:.0f} s at 100 ms, {args.jog_presses} taps of U, {args.holds} "
          f"holds of Page Up per round.")
    print(f"Load average (1 min) at the start {loads[0]:.2f}, at the end {loads[1]:.2f}.\n")
    row("figure", "value", "against", "ratio", "goal / note")
    for ms in METER_INTERVALS:
        panel = median(rounds, f"panel{ms}", "cpu_ms_per_reading")
        rig = median(rounds, f"rigctld{ms}", "cpu_ms_per_reading")
        row(f"CPU per reading, {ms} ms", f"{panel:.3f} ms", f"rigctld {rig:.3f} ms",
            f"{panel / rig:.2f}", f"goal <= {CPU_GOAL_MS} ms and <= rigctld" if ms == 100 else "")
    peak = median(rounds, "panel100", "peak_rss_mb")
    bare = median(rounds, "bare", "peak_rss_mb")
    row("peak memory (VmHWM)", f"{peak:.1f} MB", f"bare window {bare:.1f} MB",
        f"+{peak - bare:.1f} MB", f"goal <= +{MEMORY_GOAL_MB:.0f} MB; rigctld "
        f"{median(rounds, 'rigctld100', 'peak_rss_mb'):.1f} MB")
    for kind, intervals, field in (("scan steps/s", SCAN_INTERVALS, "steps_per_s"),
                                   ("sweep readings/s", SWEEP_INTERVALS, "readings_per_s")):
        for ms in intervals:
            key = f"{kind.split()[0]}{ms}"
            rate, ceiling = median(rounds, key, field), 1000.0 / ms
            row(f"{kind}, {ms} ms", f"{rate:.3f}", f"ceiling {ceiling:.2f}",
                f"{100.0 * rate / ceiling:.1f} %", "goal within 2 %"
                if kind.startswith("scan") else "one reading per interval")
            if kind.startswith("scan"):
                row(f"  CPU per scan step, {ms} ms",
                    f"{median(rounds, key, 'cpu_ms_per_step'):.3f} ms", "", "")
    s = summary([r["latency"] for r in rounds], [r["perf"] for r in rounds if "perf" in r])
    for figure, key, goal in (("reply -> meter paint", "paint", DISPLAY_FRAME_MS),
                              ("key U -> frame", "jog", FRAME_MS),
                              ("Page Up press -> first frame", "knob_first", FRAME_MS),
                              ("Page Up repeat -> its frame", "knob_repeat", FRAME_MS)):
        m = s[key]
        row(figure, f"{m['median']:.2f} ms", f"goal {goal} ms", f"{m['median'] / goal:.2f}",
            f"p90 {m['p90']:.2f}, max {m['max']:.2f} ms, n {m['n']}; under strace")
        if key == "paint" and s["paint_perf"]["n"]:
            m = s["paint_perf"]
            row("  the same under perf trace", f"{m['median']:.2f} ms", f"goal {goal} ms",
                f"{m['median'] / goal:.2f}",
                f"p90 {m['p90']:.2f}, max {m['max']:.2f} ms, n {m['n']}; no stops")
    m = s["resend_late"]
    row("Page Up re-send, late", f"{m['median']:.2f} ms", "due every 250 ms", "",
        f"p90 {m['p90']:.2f}, max {m['max']:.2f} ms, n {m['n']}")
    m, late = s["release"], s["release_late"]
    row("Page Up release -> final frame", f"{m['median']:.1f} ms", "due at 240 ms",
        f"+{late['median']:.2f} ms", "40 ms key filter + 200 ms wait; under strace")
    print(f"\nmeter replies traced: {s['replies']}, {s['unpainted']} without a paint before "
          f"the next reply, {s['unchanged']} with the same status byte as the one before.")
    print("Latencies are from strace timestamps (the read that returned the reply or the "
          "KeyPress, to the start of the write of the paint or the frame); strace stops the "
          "program at every traced call, so they are upper bounds. perf trace does not stop "
          "it but sees no bytes: there the paint is the first write of more than 4 bytes to "
          "the X connection after a one-byte read of the serial device.")
    print("\nby round:")
    for ms in METER_INTERVALS:
        print(f"  CPU ms/reading {ms} ms: panel {by_round(rounds, f'panel{ms}', 'cpu_ms_per_reading')}"
              f"; rigctld {by_round(rounds, f'rigctld{ms}', 'cpu_ms_per_reading')}")
    print(f"  peak MB: panel {by_round(rounds, 'panel100', 'peak_rss_mb', 1)}; bare "
          f"{by_round(rounds, 'bare', 'peak_rss_mb', 1)}")
    for ms in SCAN_INTERVALS:
        print(f"  scan {ms} ms steps/s: {by_round(rounds, f'scan{ms}', 'steps_per_s')}")
    for ms in SWEEP_INTERVALS:
        print(f"  sweep {ms} ms readings/s: {by_round(rounds, f'sweep{ms}', 'readings_per_s')}")
    paint = ", ".join(f"{statistics.median(r['latency']['paint_ms']):.2f}" for r in rounds
                      if r["latency"]["paint_ms"])
    jog = ", ".join(f"{statistics.median(r['latency']['jog_ms']):.2f}" for r in rounds
                    if r["latency"]["jog_ms"])
    perf = ", ".join(f"{statistics.median(r['perf']['paint_ms']):.2f}" for r in rounds
                     if r.get("perf", {}).get("paint_ms"))
    print(f"  reply -> paint ms: {paint} (perf trace: {perf or 'not taken'}); "
          f"key U -> frame ms: {jog}")
    print(f"  panel window {panel_sizes[0] if panel_sizes else '?'}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build", help="the build directory")
    parser.add_argument("--runs", type=int, default=3, help="interleaved rounds (at least 3)")
    parser.add_argument("--cpu-seconds", type=float, default=15.0,
                        help="each CPU and memory window")
    parser.add_argument("--scan-seconds", type=float, default=12.0, help="each scan window")
    parser.add_argument("--sweep-seconds", type=float, default=12.0, help="each sweep window")
    parser.add_argument("--meter-seconds", type=float, default=8.0,
                        help="the traced window of meter replies")
    parser.add_argument("--jog-presses", type=int, default=10, help="taps of U per round")
    parser.add_argument("--holds", type=int, default=2, help="holds of Page Up per round")
    args = parser.parse_args()

    start, rounds = os.getloadavg()[0], []
    began = time.monotonic()
    for n in range(args.runs):
        rounds.append(one_round(args.build, args))
        print(f"round {n + 1} of {args.runs} done after {time.monotonic() - began:.0f} s, "
              f"load average {os.getloadavg()[0]:.2f}", flush=True)
    print_table(rounds, args, (start, os.getloadavg()[0]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
