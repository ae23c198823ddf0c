// Bytes on the simulator's serial line, in any split and with any gaps. Every byte it
// receives ends up in a whole frame or in a partial frame it drops, each in its log; every
// whole frame gets the reply its opcode calls for, in order; the
// frequency it reads back is BCD; and its state stays one a radio can be in.

#include "Ft897Engine.h"
#include "FuzzCheck.h"
#include "LogFormat.h"
#include "RadioCodes.h"

#include <algorithm>

using namespace dorv::fuzz;
using namespace ft897sim;

namespace {

constexpr std::uint8_t kSetOpcodes[] = {Opcode::SetFrequency, Opcode::SplitOn,   Opcode::SplitOff,
                                        Opcode::SetMode,      Opcode::PttOn,     Opcode::PttOff,
                                        Opcode::RptDirection, Opcode::ToneMode,  Opcode::CtcssTone,
                                        Opcode::DcsCode,      Opcode::ToggleVfo, Opcode::RptOffset};

// The bytes the radio answers a frame with.
std::size_t ReplyLength(const Frame &frame, bool acknowledgeSets)
{
    switch (frame[4]) {
    case Opcode::ReadFreqMode:
        return 5;
    case Opcode::RxStatus:
    case Opcode::TxStatus:
        return 1;
    case Opcode::ReadEeprom:
        return 2;
    default:
        return acknowledgeSets &&
                       std::count(std::begin(kSetOpcodes), std::end(kSetOpcodes), frame[4]) != 0
                   ? 1
                   : 0;
    }
}

bool IsBcd(std::uint8_t byte)
{
    return (byte >> 4) <= 9 && (byte & 0x0F) <= 9;
}

bool IsOctal(int code)
{
    return code > 0 && code <= 777 && code / 100 < 8 && code / 10 % 10 < 8 && code % 10 < 8;
}

void RequireRadioState(const RigState &rig)
{
    Require(rig.activeVfo == 0 || rig.activeVfo == 1, "one of two VFOs is in use");
    for (const VfoState &vfo : rig.vfo) {
        Require(vfo.frequency > 0 && vfo.frequency <= 99999999, "a VFO holds a frequency");
        Require(IsModeCode(vfo.modeCode), "a VFO holds a mode");
    }
    Require(rig.rptDirection >= -1 && rig.rptDirection <= 1, "a repeater direction");
    Require(rig.rptOffset >= 0 && rig.rptOffset <= 99999999, "a repeater offset");
    Require(IsOctal(rig.dcsTx) && IsOctal(rig.dcsRx), "DCS codes are octal");
    Require(rig.ctcssTenthsTx > 0 && rig.ctcssTenthsRx > 0, "CTCSS tones are set");
}

void RequireLogLine(const LogEntry &entry)
{
    const std::string line = FormatLogLine(entry, 0);
    const std::string kind = entry.discarded ? " DISCARD" : entry.received ? " RX" : " TX";
    const std::size_t digits = line.find(' ');
    Require(digits > 0 && line.find_first_not_of("0123456789") == digits,
            "a log line starts with its time in ms");
    Require(line.size() == digits + kind.size() + 3 * entry.bytes.size() &&
                line.compare(digits, kind.size(), kind) == 0,
            "a log line holds its kind and each byte");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputReader input(data, size);
    Options options;
    const std::uint8_t setup = input.byte();
    options.acknowledgeSets = (setup & 0x80) != 0;
    options.replyDelayMs = setup & 0x3F;
    Engine engine(options);

    // Each piece: a gap in ms before it, then up to 15 bytes.
    double now = 0;
    std::size_t fed = 0;
    std::vector<std::uint8_t> replies;
    while (!input.empty()) {
        now += input.byte() / 1000.0;
        const std::vector<std::uint8_t> piece = input.bytes(input.byte() & 0x0F);
        engine.receive(piece.data(), piece.size(), now);
        fed += piece.size();
        const std::vector<std::uint8_t> ready = engine.takeReady(now);
        replies.insert(replies.end(), ready.begin(), ready.end());
        RequireRadioState(engine.rig());
    }
    now += 10;
    const std::vector<std::uint8_t> rest = engine.takeReady(now);
    replies.insert(replies.end(), rest.begin(), rest.end());

    std::size_t logged = 0;
    std::size_t expected = 0;
    double lastReply = 0;
    std::vector<double> requestTimes;
    for (const LogEntry &entry : engine.log()) {
        RequireLogLine(entry);
        if (!entry.received) {
            Require(entry.time >= lastReply, "replies go out in order");
            lastReply = entry.time;
            continue;
        }
        logged += entry.bytes.size();
        if (entry.discarded) {
            Require(!entry.bytes.empty() && entry.bytes.size() < 5, "a dropped frame is partial");
            continue;
        }
        Require(entry.bytes.size() == 5, "a frame is five bytes");
        Frame frame;
        std::copy(entry.bytes.begin(), entry.bytes.end(), frame.begin());
        expected += ReplyLength(frame, options.acknowledgeSets);
    }
    Require(logged == fed, "every byte received is logged in a frame or a dropped part");
    Require(replies.size() == expected, "every frame gets the reply its opcode calls for");

    // Each frequency read-back is four BCD bytes and a mode.
    std::size_t at = 0;
    for (const LogEntry &entry : engine.log()) {
        if (!entry.received || entry.discarded) {
            continue;
        }
        Frame frame;
        std::copy(entry.bytes.begin(), entry.bytes.end(), frame.begin());
        if (frame[4] == Opcode::ReadFreqMode) {
            Require(std::all_of(replies.begin() + at, replies.begin() + at + 4, IsBcd),
                    "a frequency read back is BCD");
            Require(IsModeCode(replies[at + 4]), "a mode read back is a mode");
        }
        at += ReplyLength(frame, options.acknowledgeSets);
    }
    return 0;
}
