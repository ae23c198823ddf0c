#pragma once

#include "../live/LiveFixture.h"

#include <cstdint>
#include <filesystem>

namespace dorv::test {

// The in-process simulated radio with the link on in VFO state on 145.000 MHz USB, and
// the band scope's settings file ready in the data directory.
class ScopeFixture : public LiveFixture {
protected:
    explicit ScopeFixture(ft897sim::Options options = {});

    // Writes the 16 bytes of bandscope.dorv.
    void writeScopeFile(const Bytes &bytes) const;
    Bytes scopeFile() const;
    std::filesystem::path scopeFilePath() const { return dir / "bandscope.dorv"; }

    // Opens the window with the 25 kHz width and the given step entry.
    void openScope(int stepIndex);
    // Runs the virtual clock until the sweep has ended (START is back) or `limit` passes.
    void runUntilStopped(double limit);
    // Frequencies (10 Hz units) of the set-frequency frames received since `from`.
    std::vector<Freq> frequenciesSent(std::size_t from = 0) const;

    BandScope &scope = radio.scope;
    ScopeWindowState &view = radio.panel.frmBandScope;
};

} // namespace dorv::test
