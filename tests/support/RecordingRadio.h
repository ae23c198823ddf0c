#pragma once

#include "Radio.h"
#include "support/FakeHost.h"
#include "support/RecordingPort.h"

namespace dorv::test {

// A radio over a recording port on the virtual clock, for tests that check the frames it
// writes and feed the status bytes by hand. Its data directory is never written to.
struct RecordingRadio {
    // The link on in VFO state with the port open and the built-in band and step tables.
    void linkOnInVfoState();

    FakeHost host;
    RecordingPort port;
    Radio radio{host, port, "/tmp"};
    RadioState &s = radio.state;
    PanelState &p = radio.panel;
};

} // namespace dorv::test
