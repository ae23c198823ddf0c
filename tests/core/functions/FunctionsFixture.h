#pragma once

#include "Radio.h"
#include "SimulatedPort.h"
#include "support/FakeHost.h"
#include "support/Frames.h"

#include <gtest/gtest.h>
#include <vector>

namespace dorv::test {

// A live panel in VFO state on the in-process simulated radio: CAT on, main VFO on the
// 144 MHz band in FM at 145.000 MHz with a 600 kHz offset, everything already sent.
class FunctionsTest : public ::testing::Test {
protected:
    FunctionsTest();

    // Frames the radio received since the last call, status requests left out.
    std::vector<CatFrame> takeFrames();
    // Puts the radio's VFO in use where the panel's operated VFO is, so a read-back of
    // frequency and mode finds what the panel holds.
    void matchRadio();

    FakeHost host;
    ft897sim::Engine engine;
    ft897sim::SimulatedPort port;
    Radio radio;
    RadioState &s = radio.state;
    PanelState &p = radio.panel;
};

} // namespace dorv::test
