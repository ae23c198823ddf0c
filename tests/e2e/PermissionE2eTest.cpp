// The real program run by a user who may not use the serial device: the simulator's
// pseudo-terminal given to group dialout with mode 0660, the program run as nobody.

#include "E2eSession.h"

#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using e2e::E2eSession;

namespace {

namespace fs = std::filesystem;

constexpr const char *kUser = "nobody";
constexpr const char *kGroup = "dialout";
constexpr const char *kTitle = "Open Communications Port";

TEST(Permission, deviceOfAnotherGroup_isExplainedOnceThroughTheRetries_andOpensWhenAllowed)
{
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to give the terminal to a group and to run as another user";
    }
    const group *dialout = getgrnam(kGroup);
    if (getpwnam(kUser) == nullptr || dialout == nullptr) {
        GTEST_SKIP() << "needs the user " << kUser << " and the group " << kGroup;
    }
    E2eSession session("");
    ASSERT_TRUE(session.startSimulator());
    const std::string link = (session.dir() / "radio").string();
    const std::string tty = fs::read_symlink(link).string();
    ASSERT_EQ(chown(tty.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(tty.c_str(), 0660), 0);
    session.runProgramAs(kUser);
    session.launchProgram();

    // The settings reopen port 1 at start: one message, then the panel.
    ASSERT_TRUE(session.answerMessage(kTitle, 20000)) << session.diagnostics();
    ASSERT_TRUE(session.waitForMainWindow()) << session.diagnostics();
    const std::string advice =
        "No permission to use " + link + ": sudo adduser $USER dialout, then log in again.";
    EXPECT_EQ(session.panel("StatusMessage"), advice);
    EXPECT_EQ(session.panel("SerialPort"), "None");
    session.screenshot("permission-refused.png");

    // The device is tried twice a second; none of the tries says it again.
    EXPECT_EQ(session.findWindow(kTitle, 10000), "") << "the message came again";
    EXPECT_EQ(session.panel("StatusMessage"), advice);

    // Access granted: the port opens by itself and the link goes on.
    ASSERT_EQ(chmod(tty.c_str(), 0666), 0);
    EXPECT_TRUE(session.waitForPanel("StatusMessage", "", 3000)) << session.panel("StatusMessage");
    EXPECT_EQ(session.panel("SerialPort"), "1");
    session.key("p");
    EXPECT_TRUE(session.waitForPanel("DisplayDark", "0", 5000)) << session.diagnostics();
    EXPECT_TRUE(session.waitForLogSequence({"RX 00 00 00 00 E7"}, 5000)) << "no status request";
    EXPECT_EQ(session.findWindow(kTitle, 100), "");
}

} // namespace
