#!/usr/bin/env python3
"""What the running panel costs: CPU, CPU per status reading, peak memory and traffic.

Starts ft897-sim and the real program under a private Xvfb with openbox, in a freshly
seeded data directory, switches the link on with the P key, and measures

  * idle polling for a window at the 500 ms and at the 100 ms meter interval,
  * Page Up held for a window (the main knob turning with the keyboard's auto-repeat),
  * a bare Qt window started the same way, as the baseline, idle and with Page Up held
    (what the key events alone cost); it has a menu bar and a status bar and the panel
    window's size, so both keep the same image of the window,

each the given number of times; it prints the median of the runs.

CPU is the time the program's threads ran over the window (/proc/PID/task/*/schedstat,
in nanoseconds; user+system ticks of /proc/PID/stat where the kernel has no schedstat);
a status reading is one receiver-status request (opcode E7) in the simulator's log;
peak memory is VmHWM at the end of the run.
"""

import argparse
import collections
import contextlib
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

TICKS = os.sysconf("SC_CLK_TCK")
METER_INDEX = {500: 1, 100: 5}  # items of Settings > Update Intervals > Meter


def cpu_seconds(pid):
    """CPU time of all the process's threads: nanoseconds from schedstat where the kernel
    keeps it, else user+system clock ticks (10 ms steps) from stat."""
    try:
        total = 0
        for task in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
        return total / 1e9
    except (OSError, ValueError, IndexError):
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / TICKS  # utime + stime


def peak_rss_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def wait_for(predicate, timeout, what):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if predicate():
            return
        time.sleep(0.05)
    raise RuntimeError(f"timed out waiting for {what}")


def frames(log_path):
    """The simulator log's received frames as (time in s, opcode)."""
    result = []
    with open(log_path) as log:
        for line in log:
            parts = line.split()
            if len(parts) == 7 and parts[1] == "RX":
                result.append((int(parts[0]) / 1000.0, parts[6]))
    return result


def stop(process, seconds=5):
    """Asks a process to end and kills it if it has not ended within `seconds`."""
    process.terminate()
    try:
        process.wait(seconds)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Display:
    """A private X display with a window manager; auto-repeat as a desktop has it."""

    def __init__(self):
        number = 400 + os.getpid() % 400
        while os.path.exists(f"/tmp/.X{number}-lock"):
            number += 1
        self.env = dict(os.environ, DISPLAY=f":{number}", QT_QPA_PLATFORM="xcb")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: self.run(["xdpyinfo"]).returncode == 0, 10, "Xvfb")
        self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        wait_for(lambda: "window id" in self.run(["xprop", "-root",
                                                  "_NET_SUPPORTING_WM_CHECK"]).stdout,
                 10, "openbox")
        self.run(["xset", "r", "on"])

    def run(self, argv):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True)

    def window(self, title):
        found = self.run(["xdotool", "search", "--onlyvisible", "--name", title]).stdout.split()
        return found[0] if found else None

    def close(self):
        for process in (self.wm, self.xvfb):
            stop(process)


class Session:
    """ft897-sim and a copy of the program in a seeded data directory."""

    def __init__(self, build, display, meter_ms, wrapper=(), patience=1.0, sim_args=()):
        self.dir = tempfile.mkdtemp(prefix="dorv-bench-")
        self.display = display
        link = os.path.join(self.dir, "radio")
        self.log = os.path.join(self.dir, "sim.log")
        program = os.path.join(self.dir, "dorv-ft897")
        shutil.copy(os.path.join(build, "src/gui/dorv-ft897"), program)
        subprocess.run([os.path.join(build, "bench/dorv-bench-seed"), self.dir, link,
                        str(METER_INDEX[meter_ms])], check=True)
        self.sim = subprocess.Popen(
            [os.path.join(build, "src/sim/ft897-sim"), "--link", link, "--log", self.log,
             *sim_args],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: os.path.exists(link), 5, "the simulator's link")
        self.program = subprocess.Popen([*wrapper, program], env=display.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: display.window("^DORV FT-897") is not None, 30 * patience, "the panel")
        self.window = display.window("^DORV FT-897")
        geometry = display.run(["xdotool", "getwindowgeometry", self.window]).stdout
        self.size = geometry.split("Geometry:")[1].split()[0]  # WIDTHxHEIGHT
        display.run(["xdotool", "windowactivate", "--sync", self.window])
        time.sleep(1.0)
        display.run(["xdotool", "key", "p"])  # POWER: link on, polling starts
        wait_for(lambda: sum(op == "E7" for _, op in frames(self.log)) >= 3, 15 * patience,
                 "status polling")
        time.sleep(2.0)

    def measure(self, seconds, action=None):
        pid = self.program.pid
        cpu0, t0 = cpu_seconds(pid), time.monotonic()
        start = frames(self.log)[-1][0]
        if action:
            action()
        else:
            time.sleep(seconds)
        cpu1, t1 = cpu_seconds(pid), time.monotonic()
        window = [(at, op) for at, op in frames(self.log) if at > start]
        elapsed = t1 - t0
        by_opcode = collections.Counter(op for _, op in window)
        readings = by_opcode.get("E7", 0)
        return {
            "cpu_percent": 100.0 * (cpu1 - cpu0) / elapsed,
            "cpu_ms_per_reading": 1000.0 * (cpu1 - cpu0) / readings if readings else float("nan"),
            "peak_rss_mb": peak_rss_mb(pid),
            "frames_per_s": {op: n / elapsed for op, n in sorted(by_opcode.items())},
        }

    def close(self):
        stop(self.program, 10)
        stop(self.sim)
        shutil.rmtree(self.dir, ignore_errors=True)


def hold_key(display, window, key, seconds):
    def action():
        display.run(["xdotool", "windowactivate", "--sync", window])
        display.run(["xdotool", "keydown", key])
        time.sleep(seconds)
        display.run(["xdotool", "keyup", key])
        time.sleep(0.5)  # the final send after the release
    return action


panel_sizes = []  # the panel window's size, from the first session


def run_panel(build, meter_ms, seconds, knob):
    display = Display()
    try:
        session = Session(build, display, meter_ms)
        panel_sizes.append(session.size)
        try:
            action = hold_key(display, session.window, "Prior", seconds) if knob else None
            return session.measure(seconds, action)
        finally:
            session.close()
    finally:
        display.close()


@contextlib.contextmanager
def bare_window(build, display, size, tick_ms=0):
    """The bare window at `size` (WIDTHxHEIGHT) on `display`, shown and settled, with a
    timer that does nothing every `tick_ms` if given; it ends when the block does."""
    window = subprocess.Popen([os.path.join(build, "bench/bare-qt-window"), size,
                               str(tick_ms)],
                              env=display.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    try:
        wait_for(lambda: display.window("^Bare Qt window$") is not None, 30, "the bare window")
        time.sleep(3.0)
        yield window
    finally:
        stop(window)


def run_bare(build, seconds, knob=False):
    """The bare window idle, or with Page Up held on it: what Qt and the kernel spend on
    the auto-repeated key events alone."""
    if not panel_sizes:
        run_panel(build, 500, 1.0, False)
    display = Display()
    try:
        with bare_window(build, display, panel_sizes[0]) as window:
            cpu0, t0 = cpu_seconds(window.pid), time.monotonic()
            if knob:
                hold_key(display, display.window("^Bare Qt window$"), "Prior", seconds)()
            else:
                time.sleep(seconds)
            cpu1, t1 = cpu_seconds(window.pid), time.monotonic()
            return {"cpu_percent": 100.0 * (cpu1 - cpu0) / (t1 - t0),
                    "cpu_ms_per_reading": float("nan"),
                    "peak_rss_mb": peak_rss_mb(window.pid), "frames_per_s": {}}
    finally:
        display.close()


def median_of(runs):
    opcodes = sorted({op for run in runs for op in run["frames_per_s"]})
    result = {key: statistics.median(run[key] for run in runs)
              for key in ("cpu_percent", "cpu_ms_per_reading", "peak_rss_mb")}
    result["frames_per_s"] = {op: statistics.median(run["frames_per_s"].get(op, 0.0)
                                                    for run in runs) for op in opcodes}
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build", help="the build directory")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--seconds", type=float, default=30.0, help="each polling window")
    parser.add_argument("--knob-seconds", type=float, default=10.0, help="the held knob")
    parser.add_argument("--only", help="comma-separated scenarios: 500, 100, knob, bare, "
                        "bareknob (default: all)")
    args = parser.parse_args()

    scenarios = {
        "500": ("meter 500 ms", lambda: run_panel(args.build, 500, args.seconds, False)),
        "100": ("meter 100 ms", lambda: run_panel(args.build, 100, args.seconds, False)),
        "knob": ("held knob (Page Up)",
                 lambda: run_panel(args.build, 500, args.knob_seconds, True)),
        "bare": ("bare Qt window", lambda: run_bare(args.build, args.seconds)),
        "bareknob": ("bare window, Page Up", lambda: run_bare(args.build, args.knob_seconds, True)),
    }
    chosen = args.only.split(",") if args.only else list(scenarios)
    unknown = [key for key in chosen if key not in scenarios]
    if unknown:
        parser.error(f"unknown scenario {', '.join(unknown)}; choose from {', '.join(scenarios)}")
    print(f"{args.runs} runs each; medians. CPU: run time of all the process's threads, "
          "% of one core.")
    print(f"{'scenario':<22}{'CPU %':>8}{'ms/reading':>12}{'peak RSS MB':>13}  frames/s by opcode")
    for name, run in (scenarios[key] for key in chosen):
        runs = []
        for _ in range(args.runs):
            runs.append(run())
        m = median_of(runs)
        traffic = " ".join(f"{op}:{rate:.1f}" for op, rate in m["frames_per_s"].items())
        print(f"{name:<22}{m['cpu_percent']:>8.2f}{m['cpu_ms_per_reading']:>12.2f}"
              f"{m['peak_rss_mb']:>13.1f}  {traffic}", flush=True)
        per_run = ", ".join(f"{r['cpu_percent']:.2f}%" for r in runs)
        print(f"{'':<22}runs: {per_run}", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
