#include "RadioBench.h"

#include "FuzzCheck.h"
#include "model/CodeTables.h"

namespace dorv::fuzz {

FileBench::FileBench(const std::filesystem::path &dir) : radio(host, port, dir.string())
{
    port.failure = "No such file or directory";
}

void StartWithLinkOn(Radio &radio, test::FakeHost &host, bool tuneOnStartup)
{
    // The start-up's two seconds of splash pass in long steps: nothing runs meanwhile.
    const double step = host.yieldStep;
    host.yieldStep = 0.1;
    radio.app.frmRadio_Load();
    host.yieldStep = step;
    radio.state.Settings.TuneOnStartup = tuneOnStartup;
    radio.link.mnuCommPortArray_Click(1);
    radio.power.CATbutton_Click();
    Require(radio.state.CatOn, "the link is on");
}

LiveBench::LiveBench(const std::filesystem::path &dir)
    : port(engine, [this] { return host.now(); }), radio(host, port, dir.string())
{
    StartWithLinkOn(radio, host, false);
}

void RequireUsableIndexes(const VfoInfo &vfo)
{
    Require(vfo.Mode >= 0 && vfo.Mode < kModeCount, "a loaded mode is a mode");
    Require(vfo.ToneMode >= 0 && vfo.ToneMode < kToneModeCount, "a loaded tone mode is one");
    Require(vfo.CtcssTone >= 0 && vfo.CtcssTone < kCtcssCount, "a loaded CTCSS tone is one");
    Require(vfo.DcsCode >= 0 && vfo.DcsCode < kDcsCount, "a loaded DCS code is one");
}

void RequireUsableIndexes(const MemoryChannel &channel)
{
    RequireUsableIndexes(channel.Vfo);
    RequireUsableIndexes(channel.SplitVfo);
    Require(channel.Band >= 0 && channel.Band < kBandCount, "a loaded band is a band");
    Require(channel.SplitBand >= 0 && channel.SplitBand < kBandCount, "a loaded band is one");
}

void RequireUsableIndexes(const BandRecord &table)
{
    for (const auto *entries : {&table.BandMainVfo, &table.BandSubVfo, &table.BandPmsVfo}) {
        for (const VfoInfo &vfo : *entries) {
            RequireUsableIndexes(vfo);
        }
    }
    Require(table.LastMainBand >= 0 && table.LastMainBand < kBandCount, "last main band");
    Require(table.LastSubBand >= 0 && table.LastSubBand < kBandCount, "last sub band");
}

} // namespace dorv::fuzz
