#include "app/SimulatorLink.h"

#ifdef DORV_WITH_SIMULATOR
#include "SimulatedPort.h"
#endif

namespace dorv::gui {

#ifdef DORV_WITH_SIMULATOR

namespace {

// The engine and its port live and die together.
class SimulatedRadioPort : public SerialPort {
public:
    explicit SimulatedRadioPort(std::function<double()> clock) : port_(engine_, std::move(clock)) {}

    bool open(const SerialSettings &settings) override { return port_.open(settings); }
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    std::string errorString() const override { return port_.errorString(); }
    void write(const Bytes &bytes) override { port_.write(bytes); }
    int bytesAvailable() override { return port_.bytesAvailable(); }
    Bytes read(int maxBytes) override { return port_.read(maxBytes); }
    void discardInput() override { port_.discardInput(); }

private:
    ft897sim::Engine engine_;
    ft897sim::SimulatedPort port_;
};

} // namespace

std::unique_ptr<SerialPort> makeSimulatedRadioPort(std::function<double()> clock)
{
    return std::make_unique<SimulatedRadioPort>(std::move(clock));
}

#else

std::unique_ptr<SerialPort> makeSimulatedRadioPort(std::function<double()>)
{
    return nullptr;
}

#endif

} // namespace dorv::gui
