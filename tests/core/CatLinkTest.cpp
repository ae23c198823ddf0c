#include "model/ReadoutFormat.h"
#include "support/RecordingRadio.h"

#include <gtest/gtest.h>

using namespace dorv;

namespace {

class CatLinkTest : public ::testing::Test, protected test::RecordingRadio {
protected:
    int checkedPortItem() const
    {
        int checked = -1;
        for (int i = 1; i <= 10; ++i) {
            if (radio.panel.mnuCommPortArray[i].Checked) {
                EXPECT_EQ(checked, -1) << "two port items ticked";
                checked = i;
            }
        }
        return checked;
    }
};

TEST_F(CatLinkTest, menus_haveTheirCaptionsByIndex)
{
    const auto &ports = radio.panel.mnuCommPortArray;
    EXPECT_EQ(ports[1].Caption, "1");
    EXPECT_EQ(ports[9].Caption, "9");
    EXPECT_EQ(ports[10].Caption, "None");
    const auto &rates = radio.panel.mnuCatRate;
    ASSERT_EQ(rates.size(), 3u);
    EXPECT_EQ(rates[0].Caption, "4800 bps");
    EXPECT_EQ(rates[1].Caption, "9600 bps");
    EXPECT_EQ(rates[2].Caption, "38400 bps");
}

TEST_F(CatLinkTest, portMenu_opensChosenPortAtStoredRateAndTicksIt)
{
    radio.state.Settings.CatRate = 1;
    radio.link.mnuCommPortArray_Click(3);
    ASSERT_EQ(port.opens.size(), 1u);
    EXPECT_EQ(port.opens[0].portNumber, 3);
    EXPECT_EQ(port.opens[0].baudRate, 9600);
    EXPECT_TRUE(radio.state.PortReady);
    EXPECT_EQ(checkedPortItem(), 3);
}

TEST_F(CatLinkTest, portMenu_failedOpenReportsTicksNoneButKeepsNumber)
{
    port.failure = "No such file or directory";
    radio.link.mnuCommPortArray_Click(4);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Communications port 4 error. No such file or directory. Please select a new comm "
              "port from the Settings Menu.");
    EXPECT_EQ(host.messages[0].title, "Open Communications Port");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(radio.state.PortReady);
    EXPECT_EQ(radio.state.Settings.CommPort, 4);
    EXPECT_EQ(checkedPortItem(), 10);
}

TEST_F(CatLinkTest, portMenu_noneLeavesPortOpenButNotReady)
{
    radio.link.mnuCommPortArray_Click(2);
    radio.link.mnuCommPortArray_Click(10);
    EXPECT_TRUE(port.isOpen());
    EXPECT_FALSE(radio.state.PortReady);
    EXPECT_EQ(checkedPortItem(), 10);
}

TEST_F(CatLinkTest, menus_refuseChangesWhileCatIsOn)
{
    radio.link.mnuCommPortArray_Click(2);
    radio.state.CatOn = true;
    radio.link.mnuCommPortArray_Click(5);
    radio.link.mnuCatRate_Click(2);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text,
              "Cannot change the Serial Communications Port while the CAT system is in use. "
              "Please turn off the POWER button on the DORV software before changing "
              "communications port.");
    EXPECT_EQ(host.messages[1].text,
              "Cannot change the Serial Communications Port Rate while the CAT system is in use. "
              "Please turn off the POWER button on the DORV software before changing "
              "communications port.");
    EXPECT_EQ(host.messages[1].title, "Communications Port Error");
    EXPECT_EQ(radio.state.Settings.CommPort, 2);
    EXPECT_EQ(radio.state.Settings.CatRate, 0);
    EXPECT_EQ(checkedPortItem(), 2);
    EXPECT_EQ(port.opens.size(), 1u);
}

TEST_F(CatLinkTest, rateMenu_reopensOnlyWhenRateChanges)
{
    radio.link.mnuCommPortArray_Click(1);
    radio.link.mnuCatRate_Click(0); // the stored value: only ticks
    EXPECT_EQ(port.opens.size(), 1u);
    EXPECT_TRUE(radio.panel.mnuCatRate[0].Checked);
    radio.link.mnuCatRate_Click(2);
    ASSERT_EQ(port.opens.size(), 2u);
    EXPECT_EQ(port.opens[1].baudRate, 38400);
    EXPECT_FALSE(radio.panel.mnuCatRate[0].Checked);
    EXPECT_TRUE(radio.panel.mnuCatRate[2].Checked);
}

TEST_F(CatLinkTest, openCommPort_rateOutsideRangeOpensAt4800)
{
    radio.state.Settings.CommPort = 1;
    radio.state.Settings.CatRate = 7;
    radio.link.OpenCommPort();
    ASSERT_EQ(port.opens.size(), 1u);
    EXPECT_EQ(port.opens[0].baudRate, 4800);
}

TEST(ReadoutFormat, frequencyAndChannelPatterns)
{
    EXPECT_EQ(FormatFrequency(43200000), "432.000.00");
    EXPECT_EQ(FormatFrequency(14420000), "144.200.00");
    EXPECT_EQ(FormatFrequency(1420000), "14.200.00");
    EXPECT_EQ(FormatFrequency(180000), "1.800.00");
    EXPECT_EQ(FormatFrequency(100000), "1.000.00");
    EXPECT_EQ(FormatFrequency(10000), ".100.00");
    EXPECT_EQ(FormatFrequency(14420005), "144.200.05");
    EXPECT_EQ(FormatChannel(0), "000");
    EXPECT_EQ(FormatChannel(7), "007");
    EXPECT_EQ(FormatChannel(999), "999");
}

} // namespace
