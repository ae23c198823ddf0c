#include "LiveFixture.h"
#include "panel/KeyCodes.h"

#include <string>

namespace dorv::test {
namespace {

// The panel on 2 m with the link on: main VFO 145.200 FM, sub VFO 144.200 FM, one memory,
// a dial step of 5 kHz and a network client. Input comes as the window and the network
// server hand it to the core: through the link's input.
class SequenceInputTest : public LiveFixture {
protected:
    SequenceInputTest()
    {
        s.Settings.TuneOnStartup = false;
        s.Settings.DialStep[1][ModeFM] = 500;
        s.BandTable.BandMainVfo[1] = {14520000, ModeFM, 60000};
        s.BandTable.BandSubVfo[1] = {14420000, ModeFM, 60000};
        s.BandTable.LastMainBand = s.BandTable.LastSubBand = 1;
        s.Memories[1].Vfo = {14550000, ModeFM};
        s.Memories[1].Band = 1;
        s.MemoryCount = 1;
        radio.power.CATbutton_Click();
        radio.net.Send = [this](int, const std::string &bytes) {
            answers += bytes;
            return std::size_t{0};
        };
        client = radio.net.OpenClient();
    }

    void keyDown(int code, int shift = 0)
    {
        radio.link.Input([this, code, shift] { radio.keyboard.Form_KeyDown(code, shift); });
    }
    void keyUp(int code, int shift = 0)
    {
        radio.link.Input([this, code, shift] { radio.keyboard.Form_KeyUp(code, shift); });
    }
    void key(int code, int shift = 0)
    {
        keyDown(code, shift);
        keyUp(code, shift);
    }
    // Keys struck one every 60 ms from the given time on.
    void typeFrom(double start, const std::string &keys)
    {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const int code = keys[i] == 'E' ? key::Enter : key::Digit0 + (keys[i] - '0');
            host.at(start + 0.06 * static_cast<double>(i), [this, code] { key(code); });
        }
    }
    // Every frame, status requests included, that reached the radio while it was on its
    // other VFO: between an odd toggle and the next.
    std::vector<CatFrame> framesOnTheOtherVfo() const
    {
        std::vector<CatFrame> out;
        bool other = false;
        for (const CatFrame &f : engine.receivedFrames()) {
            if (f == kToggle) {
                other = !other;
            } else if (other) {
                out.push_back(f);
            }
        }
        return out;
    }

    int client = 0;
    std::string answers;
};

// VFO/M back to VFO sends the sub VFO on the radio's other VFO. A frequency typed at once
// reaches the radio after that, on the VFO the panel shows it on: SYNC reads it back.
TEST_F(SequenceInputTest, entryTypedRightAfterVfoMr_endsOnTheRadiosMainVfo)
{
    key(key::V, key::CtrlMask);
    ASSERT_EQ(s.OperatingState, StateMR);
    engine.clearLog();

    typeFrom(host.now() + 0.06, "E14530000");
    key(key::V, key::CtrlMask);
    host.run(1.0);
    EXPECT_EQ(s.OperatingState, StateVFO);
    EXPECT_EQ(framesOnTheOtherVfo(), std::vector<CatFrame>{F(0x14, 0x42, 0x00, 0x00, 0x01)});
    EXPECT_EQ(engine.rig().activeVfo, 0);
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14530000);
    EXPECT_EQ(engine.rig().vfo[1].frequency, 14420000);

    radio.link.Input([this] { radio.power.SYNCbutton_Click(); });
    EXPECT_EQ(s.MainVfo.Frequency, 14530000);
    EXPECT_EQ(p.ledFreq, "145.300.00");
}

// Knob steps and a client's set made during A>B wait for it and then run in the order
// they came; the panel shows none of them before, and the client is answered after.
TEST_F(SequenceInputTest, knobAndClientInputDuringAb_runAfterItInOrder)
{
    engine.clearLog();
    const double start = host.now();
    host.at(start + 0.1, [this] { key(key::PageUp); });
    host.at(start + 0.2, [this] { radio.net.Receive(client, "F 145300000\n"); });
    host.at(start + 0.3, [this] { key(key::PageUp); });
    std::string shownMeanwhile;
    host.at(start + 0.4, [&] { shownMeanwhile = p.ledFreq + " " + answers; });
    key(key::A, key::CtrlMask);
    host.run(1.0);

    EXPECT_EQ(shownMeanwhile, "145.200.00 ");
    EXPECT_EQ(answers, "RPRT 0\n");
    EXPECT_EQ(s.MainVfo.Frequency, 14530500);
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14530500);
    EXPECT_EQ(framesOnTheOtherVfo(), std::vector<CatFrame>{F(0x14, 0x52, 0x00, 0x00, 0x01)});
}

// A knob held while SUB switches the radio's VFO: its re-sends wait until the radio is on
// the VFO the knob tunes, so the main VFO keeps its frequency.
TEST_F(SequenceInputTest, knobHeldWhileSubSwitches_resendsNothingOntoTheOtherVfo)
{
    keyDown(key::PageUp);
    host.run(0.5);
    key(key::U, key::CtrlMask);
    host.run(0.5);
    keyUp(key::PageUp);
    host.run(0.5);
    EXPECT_EQ(engine.rig().activeVfo, 1);
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14520500);
    EXPECT_EQ(engine.rig().vfo[1].frequency, 14420000);
}

} // namespace
} // namespace dorv::test
