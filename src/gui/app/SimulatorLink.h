#pragma once

#include "host/SerialPort.h"

#include <functional>
#include <memory>

namespace dorv::gui {

// The built-in simulated radio behind a serial port, running on the given
// clock (seconds). Null when the program was built without the simulator.
std::unique_ptr<SerialPort> makeSimulatedRadioPort(std::function<double()> clock);

} // namespace dorv::gui
