#include "app/DeviceRefusal.h"

#include "PseudoTerminal.h"
#include "app/QtSerialPort.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dorv::gui {
namespace {

namespace fs = std::filesystem;

// Another program: a child process that sleeps until the test ends it.
class OtherProgram {
public:
    OtherProgram()
    {
        pid_ = fork();
        if (pid_ == 0) {
            execlp("sleep", "sleep", "60", static_cast<char *>(nullptr));
            _exit(127);
        }
        // Until the child has become the other program it still carries the test's name.
        for (int i = 0; i < 200 && comm() != "sleep"; ++i) {
            usleep(10 * 1000);
        }
    }
    ~OtherProgram() { end(); }
    void end()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }
    pid_t pid() const { return pid_; }
    std::string comm() const
    {
        std::string name;
        std::getline(std::ifstream("/proc/" + std::to_string(pid_) + "/comm"), name);
        return name;
    }

private:
    pid_t pid_ = -1;
};

class DeviceRefusalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.ok());
        ASSERT_GT(other.pid(), 0);
        // The device under a name of the test's, as a port map entry may give it.
        fs::create_symlink(pty.slavePath().toStdString(), device);
    }

    test::PseudoTerminal pty;
    OtherProgram other;
    dorv::test::TempDir temp{"dorv-refusal"};
    const std::string device = (temp.path() / "radio").string();
    const std::string lockDir = temp.path().string();
};

TEST_F(DeviceRefusalTest, lockFile_ofALiveProcess_namesItsProgramInEitherFormat)
{
    const std::string qtStyle = lockDir + "/qt.lock";
    std::ofstream(qtStyle) << other.pid() << "\nminicom\nstation\n";
    const std::string uucpStyle = lockDir + "/uucp.lock";
    std::ofstream(uucpStyle) << "     " << other.pid() << "\n";
    for (const std::string &path : {qtStyle, uucpStyle}) {
        SCOPED_TRACE(path);
        PortRefusal refusal;
        ASSERT_TRUE(ReadLockHolder(path, refusal));
        EXPECT_EQ(refusal.holderPid, other.pid());
        EXPECT_EQ(refusal.holder, "sleep") << "the running process's own name comes first";
    }

    // A stale lock (its process gone) and a garbled one name nobody.
    other.end();
    PortRefusal refusal;
    EXPECT_FALSE(ReadLockHolder(qtStyle, refusal));
    std::ofstream(uucpStyle) << "garbage\n";
    EXPECT_FALSE(ReadLockHolder(uucpStyle, refusal));
    EXPECT_FALSE(ReadLockHolder(lockDir + "/missing", refusal));
}

TEST_F(DeviceRefusalTest, deviceHeldByAnotherProgram_isBusy_withTheLockHolderWhenOneIsNamed)
{
    const std::string denied = std::strerror(EACCES);
    // Serial programs name the lock after the device below /dev, or after the whole path.
    std::string wholePath = device;
    std::replace(wholePath.begin(), wholePath.end(), '/', '_');
    std::string belowDev = pty.slavePath().toStdString().substr(5);
    std::replace(belowDev.begin(), belowDev.end(), '/', '_');
    for (const std::string &name : {"LCK.." + belowDev, "LCK.." + wholePath}) {
        SCOPED_TRACE(name);
        std::ofstream(lockDir + "/" + name) << other.pid() << '\n';
        const PortRefusal refusal = DiagnoseRefusal(device, denied, {"/nonexistent", lockDir});
        EXPECT_EQ(refusal.reason, PortRefusal::Reason::Busy);
        EXPECT_EQ(refusal.device, device);
        EXPECT_EQ(refusal.holder, "sleep");
        EXPECT_EQ(refusal.holderPid, other.pid());
        fs::remove(lockDir + "/" + name);
    }

    // Without a lock file: an exclusive open elsewhere says "busy", anything else is not a
    // refusal of this kind.
    const PortRefusal exclusive = DiagnoseRefusal(device, std::strerror(EBUSY), {lockDir});
    EXPECT_EQ(exclusive.reason, PortRefusal::Reason::Busy);
    EXPECT_EQ(exclusive.holder, "");
    EXPECT_EQ(DiagnoseRefusal(device, denied, {lockDir}).reason, PortRefusal::Reason::None);
    EXPECT_EQ(DiagnoseRefusal(lockDir + "/missing", denied, {lockDir}).reason,
              PortRefusal::Reason::None);
}

// The serial port itself: Qt refuses a device locked by another program as it refuses one
// the user may not use, and the port tells the two apart.
TEST_F(DeviceRefusalTest, serialPort_deviceLockedByAnotherProgram_isRefusedAsBusy)
{
    std::string belowDev = pty.slavePath().toStdString().substr(5);
    std::replace(belowDev.begin(), belowDev.end(), '/', '_');
    const std::string qtName = "/var/lock/LCK.." + belowDev;
    if (!fs::is_directory("/var/lock") || access("/var/lock", W_OK) != 0) {
        GTEST_SKIP() << "no writable /var/lock";
    }
    std::ofstream(qtName) << other.pid() << "\nminicom\nstation\n";
    QtSerialPort port;
    port.setDevice(pty.slavePath());
    const bool opened = port.open({1, 9600});
    const PortRefusal refusal = port.refusal();
    fs::remove(qtName);
    ASSERT_FALSE(opened);
    EXPECT_EQ(refusal.reason, PortRefusal::Reason::Busy) << port.errorString();
    EXPECT_EQ(refusal.holderPid, other.pid());

    // Once the lock is gone the same port opens, and nothing is refused.
    ASSERT_TRUE(port.open({1, 9600})) << port.errorString();
    EXPECT_EQ(port.refusal().reason, PortRefusal::Reason::None);
}

} // namespace
} // namespace dorv::gui
