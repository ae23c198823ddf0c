#include "SimulatedPort.h"

#include <algorithm>

namespace ft897sim {

SimulatedPort::SimulatedPort(Engine &engine, std::function<double()> clock)
    : engine_(engine), clock_(std::move(clock))
{
}

bool SimulatedPort::open(const dorv::SerialSettings &settings)
{
    if (!present_) {
        error_ = "No such file or directory";
        return false;
    }
    error_.clear();
    settings_ = settings;
    open_ = true;
    engine_.takeReady(clock_()); // replies that fell due while nothing listened are gone
    return true;
}

void SimulatedPort::close()
{
    open_ = false;
    input_.clear();
}

void SimulatedPort::setPresent(bool present)
{
    present_ = present;
    if (!present) {
        close();
    }
}

void SimulatedPort::write(const dorv::Bytes &bytes)
{
    if (open_) {
        engine_.receive(bytes.data(), bytes.size(), clock_());
    }
}

void SimulatedPort::collect()
{
    const dorv::Bytes arrived = engine_.takeReady(clock_());
    if (open_) {
        input_.insert(input_.end(), arrived.begin(), arrived.end());
    }
}

int SimulatedPort::bytesAvailable()
{
    collect();
    return static_cast<int>(input_.size());
}

dorv::Bytes SimulatedPort::read(int maxBytes)
{
    collect();
    const auto count = static_cast<std::size_t>(std::clamp<int>(maxBytes, 0, input_.size()));
    dorv::Bytes out(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(count));
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(count));
    return out;
}

void SimulatedPort::discardInput()
{
    collect();
    input_.clear();
}

} // namespace ft897sim
