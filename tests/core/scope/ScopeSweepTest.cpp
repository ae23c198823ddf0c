#include "ScopeFixture.h"
#include "model/files/BandDefaults.h"
#include "scope/ScopeChart.h"
#include "scope/ScopeMenuChoices.h"
#include "support/RecordingPort.h"

#include <algorithm>
#include <fstream>
#include <sstream>

using namespace dorv;
using namespace dorv::test;

namespace {

constexpr int kStep100Hz = 0;
constexpr int kStep1KHz = 2;
constexpr int kStep10KHz = 4;
constexpr int kWidth5KHz = 8;

using ScopeSweepTest = ScopeFixture;

TEST_F(ScopeSweepTest, opening_setsTheSweepStartWithoutSendingAndStartSendsIt)
{
    const std::size_t before = engine.receivedFrames().size();
    openScope(kStep1KHz);
    EXPECT_EQ(scope.ScopeStart, 14497500);
    EXPECT_EQ(scope.ScopeEnd, 14502500);
    EXPECT_EQ(s.MainVfo.Frequency, 14497500);
    EXPECT_EQ(view.stripScope.Span, 50);
    EXPECT_EQ(view.stripScope.Origin, 144975);
    EXPECT_EQ(view.txtCentre, "145.000.00");
    EXPECT_EQ(view.txtCurrent, "144.975.00");
    EXPECT_TRUE(frequenciesSent(before).empty());

    scope.cmdSCAN_Click();
    EXPECT_EQ(view.cmdSCAN, "STOP");
    EXPECT_FALSE(radio.meters.TimerSignalMeter.enabled());
    EXPECT_EQ(frequenciesSent(before), std::vector<Freq>{14497500});
}

// One sweep at 1 kHz with continuous scan off: one reading per kHz from 144.975 to
// 145.025 MHz, each a frequency frame followed by one status request, then START is back
// and the meter polls again.
TEST_F(ScopeSweepTest, oneSweep_coversTheWidthByStepsAndEndsWithTheMeterRunning)
{
    engine.setSignals({{144990000, 9, 1000, 0}, {145012000, 4, 1000, 0}});
    openScope(kStep1KHz);
    const std::size_t before = engine.receivedFrames().size();
    scope.cmdSCAN_Click();
    runUntilStopped(60);

    EXPECT_EQ(view.cmdSCAN, "START");
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
    ASSERT_EQ(view.Waterfall.size(), 1u);
    const auto &readings = view.Waterfall.front().Readings;
    ASSERT_EQ(readings.size(), 51u);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const Freq f = 14497500 + static_cast<Freq>(i) * 100;
        EXPECT_EQ(readings[i].Frequency, f);
        const int expected = f == 14499000 ? 9 : f == 14501200 ? 4 : 0;
        EXPECT_EQ(readings[i].S, expected) << "at " << f;
    }
    EXPECT_EQ(s.MainVfo.Frequency, 14502500);
    EXPECT_EQ(view.txtCurrent, "145.025.00");

    // On the wire: frequency, status request, frequency, ... for the 51 readings.
    auto frames = engine.receivedFrames();
    frames.erase(frames.begin(), frames.begin() + static_cast<long>(before));
    ASSERT_GE(frames.size(), 102u);
    for (std::size_t i = 0; i < 102; ++i) {
        const std::uint8_t op = i % 2 == 0 ? Opcode::SetFrequency : Opcode::RxStatus;
        ASSERT_EQ(frames[i][4], op) << "frame " << i;
    }
    EXPECT_EQ(frequenciesSent(before).front(), 14497500);
}

// A radio that answers within the interval gives one reading per interval, at 250 ms and
// at 1000 ms: the wait for each reply does not add to the interval.
TEST_F(ScopeSweepTest, sweep_makesOneReadingPerInterval)
{
    for (const auto &[speedIndex, interval] : {std::pair{4, 0.25}, {0, 1.0}}) {
        SCOPED_TRACE(interval);
        openScope(kStep1KHz);
        scope.mnuScopeScanSpeedArray_Click(speedIndex);
        engine.clearLog();
        scope.cmdSCAN_Click();
        host.run(12 * interval);
        scope.cmdSCAN_Click();
        std::vector<double> asked;
        for (const ft897sim::LogEntry &entry : engine.log()) {
            if (entry.received && entry.bytes.size() == 5 && entry.bytes[4] == Opcode::RxStatus) {
                asked.push_back(entry.time);
            }
        }
        ASSERT_GE(asked.size(), 11u);
        const double perSecond = (asked.size() - 1) / (asked.back() - asked.front());
        EXPECT_NEAR(perSecond * interval, 1.0, 0.02);
        host.run(1.0);
    }
}

TEST_F(ScopeSweepTest, step100Hz_movesTheRadio100HzPerReading)
{
    openScope(kStep100Hz);
    const std::size_t before = engine.receivedFrames().size();
    scope.cmdSCAN_Click();
    host.run(2.0);
    const auto sent = frequenciesSent(before);
    ASSERT_GE(sent.size(), 4u);
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i], 14497500 + static_cast<Freq>(i) * 10);
    }
    scope.cmdSCAN_Click();
    EXPECT_EQ(view.cmdSCAN, "START");
}

// Each step caption names what one reading moves the radio: "100 Hz" 100 Hz, "5 KHz" 5 kHz.
TEST_F(ScopeSweepTest, everyStepCaption_namesTheStepTheRadioMakes)
{
    for (int index = 0; index < static_cast<int>(std::size(kScopeSteps)); ++index) {
        const std::string caption = kScopeSteps[index].Caption;
        const long number = std::stol(caption);
        const long hz = caption.ends_with(" KHz")  ? number * 1000
                        : caption.ends_with(" Hz") ? number
                                                   : -1;
        openScope(index);
        const std::size_t before = engine.receivedFrames().size();
        scope.cmdSCAN_Click();
        host.run(1.2);
        scope.cmdSCAN_Click();
        const auto sent = frequenciesSent(before);
        ASSERT_GE(sent.size(), 3u) << caption;
        EXPECT_EQ((sent[2] - sent[1]) * 10L, hz) << "caption " << caption;
        scope.mnuFileArray_Click(ScopeFileExit);
    }
}

// Continuous scan: each finished sweep becomes the newest waterfall row and the next one
// starts again, its first reading one step above the start; only 100 rows are kept.
TEST_F(ScopeSweepTest, continuousScan_restartsAndKeepsTheNewest100Sweeps)
{
    openScope(kStep10KHz);
    scope.listScanWidth_Click(kWidth5KHz); // 144.995 .. 145.005, two readings
    scope.mnuContinuousScan_Click(0);
    scope.cmdSCAN_Click();
    host.run(1.6);
    ASSERT_FALSE(view.Waterfall.empty());
    EXPECT_EQ(view.stripScope.Samples.front().Frequency, 14499500); // the restart's 0
    EXPECT_EQ(view.stripScope.Samples.front().S, 0);

    host.run(150);
    EXPECT_EQ(view.cmdSCAN, "STOP");
    EXPECT_GT(view.CompletedSweeps, 100);
    EXPECT_EQ(view.Waterfall.size(), BandScope::kWaterfallRows);
    // After the first sweep, every sweep reads only the end (start + one step).
    for (const ScopeSweep &sweep : view.Waterfall) {
        ASSERT_EQ(sweep.Readings.size(), 1u);
        EXPECT_EQ(sweep.Readings.front().Frequency, 14500500);
    }
    scope.cmdSCAN_Click();
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
}

// The dashed current-frequency line shows where the main VFO is: at the sweep's start
// when the window opens, on each reading, and where a click on the chart tuned the radio.
TEST_F(ScopeSweepTest, currentFrequencyLine_followsTheMainVfoAfterAClickTune)
{
    openScope(kStep1KHz);
    EXPECT_EQ(view.stripScope.Marker, 144975.0);
    scope.cmdSCAN_Click();
    runUntilStopped(60);
    EXPECT_EQ(view.stripScope.Marker, 145025.0);

    scope.stripScope_PointSelected(144990.2);
    EXPECT_EQ(view.stripScope.Marker, s.MainVfo.Frequency / 100.0);
    EXPECT_NE(view.stripScope.Marker, 145025.0);
}

// A new START keeps the last sweep's picture; each new reading replaces the old one at
// its place, and the rest of the old picture stays until the sweep reaches it.
TEST_F(ScopeSweepTest, start_keepsTheLastPictureUntilNewReadingsReplaceIt)
{
    engine.setSignals({{145010000, 9, 1000, 0}});
    openScope(kStep1KHz);
    scope.cmdSCAN_Click();
    runUntilStopped(60);
    const std::vector<ScopeReading> last = ChartPicture(view.stripScope);
    ASSERT_EQ(last.size(), 51u);

    engine.setSignals({{144980000, 7, 1000, 0}});
    scope.cmdSCAN_Click();
    EXPECT_EQ(ChartPicture(view.stripScope), last) << "nothing read yet";
    host.run(2.1);
    scope.cmdSCAN_Click(); // STOP part-way
    const std::size_t fresh = view.stripScope.Samples.size();
    ASSERT_GT(fresh, 3u);
    ASSERT_LT(fresh, 51u);
    const std::vector<ScopeReading> shown = ChartPicture(view.stripScope);
    ASSERT_EQ(shown.size(), 51u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].Frequency, 14497500 + static_cast<Freq>(i) * 100);
        const ScopeReading &expected = i < fresh ? view.stripScope.Samples[i] : last[i];
        EXPECT_EQ(shown[i], expected) << "reading " << i;
    }
    EXPECT_EQ(shown[35].S, 9) << "the old peak is still shown";

    scope.cmdSCAN_Click(); // a START after a part-way sweep keeps what was shown
    EXPECT_EQ(ChartPicture(view.stripScope), shown);
}

TEST_F(ScopeSweepTest, clickOnTheChart_tunesToTheClickedFrequency)
{
    openScope(kStep1KHz);
    const std::size_t before = engine.receivedFrames().size();
    scope.stripScope_PointSelected(145010.384);
    EXPECT_EQ(s.MainVfo.Frequency, 14501038);
    EXPECT_EQ(view.txtCurrent, "145.010.38");
    EXPECT_EQ(frequenciesSent(before), (std::vector<Freq>{14501038}));
    EXPECT_EQ(p.ledFreq, "145.010.38");
}

// The current frequency shows the sweep's start exactly, to 10 Hz, whenever the range is
// laid out again: at load, on RESET and on a new width.
TEST_F(ScopeSweepTest, reset_centresOnTheMainVfoAndShowsTheExactStart)
{
    openScope(kStep1KHz);
    s.MainVfo.Frequency = 14512345;
    scope.SSCommand1_Click();
    EXPECT_EQ(view.txtCentre, "145.123.45");
    EXPECT_EQ(scope.ScopeStart, 14509845);
    EXPECT_EQ(s.MainVfo.Frequency, 14509845);
    EXPECT_EQ(view.txtCurrent, "145.098.45");
    scope.listScanWidth_Click(kWidth5KHz);
    EXPECT_EQ(view.txtCurrent, "145.118.45");

    scope.Form_Unload();
    s.MainVfo.Frequency = 14512345;
    scope.SCOPEbutton_Click();
    EXPECT_EQ(view.txtCurrent, "145.098.45");
}

TEST_F(ScopeSweepTest, exportReadings_writesTheLastCompleteSweepAsCsv)
{
    engine.setSignals({{145000000, 7, 1000, 0}});
    openScope(kStep10KHz);
    scope.listScanWidth_Click(kWidth5KHz);
    const auto csv = dir / "sweep.csv";
    EXPECT_FALSE(scope.ExportReadings(csv.string()));
    EXPECT_EQ(host.messages.back().title, "Export Readings");

    scope.cmdSCAN_Click();
    runUntilStopped(30);
    host.saveAnswers.push_back(csv.string());
    scope.mnuFileArray_Click(2);
    std::ifstream in(csv);
    std::stringstream text;
    text << in.rdbuf();
    const std::string body = text.str();
    EXPECT_EQ(body.rfind("# sweep finished 20", 0), 0u) << body;
    EXPECT_NE(body.find("\nfrequency_hz,s_value\n144995000,0\n145005000,0\n"), std::string::npos)
        << body;
}

ft897sim::Options Deaf()
{
    ft897sim::Options options;
    options.dropShare = 1.0;
    return options;
}

class SilentRadioScopeTest : public ScopeFixture {
protected:
    SilentRadioScopeTest() : ScopeFixture(Deaf()) {}
};

// A radio that never answers: the sweep waits on its first step and the window says so;
// STOP, pressed during that wait, ends it with the meter back on.
TEST_F(SilentRadioScopeTest, keepsTheFirstStepWaitingUntilStop)
{
    openScope(kStep1KHz);
    Timer operatorPressesStop{"operator"};
    bool saidNotAnswering = false;
    Freq waitingAt = 0;
    long requestsWhileWaiting = 0;
    const std::size_t before = engine.receivedFrames().size();
    operatorPressesStop.setTickHandler([&] {
        const auto frames = engine.receivedFrames();
        requestsWhileWaiting =
            std::count_if(frames.begin() + static_cast<long>(before), frames.end(),
                          [](const CatFrame &f) { return f[4] == Opcode::RxStatus; });
        operatorPressesStop.setEnabled(false);
        saidNotAnswering = view.NotAnswering;
        waitingAt = s.MainVfo.Frequency;
        scope.cmdSCAN_Click();
    });
    host.attachTimer(operatorPressesStop);
    operatorPressesStop.setInterval(20000);
    scope.cmdSCAN_Click();
    operatorPressesStop.setEnabled(true);
    host.run(25);

    EXPECT_TRUE(saidNotAnswering);
    EXPECT_EQ(waitingAt, 14497500);
    EXPECT_EQ(requestsWhileWaiting, 1);
    EXPECT_EQ(view.cmdSCAN, "START");
    EXPECT_FALSE(view.NotAnswering);
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
    EXPECT_EQ(s.MainVfo.Frequency, 14497500);
    EXPECT_TRUE(view.Waterfall.empty());
}

// The close box during the wait ends it too, and the main window's handlers run inside it.
TEST_F(SilentRadioScopeTest, closeBoxAndMainWindowWorkWhileTheStepWaits)
{
    openScope(kStep1KHz);
    Timer operatorActs{"operator"};
    operatorActs.setTickHandler([&] {
        operatorActs.setEnabled(false);
        radio.bands.BandButton_Click(7); // 14 MHz, sent at once
        scope.Form_Unload();
    });
    host.attachTimer(operatorActs);
    operatorActs.setInterval(5000);
    scope.cmdSCAN_Click();
    operatorActs.setEnabled(true);
    host.run(8);
    EXPECT_FALSE(view.Visible);
    EXPECT_FALSE(scope.Sweeping());
    EXPECT_FALSE(scope.TimerScope.enabled());
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
    EXPECT_EQ(s.MainBand, 7);
    EXPECT_EQ(frequenciesSent().back(), s.MainVfo.Frequency);
}

TEST_F(ScopeSweepTest, linkSwitchedOff_endsTheSweep)
{
    openScope(kStep1KHz);
    scope.cmdSCAN_Click();
    host.run(1);
    s.CatOn = false;
    host.run(1);
    EXPECT_EQ(view.cmdSCAN, "START");
    EXPECT_FALSE(scope.Sweeping());
}

// A port whose radio answers each status request with the next scripted byte.
class ScriptedPort : public RecordingPort {
public:
    void write(const Bytes &bytes) override
    {
        RecordingPort::write(bytes);
        if (bytes.size() == 5 && bytes[4] == Opcode::RxStatus && !answers.empty()) {
            incoming.push_back(answers.front());
            answers.pop_front();
        }
    }
    std::deque<std::uint8_t> answers;
};

TEST(ScopeStatusByte, busyAndCentringBitsAreRemoved)
{
    TempDir temp("dorv-scope");
    FakeHost host;
    ScriptedPort port;
    port.opened = true;
    Radio radio(host, port, temp.path().string());
    InstallBandDefaults(radio.state.BandTable);
    radio.state.CatOn = true;
    radio.state.MainBand = 1;
    radio.state.MainVfo.Frequency = 14500000;
    radio.scope.SCOPEbutton_Click();
    port.answers = {0xE5, 0x1F, 0x8F, 0x00}; // a reading each 250 ms, the last at 1.0 s
    radio.scope.mnuScopeScanSpeedArray_Click(4);
    radio.scope.cmdSCAN_Click();
    host.run(1.0);
    const auto &samples = radio.panel.frmBandScope.stripScope.Samples;
    ASSERT_GE(samples.size(), 3u);
    EXPECT_EQ(samples[0].S, 5);
    EXPECT_EQ(samples[1].S, 31);
    EXPECT_EQ(samples[2].S, 15);
}

} // namespace
