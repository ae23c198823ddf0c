#pragma once

#include "Radio.h"
#include "SimulatedPort.h"
#include "support/FakeHost.h"
#include "support/RecordingPort.h"

#include <filesystem>

namespace dorv::fuzz {

// A radio on the test host's virtual clock with its data files in `dir`. Its serial port
// cannot be opened, like a device that is not there: the settings loader tries it.
class FileBench {
public:
    explicit FileBench(const std::filesystem::path &dir);

    test::FakeHost host;
    test::RecordingPort port;
    Radio radio;
};

// Starts the program as it starts on a new computer (default data files in `dir`), picks
// serial port 1 and switches the link on; `tuneOnStartup` reads the radio's VFOs back.
void StartWithLinkOn(Radio &radio, test::FakeHost &host, bool tuneOnStartup);

// A radio with the link on to the in-process simulated FT-897, on the virtual clock.
class LiveBench {
public:
    explicit LiveBench(const std::filesystem::path &dir);

    test::FakeHost host;
    ft897sim::Engine engine;
    ft897sim::SimulatedPort port;
    Radio radio;
};

// What every loader must leave: each field used as a table index inside its table.
void RequireUsableIndexes(const VfoInfo &vfo);
void RequireUsableIndexes(const MemoryChannel &channel);
void RequireUsableIndexes(const BandRecord &table);

} // namespace dorv::fuzz
