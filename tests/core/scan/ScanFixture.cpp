#include "ScanFixture.h"

namespace dorv::test {

ScanFixture::ScanFixture(ft897sim::Options options) : LiveFixture(options)
{
    engine.setSignals({});
    s.Settings.TuneOnStartup = false;
    radio.intervals.mnuScanSpeed_Click(kScan200ms);
    radio.intervals.mnuPauseInterval_Click(kPause5s);
    radio.intervals.mnuMeterSpeed_Click(1);
}

void ScanFixture::powerOn(int band, VfoInfo main)
{
    s.BandTable.BandMainVfo[band] = main;
    s.BandTable.LastMainBand = static_cast<std::int16_t>(band);
    radio.power.CATbutton_Click();
    host.run(1.0);
    engine.clearLog();
}

MemoryChannel &ScanFixture::store(int position, Freq freq)
{
    MemoryChannel &m = s.Memories[position];
    if (!m.inUse()) {
        ++s.MemoryCount;
    }
    m.Vfo = {freq, ModeFM};
    m.Band = 1;
    m.BankSelected = true;
    return m;
}

void ScanFixture::after(double seconds, std::function<void()> action)
{
    Timer &timer = actions_.emplace_back("test action");
    host.attachTimer(timer);
    timer.setInterval(static_cast<int>(seconds * 1000));
    timer.setTickHandler([&timer, action = std::move(action)] {
        timer.setEnabled(false);
        action();
    });
    timer.setEnabled(true);
}

bool ScanFixture::runUntil(const std::function<bool()> &done, double seconds)
{
    const double end = host.now() + seconds;
    while (!done()) {
        if (host.now() >= end) {
            return false;
        }
        host.yield();
    }
    return true;
}

std::vector<Step> ScanFixture::steps() const
{
    std::vector<Step> out;
    for (const ft897sim::LogEntry &entry : engine.log()) {
        if (entry.received && entry.bytes.size() == 5 && entry.bytes[4] == Opcode::SetFrequency) {
            out.push_back({entry.time, *DecodeFrequency(entry.bytes.data())});
        }
    }
    return out;
}

std::vector<Freq> ScanFixture::stepFrequencies() const
{
    std::vector<Freq> out;
    for (const Step &step : steps()) {
        out.push_back(step.freq);
    }
    return out;
}

std::vector<CatFrame> ScanFixture::otherFramesSince(double from) const
{
    std::vector<CatFrame> out;
    for (const ft897sim::LogEntry &entry : engine.log()) {
        if (!entry.received || entry.time < from || entry.bytes.size() != 5) {
            continue;
        }
        const std::uint8_t op = entry.bytes[4];
        if (op != Opcode::SetFrequency && op != Opcode::RxStatus) {
            out.push_back({entry.bytes[0], entry.bytes[1], entry.bytes[2], entry.bytes[3], op});
        }
    }
    return out;
}

} // namespace dorv::test
