#pragma once

#include "Radio.h"
#include "SimulatedPort.h"
#include "support/FakeHost.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace dorv::test {

inline CatFrame F(std::uint8_t p1, std::uint8_t p2, std::uint8_t p3, std::uint8_t p4,
                  std::uint8_t op)
{
    return {p1, p2, p3, p4, op};
}
inline const CatFrame kToggle{0, 0, 0, 0, 0x81};
inline const CatFrame kReadFreqMode{0, 0, 0, 0, 0x03};

// A radio wired to the in-process simulated FT-897 on the virtual clock, with its data
// files in a fresh directory and the port open.
class LiveFixture : public ::testing::Test {
protected:
    explicit LiveFixture(ft897sim::Options options = {});
    ~LiveFixture() override;

    // Frames the radio received, without the status requests of the meters.
    std::vector<CatFrame> commandFrames() const;
    // Lets the meter poll until two replies have arrived.
    void pollMeter() { host.run(2.5); }

    FakeHost host;
    ft897sim::Engine engine;
    ft897sim::SimulatedPort port;
    std::filesystem::path dir;
    Radio radio;
    RadioState &s = radio.state;
    PanelState &p = radio.panel;
};

} // namespace dorv::test
