#include "FunctionsFixture.h"

#include "model/CodeTables.h"

namespace dorv::test {

namespace {
void SetLimits(RadioState &s, int band, Freq lower, Freq upper)
{
    s.BandTable.VfoLower[band] = s.BandTable.TuneLower[band] = lower;
    s.BandTable.VfoUpper[band] = s.BandTable.TuneUpper[band] = upper;
}
} // namespace

FunctionsTest::FunctionsTest()
    : port(engine, [this] { return host.now(); }), radio(host, port, "/tmp")
{
    s.Settings.CommPort = 1;
    radio.link.OpenCommPort();
    SetLimits(s, 0, 43000000, 45000000);
    SetLimits(s, 1, 14400000, 14800000);
    SetLimits(s, 7, 1400000, 1435000);
    SetLimits(s, 9, 700000, 730000);
    SetLimits(s, 11, 10000, 275000);
    s.Settings.Ars144 = s.Settings.Ars430 = true;
    s.CatOn = true;
    s.MainBand = 1;
    s.SubBand = 9;
    s.BandTable.BandMainVfo[1].RptOffset = s.BandTable.BandPmsVfo[1].RptOffset = 60000;
    s.MainVfo = {14500000, ModeFM, 60000};
    s.SubVfo = {705000, ModeLSB};
    s.SentMain = {ModeFM, kRptSimplex, 60000};
    s.SentSub = {ModeLSB};
    matchRadio();
    radio.enablement.ToggleFunctionButtons();
    radio.tuning.ChangeTuningKnob();
    engine.clearLog();
}

void FunctionsTest::matchRadio()
{
    auto &rig = engine.rig();
    const VfoInfo &vfo = s.operatedVfo();
    rig.activeVfo = s.SubActive ? 1 : 0;
    rig.vfo[rig.activeVfo] = {vfo.Frequency, ModeTable()[vfo.Mode].CatCode};
}

std::vector<CatFrame> FunctionsTest::takeFrames()
{
    std::vector<CatFrame> frames = WithoutStatusRequests(engine.receivedFrames());
    engine.clearLog();
    return frames;
}

} // namespace dorv::test
