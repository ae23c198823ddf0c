#include "FunctionsFixture.h"

#include <string>

namespace dorv::test {
namespace {

const char *const kTooLarge =
    "You have pressed the decimal key to identify the number 1234 as the MHz part of the "
    "frequency. This number is too large for this radio. Try entering a MHz number that is 3 "
    "digits or less in length.";
const char *const kNoDigit =
    "You must enter atleast one digit of the frequency before pressing the decimal key. The "
    "decimal key is used to identify the previously entered digit(s) as the MHz portion of the "
    "frequency. If the desired frequency is less that 1 MHz then enter the frequency without "
    "pressing the decimal key.";

// The HF bands have no repeater offset: an entry onto one of them sends offset 0.
const CatFrame kNoOffset = F(0, 0, 0, 0, 0xF9);

class KeypadTest : public FunctionsTest {
protected:
    // E = ENT, '.' = DOP, X = Escape. Digits 1 to 3 go through RPT, REV and TONE, which
    // in FM would otherwise send frames; the others straight to the digit entry.
    void press(char key)
    {
        switch (key) {
        case 'E':
            return radio.keypad.ENTbutton_Click();
        case '.':
            return radio.clar.DOPbutton_Click();
        case 'X':
            return radio.keypad.CancelEntry();
        case '1':
            return radio.split.RPTbutton_Click();
        case '2':
            return radio.split.REVbutton_Click();
        case '3':
            return radio.tone.TONEbutton_Click();
        default:
            return radio.keypad.DisplayNumericKeypadEntry(std::string(1, key));
        }
    }
};

TEST_F(KeypadTest, keySequences_showEachStepAndTuneOrExplain)
{
    const struct {
        std::string keys;
        std::vector<std::string> readouts; // ledFreq after each key
        Freq frequency;                    // main VFO afterwards
        int band;
        std::vector<CatFrame> frames;
        std::string message; // empty: none
        bool stillOpen;
    } rows[] = {
        {"E14.2E",
         {"---.---.--", "---.--1.--", "---.-14.--", "-14.---.--", "-14.2--.--", "14.200.00"},
         1420000,
         7,
         {F(0x01, 0x42, 0x00, 0x00, 0x01), kNoOffset},
         "",
         false},
        {"E14552500",
         {"---.---.--", "---.--1.--", "---.-14.--", "---.145.--", "---.145.5-", "---.145.52",
          "--1.455.25", "-14.552.50", "145.525.00"},
         14552500,
         1,
         {F(0x14, 0x55, 0x25, 0x00, 0x01)},
         "",
         false},
        {"E146.7E",
         {"---.---.--", "---.--1.--", "---.-14.--", "---.146.--", "146.---.--", "146.7--.--",
          "146.700.00"},
         14670000,
         1,
         {F(0x14, 0x67, 0x00, 0x00, 0x01), F(0x09, 0, 0, 0, 0x09)},
         "",
         false},
        {"E142E",
         {"---.---.--", "---.--1.--", "---.-14.--", "---.142.--", ".142.00"},
         14200,
         11,
         {F(0x00, 0x01, 0x42, 0x00, 0x01), kNoOffset},
         "",
         false},
        // One and two digits are the kHz the readout shows: below 0.1 MHz, refused.
        {"E5E",
         {"---.---.--", "---.--5.--", "145.000.00"},
         14500000,
         1,
         {},
         "The frequency .5.00 that you entered is not in a valid range for this software "
         "and possibly this radio.",
         false},
        {"E50E",
         {"---.---.--", "---.--5.--", "---.-50.--", "145.000.00"},
         14500000,
         1,
         {},
         "The frequency .50.00 that you entered is not in a valid range for this software "
         "and possibly this radio.",
         false},
        {"E14.5.7E",
         {"---.---.--", "---.--1.--", "---.-14.--", "-14.---.--", "-14.5--.--", "-14.---.--",
          "-14.7--.--", "14.700.00"},
         1470000,
         7,
         {F(0x01, 0x47, 0x00, 0x00, 0x01), kNoOffset},
         "",
         false},
        {"E90.E",
         {"---.---.--", "---.--9.--", "---.-90.--", "-90.---.--", "145.000.00"},
         14500000,
         1,
         {},
         "The frequency 90.000.00 that you entered is not in a valid range for this software "
         "and possibly this radio.",
         false},
        {"E1234.",
         {"---.---.--", "---.--1.--", "---.-12.--", "---.123.--", "---.123.4-", "---.123.4-"},
         14500000,
         1,
         {},
         kTooLarge,
         true},
        {"E.", {"---.---.--", "---.---.--"}, 14500000, 1, {}, kNoDigit, true},
        {"E5X", {"---.---.--", "---.--5.--", "145.000.00"}, 14500000, 1, {}, "", false},
        {"EE", {"---.---.--", "145.000.00"}, 14500000, 1, {}, "", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.keys);
        s.MainBand = 1;
        s.MainVfo = {14500000, ModeFM, 60000};
        s.SentMain = {ModeFM, kRptSimplex, 60000};
        s.KeypadEntry = false;
        host.messages.clear();
        for (std::size_t i = 0; i < row.keys.size(); ++i) {
            press(row.keys[i]);
            EXPECT_EQ(p.ledFreq, row.readouts[i]) << "after key " << i;
        }
        EXPECT_EQ(s.MainVfo.Frequency, row.frequency);
        EXPECT_EQ(s.MainBand, row.band);
        EXPECT_EQ(takeFrames(), row.frames);
        EXPECT_EQ(s.KeypadEntry, row.stillOpen);
        EXPECT_EQ(p.MainKnob.Enabled, !row.stillOpen);
        if (row.message.empty()) {
            EXPECT_TRUE(host.messages.empty());
        } else {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, row.message);
        }
        if (!row.frames.empty()) {
            EXPECT_EQ(s.BandTable.BandMainVfo[1].Frequency, 14500000); // the old band kept it
        }
    }
}

TEST_F(KeypadTest, subActive_entersOnTheSubReadoutAndTunesTheSubVfo)
{
    s.SubActive = true;
    for (char key : std::string("E28.5E")) {
        press(key);
    }
    EXPECT_EQ(takeFrames(), std::vector<CatFrame>{F(0x02, 0x85, 0x00, 0x00, 0x01)});
    EXPECT_EQ(s.SubVfo.Frequency, 2850000);
    EXPECT_EQ(s.SubBand, 3);
    EXPECT_EQ(s.BandTable.BandSubVfo[9].Frequency, 705000);
    EXPECT_EQ(p.ledSubFreq, "28.500.00");
    EXPECT_EQ(s.MainVfo.Frequency, 14500000);

    for (char key : std::string("E80.E")) {
        press(key);
    }
    EXPECT_TRUE(takeFrames().empty());
    EXPECT_EQ(p.ledSubFreq, "28.500.00");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "The frequency 80.000.00 that you entered is not with in a "
                                     "valid range for this software and possibly this radio.");
}

// A band's repeater offset stays the band's: an entry onto another band gives the VFO that
// band's offset, on the radio too, and leaves every band's entry its own.
TEST_F(KeypadTest, entryOntoAnotherBand_takesThatBandsOffsetAndLeavesEachBandItsOwn)
{
    BandRecord &t = s.BandTable;
    t.BandMainVfo[0].RptOffset = 760000; // 430 MHz: 7.6 MHz
    t.BandSubVfo[0].RptOffset = 500000;
    for (char key : std::string("E439.1E")) {
        press(key);
    }
    EXPECT_EQ(s.MainVfo.RptOffset, 760000);
    EXPECT_EQ(engine.rig().rptOffset, 760000);
    for (char key : std::string("E145.25E")) {
        press(key);
    }
    EXPECT_EQ(s.MainVfo.RptOffset, 60000);
    EXPECT_EQ(engine.rig().rptOffset, 60000);
    EXPECT_EQ(t.BandMainVfo[0].Frequency, 43910000);
    EXPECT_EQ(t.BandMainVfo[0].RptOffset, 760000);
    EXPECT_EQ(t.BandMainVfo[1].RptOffset, 60000);

    s.SubActive = true;
    for (char key : std::string("E439.1EE7.05E")) {
        press(key);
    }
    EXPECT_EQ(t.BandSubVfo[0].RptOffset, 500000);
    EXPECT_EQ(s.SubVfo.RptOffset, 0);
}

TEST_F(KeypadTest, pmsState_quotesThePmsLimitsAndKeepsThePmsState)
{
    s.OperatingState = StatePMS;
    s.BandTable.TuneLower[1] = 14460000;
    s.BandTable.TuneUpper[1] = 14700000;
    for (char key : std::string("E200.E")) {
        press(key);
    }
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "The frequency 200.000.00 that you entered is not in the range of 144.600.00 to "
              "147.000.00 that you specified for Programmable Memory Scan (PMS). You must enter a "
              "value in this range or adjust your PMS range.");

    for (char key : std::string("E145.2E")) {
        press(key);
    }
    EXPECT_EQ(s.MainVfo.Frequency, 14520000);
    EXPECT_EQ(s.BandTable.BandPmsVfo[1].Frequency, 14500000);
    EXPECT_EQ(s.BandTable.BandMainVfo[1].Frequency, 0);
}

TEST_F(KeypadTest, entry_outlastsTheFinalSendOfAKnobReleasedMeanwhile)
{
    radio.tuning.MainKnob_MouseDown();
    for (char key : std::string("E14")) {
        press(key);
    }
    radio.tuning.MainKnob_MouseUp(); // sends, and shows, the frequency once more
    EXPECT_EQ(p.ledFreq, "145.000.00");
    press('2');
    EXPECT_EQ(p.ledFreq, "---.142.--");
    press('E');
    EXPECT_EQ(s.MainVfo.Frequency, 14200);
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
} // namespace dorv::test
