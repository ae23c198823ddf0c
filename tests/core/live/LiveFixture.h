#pragma once

#include "Radio.h"
#include "SimulatedPort.h"
#include "support/FakeHost.h"
#include "support/Frames.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace dorv::test {

// A radio wired to the in-process simulated FT-897 on the virtual clock, with its data
// files in a fresh directory and the port open.
class LiveFixture : public ::testing::Test {
protected:
    explicit LiveFixture(ft897sim::Options options = {});

    // Frames the radio received, without the status requests of the meters.
    std::vector<CatFrame> commandFrames() const;
    // Lets the meter poll until two replies have arrived.
    void pollMeter() { host.run(2.5); }

    FakeHost host;
    ft897sim::Engine engine;
    ft897sim::SimulatedPort port;
    TempDir temp{"dorv-live"};
    const std::filesystem::path dir = temp.path();
    Radio radio;
    RadioState &s = radio.state;
    PanelState &p = radio.panel;
};

} // namespace dorv::test
