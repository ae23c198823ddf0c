#pragma once

#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "host/Host.h"
#include "host/SerialPort.h"
#include "model/RadioState.h"
#include "model/files/DataFiles.h"
#include "panel/PanelState.h"

#include <string>

namespace dorv {

// The context every subsystem works through: the model, the panel, the port,
// the host, and one object per subsystem. No globals, so tests can build many.
class Radio {
public:
    Radio(Host &host, SerialPort &port, std::string dataDir);
    Radio(const Radio &) = delete;
    Radio &operator=(const Radio &) = delete;

    Host &host;
    SerialPort &port;
    const std::string dataDir; // where bandinfo.dorv, ft897.dorv ... live

    RadioState state;
    PanelState panel;

    CatLink link;
    CatCommands cat;
    DataFiles files;
};

} // namespace dorv
