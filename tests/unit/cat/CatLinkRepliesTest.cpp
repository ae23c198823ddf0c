// The link owner alone, with only its collaborators: a fake host, a recording port, the
// radio's state and the face's.
#include "cat/CatLink.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "support/FakeHost.h"
#include "support/RecordingPort.h"

#include <gtest/gtest.h>

using namespace dorv;

namespace {

class CatLinkRepliesTest : public ::testing::Test {
protected:
    void arrive(std::initializer_list<std::uint8_t> bytes)
    {
        port.incoming.insert(port.incoming.end(), bytes.begin(), bytes.end());
    }

    test::FakeHost host;
    test::RecordingPort port;
    RadioState state;
    PanelState panel;
    CatLink link{host, port, state, panel};
};

TEST_F(CatLinkRepliesTest, aReplyIsTakenWholeAndWhatFollowsItIsDropped)
{
    arrive({0x14, 0x07, 0x40, 0x00, 0x01, 0xFF, 0xFF});
    EXPECT_EQ(link.RepliesWaiting(), 7);
    EXPECT_EQ(link.TakeReply(5), (Bytes{0x14, 0x07, 0x40, 0x00, 0x01}));
    EXPECT_EQ(link.RepliesWaiting(), 0) << "a stray byte after the reply would be read as the next";

    arrive({0x8A});
    EXPECT_EQ(link.TakeReply(5), (Bytes{0x8A})) << "a short reply comes as it is";
    EXPECT_TRUE(link.TakeReply(1).empty());
}

TEST_F(CatLinkRepliesTest, discardingLeavesOnlyWhatArrivesAfterwards)
{
    arrive({0x00, 0x00});
    link.DiscardReplies();
    EXPECT_EQ(link.RepliesWaiting(), 0);
    arrive({0x3C});
    EXPECT_EQ(link.TakeReply(1), (Bytes{0x3C}));
}

TEST_F(CatLinkRepliesTest, reopeningUsesTheChosenPortAndRateAndSaysWhyItWasRefused)
{
    state.Settings.CommPort = 4;
    state.Settings.CatRate = 2;
    PortRefusal refusal;
    ASSERT_TRUE(link.ReopenPort(refusal));
    EXPECT_TRUE(link.PortIsOpen());
    ASSERT_EQ(port.opens.size(), 1u);
    EXPECT_EQ(port.opens[0].portNumber, 4);
    EXPECT_EQ(port.opens[0].baudRate, 38400);

    port.close();
    port.refused.reason = PortRefusal::Reason::Busy;
    port.refused.holder = "minicom";
    EXPECT_FALSE(link.ReopenPort(refusal));
    EXPECT_FALSE(link.PortIsOpen());
    EXPECT_EQ(refusal.reason, PortRefusal::Reason::Busy);
    EXPECT_EQ(refusal.holder, "minicom");
}

} // namespace
