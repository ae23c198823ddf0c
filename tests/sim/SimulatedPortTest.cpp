#include "SimulatedPort.h"

#include <gtest/gtest.h>

using namespace ft897sim;
using dorv::Bytes;

namespace {

struct PortFixture : ::testing::Test {
    double clock = 0;
    Engine engine{{}, {}};
    SimulatedPort port{engine, [this] { return clock; }};
};

const Bytes kRxStatus = {0, 0, 0, 0, 0xE7};

} // namespace

TEST_F(PortFixture, read_deliversRepliesOnlyWhenTheirTimeHasCome)
{
    ASSERT_TRUE(port.open({3, 9600}));
    EXPECT_EQ(port.settings().portNumber, 3);
    EXPECT_EQ(port.settings().baudRate, 9600);
    port.write(kRxStatus);
    port.write({0, 0, 0, 0, 0x03});
    clock = 0.019;
    EXPECT_EQ(port.bytesAvailable(), 0);
    clock = 0.020;
    EXPECT_EQ(port.bytesAvailable(), 6);
    EXPECT_EQ(port.read(1), Bytes{0x80});
    EXPECT_EQ(port.read(10), (Bytes{0x14, 0x42, 0x00, 0x00, 0x08}));
    EXPECT_EQ(port.bytesAvailable(), 0);
}

TEST_F(PortFixture, discardInput_dropsWhatArrivedButNotLaterReplies)
{
    port.open({});
    port.write(kRxStatus);
    clock = 0.010;
    port.write(kRxStatus);
    clock = 0.025;
    port.discardInput(); // the first reply is here, the second still on its way
    EXPECT_EQ(port.bytesAvailable(), 0);
    clock = 0.030;
    EXPECT_EQ(port.bytesAvailable(), 1);
}

TEST_F(PortFixture, closedPort_losesWritesAndReplies)
{
    port.write(kRxStatus);
    EXPECT_TRUE(engine.receivedFrames().empty());
    port.open({});
    port.write(kRxStatus);
    port.close();
    EXPECT_FALSE(port.isOpen());
    clock = 1;
    port.open({});
    EXPECT_EQ(port.bytesAvailable(), 0);
    EXPECT_EQ(engine.receivedFrames().size(), 1u);
}
