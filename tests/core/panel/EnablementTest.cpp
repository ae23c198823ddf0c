#include "PanelFixture.h"
#include "support/FunctionButtons.h"

#include <functional>
#include <set>
#include <string>

using namespace dorv;

namespace {

class EnablementTest : public test::PanelFixture {
protected:
    std::set<std::string> enabledButtons() { return test::EnabledButtons(p); }

    void setAll(bool enabled)
    {
        for (auto &entry : test::FunctionButtons(p)) {
            entry.second->Enabled = enabled;
        }
    }
};

using Names = std::set<std::string>;

const Names kDigitKeys = {"RPT",      "REV",    "TONE",    "SCAN",  "PRI", "PMS",
                          "BANDDOWN", "BANDUP", "MHZDOWN", "MHZUP", "BAND"};

Names Plus(Names base, const Names &more)
{
    base.insert(more.begin(), more.end());
    return base;
}

Names AllBut(const Names &excluded)
{
    Names all = {"CAT",  "MOX",  "SEARCH",   "SYNC",   "SCOPE",   "RCL",   "STO",  "FAST",
                 "LOCK", "HOME", "VFOMR",    "AB",     "SPLIT",   "MCK",   "SWAP", "SUB",
                 "ENT",  "DOP",  "CLAR",     "MODE",   "RPT",     "REV",   "TONE", "SCAN",
                 "PRI",  "PMS",  "BANDDOWN", "BANDUP", "MHZDOWN", "MHZUP", "BAND"};
    for (const std::string &name : excluded) {
        all.erase(name);
    }
    return all;
}

TEST_F(EnablementTest, toggleFunctionButtons_enablesTheButtonsOfTheFirstMatchingState)
{
    // Each row also sets the flags of the states below it, so the order is checked too.
    auto below = [this](int level) {
        s.StoPending = level <= 1;
        s.MckOn = level <= 2;
        s.SubActive = level <= 3;
        s.KeypadEntry = level <= 4;
        s.PriOn = level <= 5;
        s.ClarOn = level <= 6;
        s.JogHeld = level <= 7;
        s.ScanDirection = level <= 8 ? 1 : 0;
        s.ScanOn = level <= 9;
    };
    const struct {
        const char *state;
        std::function<void()> setup;
        Names enabled;
    } rows[] = {
        {"OFF",
         [&] {
             below(1);
             s.CatOn = false;
         },
         {"CAT"}},
        {"QM", [&] { below(1); }, Plus({"CAT"}, kDigitKeys)},
        {"QM rcl",
         [&] {
             below(2);
             s.RclPending = true;
         },
         Plus({"CAT"}, kDigitKeys)},
        {"MCK", [&] { below(2); }, {"CAT", "MCK"}},
        {"SUB", [&] { below(3); },
         Plus({"CAT", "MODE", "SYNC", "FAST", "SUB", "ENT", "DOP"}, kDigitKeys)},
        {"KEY", [&] { below(4); }, Plus({"CAT", "ENT", "DOP"}, kDigitKeys)},
        {"PRI",
         [&] { below(5); },
         {"CAT", "MOX", "FAST", "LOCK", "HOME", "VFOMR", "PRI", "MHZDOWN", "MHZUP"}},
        {"CLR",
         [&] { below(6); },
         {"CAT", "MOX", "MODE", "RCL", "STO", "FAST", "LOCK", "HOME", "VFOMR", "REV", "PMS",
          "MHZDOWN", "MHZUP", "ENT", "CLAR"}},
        {"JOG", [&] { below(7); }, {"CAT", "MOX"}},
        {"RUN scan", [&] { below(8); }, {"CAT", "SCAN"}},
        {"RUN search",
         [&] {
             s.SearchOn = true;
             s.ScanDirection = -1;
         },
         {"CAT", "SEARCH"}},
        {"ARM", [&] { below(9); },
         AllBut({"SEARCH", "SCOPE", "RCL", "STO", "HOME", "VFOMR", "SPLIT", "SWAP", "PRI", "PMS",
                 "DOP"})},
        {"MR", [&] { s.OperatingState = StateMR; },
         AllBut({"SEARCH", "SCOPE", "RCL", "STO", "DOP"})},
        {"MR split memory",
         [&] {
             s.OperatingState = StateMR;
             s.CurrentMemory = 12;
             s.Memories[12].Split = true;
         },
         AllBut({"SEARCH", "SCOPE", "RCL", "STO"})},
        {"VFO", [] {}, AllBut({"DOP"})},
        {"VFO split", [&] { s.SplitOn = true; }, AllBut({})},
        {"PMS", [&] { s.OperatingState = StatePMS; }, AllBut({"SCOPE", "SWAP", "DOP"})},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.state);
        s = RadioState{};
        s.CatOn = true;
        s.OperatingState = StateVFO;
        p.lblOnAir.Visible = false;
        setAll(true);
        row.setup();
        radio.enablement.ToggleFunctionButtons();
        EXPECT_EQ(enabledButtons(), row.enabled);
        setAll(false);
        radio.enablement.ToggleFunctionButtons();
        EXPECT_EQ(enabledButtons(), row.enabled);
    }
}

TEST_F(EnablementTest, toggleFunctionButtons_transmittingKeepsMoxAsItWasAndOutOfRangeSetsOnlyBands)
{
    p.lblOnAir.Visible = true;
    for (bool mox : {true, false}) {
        setAll(true);
        p.MOXbutton.Enabled = mox;
        radio.enablement.ToggleFunctionButtons();
        EXPECT_EQ(enabledButtons(), (mox ? Names{"CAT", "MOX"} : Names{"CAT"}));
    }

    p.lblOnAir.Visible = false;
    s.OperatingState = 0;
    setAll(true);
    p.BandDownButton.Enabled = false;
    radio.enablement.ToggleFunctionButtons();
    EXPECT_EQ(enabledButtons(), AllBut({"BANDDOWN", "BAND"}));
}

TEST_F(EnablementTest, timerDelay_blinksPendingQuickMemoryAndAbandonsItAfterFiveSeconds)
{
    radio.enablement.ToggleFunctionButtons();
    s.StoPending = true;
    s.PressTime = host.now();
    radio.enablement.ToggleFunctionButtons();
    ASSERT_FALSE(p.SCOPEbutton.Enabled);
    radio.enablement.TimerDelay.setEnabled(true);

    host.run(0.51);
    EXPECT_TRUE(p.lblQMB.Visible);
    host.run(0.5);
    EXPECT_FALSE(p.lblQMB.Visible);
    host.run(3.6);
    EXPECT_TRUE(s.StoPending);

    host.run(0.5); // the tick after 5 s have passed
    EXPECT_FALSE(s.StoPending);
    EXPECT_FALSE(p.lblQMB.Visible);
    EXPECT_FALSE(radio.enablement.TimerDelay.enabled());
    EXPECT_TRUE(p.SCOPEbutton.Enabled); // VFO buttons are back
}

} // namespace
