"""Writes and reads channel lists with the CSV driver of Debian's chirp package, the
independent side of the CSV round-trip tests.

    chirp_csv.py write FILE   a dozen channels of every kind, written by the driver
    chirp_csv.py dump FILE    the channels the driver reads, one line each:
                              location|name|Hz|duplex|offset Hz|tone mode|tone|mode|skip|comment
"""
import sys

from chirp import chirp_common
from chirp.drivers import generic_csv

# location, name, MHz, duplex, offset MHz, tone mode, rtone, ctone, dtcs, mode, skip
CHANNELS = [
    (0, "W1AW 2m", "146.940", "-", "0.600", "Tone", 100.0, 88.5, 23, "FM", ""),
    (1, "Club TSQL", "147.300", "+", "0.600", "TSQL", 67.0, 131.8, 23, "FM", ""),
    (2, "UHF RPT", "442.100", "+", "5.000", "Tone", 131.8, 88.5, 23, "FM", ""),
    (3, "UHF minus", "438.950", "-", "7.600", "TSQL", 88.5, 103.5, 23, "FM", ""),
    (50, "DCS simplex", "446.000", "", "0.000", "DTCS", 88.5, 88.5, 754, "FM", ""),
    (51, "20m SSB", "14.250", "", "0.000", "", 88.5, 88.5, 23, "USB", ""),
    (52, "40m LSB", "7.125", "", "0.000", "", 88.5, 88.5, 23, "LSB", ""),
    (100, "10m AM", "29.000", "", "0.000", "", 88.5, 88.5, 23, "AM", ""),
    (101, "DX split", "14.195", "split", "14.225", "", 88.5, 88.5, 23, "USB", ""),
    (102, "ISS", "145.800", "", "0.000", "", 88.5, 88.5, 23, "FM", "S"),
    (500, "30m CW", "10.116", "", "0.000", "", 88.5, 88.5, 23, "CW", ""),
    (998, "APRS", "144.390", "", "0.000", "", 88.5, 88.5, 23, "PKT", ""),
    (999, "6m", "50.125", "", "0.000", "", 88.5, 88.5, 23, "USB", "S"),
]

# Comments of some channels, one with the bar that parts a name from its comment.
COMMENTS = {0: "Newington, ARRL HQ", 2: "linked to 146.940", 52: "net Sundays | 0900 local",
            101: "Europe listens up"}
# Tuning steps other than the driver's 5 kHz.
STEPS = {1: 12.5, 998: 25.0}


def hz(mhz):
    return chirp_common.parse_freq(mhz)


def write(path):
    radio = generic_csv.CSVRadio(None)
    radio.erase_memory(0)
    for loc, name, freq, duplex, offset, tmode, rtone, ctone, dtcs, mode, skip in CHANNELS:
        mem = chirp_common.Memory()
        mem.number = loc
        mem.name = name
        mem.freq = hz(freq)
        mem.duplex = duplex
        mem.offset = hz(offset)
        mem.tmode = tmode
        mem.rtone = rtone
        mem.ctone = ctone
        mem.dtcs = dtcs
        mem.mode = mode
        mem.skip = skip
        mem.comment = COMMENTS.get(loc, "")
        mem.tuning_step = STEPS.get(loc, 5.0)
        radio.set_memory(mem)
    radio.save(path)


def read(path):
    radio = generic_csv.CSVRadio(None)
    radio._blank()
    # The driver's own loader opens with mode "rU", which this Python refuses.
    with open(path, "r", newline="") as f:
        radio._load(f)
    return [m for m in radio.memories if not m.empty]


def tone(mem):
    return {"Tone": "%.1f" % mem.rtone, "TSQL": "%.1f" % mem.ctone,
            "DTCS": "%03d" % mem.dtcs}.get(mem.tmode, "")


def dump(path):
    for mem in read(path):
        print("|".join([str(mem.number), mem.name, str(mem.freq), mem.duplex,
                        str(mem.offset), mem.tmode, tone(mem), mem.mode, mem.skip,
                        mem.comment]))


if __name__ == "__main__":
    {"write": write, "dump": dump}[sys.argv[1]](sys.argv[2])
