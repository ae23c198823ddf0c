#include "support/RecordingPort.h"

namespace dorv::test {

bool RecordingPort::open(const SerialSettings &settings)
{
    opens.push_back(settings);
    opened = failure.empty() && refused.reason == PortRefusal::Reason::None;
    return opened;
}

void RecordingPort::write(const Bytes &bytes)
{
    if (opened) {
        written.insert(written.end(), bytes.begin(), bytes.end());
        if (clock) {
            writeTimes.push_back(clock());
        }
    }
}

void RecordingPort::deliver(std::initializer_list<std::uint8_t> bytes)
{
    incoming.insert(incoming.end(), bytes.begin(), bytes.end());
    if (arrival) {
        arrival();
    }
}

Bytes RecordingPort::read(int maxBytes)
{
    Bytes out;
    while (!incoming.empty() && static_cast<int>(out.size()) < maxBytes) {
        out.push_back(incoming.front());
        incoming.pop_front();
    }
    return out;
}

std::vector<CatFrame> RecordingPort::frames() const
{
    std::vector<CatFrame> out;
    for (std::size_t i = 0; i + 5 <= written.size(); i += 5) {
        out.push_back({written[i], written[i + 1], written[i + 2], written[i + 3], written[i + 4]});
    }
    return out;
}

} // namespace dorv::test
