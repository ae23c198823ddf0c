// How the window tells what a change of the panel state touched, which decides how much
// of the window it draws again.
#include "app/PanelChanges.h"

#include <gtest/gtest.h>

namespace dorv::gui {
namespace {

using Change = PanelChanges::Change;

class PanelChangesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(changes.take(panel), Change::Other); }

    PanelState panel;
    PanelChanges changes;
};

TEST_F(PanelChangesTest, eachKindOfChange_isToldOnceAndThenNothing)
{
    const struct {
        const char *what;
        void (*change)(PanelState &);
        Change expected;
    } cases[] = {
        {"reading", [](PanelState &p) { p.LMeter[0].End = 7; }, Change::Meter},
        {"busy", [](PanelState &p) { p.lblBusy.Visible = true; }, Change::Meter},
        {"frequency", [](PanelState &p) { p.ledFreq = "145.500.10"; }, Change::Readouts},
        {"sub and channel",
         [](PanelState &p) {
             p.ledSubFreq = "433.500.00";
             p.ledMRnumber = "012";
         },
         Change::Readouts},
        {"step during a reading",
         [](PanelState &p) {
             p.ledFreq = "145.500.20";
             p.LMeter[0].End = 3;
         },
         Change::Readouts},
        // The knob's count of handled turns is input state, never drawn.
        {"knob position", [](PanelState &p) { p.MainKnob.Value += 1; }, Change::None},
        // What sits beside the readouts still redraws the whole window.
        {"readout shown", [](PanelState &p) { p.ledFreqVisible = !p.ledFreqVisible; },
         Change::Other},
        {"step with a label",
         [](PanelState &p) {
             p.ledFreq = "145.500.30";
             p.lblMT.Visible = true;
         },
         Change::Other},
        {"knob enabled", [](PanelState &p) { p.MainKnob.Enabled = false; }, Change::Other},
        {"menu", [](PanelState &p) { p.mnuHelp.Enabled = false; }, Change::Other},
    };
    for (const auto &c : cases) {
        c.change(panel);
        EXPECT_EQ(changes.take(panel), c.expected) << c.what;
        EXPECT_EQ(changes.take(panel), Change::None) << c.what << " told twice";
    }
}

// After forget() the next change of any kind redraws everything: the window's controls
// may have moved on their own (a checkable menu item ticks itself).
TEST_F(PanelChangesTest, forget_makesTheNextChangeRedrawEverything)
{
    changes.forget();
    panel.ledFreq = "145.500.10";
    EXPECT_EQ(changes.take(panel), Change::Other);
    changes.forget();
    EXPECT_EQ(changes.take(panel), Change::Other);
    panel.LMeter[1].Value = 2;
    EXPECT_EQ(changes.take(panel), Change::Meter);
}

} // namespace
} // namespace dorv::gui
