#include "Radio.h"
#include "cat/PortRefusalText.h"
#include "model/StepDefaults.h"
#include "model/files/BandDefaults.h"
#include "support/FakeHost.h"
#include "support/RecordingPort.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace dorv;
using namespace dorv::test;

namespace {

PortRefusal NoPermission(const std::string &group)
{
    PortRefusal r;
    r.reason = PortRefusal::Reason::NoPermission;
    r.device = "/dev/ttyUSB0";
    r.owner = "root";
    r.group = group;
    r.groupMayUse = true;
    return r;
}

PortRefusal Busy(const std::string &holder, long pid)
{
    PortRefusal r;
    r.reason = PortRefusal::Reason::Busy;
    r.device = "/dev/ttyUSB0";
    r.holder = holder;
    r.holderPid = pid;
    return r;
}

// A radio over a port that the test refuses or lets open, its files in a fresh directory.
class PortRefusalTest : public ::testing::Test {
protected:
    int checkedPortItem() const
    {
        for (int i = 1; i <= 10; ++i) {
            if (p.mnuCommPortArray[i].Checked) {
                return i;
            }
        }
        return -1;
    }
    std::string status() const { return PortWatch::StatusText(p); }

    FakeHost host;
    RecordingPort port;
    TempDir temp{"dorv-refusal"};
    Radio radio{host, port, temp.path().string()};
    RadioState &s = radio.state;
    PanelState &p = radio.panel;
};

TEST(PortRefusalText, namesTheDeviceAndWhatTheOperatorCanDo)
{
    EXPECT_EQ(PortRefusalText(NoPermission("dialout")),
              "No permission to use the serial device /dev/ttyUSB0. It belongs to group dialout; "
              "add yourself with: sudo adduser $USER dialout, then log in again.");
    EXPECT_EQ(PortRefusalStatus(NoPermission("dialout")),
              "No permission to use /dev/ttyUSB0: sudo adduser $USER dialout, then log in again.");

    PortRefusal joined = NoPermission("dialout");
    joined.joinedGroupLater = true;
    EXPECT_EQ(PortRefusalText(joined),
              "No permission to use the serial device /dev/ttyUSB0. It belongs to group dialout, "
              "which you joined after logging in: log out and in again.");
    EXPECT_EQ(PortRefusalStatus(joined),
              "No permission to use /dev/ttyUSB0 until you log in again (group dialout).");

    // Joining a group that may not use the device would not help.
    PortRefusal ownerOnly = NoPermission("root");
    ownerOnly.groupMayUse = false;
    EXPECT_EQ(PortRefusalText(ownerOnly),
              "No permission to use the serial device /dev/ttyUSB0. Only its owner root may use "
              "it: ask the administrator of this computer for access. The port opens by itself "
              "once it may.");
    EXPECT_EQ(PortRefusalStatus(ownerOnly),
              "No permission to use /dev/ttyUSB0: ask the administrator for access.");

    EXPECT_EQ(PortRefusalText(Busy("minicom", 4711)),
              "The serial device /dev/ttyUSB0 is in use by another program (minicom, process "
              "4711): close it there. The port opens by itself once it may.");
    EXPECT_EQ(PortRefusalText(Busy("", 0)),
              "The serial device /dev/ttyUSB0 is in use by another program: close it there. The "
              "port opens by itself once it may.");
    EXPECT_EQ(PortRefusalStatus(Busy("minicom", 4711)),
              "/dev/ttyUSB0 is in use by minicom, process 4711.");
    EXPECT_EQ(PortRefusalStatus(Busy("", 0)), "/dev/ttyUSB0 is in use by another program.");
}

TEST_F(PortRefusalTest, refusedAtStart_saysSoOnceThenOpensByItselfWhenAllowed)
{
    port.refused = NoPermission("dialout");
    radio.link.mnuCommPortArray_Click(1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, PortRefusalText(port.refused));
    EXPECT_EQ(host.messages[0].title, "Open Communications Port");
    EXPECT_EQ(status(), PortRefusalStatus(port.refused));
    EXPECT_FALSE(s.PortReady);
    EXPECT_EQ(checkedPortItem(), 10);

    host.run(10.0);
    EXPECT_EQ(host.messages.size(), 1u) << "the retries must stay quiet";
    EXPECT_GE(port.opens.size(), 15u) << "the device is tried again twice a second";
    EXPECT_EQ(status(), PortRefusalStatus(port.refused));

    // The administrator grants access: the port opens at the next try.
    port.refused = {};
    host.run(PortWatch::kRetryMs / 1000.0 + 0.01);
    EXPECT_TRUE(s.PortReady);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(checkedPortItem(), 1);
    EXPECT_EQ(status(), "");
    const std::size_t opens = port.opens.size();
    host.run(2.0);
    EXPECT_EQ(port.opens.size(), opens) << "an open port is not opened again";
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(PortRefusalTest, anotherRefusalOrDevice_isSaidOnceToo_andNoneEndsTheRetries)
{
    port.refused = NoPermission("dialout");
    radio.link.mnuCommPortArray_Click(1);
    host.run(1.0);
    port.refused = Busy("minicom", 4711);
    host.run(3.0);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text, PortRefusalText(port.refused));
    EXPECT_EQ(status(), PortRefusalStatus(port.refused));

    // Picking the port again does not repeat what was said this run.
    radio.link.mnuCommPortArray_Click(1);
    EXPECT_EQ(host.messages.size(), 2u);

    radio.link.mnuCommPortArray_Click(10);
    EXPECT_EQ(status(), "");
    const std::size_t opens = port.opens.size();
    host.run(2.0);
    EXPECT_EQ(port.opens.size(), opens) << "None stops the retries";
}

TEST_F(PortRefusalTest, refusedWhileTheLinkIsOn_isSaidInsteadOfGoneAndTheLinkResumes)
{
    InstallBandDefaults(s.BandTable);
    ResetStepDefaults(s.Settings);
    radio.link.mnuCommPortArray_Click(1);
    ASSERT_TRUE(s.PortReady);
    radio.power.CATbutton_Click();
    ASSERT_TRUE(s.CatOn);

    // The adapter comes back, but held by another program.
    port.close();
    port.refused = Busy("minicom", 4711);
    host.run(10.0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, PortRefusalText(port.refused));
    EXPECT_EQ(status(), PortRefusalStatus(port.refused));

    port.refused = {};
    host.run(1.0);
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(s.CatOn);
    EXPECT_FALSE(p.PortGone);
    // The recording port never answers: that is all that is left to say.
    EXPECT_EQ(p.PortRefused.reason, PortRefusal::Reason::None);
}

} // namespace
