#!/usr/bin/env python3
"""How fast the band scope sweeps: readings per second at its sweep speeds, against ft897-sim.

Starts ft897-sim and the real program under a private Xvfb with openbox, switches the link
on with P, opens the band scope with a click on the SCOPE key (answering the note that it
wrote its settings file), chooses the sweep speed under Settings > Scan Speed with the
keyboard and clicks START. A sweep of the default 50 kHz in 100 Hz steps lasts longer
than the window, so the window sees one sweep under way. A reading is a receiver-status
request (opcode E7) in the simulator's log that follows a set-frequency frame (opcode 01),
the sweep's step; it prints readings per second against the ceiling of one per interval.
"""

import argparse
import statistics
import sys
import time

from bench_panel import Display, Session, frames, wait_for

SPEEDS = [1000, 500, 400, 300, 250]  # Settings > Scan Speed, in menu order
DESIGN_WIDTH, DESIGN_HEIGHT = 11940, 5015  # the face's design size; it keeps this ratio
SCOPE_KEY = (0.02 + 0.105 / 2, 0.245 + 0.07 / 2)  # the SCOPE key's centre on the face
SCOPE_FACE_HEIGHT = 492  # the scope window below its menu bar
START_KEY = (57, 433)  # START/STOP on the scope's face


def geometry(display, window):
    text = display.run(["xdotool", "getwindowgeometry", window]).stdout
    width, height = text.split("Geometry:")[1].split()[0].split("x")
    return int(width), int(height)


def click(display, window, x, y):
    display.run(["xdotool", "mousemove", "--window", window, str(int(x)), str(int(y)),
                 "click", "1"])


def open_scope(display, panel_window):
    """Clicks SCOPE on the face and returns the scope window."""
    width, height = geometry(display, panel_window)
    face = width * DESIGN_HEIGHT / DESIGN_WIDTH
    top = (height - face) / 2  # the menu bar above the face is as tall as the status bar
    click(display, panel_window, width * SCOPE_KEY[0], top + face * SCOPE_KEY[1])
    # The first opening writes the settings file and says so.
    wait_for(lambda: display.window("^Open Scope Settings File$") is not None, 10,
             "the scope's note on its settings file")
    note = display.window("^Open Scope Settings File$")
    display.run(["xdotool", "windowactivate", "--sync", note])
    display.run(["xdotool", "key", "Return"])
    wait_for(lambda: display.window("^Band Scope$") is not None, 10, "the band scope")
    return display.window("^Band Scope$")


def choose_speed(display, scope, interval_ms):
    """Settings > Scan Speed: the submenu opens on its first entry or on none; either way
    k presses of Up land on entry 5 - k."""
    display.run(["xdotool", "windowactivate", "--sync", scope])
    for key in ["alt+s", "s"] + ["Up"] * (len(SPEEDS) - SPEEDS.index(interval_ms)) + ["Return"]:
        display.run(["xdotool", "key", key])
        time.sleep(0.2)


def run_sweep(build, interval_ms, seconds):
    display = Display()
    session = None
    try:
        session = Session(build, display, 500)
        scope = open_scope(display, session.window)
        choose_speed(display, scope, interval_ms)
        width, height = geometry(display, scope)
        start = frames(session.log)[-1][0]
        click(display, scope, START_KEY[0], height - SCOPE_FACE_HEIGHT + START_KEY[1])
        time.sleep(1.0 + seconds)
        log = [(at, op) for at, op in frames(session.log) if at > start]
        # A reading: a status request right after a step; the window begins 1 s after START.
        readings = [at for (_, before), (at, op) in zip(log, log[1:])
                    if op == "E7" and before == "01" and at > start + 1.0]
        unpaired = sum(1 for (_, before), (at, op) in zip(log, log[1:])
                       if op == "E7" and before != "01" and at > start + 1.0)
        if len(readings) < 3:
            raise RuntimeError(f"the sweep made {len(readings)} readings at {interval_ms} ms")
        gaps = [b - a for a, b in zip(readings, readings[1:])]
        return {"readings_per_s": len(gaps) / (readings[-1] - readings[0]),
                "median_gap_ms": 1000.0 * statistics.median(gaps),
                "max_gap_ms": 1000.0 * max(gaps), "readings": len(readings),
                "unpaired": unpaired}
    finally:
        if session is not None:
            session.close()
        display.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build", help="the build directory")
    parser.add_argument("--runs", type=int, default=3, help="rounds of every speed")
    parser.add_argument("--seconds", type=float, default=15.0, help="each sweeping window")
    parser.add_argument("--speeds", default="250,1000",
                        help="comma-separated sweep intervals in ms, of "
                        + ", ".join(str(ms) for ms in SPEEDS))
    args = parser.parse_args()
    speeds = [int(ms) for ms in args.speeds.split(",")]
    if any(ms not in SPEEDS for ms in speeds):
        parser.error(f"speeds must be among {SPEEDS}")
    runs = {ms: [] for ms in speeds}
    for _ in range(args.runs):
        for ms in speeds:
            runs[ms].append(run_sweep(args.build, ms, args.seconds))
    print(f"band scope sweep, {args.runs} interleaved rounds of {args.seconds:.0f} s, medians")
    print(f"{'interval':>9}{'ceiling/s':>11}{'readings/s':>12}{'of ceiling':>12}"
          f"{'median gap ms':>15}{'max gap ms':>12}   readings/s by round")
    for ms in speeds:
        ceiling = 1000.0 / ms
        rate = statistics.median(run["readings_per_s"] for run in runs[ms])
        listed = ", ".join(f"{run['readings_per_s']:.3f}" for run in runs[ms])
        print(f"{ms:>7} ms{ceiling:>11.2f}{rate:>12.3f}{100.0 * rate / ceiling:>11.1f}%"
              f"{statistics.median(run['median_gap_ms'] for run in runs[ms]):>15.1f}"
              f"{statistics.median(run['max_gap_ms'] for run in runs[ms]):>12.1f}   {listed}",
              flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
