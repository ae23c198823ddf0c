// A link that connects in the background, as a network link does: open() only starts the
// connection. The port watch must show what the link says of itself, keep it trying with
// POWER on or off, and resume polling only once the connection is made.

#include "Radio.h"
#include "SimulatedPort.h"
#include "model/files/BandDefaults.h"
#include "model/files/SettingsDefaults.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace dorv;

namespace {

// The simulated radio behind a connection the test makes, fails and loses at will.
class BackgroundPort : public SerialPort {
public:
    explicit BackgroundPort(SerialPort &radio) : radio_(radio) {}

    bool open(const SerialSettings &settings) override
    {
        ++opens;
        settings_ = settings;
        connecting_ = !connected_;
        return true;
    }
    void close() override
    {
        connected_ = connecting_ = false;
        radio_.close();
    }
    bool isOpen() const override { return connected_; }
    std::string errorString() const override { return failure_; }
    std::string linkCondition() const override
    {
        if (connected_) {
            return {};
        }
        return !failure_.empty() ? failure_ : connecting_ ? "Connecting to tcp://pi:3001…" : "";
    }
    void write(const Bytes &bytes) override
    {
        if (connected_) {
            radio_.write(bytes);
        }
    }
    int bytesAvailable() override { return connected_ ? radio_.bytesAvailable() : 0; }
    Bytes read(int maxBytes) override { return connected_ ? radio_.read(maxBytes) : Bytes{}; }
    void discardInput() override
    {
        if (connected_) {
            radio_.discardInput();
        }
    }

    // The connection under way is made (only one under way can be).
    void connect()
    {
        ASSERT_TRUE(connecting_) << "no connection was under way";
        connecting_ = false;
        connected_ = true;
        failure_.clear();
        radio_.open(settings_);
    }
    void fail(const std::string &why)
    {
        connected_ = connecting_ = false;
        failure_ = why;
        radio_.close();
    }

    int opens = 0;

private:
    SerialPort &radio_;
    SerialSettings settings_;
    bool connecting_ = false;
    bool connected_ = false;
    std::string failure_;
};

class BackgroundLinkTest : public ::testing::Test {
protected:
    BackgroundLinkTest()
    {
        engine.setSignals({{145500000, 9, 12000, 0}});
        s.Settings = DefaultSettings();
        s.Settings.CommPort = 1;
        s.Settings.TuneOnStartup = false;
        InstallBandDefaults(s.BandTable);
        s.BandTable.BandMainVfo[1] = {14550000, ModeFM};
        s.BandTable.LastMainBand = 1;
        radio.link.OpenCommPort();
    }

    std::string status() const { return PortWatch::StatusText(p); }
    int statusRequests() const
    {
        int count = 0;
        for (const auto &entry : engine.log()) {
            count += entry.received && entry.bytes.back() == 0xE7;
        }
        return count;
    }

    test::FakeHost host;
    ft897sim::Engine engine;
    ft897sim::SimulatedPort simulated{engine, [this] { return host.now(); }};
    BackgroundPort port{simulated};
    test::TempDir temp{"dorv-background"};
    Radio radio{host, port, temp.path().string()};
    RadioState &s = radio.state;
    PanelState &p = radio.panel;
};

TEST_F(BackgroundLinkTest, connecting_shownWhilePendingAndNotRestartedByTheRetries)
{
    ASSERT_TRUE(s.PortReady) << "an open under way is no failure";
    host.run(1.0);
    EXPECT_EQ(status(), "Connecting to tcp://pi:3001…");
    const int opens = port.opens;
    radio.power.CATbutton_Click();
    host.run(2.0);
    EXPECT_EQ(statusRequests(), 0) << "asked the radio before the connection was made";
    EXPECT_FALSE(p.lblBusy.Visible);
    EXPECT_EQ(status(), "Connecting to tcp://pi:3001…") << "a device text hid the link's own";
    EXPECT_GT(port.opens, opens) << "the watch stopped opening it";

    port.connect();
    host.run(PortWatch::kRetryMs / 1000.0 + 0.05);
    EXPECT_GE(statusRequests(), 1) << "polling did not resume on the connection";
    host.run(2.0);
    EXPECT_FALSE(p.RadioNotAnswering);
    EXPECT_EQ(status(), "");
}

TEST_F(BackgroundLinkTest, failedWithTheLinkOff_triedAgainSoItIsThereForPower)
{
    port.fail("The link to tcp://pi:3001 was refused.");
    host.run(1.0);
    EXPECT_EQ(status(), "The link to tcp://pi:3001 was refused.");
    ASSERT_FALSE(s.CatOn);
    port.fail("The link to tcp://pi:3001 was refused.");
    const int opens = port.opens;
    host.run(PortWatch::kRetryMs / 1000.0 + 0.05);
    EXPECT_GT(port.opens, opens) << "a failed link is left alone with POWER off";

    port.connect();
    host.run(1.0);
    EXPECT_EQ(status(), "");
    radio.power.CATbutton_Click();
    host.run(2.5);
    EXPECT_TRUE(p.lblBusy.Visible) << "the power-on did not reach a connected link";
}

TEST_F(BackgroundLinkTest, lostWhileOn_saysTheLinksWordsAndResumesOnReconnect)
{
    port.connect();
    radio.power.CATbutton_Click();
    host.run(2.5);
    ASSERT_TRUE(p.lblBusy.Visible);

    port.fail("The link to tcp://pi:3001 is lost.");
    host.run(1.0);
    EXPECT_TRUE(p.PortGone);
    EXPECT_FALSE(p.lblBusy.Visible);
    EXPECT_EQ(status(), "The link to tcp://pi:3001 is lost.");

    const int before = statusRequests();
    port.connect();
    host.run(1.0);
    EXPECT_FALSE(p.PortGone);
    EXPECT_GT(statusRequests(), before);
    host.run(2.0);
    EXPECT_TRUE(p.lblBusy.Visible);
}

} // namespace
