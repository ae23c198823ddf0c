#!/usr/bin/env python3
"""Where the running panel's resident memory lies, beside the bare Qt window.

Starts the program as the benchmark does (private Xvfb with openbox, seeded data directory,
P for POWER, status polling at 500 ms), then the bare window at the panel's size, and
prints each one's resident memory by mapping (/proc/PID/smaps: a library, the heap, the
stack, the window's shared image) and the differences of at least 64 kB, largest first.
"""

import argparse
import collections
import os
import sys
import time

import bench_panel


def resident_by_mapping(pid):
    """kB resident per mapping name (file base name, or [heap], [stack], [anon])."""
    sizes = collections.Counter()
    name = None
    with open(f"/proc/{pid}/smaps") as smaps:
        for line in smaps:
            fields = line.split()
            if fields[0].endswith(":"):
                if fields[0] == "Rss:" and name is not None:
                    sizes[name] += int(fields[1])
            else:  # a mapping's header: address range, perms, offset, device, inode, path
                name = os.path.basename(fields[5]) if len(fields) > 5 else "[anon]"
    return sizes


def peak_kb(pid):
    return int(bench_panel.peak_rss_mb(pid) * 1024)


def measure_panel(build, display):
    session = bench_panel.Session(build, display, 500)
    try:
        time.sleep(3.0)
        return session.size, resident_by_mapping(session.program.pid), peak_kb(session.program.pid)
    finally:
        session.close()


def measure_bare(build, display, size):
    with bench_panel.bare_window(build, display, size) as window:
        return resident_by_mapping(window.pid), peak_kb(window.pid)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build", help="the build directory")
    args = parser.parse_args()
    display = bench_panel.Display()
    try:
        size, panel, panel_peak = measure_panel(args.build, display)
        bare, bare_peak = measure_bare(args.build, display, size)
    finally:
        display.close()
    print(f"window {size}; peak RSS: panel {panel_peak} kB, bare window {bare_peak} kB, "
          f"difference {panel_peak - bare_peak} kB")
    print(f"{'panel kB':>9}{'bare kB':>9}{'diff kB':>9}  mapping")
    rows = sorted(set(panel) | set(bare), key=lambda k: panel[k] - bare[k], reverse=True)
    for name in rows:
        if abs(panel[name] - bare[name]) >= 64:
            print(f"{panel[name]:>9}{bare[name]:>9}{panel[name] - bare[name]:>9}  {name}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
