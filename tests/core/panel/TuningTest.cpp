#include "PanelFixture.h"
#include "model/FreqRounding.h"

#include <functional>

using namespace dorv;

namespace {

constexpr Freq kLow = 14400000;  // 144 MHz
constexpr Freq kHigh = 14800000; // 148 MHz

class TuningTest : public test::PanelFixture {
protected:
    TuningTest() { tuneMain(1, 14500000, kLow, kHigh); }

    void turn(void (Tuning::*change)(int), KnobState &knob, int by)
    {
        (radio.tuning.*change)(knob.Value + by);
    }

    Tuning &t = radio.tuning;
};

TEST_F(TuningTest, mainKnob_movesOneStepPerEventAndWrapsModularly)
{
    const struct {
        Freq start;
        Freq dialStep;
        bool fast;
        int turnBy; // position change of one event
        Freq expected;
    } rows[] = {
        {kHigh - 5, 10, false, 1, kLow + 5},  // past the top: same distance above bottom
        {kLow + 3, 10, false, -1, kHigh - 7}, // past the bottom
        {14500000, 10, false, 7, 14500010},   // a fast spin still moves one step
        {14500000, 10, false, -7, 14499990},
        {14500000, 100, true, 1, 14501000}, // FAST: 100 units become 1000
        {14500000, 100, false, 0, 14500000},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.start);
        port.written.clear();
        s.MainVfo.Frequency = row.start;
        s.MainVfo.Mode = ModeUSB;
        s.Settings.DialStep[1][ModeUSB] = row.dialStep;
        p.ledFAST = row.fast;
        t.MainKnob_MouseDown();
        turn(&Tuning::MainKnob_Change, p.MainKnob, row.turnBy);
        EXPECT_EQ(s.MainVfo.Frequency, row.expected);
        EXPECT_EQ(sentFrequencies(), std::vector<Freq>{row.expected});
        t.MainKnob_MouseUp();
    }
}

TEST_F(TuningTest, mainKnob_tunesSubVfoWithSubOnButMainWhileSplit)
{
    s.SubActive = true;
    s.SubBand = 7;
    s.SubVfo = {1420000, ModeUSB};
    s.BandTable.TuneLower[7] = 1400000;
    s.BandTable.TuneUpper[7] = 1435000;
    s.Settings.DialStep[7][ModeUSB] = 100;
    t.MainKnob_MouseDown();
    turn(&Tuning::MainKnob_Change, p.MainKnob, 1);
    EXPECT_EQ(s.SubVfo.Frequency, 1420100);
    EXPECT_EQ(p.ledSubFreq, "14.201.00");

    s.SplitOn = true;
    turn(&Tuning::MainKnob_Change, p.MainKnob, 1);
    EXPECT_EQ(s.MainVfo.Frequency, 14500100);
    EXPECT_EQ(s.SubVfo.Frequency, 1420100);
}

TEST_F(TuningTest, channelKnob_roundsToTheStepAndWrapsToTheEdges)
{
    const struct {
        Freq start;
        int turnBy;
        Freq expected;
    } rows[] = {
        {14523400, 1, 14525000},  // 14524650 rounds up to the 12.5 kHz grid
        {kHigh - 1250, 1, kLow},  // reaching the top lands on the bottom exactly
        {kLow, -1, kHigh - 1250}, // below the bottom: one step below the top
    };
    s.MainVfo.Mode = ModeFM;
    s.Settings.ChannelStep[1][ModeFM] = 1250;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.start);
        s.MainVfo.Frequency = row.start;
        t.ChannelKnob_MouseDown();
        turn(&Tuning::ChannelKnob_Change, p.ChannelKnob, row.turnBy);
        EXPECT_EQ(s.MainVfo.Frequency, row.expected);
        t.ChannelKnob_MouseUp();
    }
}

TEST_F(TuningTest, channelKnob_inMemoryStateTunesOnlyDuringMemoryTune)
{
    s.OperatingState = StateMR;
    s.MainVfo.Mode = ModeFM;
    s.Settings.ChannelStep[1][ModeFM] = 1250;
    t.ChannelKnob_MouseDown();
    turn(&Tuning::ChannelKnob_Change, p.ChannelKnob, 1);
    EXPECT_EQ(s.MainVfo.Frequency, 14500000);

    t.MainKnob_MouseDown(); // shows MT: the memory is being retuned
    t.MainKnob_MouseUp();
    EXPECT_TRUE(p.lblMT.Visible);
    t.ChannelKnob_MouseDown();
    turn(&Tuning::ChannelKnob_Change, p.ChannelKnob, 1);
    EXPECT_EQ(s.MainVfo.Frequency, 14501250);
}

TEST_F(TuningTest, subKnob_movesClarifierWithinNineNinetyNine)
{
    t.SubKnob_MouseDown();
    turn(&Tuning::SubKnob_Change, p.ClarKnob, 1);
    EXPECT_TRUE(sentFrequencies().empty()); // clarifier off: nothing

    s.ClarOn = true;
    s.MainVfo.ClarOffset = 998;
    turn(&Tuning::SubKnob_Change, p.ClarKnob, 1);
    turn(&Tuning::SubKnob_Change, p.ClarKnob, 1);
    EXPECT_EQ(s.MainVfo.ClarOffset, 999);
    EXPECT_EQ(sentFrequencies(), std::vector<Freq>{14500001});
    turn(&Tuning::SubKnob_Change, p.ClarKnob, -1);
    EXPECT_EQ(s.MainVfo.ClarOffset, 998);
    EXPECT_EQ(s.MainVfo.Frequency, 14500000);
}

TEST_F(TuningTest, roundFreqToStep_usesTheUnitOfEachCallsOwnStep)
{
    const struct {
        Freq freq;
        Freq step;
        Freq expected;
    } rows[] = {
        {14524650, 1250, 14525000},   {14524650, -1250, 14523750}, {14524653, 5, 14524655},
        {14524650, 150000, 14600000}, // 1.5 MHz: unit 10 MHz, right after a unit of 10
        {14524650, -50, 14524650},    {14524651, -50, 14524650},   {14524650, 0, 14524650},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(RoundFreqToStep(row.freq, row.step), row.expected)
            << row.freq << " step " << row.step;
    }
}

TEST_F(TuningTest, knobGesture_resendsWhileHeldAndOnceMoreAfterRelease)
{
    s.Settings.DialStep[1][s.MainVfo.Mode] = 10;
    t.MainKnob_MouseDown();
    turn(&Tuning::MainKnob_Change, p.MainKnob, 1);
    host.run(0.6);
    const double released = host.now();
    t.MainKnob_MouseUp();
    EXPECT_EQ(sentFrequencies(), std::vector<Freq>(4, 14500010));
    const std::vector<double> times = sendTimes();
    EXPECT_NEAR(times[1], 0.25, 0.01);
    EXPECT_NEAR(times[2], 0.5, 0.01);
    EXPECT_NEAR(times[3], released + 0.2, 0.01);
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
    host.run(1);
    EXPECT_EQ(sentFrequencies().size(), 4u);
}

TEST_F(TuningTest, release_leavesAGestureBegunDuringItsWaitInCharge)
{
    // A second press arrives 0.1 s into the 0.2 s wait of a release; the held gesture then
    // tunes into the 145.1 MHz repeater sub-band.
    Timer again{"again"};
    again.setInterval(100);
    host.attachTimer(again);
    const struct {
        bool knob; // main knob, else the UP jog button
        std::function<void()> press, release;
    } rows[] = {
        {true,
         [this] {
             t.MainKnob_MouseDown();
             turn(&Tuning::MainKnob_Change, p.MainKnob, 1);
         },
         [this] { t.MainKnob_MouseUp(); }},
        {false, [this] { t.btnJogUp_MouseDown(); }, [this] { t.btnJogUp_MouseUp(); }},
    };
    s.MainVfo.Mode = ModeFM;
    s.Settings.Ars144 = true;
    s.Settings.DialStep[1][ModeFM] = 10;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.knob ? "main knob" : "jog");
        s.MainVfo.Frequency = 14509950;
        again.setTickHandler([&] {
            again.setEnabled(false);
            row.press();
        });
        row.press();
        again.setEnabled(true);
        row.release();
        EXPECT_FALSE(radio.meters.TimerSignalMeter.enabled());
        for (int step = 0; step < 8; ++step) {
            if (row.knob) {
                turn(&Tuning::MainKnob_Change, p.MainKnob, 1);
            } else {
                host.run(0.2);
            }
        }
        EXPECT_EQ(s.MainVfo.RptDirection, kRptMinus);
        row.release();
        EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
        s.MainVfo.RptDirection = s.SentMain.RptDirection = kRptSimplex;
    }
}

TEST_F(TuningTest, hold_overruledByTransmitOrLinkOffSendsNothingMore)
{
    const std::function<void()> holds[][2] = {
        {[this] { t.MainKnob_MouseDown(); }, [this] { t.MainKnob_MouseUp(); }},
        {[this] { t.btnJogUp_MouseDown(); }, [this] { t.btnJogUp_MouseUp(); }},
    };
    const std::function<void()> overrules[] = {
        [this] { radio.transmit.MOXbutton_Click(); },
        [this] {
            s.CatOn = false;
            t.ChangeTuningKnob();
        },
    };
    for (const auto &hold : holds) {
        for (const auto &overrule : overrules) {
            s.CatOn = true;
            p.lblOnAir.Visible = false;
            hold[0]();
            overrule();
            port.written.clear();
            host.run(1);
            hold[1]();
            EXPECT_TRUE(sentFrequencies().empty());
            EXPECT_EQ(s.MainVfo.Frequency, 14500000);
            EXPECT_FALSE(radio.meters.TimerSignalMeter.enabled());
        }
    }
}

TEST_F(TuningTest, jog_stepsEveryTwoHundredMsWhileHeldAndWrapsAtTheBottom)
{
    s.MainVfo.Frequency = kLow + 500;
    t.btnJogDown_MouseDown();
    EXPECT_TRUE(s.JogHeld);
    EXPECT_FALSE(p.BandDownButton.Enabled);
    host.run(0.199);
    EXPECT_TRUE(sentFrequencies().empty());
    host.run(0.45);
    t.btnJogDown_MouseUp();
    EXPECT_EQ(sentFrequencies(),
              (std::vector<Freq>{kHigh - 1000, kHigh - 2000, kHigh - 3000, kHigh - 3000}));
    EXPECT_EQ(s.ScanDirection, 0);
    EXPECT_FALSE(s.JogHeld);
    host.run(1);
    EXPECT_EQ(sentFrequencies().size(), 4u);
}

TEST_F(TuningTest, jog_fastStepIsHundredKilohertzAndWrapsToBottomAtTheTop)
{
    p.ledFAST = true;
    s.MainVfo.Frequency = kHigh - 5000;
    t.btnJogUp_MouseDown();
    host.run(0.25);
    t.btnJogUp_MouseUp();
    EXPECT_EQ(sentFrequencies(), (std::vector<Freq>{kLow, kLow}));
}

TEST_F(TuningTest, changeTuningKnob_enablesKnobsAndJogByState)
{
    const struct {
        const char *state;
        bool RadioState::*flag; // set to value; scanDirection set as given
        bool value;
        int scanDirection;
        const char *enabled; // main, clarifier, channel, jog
    } rows[] = {
        {"idle", &RadioState::CatOn, true, 0, "1111"},
        {"link off", &RadioState::CatOn, false, 0, "0000"},
        {"keypad", &RadioState::KeypadEntry, true, 0, "0000"},
        {"scan running", &RadioState::ScanOn, true, 1, "0001"},
        {"scan armed", &RadioState::ScanOn, true, 0, "1111"},
        {"search running", &RadioState::SearchOn, true, -1, "0000"},
        {"clarifier", &RadioState::ClarOn, true, 0, "1101"},
        {"mck", &RadioState::MckOn, true, 0, "0010"},
    };
    auto shown = [this] {
        std::string out;
        for (bool on : {p.MainKnob.Enabled, p.ClarKnob.Enabled, p.ChannelKnob.Enabled,
                        p.btnJogDown.Enabled && p.btnJogUp.Enabled}) {
            out += on ? '1' : '0';
        }
        return out;
    };
    for (const auto &row : rows) {
        s = RadioState{};
        s.CatOn = true;
        s.*row.flag = row.value;
        // Armed scanning overrules the clarifier, so that row has the clarifier on too.
        s.ClarOn = s.ClarOn || row.flag == &RadioState::ScanOn;
        s.ScanDirection = row.scanDirection;
        t.ChangeTuningKnob();
        EXPECT_EQ(shown(), row.enabled) << row.state;
    }
    for (bool *panelFlag : {&p.lblOnAir.Visible, &p.ledLOCK}) {
        s = RadioState{};
        s.CatOn = true;
        *panelFlag = true;
        t.ChangeTuningKnob();
        EXPECT_EQ(shown(), "0000");
        *panelFlag = false;
    }
}

} // namespace
