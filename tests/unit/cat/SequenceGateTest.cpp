#include "cat/SequenceGate.h"

#include <gtest/gtest.h>
#include <string>

namespace dorv {
namespace {

// Each handler stands for an event handler; a "wait" is where events come in. Input during
// a sequence runs after the input that ran it, behind what already waits; ticks meanwhile
// are skipped; input outside any sequence runs at once.
TEST(SequenceGateTest, inputDuringASequence_runsAfterItsInputInOrderAndTicksAreSkipped)
{
    SequenceGate gate;
    std::string log;
    auto note = [&](char c) { return [&log, c] { log += c; }; };
    gate.Input([&] {
        gate.Input(note('a')); // a wait before the sequence: runs inside it
        gate.BeginSequence();
        gate.Input(note('b'));
        gate.Tick(note('t'));
        gate.EndSequence();
        gate.Input(note('c')); // after it, but behind b
        gate.Tick(note('u'));
        log += '1';
    });
    EXPECT_EQ(log, "a1bc");
    gate.Tick(note('t'));
    EXPECT_EQ(log, "a1bct");
    EXPECT_FALSE(gate.Holding());
}

// A waiting input that runs a sequence of its own holds what comes during it back in turn;
// a sequence run by a direct call, not as input, lets the waiting inputs run as it ends.
TEST(SequenceGateTest, replayedInputsHoldInTurnAndADirectSequenceReleasesAtItsEnd)
{
    SequenceGate gate;
    std::string log;
    auto note = [&](char c) { return [&log, c] { log += c; }; };
    gate.BeginSequence();
    gate.Input([&] {
        gate.BeginSequence();
        gate.Input(note('c'));
        gate.EndSequence();
        log += 'a';
    });
    gate.Input(note('b'));
    EXPECT_EQ(log, "");
    gate.EndSequence();
    EXPECT_EQ(log, "abc");
}

} // namespace
} // namespace dorv
