#include "app/PortRouter.h"

#include "app/SimulatorLink.h"
#include "cat/PortMap.h"

namespace dorv::gui {

PortRouter::PortRouter(std::string dataDir, std::function<double()> clock)
    : dataDir_(std::move(dataDir)), clock_(std::move(clock))
{
}

PortRouter::~PortRouter() = default;

SerialPort *PortRouter::target(const std::string &device)
{
    if (device != PortMap::kSimulator) {
        serial_.setDevice(QString::fromStdString(device));
        return &serial_;
    }
    if (!simulator_) {
        simulator_ = makeSimulatedRadioPort(clock_);
    }
    return simulator_.get();
}

bool PortRouter::open(const SerialSettings &settings)
{
    close();
    active_ = nullptr;
    error_.clear();
    refusal_ = {};
    // The map is read on every open, so an edited ports.conf counts at once.
    const PortMap map = PortMap::Load(dataDir_);
    const std::string device = map.device(settings.portNumber);
    if (!map.problem(settings.portNumber).empty()) {
        error_ = "Port " + std::to_string(settings.portNumber) +
                 " is unusable: " + map.problem(settings.portNumber);
        return false;
    }
    if (device.empty()) {
        error_ = "There is no serial port " + std::to_string(settings.portNumber);
        return false;
    }
    SerialPort *port = target(device);
    if (port == nullptr) {
        error_ = "The simulated radio is not part of this build";
        return false;
    }
    if (!port->open(settings)) {
        error_ = device + ": " + port->errorString();
        refusal_ = port->refusal();
        return false;
    }
    active_ = port;
    return true;
}

void PortRouter::close()
{
    if (active_ != nullptr) {
        active_->close();
    }
}

bool PortRouter::isOpen() const
{
    return active_ != nullptr && active_->isOpen();
}

std::string PortRouter::errorString() const
{
    return active_ != nullptr ? active_->errorString() : error_;
}

void PortRouter::write(const Bytes &bytes)
{
    if (active_ != nullptr) {
        active_->write(bytes);
    }
}

int PortRouter::bytesAvailable()
{
    return active_ != nullptr ? active_->bytesAvailable() : 0;
}

Bytes PortRouter::read(int maxBytes)
{
    return active_ != nullptr ? active_->read(maxBytes) : Bytes{};
}

void PortRouter::discardInput()
{
    if (active_ != nullptr) {
        active_->discardInput();
    }
}

} // namespace dorv::gui
