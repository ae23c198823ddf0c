#!/usr/bin/env python3
"""What one wake-up of a Qt program costs, beside the panel's CPU per status reading.

Each round, in turn: the bare Qt window (bare-qt-window, the panel's size) idle, the same
window with a precise timer that does nothing every 100 ms, and the panel polling the
meter at 100 ms. The timer's cost per tick is the floor of any wake-up of a Qt event
loop on this machine; a status reading of the panel takes two wake-ups (the tick that asks,
the reply that is shown) and a share of the port watch's, so the panel's CPU per reading
is set beside twice that floor. Rounds are interleaved; it prints medians.
"""

import argparse
import statistics
import sys

from bench_panel import run_panel
from bench_side_by_side import run_bare_idle

TICK_MS = 100


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build", help="the build directory")
    parser.add_argument("--runs", type=int, default=3, help="interleaved rounds")
    parser.add_argument("--seconds", type=float, default=15.0, help="each window")
    args = parser.parse_args()

    ticks, panel = [], []
    for _ in range(args.runs):
        panel.append(run_panel(args.build, TICK_MS, args.seconds, False)["cpu_ms_per_reading"])
        idle = run_bare_idle(args.build, args.seconds)["cpu_percent"]
        ticking = run_bare_idle(args.build, args.seconds, TICK_MS)["cpu_percent"]
        ticks.append((ticking - idle) / 100.0 * TICK_MS)  # ms of CPU per tick
        print(f"round: bare Qt wake-up {ticks[-1]:.3f} ms, panel {panel[-1]:.3f} ms/reading",
              flush=True)
    tick, reading = statistics.median(ticks), statistics.median(panel)
    print(f"{args.runs} interleaved rounds of {args.seconds:.0f} s, medians")
    print(f"one wake-up of a bare Qt window (timer every {TICK_MS} ms): {tick:.3f} ms CPU")
    print(f"the panel per status reading at {TICK_MS} ms: {reading:.3f} ms CPU "
          f"= {reading / tick:.2f} bare wake-ups (a reading takes 2, and 0.2 of the port "
          f"watch's)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
