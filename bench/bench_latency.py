#!/usr/bin/env python3
"""How soon the running panel answers: a status reply to the meter's repaint, a key to its frame.

Starts ft897-sim with fading signals everywhere (every status reply carries a new S level,
so the meter has something new to draw at each one) and the real program under a private
Xvfb with openbox, the program under `strace -f --seccomp-bpf`, which records with
microsecond timestamps the program's reads and writes on the serial device and on its X
connection, with the bytes. From the trace:

  * reply to paint: from the read of the serial device that returns a status byte to the
    start of the program's next write to the X server that holds a paint (MIT-SHM
    ShmPutImage or PutImage), with the meter polling at 100 ms;
  * the jog key U: from the read of the X connection that returns its KeyPress (X event
    code 2) to the start of the write of the set-frequency frame (opcode 01) on the serial
    device;
  * Page Up held: press to first frame, each auto-repeated press to its frame, the
    re-sends of the frequency while the knob is held (due every 250 ms after the press)
    and the final frame after the release (due 40 ms, the key filter's wait for an
    auto-repeat pair, plus 200 ms after the KeyRelease): how late each came against its
    due time.

strace stops the program at each traced call, so every figure is an upper bound of what
the program takes by itself. The reply to paint is also taken under `perf trace`, which
does not stop the program but sees no bytes: there a reply is a one-byte read of the
serial device and its paint the next write of more than 4 bytes to the X connection (the
4-byte write between is the GetInputFocus Qt sends before it puts the image), the same
calls as the bytes show under strace.
"""

import argparse
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from bench_panel import Display, Session, stop, wait_for

READS = {"read", "readv", "recvfrom", "recvmsg"}
WRITES = {"write", "writev", "sendto", "sendmsg"}
TRACED = ",".join(["openat", "connect", "close", *sorted(READS), *sorted(WRITES)])
KEY_PRESS, KEY_RELEASE = 2, 3
PUT_IMAGE = 72  # core X request
SHM_PUT_IMAGE = 3  # MIT-SHM minor request
SET_FREQUENCY = 0x01
RELEASE_HOLD = 0.040  # KeyHoldFilter::kReleaseHoldMs: a release waits for an auto-repeat press
RELEASE_WAIT = 0.200  # the knob's release waits this long before the final frame
RESEND = 0.250  # the held knob re-sends the frequency this often

LINE = re.compile(r"^(\d+)\s+(\d+\.\d+) (.*)$")
CALL = re.compile(r"^(\w+)\((.*)\) = (-?\d+)[^<]*<(\d+\.\d+)>$")
STRING = re.compile(r'"((?:\\x[0-9a-f]{2})*)"')


class Call:
    """One finished system call of the trace."""

    def __init__(self, tid, start, name, args, ret, duration):
        self.tid, self.start, self.name, self.ret = tid, start, name, ret
        self.end = start + duration
        first = re.match(r"(\d+),", args)
        self.fd = int(first.group(1)) if first else None
        self.data = b"".join(bytes.fromhex(s.replace("\\x", "")) for s in STRING.findall(args))


def read_trace(path):
    """The trace's calls in the order they were made, an interrupted call joined to its
    resumption."""
    calls, pending = [], {}
    with open(path) as trace:
        for line in trace:
            m = LINE.match(line.rstrip("\n"))
            if not m:
                continue
            tid, at, text = int(m.group(1)), float(m.group(2)), m.group(3)
            if text.endswith("<unfinished ...>"):
                pending[tid] = (at, text[: -len("<unfinished ...>")].rstrip())
                continue
            if text.startswith("<... "):
                if tid not in pending:
                    continue
                at, head = pending.pop(tid)
                text = head + text.split("resumed>", 1)[1]
            call = CALL.match(text)
            if call:
                calls.append(Call(tid, at, call.group(1), call.group(2), int(call.group(3)),
                                  float(call.group(4))))
    calls.sort(key=lambda c: c.start)
    return calls


def find_fds(calls, link):
    """The program's X connection and serial device: the calls that opened them, its
    connect to the X server's socket and its open of the simulator's link."""
    x_open = serial_open = None
    for call in calls:
        if call.name == "connect" and call.ret == 0 and b".X11-unix/X" in call.data:
            x_open = call
        elif call.name == "openat" and call.ret >= 0 and call.data == link.encode():
            serial_open = call
    return x_open, serial_open


def on(calls, opened):
    """The calls on the fd that `opened` made, from then until it was closed."""
    fd = opened.ret if opened.name == "openat" else opened.fd
    used = []
    for call in calls:
        if call.start < opened.start or call.fd != fd:
            continue
        if call.name == "close":
            break
        used.append(call)
    return used


def stream(calls, names):
    """The bytes that passed in the given calls, in order, with the call each byte came
    in."""
    data, owner = bytearray(), []
    for call in calls:
        if call.name in names and call.ret > 0:
            chunk = call.data[: call.ret]
            data += chunk
            owner += [call] * len(chunk)
    return bytes(data), owner


def u16(b, at):
    return b[at] | b[at + 1] << 8


def u32(b, at):
    return u16(b, at) | u16(b, at + 2) << 16


def server_packets(x_calls):
    """What the X server sent, as (the read that completed it, packet): the setup reply,
    then 32-byte events and errors, and replies and generic events with their extra
    length."""
    data, owner = stream(x_calls, READS)
    packets = []
    at = 8 + 4 * u16(data, 6) if len(data) >= 8 else len(data)  # the setup reply
    while at + 32 <= len(data):
        kind = data[at] & 0x7F
        size = 32 + (4 * u32(data, at + 4) if kind in (1, 35) else 0)
        if at + size > len(data):
            break
        packets.append((owner[at + size - 1], data[at:at + size]))
        at += size
    return packets


def paint_writes(x_calls, shm_major):
    """The writes to the X server that hold a paint of the window's image."""
    data, owner = stream(x_calls, WRITES)
    if not data or data[0] not in b"lB":
        return []
    at = 12 + -(-u16(data, 6) // 4) * 4 + -(-u16(data, 8) // 4) * 4  # the setup request
    painted = []
    while at + 4 <= len(data):
        size = 4 * u16(data, at + 2)
        if size == 0:  # BIG-REQUESTS: the length follows
            size = 4 * u32(data, at + 4)
        opcode, minor = data[at], data[at + 1]
        if opcode == PUT_IMAGE or (opcode == shm_major and minor == SHM_PUT_IMAGE):
            if not painted or painted[-1] is not owner[at]:
                painted.append(owner[at])
        at += max(size, 4)
    return painted


def serial_frames(serial_calls):
    """The frames written on the serial device, as (the write, frame bytes)."""
    frames = []
    for call in serial_calls:
        if call.name in WRITES and call.ret > 0:
            body = call.data[: call.ret]
            frames += [(call, body[i:i + 5]) for i in range(0, len(body) - 4, 5)]
    return frames


def reply_to_paint(x_calls, serial_calls, shm_major, window):
    """Each status reply in the window with the first paint after it, if one came before
    the next reply."""
    replies = [c for c in serial_calls if c.name in READS and c.ret == 1
               and window[0] <= c.end <= window[1]]
    paints = paint_writes(x_calls, shm_major)
    samples, missing, unchanged, previous = [], 0, 0, None
    for reply, following in zip(replies, replies[1:] + [None]):
        byte = reply.data[:1]
        if byte == previous:
            unchanged += 1
        previous = byte
        limit = following.end if following else window[1]
        paint = next((p for p in paints if reply.end <= p.start < limit), None)
        if paint is None:
            missing += 1
        else:
            samples.append(1000.0 * (paint.start - reply.end))
    return {"paint_ms": samples, "replies": len(replies), "unpainted": missing,
            "unchanged": unchanged}


def key_events(x_calls, kind, keycode, window):
    return [call for call, packet in server_packets(x_calls)
            if packet[0] & 0x7F == kind and packet[1] == keycode
            and window[0] <= call.end <= window[1]]


def frequency_frames(serial_calls):
    return [(call, body) for call, body in serial_frames(serial_calls)
            if body[4] == SET_FREQUENCY]


def jog_to_frame(x_calls, serial_calls, keycode, window):
    """From each KeyPress of the jog key to the first frequency frame after it."""
    frames = frequency_frames(serial_calls)
    samples = []
    for press in key_events(x_calls, KEY_PRESS, keycode, window):
        frame = next((c for c, _ in frames if c.start >= press.end), None)
        if frame is not None and frame.start - press.end < 0.1:
            samples.append(1000.0 * (frame.start - press.end))
    return samples


def knob_hold(x_calls, serial_calls, keycode, window):
    """One hold of Page Up: press to first frame, each repeat to its frame, how late each
    re-send and the final frame came against their due times."""
    presses = key_events(x_calls, KEY_PRESS, keycode, window)
    releases = key_events(x_calls, KEY_RELEASE, keycode, window)
    frames = [(c, body) for c, body in frequency_frames(serial_calls)
              if window[0] <= c.start <= window[1]]
    if not presses or not releases or not frames:
        return None
    first_frame = frames[0][0]
    repeats, resends = [], []
    for (call, body), (_, before) in zip(frames[1:-1], frames[:-2]):
        if body == before:  # the same frequency again: the re-send timer
            k = round((call.start - first_frame.start) / RESEND)
            resends.append(1000.0 * (call.start - first_frame.start - k * RESEND))
    sent = set()
    for press in presses[1:]:
        frame = next((c for c, body in frames[1:] if c.start >= press.end and c not in sent),
                     None)
        if frame is not None and frame.start - press.end < 0.1:
            sent.add(frame)
            repeats.append(1000.0 * (frame.start - press.end))
    final = frames[-1][0]
    return {"first_ms": 1000.0 * (first_frame.start - presses[0].end),
            "repeat_ms": repeats, "resend_late_ms": resends,
            "release_ms": 1000.0 * (final.start - releases[-1].end),
            "release_late_ms": 1000.0 * (final.start - releases[-1].end
                                         - RELEASE_HOLD - RELEASE_WAIT)}


def keycode_of(display, keysym, fallback):
    for line in display.run(["xmodmap", "-pke"]).stdout.splitlines():
        parts = line.split()
        if len(parts) > 3 and parts[3] == keysym:
            return int(parts[1])
    return fallback


def shm_opcode(display):
    text = display.run(["xdpyinfo", "-queryExtensions"]).stdout
    found = re.search(r"MIT-SHM\s+\(opcode: (\d+)", text)
    return int(found.group(1)) if found else None


PERF_LINE = re.compile(r"^\s*(\d+\.\d+) \(\s*(\d+\.\d+) ms\): \S+/(\d+) (.*)$")


def read_perf_trace(path):
    """perf trace's output as (start s, end s, name, fd, return value); a call another
    thread's call interrupted is joined to its continuation."""
    calls, pending = [], {}
    with open(path) as trace:
        for line in trace:
            m = PERF_LINE.match(line)
            if not m:
                continue
            at, duration, tid, text = float(m.group(1)), float(m.group(2)), m.group(3), m.group(4)
            entry = re.match(r"(\w+)\(fd: (\d+)", text)
            done = re.search(r"\)\s+= (-?\d+)", text)
            if entry and not done:
                pending[tid] = (at, entry.group(1), int(entry.group(2)))
            elif entry and done:
                calls.append((at / 1000, (at + duration) / 1000, entry.group(1),
                              int(entry.group(2)), int(done.group(1))))
            elif "[continued]" in text and done and tid in pending:
                start, name, fd = pending.pop(tid)
                calls.append((start / 1000, (start + duration) / 1000, name, fd,
                              int(done.group(1))))
    calls.sort()
    return calls


def x_connection_fd(pid):
    """The fd of the process's socket whose peer is an X server's socket, from ss."""
    inodes = {}
    for fd in os.listdir(f"/proc/{pid}/fd"):
        try:
            target = os.readlink(f"/proc/{pid}/fd/{fd}")
        except OSError:
            continue
        if target.startswith("socket:["):
            inodes[target[8:-1]] = int(fd)
    for line in subprocess.run(["ss", "-xpn"], capture_output=True, text=True).stdout.splitlines():
        fields = line.split()
        if len(fields) >= 8 and ".X11-unix/X" in fields[4] and fields[7] in inodes:
            return inodes[fields[7]]
    return None


def run_paint_perf(build, seconds=8.0):
    """The meter's replies at 100 ms to their paints under perf trace, in ms."""
    display = Display()
    work = tempfile.mkdtemp(prefix="dorv-bench-perf-")
    session = None
    try:
        signals = os.path.join(work, "everywhere.txt")
        with open(signals, "w") as out:
            out.write("500000000 8 2000000000\n")
        session = Session(build, display, 100, sim_args=["--fading", "--signals", signals])
        pid = session.program.pid
        serial = next(int(fd) for fd in os.listdir(f"/proc/{pid}/fd") if os.path.realpath(
            f"/proc/{pid}/fd/{fd}") == os.path.realpath(os.path.join(session.dir, "radio")))
        x_fd = x_connection_fd(pid)
        trace = os.path.join(work, "perf.txt")
        subprocess.run(["timeout", "-s", "INT", str(seconds), "perf", "trace", "-p", str(pid),
                        "-e", ",".join(sorted(READS | WRITES)), "-o", trace],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        calls = read_perf_trace(trace)
        replies = [c for c in calls if c[3] == serial and c[2] in READS and c[4] == 1]
        samples = []
        for reply, following in zip(replies, replies[1:]):
            paint = next((c for c in calls if c[3] == x_fd and c[2] in WRITES and c[4] > 4
                          and reply[1] <= c[0] < following[1]), None)
            if paint is not None:
                samples.append(1000.0 * (paint[0] - reply[1]))
        return {"paint_ms": samples, "replies": len(replies)}
    finally:
        if session is not None:
            session.close()
        display.close()
        shutil.rmtree(work, ignore_errors=True)


def child_of(pid):
    with open(f"/proc/{pid}/task/{pid}/children") as children:
        return int(children.read().split()[0])


def run_latency(build, meter_seconds=8.0, jog_presses=10, holds=2, hold_seconds=1.5,
                keep_trace=None):
    """One traced session: the meter polling at 100 ms, then taps of U, then holds of
    Page Up. Returns the samples of each measure."""
    display = Display()
    work = tempfile.mkdtemp(prefix="dorv-bench-latency-")
    session = None
    try:
        signals = os.path.join(work, "everywhere.txt")
        with open(signals, "w") as out:
            out.write("# one S8 signal over the whole range, fading at every reading\n"
                      "500000000 8 2000000000\n")
        trace = os.path.join(work, "trace.txt")
        wrapper = ["strace", "-f", "--seccomp-bpf", "-ttt", "-T", "-xx", "-s", "65536",
                   "-e", f"trace={TRACED}", "-o", trace]
        session = Session(build, display, 100, wrapper=wrapper, patience=3.0,
                          sim_args=["--fading", "--signals", signals])
        link = os.path.join(session.dir, "radio")
        meter = (time.time(), time.time() + meter_seconds)
        time.sleep(meter_seconds)
        jog = time.time()
        for _ in range(jog_presses):
            display.run(["xdotool", "key", "u"])
            time.sleep(0.4)
        jog = (jog, time.time())
        hold_windows = []
        for _ in range(holds):
            start = time.time()
            display.run(["xdotool", "keydown", "Prior"])
            time.sleep(hold_seconds)
            display.run(["xdotool", "keyup", "Prior"])
            time.sleep(0.8)
            hold_windows.append((start, time.time()))
        os.kill(child_of(session.program.pid), signal.SIGTERM)
        session.program.wait(20)
        if keep_trace:
            shutil.copy(trace, keep_trace)
        calls = read_trace(trace)
        x_open, serial_open = find_fds(calls, link)
        if x_open is None or serial_open is None:
            raise RuntimeError("the trace shows no X connection or serial device")
        x_calls, serial_calls = on(calls, x_open), on(calls, serial_open)
        result = reply_to_paint(x_calls, serial_calls, shm_opcode(display), meter)
        result["meter_s"] = meter_seconds
        result["jog_ms"] = jog_to_frame(x_calls, serial_calls, keycode_of(display, "u", 30), jog)
        prior = keycode_of(display, "Prior", 112)
        result["holds"] = [knob_hold(x_calls, serial_calls, prior, w) for w in hold_windows]
        return result
    finally:
        if session is not None:
            session.close()
        display.close()
        shutil.rmtree(work, ignore_errors=True)


def summary(results, perf_results=()):
    """Medians over the rounds of each measure's per-round median, with the pooled
    samples' 90th percentile and maximum; the reply to paint under perf trace too where
    it was taken."""
    def pooled(key):
        return [x for r in results for x in r[key]]

    def holds(key):
        return [h[key] for r in results for h in r["holds"] if h]

    def pooled_holds(key):
        return [x for r in results for h in r["holds"] if h for x in h[key]]

    return {
        "paint": stats(pooled("paint_ms"), [statistics.median(r["paint_ms"]) for r in results
                                            if r["paint_ms"]]),
        "paint_perf": stats([x for r in perf_results for x in r["paint_ms"]],
                            [statistics.median(r["paint_ms"]) for r in perf_results
                             if r["paint_ms"]]),
        "jog": stats(pooled("jog_ms"), [statistics.median(r["jog_ms"]) for r in results
                                        if r["jog_ms"]]),
        "knob_first": stats(holds("first_ms")),
        "knob_repeat": stats(pooled_holds("repeat_ms")),
        "resend_late": stats(pooled_holds("resend_late_ms")),
        "release": stats(holds("release_ms")),
        "release_late": stats(holds("release_late_ms")),
        "replies": sum(r["replies"] for r in results),
        "unpainted": sum(r["unpainted"] for r in results),
        "unchanged": sum(r["unchanged"] for r in results),
    }


def stats(samples, round_medians=None):
    if not samples:
        return {"n": 0, "median": float("nan"), "p90": float("nan"), "max": float("nan")}
    ordered = sorted(samples)
    middle = statistics.median(round_medians) if round_medians else statistics.median(ordered)
    return {"n": len(ordered), "median": middle,
            "p90": ordered[min(len(ordered) - 1, int(0.9 * len(ordered)))],
            "max": ordered[-1]}


def print_summary(s, rounds):
    print(f"latencies under strace -f --seccomp-bpf, {rounds} round(s); medians of the "
          "rounds' medians, p90 and max of all samples (ms). strace stops the program at "
          "each traced call: upper bounds.")
    rows = [("reply -> meter paint", "paint", "goal < 16 ms"),
            ("  the same under perf trace", "paint_perf", "goal < 16 ms"),
            ("key U -> frame", "jog", "goal < 5.7 ms"),
            ("Page Up press -> first frame", "knob_first", "goal < 5.7 ms"),
            ("Page Up repeat -> its frame", "knob_repeat", "goal < 5.7 ms"),
            ("re-send late vs 250 ms grid", "resend_late", "designed 0"),
            ("release -> final frame", "release", "designed 240 ms"),
            ("final frame late vs 240 ms", "release_late", "designed 0")]
    print(f"{'measure':<31}{'n':>5}{'median':>9}{'p90':>9}{'max':>9}   ")
    for name, key, goal in rows:
        m = s[key]
        print(f"{name:<31}{m['n']:>5}{m['median']:>9.2f}{m['p90']:>9.2f}{m['max']:>9.2f}   {goal}")
    print(f"status replies {s['replies']}: {s['unpainted']} without a paint before the next "
          f"reply, {s['unchanged']} with the same byte as the one before")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build", help="the build directory")
    parser.add_argument("--runs", type=int, default=3, help="rounds")
    parser.add_argument("--meter-seconds", type=float, default=8.0,
                        help="the window of meter replies at 100 ms")
    parser.add_argument("--jog-presses", type=int, default=10, help="taps of U")
    parser.add_argument("--holds", type=int, default=2, help="holds of Page Up")
    parser.add_argument("--keep-trace", metavar="FILE", help="keep the last round's trace")
    args = parser.parse_args()
    results, perf_results = [], []
    for _ in range(args.runs):
        results.append(run_latency(args.build, args.meter_seconds, args.jog_presses, args.holds,
                                   keep_trace=args.keep_trace))
        if shutil.which("perf"):
            perf_results.append(run_paint_perf(args.build, args.meter_seconds))
    print_summary(summary(results, perf_results), args.runs)
    return 0


if __name__ == "__main__":
    sys.exit(main())
