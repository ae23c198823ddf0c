#include "core/files/FilesFixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace dorv::test {
namespace {

namespace fs = std::filesystem;

class TransmitTimeOutTest : public FilesTest {
protected:
    std::string configText() const
    {
        std::ifstream in(file("transmit.conf"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    int checkedItem(const Radio &r) const
    {
        const MenuArray &menu = r.panel.mnuTxTimeOut;
        for (int i = 0; i < static_cast<int>(menu.size()); ++i) {
            if (menu[i].Checked) {
                return i;
            }
        }
        return -1;
    }
};

// The choice goes to a file of its own at once; the settings file other programs read
// keeps its layout and is not touched by it.
TEST_F(TransmitTimeOutTest, choice_isWrittenToItsOwnFileAndTakenAtTheNextStart)
{
    radio.app.frmRadio_Load();
    EXPECT_EQ(checkedItem(radio), 4);
    EXPECT_EQ(radio.panel.mnuTxTimeOut[4].Caption, "5 min.");
    EXPECT_EQ(radio.transmit.TimeOut(), 5);
    const Bytes settings = ReadFileBytes(file("ft897.dorv"));

    radio.txTimeOut.mnuTxTimeOut_Click(1);
    EXPECT_EQ(configText(), "# Transmit time-out in minutes (0: off)\ntimeout_minutes=1\n");
    EXPECT_EQ(radio.transmit.TimeOut(), 1);
    EXPECT_EQ(ReadFileBytes(file("ft897.dorv")), settings);

    FakeHost nextHost;
    ClosedPort nextPort;
    Radio next(nextHost, nextPort, dir.string());
    next.app.frmRadio_Load();
    EXPECT_EQ(checkedItem(next), 1);
    EXPECT_EQ(next.transmit.TimeOut(), 1);

    next.txTimeOut.mnuTxTimeOut_Click(0);
    EXPECT_EQ(next.transmit.TimeOut(), 0);
    EXPECT_EQ(next.panel.mnuTxTimeOut[0].Caption, "OFF");
    next.txTimeOut.Open();
    EXPECT_EQ(checkedItem(next), 0) << "OFF is read back as OFF, not as the default";
}

TEST_F(TransmitTimeOutTest, fileWithoutAChoiceOfTheMenu_givesTheDefault)
{
    for (const char *text :
         {"timeout_minutes=7\n", "timeout_minutes=\n", "timeout_minutes=5x\n", "garbage"}) {
        radio.txTimeOut.mnuTxTimeOut_Click(0);
        std::ofstream(file("transmit.conf")) << text;
        radio.txTimeOut.Open();
        EXPECT_EQ(checkedItem(radio), 4) << text;
        EXPECT_EQ(radio.transmit.TimeOut(), 5) << text;
    }
}

// Something else in the file's place is neither read nor replaced; the failed save says so.
TEST_F(TransmitTimeOutTest, directoryInThePlaceOfTheFile_givesTheDefaultAndASaveError)
{
    fs::create_directory(file("transmit.conf"));
    radio.txTimeOut.Open();
    EXPECT_EQ(radio.transmit.TimeOut(), 5);

    radio.txTimeOut.mnuTxTimeOut_Click(2);
    EXPECT_EQ(radio.transmit.TimeOut(), 2) << "the choice holds for this run";
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Save Transmit Time-out");
    EXPECT_EQ(host.messages[0].text.rfind(
                  "Error encountered while trying to save file transmit.conf. ", 0),
              0u)
        << host.messages[0].text;
    EXPECT_TRUE(fs::is_directory(file("transmit.conf")));
}

} // namespace
} // namespace dorv::test
