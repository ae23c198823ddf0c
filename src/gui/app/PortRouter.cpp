#include "app/PortRouter.h"

#include "app/SimulatorLink.h"
#include "cat/NetworkLink.h"
#include "cat/PortMap.h"

namespace dorv::gui {

PortRouter::PortRouter(std::string dataDir, std::function<double()> clock)
    : dataDir_(std::move(dataDir)), clock_(std::move(clock))
{
}

PortRouter::~PortRouter() = default;

SerialPort *PortRouter::target(const std::string &device)
{
    std::string problem;
    if (const auto link = NetworkLink::Parse(device, problem)) {
        network_.setLink(*link, device);
        return &network_;
    }
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
    error_.clear();
    refusal_ = {};
    // The map is read on every open, so an edited ports.conf counts at once.
    const PortMap map = PortMap::Load(dataDir_);
    const std::string device = map.device(settings.portNumber);
    const std::string &problem = map.problem(settings.portNumber);
    SerialPort *port = problem.empty() && !device.empty() ? target(device) : nullptr;
    // A network link opened again is left to finish the connection it is making.
    if (port != &network_ || active_ != &network_) {
        close();
    }
    active_ = nullptr;
    if (!problem.empty()) {
        error_ = "Port " + std::to_string(settings.portNumber) + " is unusable: " + problem;
        return false;
    }
    if (device.empty()) {
        error_ = "There is no serial port " + std::to_string(settings.portNumber);
        return false;
    }
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

void PortRouter::setLinkChangeHandler(std::function<void()> handler)
{
    network_.setChangeHandler(std::move(handler));
}

std::string PortRouter::linkCondition() const
{
    return active_ != nullptr ? active_->linkCondition() : std::string();
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

void PortRouter::setArrivalHandler(std::function<void()> handler)
{
    serial_.setArrivalHandler(handler);
    network_.setArrivalHandler(std::move(handler));
}

} // namespace dorv::gui
