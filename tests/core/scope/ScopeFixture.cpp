#include "ScopeFixture.h"

#include "scope/ScopeSettingsRecord.h"

#include <fstream>
#include <iterator>

namespace dorv::test {

ScopeFixture::ScopeFixture(ft897sim::Options options) : LiveFixture(options)
{
    s.CatOn = true;
    s.OperatingState = StateVFO;
    s.MainBand = 1;
    s.MainVfo.Frequency = 14500000;
    s.MainVfo.Mode = ModeUSB;
    engine.setSignals({});
    writeScopeFile(EncodeScopeSettings(ScopeSettingsRecord{}));
}

void ScopeFixture::writeScopeFile(const Bytes &bytes) const
{
    std::ofstream out(scopeFilePath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes ScopeFixture::scopeFile() const
{
    std::ifstream in(scopeFilePath(), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void ScopeFixture::openScope(int stepIndex)
{
    scope.SCOPEbutton_Click();
    scope.listSteps_Click(stepIndex);
    scope.mnuScopeScanSpeedArray_Click(4); // 250 ms
}

void ScopeFixture::runUntilStopped(double limit)
{
    const double end = host.clock + limit;
    while (host.clock < end && scope.Sweeping()) {
        host.yield();
    }
}

std::vector<Freq> ScopeFixture::frequenciesSent(std::size_t from) const
{
    std::vector<Freq> freqs;
    const auto frames = engine.receivedFrames();
    for (std::size_t i = from; i < frames.size(); ++i) {
        if (frames[i][4] == Opcode::SetFrequency) {
            freqs.push_back(*DecodeFrequency(frames[i].data()));
        }
    }
    return freqs;
}

} // namespace dorv::test
