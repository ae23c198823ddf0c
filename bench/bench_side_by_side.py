#!/usr/bin/env python3
"""The panel beside hamlib's rigctld, in one run: CPU per status reading and peak memory.

Each round, in turn: the panel polling the meter at 100 ms and at 500 ms (as
bench_panel.py measures it), `rigctld -m 1023` on the same simulator's pseudo-terminal at
9600 bit/s, listening on 127.0.0.1 only, with a client asking it for the frequency (`f`)
every 100 ms and every 500 ms, and the bare Qt window of the panel's size. Rounds are
interleaved so that load from elsewhere falls on all alike; it prints medians.

A reading of the panel is one receiver-status request (E7) the simulator received; a
reading of rigctld is one answer to the client's `f` (hamlib answers most from its cache,
so the requests that reach the radio, opcode 03, are counted beside it). CPU is the run time of all the threads of
the measured process (the panel, or rigctld; the polling client is not counted).
"""

import argparse
import os
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import time

from bench_panel import (Display, bare_window, cpu_seconds, frames, panel_sizes, peak_rss_mb,
                         run_panel, stop, wait_for)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def run_rigctld(build, poll_ms, seconds):
    directory = tempfile.mkdtemp(prefix="dorv-bench-rigctld-")
    sim = daemon = None
    try:
        link = os.path.join(directory, "radio")
        log = os.path.join(directory, "sim.log")
        sim = subprocess.Popen([os.path.join(build, "src/sim/ft897-sim"), "--link", link,
                                "--log", log], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
        wait_for(lambda: os.path.exists(link), 5, "the simulator's link")
        port = free_port()
        daemon = subprocess.Popen(["rigctld", "-m", "1023", "-r", os.path.realpath(link),
                                   "-s", "9600", "-T", "127.0.0.1", "-t", str(port)],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        client = None
        end = time.monotonic() + 10
        while client is None:
            try:
                client = socket.create_connection(("127.0.0.1", port), timeout=5)
            except OSError:
                if time.monotonic() > end:
                    raise
                time.sleep(0.1)
        with client, client.makefile("rw") as stream:
            def poll():
                stream.write("f\n")
                stream.flush()
                return stream.readline()
            for _ in range(10):  # settled: opened and answering
                poll()
            cpu0, t0 = cpu_seconds(daemon.pid), time.monotonic()
            start = frames(log)[-1][0]
            answers = 0
            next_at = time.monotonic()
            while time.monotonic() - t0 < seconds:
                next_at += poll_ms / 1000.0
                answers += 1 if poll().strip() else 0
                time.sleep(max(0.0, next_at - time.monotonic()))
            cpu1, t1 = cpu_seconds(daemon.pid), time.monotonic()
        readings = sum(1 for at, op in frames(log) if at > start and op == "03")
        return {"cpu_percent": 100.0 * (cpu1 - cpu0) / (t1 - t0),
                "cpu_ms_per_reading": 1000.0 * (cpu1 - cpu0) / answers if answers
                else float("nan"),
                "readings_per_s": readings / (t1 - t0), "answers_per_s": answers / (t1 - t0),
                "peak_rss_mb": peak_rss_mb(daemon.pid)}
    finally:
        for process in (daemon, sim):
            if process is not None:
                stop(process)
        shutil.rmtree(directory, ignore_errors=True)


def run_bare_idle(build, seconds, tick_ms=0):
    """The bare window left alone, or with a timer that does nothing every `tick_ms`."""
    display = Display()
    try:
        with bare_window(build, display, panel_sizes[0], tick_ms) as window:
            cpu0, t0 = cpu_seconds(window.pid), time.monotonic()
            time.sleep(seconds)
            cpu1, t1 = cpu_seconds(window.pid), time.monotonic()
            return {"cpu_percent": 100.0 * (cpu1 - cpu0) / (t1 - t0),
                    "peak_rss_mb": peak_rss_mb(window.pid)}
    finally:
        display.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build", help="the build directory")
    parser.add_argument("--runs", type=int, default=3, help="interleaved rounds")
    parser.add_argument("--seconds", type=float, default=30.0, help="each polling window")
    args = parser.parse_args()

    results = {key: [] for key in ("panel100", "rigctld100", "panel500", "rigctld500", "bare")}
    for _ in range(args.runs):
        for ms in (100, 500):
            results[f"panel{ms}"].append(run_panel(args.build, ms, args.seconds, False))
            results[f"rigctld{ms}"].append(run_rigctld(args.build, ms, args.seconds))
        results["bare"].append(run_bare_idle(args.build, args.seconds))

    def median(key, field):
        return statistics.median(run[field] for run in results[key])

    print(f"{args.runs} interleaved rounds of {args.seconds:.0f} s; medians. CPU: run time of "
          "the process's threads.")
    print(f"{'interval':>9}{'panel ms/reading':>18}{'rigctld ms/reading':>20}{'ratio':>8}"
          f"{'panel CPU %':>13}{'rigctld CPU %':>15}{'rigctld to radio/s':>20}")
    for ms in (100, 500):
        panel = median(f"panel{ms}", "cpu_ms_per_reading")
        rig = median(f"rigctld{ms}", "cpu_ms_per_reading")
        print(f"{ms:>6} ms{panel:>18.3f}{rig:>20.3f}{panel / rig:>8.2f}"
              f"{median(f'panel{ms}', 'cpu_percent'):>13.2f}"
              f"{median(f'rigctld{ms}', 'cpu_percent'):>15.2f}"
              f"{median(f'rigctld{ms}', 'readings_per_s'):>20.2f}")
        rounds = ", ".join(f"{p['cpu_ms_per_reading']:.3f}/{r['cpu_ms_per_reading']:.3f}"
                           for p, r in zip(results[f"panel{ms}"], results[f"rigctld{ms}"]))
        print(f"{'':>9}  panel/rigctld ms by round: {rounds}")
    panel_peak = median("panel100", "peak_rss_mb")
    bare_peak = median("bare", "peak_rss_mb")
    print(f"peak memory (VmHWM): panel {panel_peak:.1f} MB, bare Qt window "
          f"{bare_peak:.1f} MB ({panel_sizes[0]}), over it {panel_peak - bare_peak:.1f} MB; "
          f"rigctld {median('rigctld100', 'peak_rss_mb'):.1f} MB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
