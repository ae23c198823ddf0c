// How long the link owner waits for a reply: the round trip it measures, from a request to
// the first byte of its reply, and the figures of its callers.
#include "cat/CatLink.h"
#include "cat/RoundTrip.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "support/FakeHost.h"
#include "support/RecordingPort.h"

#include <gtest/gtest.h>

using namespace dorv;

namespace {

const CatFrame kStatusRequest{0, 0, 0, 0, 0xE7};

class ReplyTimingTest : public ::testing::Test {
protected:
    // Asks, looks at the port every `look` seconds, and the reply arrives `after` seconds
    // after the request; returns when the reply is seen.
    void askAndAnswer(double after, double look)
    {
        link.Ask(kStatusRequest);
        const double asked = host.clock;
        while (link.RepliesWaiting() == 0) {
            host.clock += look;
            if (host.clock - asked >= after) {
                port.incoming.push_back(0x80);
            }
        }
        link.TakeReply(1);
    }

    test::FakeHost host;
    test::RecordingPort port;
    RadioState state;
    PanelState panel;
    CatLink link{host, port, state, panel};
};

TEST(RoundTripTest, smoothsSamplesAndKeepsTheWaitWithinBounds)
{
    RoundTrip trip;
    EXPECT_DOUBLE_EQ(trip.Timeout(), RoundTrip::kUnmeasuredSeconds);
    trip.Sample(0.1);
    EXPECT_DOUBLE_EQ(trip.Timeout(), 0.1 + 4 * 0.05);
    for (int i = 0; i < 100; ++i) {
        trip.Sample(0.1);
    }
    EXPECT_NEAR(trip.Timeout(), 0.1, 1e-6) << "a steady link waits its round trip";
    trip.Sample(0.5);
    EXPECT_NEAR(trip.Smoothed(), 0.15, 1e-6);
    EXPECT_NEAR(trip.Timeout(), 0.15 + 4 * 0.1, 1e-6) << "a late reply widens the wait at once";
    trip.Sample(60);
    EXPECT_DOUBLE_EQ(trip.Timeout(), RoundTrip::kLongestSeconds);
    trip.Reset();
    EXPECT_DOUBLE_EQ(trip.Timeout(), RoundTrip::kUnmeasuredSeconds);
}

TEST_F(ReplyTimingTest, aSlowLinkIsWaitedForAndAFastOneIsNot)
{
    askAndAnswer(0.005, 0.001);
    askAndAnswer(0.005, 0.001);
    link.Ask(kStatusRequest);
    host.clock += 0.05;
    EXPECT_TRUE(link.ReplyOverdue(0)) << "on a serial line a reply is late after milliseconds";
    EXPECT_FALSE(link.ReplyOverdue(0.5)) << "the caller's own figure still rules";

    // The link turns out slow: asked again, a reply does come after all.
    link.Ask(kStatusRequest);
    host.clock += 0.15;
    port.incoming.push_back(0x80);
    ASSERT_GT(link.RepliesWaiting(), 0);
    link.TakeReply(1);
    for (int i = 0; i < 8; ++i) {
        askAndAnswer(0.15, 0.01);
    }
    link.Ask(kStatusRequest);
    host.clock += 0.12;
    EXPECT_FALSE(link.ReplyOverdue(0)) << "a reply still on its way over the network";
    host.clock += 0.5;
    EXPECT_TRUE(link.ReplyOverdue(0));
    EXPECT_GE(link.ReplyWait(0), 0.14);
}

TEST_F(ReplyTimingTest, slowLooksDoNotStretchTheRoundTrip)
{
    // A meter ticking once a second finds each reply long after it came: the round trip
    // stays what the link takes, so a silent radio is still noticed at the next tick.
    for (int i = 0; i < 5; ++i) {
        askAndAnswer(0.01, 1.0);
    }
    link.Ask(kStatusRequest);
    host.clock += 1.0;
    EXPECT_TRUE(link.ReplyOverdue(0));
}

TEST_F(ReplyTimingTest, aSilentRadioLeavesTheWaitAsItWas)
{
    askAndAnswer(0.01, 0.001);
    const double before = link.ReplyWait(0);
    for (int i = 0; i < 10; ++i) {
        link.Ask(kStatusRequest);
        host.clock += 1.0;
        ASSERT_TRUE(link.ReplyOverdue(0)) << i;
    }
    EXPECT_DOUBLE_EQ(link.ReplyWait(0), before);
}

TEST_F(ReplyTimingTest, reopeningForgetsTheRoundTrip)
{
    for (int i = 0; i < 5; ++i) {
        askAndAnswer(0.01, 0.001);
    }
    PortRefusal refusal;
    ASSERT_TRUE(link.ReopenPort(refusal));
    EXPECT_DOUBLE_EQ(link.ReplyWait(0), RoundTrip::kUnmeasuredSeconds);
}

} // namespace

namespace {

// Ports that tell of arriving bytes: the asker hears of its reply as it comes.
TEST_F(ReplyTimingTest, aReplyIsHandedOnAsItArrivesOnceAndNeverInsideASequence)
{
    int heard = 0;
    link.Ask(kStatusRequest, [&] { ++heard; });
    port.deliver({0x89});
    EXPECT_EQ(heard, 1);
    port.deliver({0x00});
    EXPECT_EQ(heard, 1) << "an acknowledgement after the reply is nobody's";

    link.Ask(kStatusRequest, [&] { ++heard; });
    {
        const CatLink::Sequence sequence{link};
        port.deliver({0x89});
    }
    EXPECT_EQ(heard, 1) << "frames of a sequence may not be interleaved";
    EXPECT_EQ(link.RepliesWaiting(), 1) << "the reply waits for the asker's next look";

    link.Ask(kStatusRequest, [&] { ++heard; });
    link.Ask(kStatusRequest);
    port.deliver({0x89});
    EXPECT_EQ(heard, 1) << "a later request takes the reply";
}

} // namespace
