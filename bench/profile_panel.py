#!/usr/bin/env python3
"""Where the running panel spends its time: callgrind over a window of status polling.

Starts ft897-sim and the program under valgrind's callgrind, as the benchmark starts them
(private Xvfb with openbox, seeded data directory, P for POWER), switches the
instrumentation on only once polling runs, so start-up is left out, then optionally holds
Page Up, and writes the profile with the instructions per status reading and the top
functions by inclusive cost. Instruction counts do not depend on the machine's load.
"""

import argparse
import os
import subprocess
import sys
import time

import bench_panel


def control(pid, *args):
    subprocess.run(["callgrind_control", *args, str(pid)], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def total_instructions(profile):
    with open(profile) as data:
        for line in data:
            if line.startswith("totals:") or line.startswith("summary:"):
                return int(line.split()[1])
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build", help="the build directory")
    parser.add_argument("--meter", type=int, choices=sorted(bench_panel.METER_INDEX),
                        default=100, help="meter interval in ms")
    parser.add_argument("--seconds", type=float, default=20.0, help="the profiled window")
    parser.add_argument("--knob", action="store_true", help="hold Page Up in the window")
    parser.add_argument("--out", default="callgrind.out.panel", help="the profile to write")
    parser.add_argument("--top", type=int, default=30, help="functions to list")
    args = parser.parse_args()

    out = os.path.abspath(args.out)
    wrapper = ["valgrind", "--tool=callgrind", "--instr-atstart=no",
               f"--callgrind-out-file={out}"]
    display = bench_panel.Display()
    try:
        session = bench_panel.Session(args.build, display, args.meter, wrapper, patience=10)
        try:
            pid = session.program.pid
            start = bench_panel.frames(session.log)[-1][0]
            control(pid, "-i", "on")
            if args.knob:
                bench_panel.hold_key(display, session.window, "Prior", args.seconds)()
            else:
                time.sleep(args.seconds)
            control(pid, "-d")
            control(pid, "-i", "off")
            window = [op for at, op in bench_panel.frames(session.log) if at > start]
        finally:
            session.close()
    finally:
        display.close()

    # The dump taken at the end of the window; the one at exit holds nothing.
    profile = out + ".1"
    readings = window.count("E7")
    instructions = total_instructions(profile)
    print(f"{readings} status readings, {len(window)} frames, {instructions:,} instructions")
    if readings:
        print(f"{instructions / readings:,.0f} instructions per status reading")
    for inclusive in ("yes", "no"):
        annotate = subprocess.run(["callgrind_annotate", f"--inclusive={inclusive}", profile],
                                  capture_output=True, text=True, check=True).stdout
        listed = annotate.split("file:function", 1)[-1].splitlines()[2: args.top + 2]
        print(f"\nTop {args.top} functions by {'inclusive' if inclusive == 'yes' else 'own'} cost:")
        print("\n".join(line[:160] for line in listed))
    return 0


if __name__ == "__main__":
    sys.exit(main())
