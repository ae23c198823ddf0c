// What hamlib's network client sends, answered byte for byte as hamlib's own server answers
// it for this radio (recorded from rigctld -m 1023 on the simulated radio).

#include "core/net/RigctlServerFixture.h"
#include "memmgr/CsvMemoryList.h"
#include "model/files/BandDefaults.h"

#include <sstream>

namespace dorv::test {
namespace {

class RigctlHamlibTest : public RigctlServerTest {
protected:
    // The words after "key=" on the key line of the state dump.
    std::vector<std::string> dumpList(const std::string &key)
    {
        ask("\\chk_vfo");
        std::istringstream dump(ask("\\dump_state"));
        std::string line;
        while (std::getline(dump, line)) {
            if (line.rfind(key + "=", 0) == 0) {
                std::istringstream words(line.substr(key.size() + 1));
                std::vector<std::string> list;
                for (std::string word; words >> word;) {
                    list.push_back(word);
                }
                return list;
            }
        }
        return {};
    }
};

// The open sequence of hamlib 4.5's client and the requests of the calls WSJT-X and fldigi
// make, with the answer each gets from hamlib's server, in the order they are sent.
TEST_F(RigctlHamlibTest, clientsRequests_answeredAsHamlibsServerAnswersThem)
{
    const std::vector<std::pair<std::string, std::string>> exchanges{
        {"\\chk_vfo", "0\n"},
        {"v", "VFOA\n"},
        {"f", "145000000\n"},
        {"s", "0\nVFOA\n"},
        {"m", "FM\n0\n"},
        {"\\get_powerstat", "1\n"},
        // Asked before every mode set: a client that is not told 0 sends no mode at all.
        {"\\get_lock_mode", "0\nRPRT 0\n"},
        {"+\\get_lock_mode", "get_lock_mode:\nLocked: 0\nRPRT 0\n"},
        {";\\get_lock_mode", "get_lock_mode:;Locked: 0\nRPRT 0\n"},
        {"F 14074000.000000", "RPRT 0\n"},
        {"M PKTUSB 0", "RPRT 0\n"},
        {"m", "PKTUSB\n0\n"},
        {"M CW -1", "RPRT 0\n"},
        {"+m", "get_mode:\nMode: CW\nPassband: 0\nRPRT 0\n"},
        {"M USB 500", "RPRT -1\n"},
        {"S 1 VFOB", "RPRT 0\n"},
        {"+S 1 VFOB", "set_split_vfo: 1 VFOB\nRPRT 0\n"},
        {"I 14076000.000000", "RPRT 0\n"},
        {"i", "14076000\n"},
        {"X USB 0", "RPRT 0\n"},
        {"x", "USB\n0\n"},
        {"l RFPOWER", "0.000000\n"},
        {"+l SWR", "get_level: SWR\n0.000000\nRPRT 0\n"},
        {"l ALC", "RPRT -1\n"},
        {"T 1", "RPRT 0\n"},
        {"T 0", "RPRT 0\n"},
        {"G TOGGLE", "RPRT 0\n"},
        {"+G TOGGLE", "vfo_op: TOGGLE\nRPRT 0\n"},
        {"G CPY", "RPRT -11\n"},
        {"G SIDEWAYS", "RPRT -1\n"},
        {"S 0 VFOA", "RPRT 0\n"},
        {"q", "RPRT 0\n"},
    };
    for (const auto &[line, answer] : exchanges) {
        EXPECT_EQ(ask(line), answer) << line;
    }
    EXPECT_EQ(s.MainVfo.Frequency, 1407400);
    EXPECT_EQ(s.MainVfo.Mode, ModeCW);
    EXPECT_EQ(dropped, std::vector<int>{client}) << "quit is answered, then the client is let go";
}

TEST_F(RigctlHamlibTest, vfoToggle_turnsTheClientsRequestsToTheOtherVfo)
{
    EXPECT_EQ(ask("G TOGGLE"), "RPRT 0\n");
    EXPECT_EQ(ask("v"), "VFOB\n");
    EXPECT_EQ(ask("f"), "7100000\n");
    EXPECT_EQ(ask("G TOGGLE"), "RPRT 0\n");
    EXPECT_EQ(ask("f"), "145000000\n");
    // From the panel's SUB, when the client has chosen no VFO of its own.
    radio.vfo.SUBbutton_Click();
    const int other = net.OpenClient();
    EXPECT_EQ(askFrom(other, "G TOGGLE"), "RPRT 0\n");
    EXPECT_EQ(askFrom(other, "v"), "VFOA\n");
    EXPECT_TRUE(s.SubActive) << "the panel's SUB stays as it is";
}

TEST_F(RigctlHamlibTest, modeLock_isOneForAllClientsAndKeepsTheMode)
{
    EXPECT_EQ(ask("\\set_lock_mode 1"), "RPRT 0\n");
    const int other = net.OpenClient();
    EXPECT_EQ(askFrom(other, "\\get_lock_mode"), "1\nRPRT 0\n");
    engine.clearLog();
    // A locked mode set is taken and answered as done, whatever it names.
    for (const char *line : {"M USB 0", "M WFM 0", "M USB 2400"}) {
        EXPECT_EQ(askFrom(other, line), "RPRT 0\n") << line;
    }
    EXPECT_EQ(s.MainVfo.Mode, ModeFM);
    EXPECT_TRUE(commandFrames().empty());
    // The lock holds past the client that set it.
    askFrom(client, "q");
    EXPECT_EQ(askFrom(other, "\\get_lock_mode"), "1\nRPRT 0\n");
    EXPECT_EQ(askFrom(other, "\\set_lock_mode on"), "RPRT -1\n");
    EXPECT_EQ(askFrom(other, "+\\set_lock_mode 0"), "set_lock_mode: 0\nRPRT 0\n");
    EXPECT_EQ(askFrom(other, "M USB 0"), "RPRT 0\n");
    EXPECT_EQ(s.MainVfo.Mode, ModeUSB);
}

TEST_F(RigctlHamlibTest, radioOutOfReach_readsAnswerATimeoutNotTheLastValues)
{
    const std::vector<std::string> reads{
        "f", "m", "s", "i", "x", "t", "l RAWSTR", "l STRENGTH", "l RFPOWER", "l SWR", "\\get_freq"};
    const auto expectTimeouts = [&](const char *when) {
        for (const std::string &line : reads) {
            EXPECT_EQ(ask(line), "RPRT -5\n") << line << " " << when;
        }
        EXPECT_EQ(ask("+f"), "get_freq:\nRPRT -5\n") << when;
        EXPECT_EQ(ask("l AF"), "RPRT -1\n") << when;
        // The server's own answers do not need the radio.
        EXPECT_EQ(ask("v"), "VFOA\n") << when;
        EXPECT_EQ(ask("\\get_lock_mode"), "0\nRPRT 0\n") << when;
        EXPECT_EQ(ask("\\chk_vfo"), "0\n") << when;
    };

    // The radio stops answering the meter's polls.
    engine.setDropShare(1.0);
    host.run(5);
    ASSERT_TRUE(p.RadioNotAnswering);
    expectTimeouts("while the radio is silent");
    EXPECT_EQ(ask("\\get_powerstat"), "1\n");

    engine.setDropShare(0.0);
    pollMeter();
    EXPECT_EQ(ask("f"), "145000000\n");

    radio.power.CATbutton_Click();
    expectTimeouts("with the link off");
    EXPECT_EQ(ask("\\get_powerstat"), "0\n");
}

TEST_F(RigctlHamlibTest, transmitLevels_comeFromTheRadiosTransmitStatus)
{
    engine.rig().txPowerReading = 12;
    EXPECT_EQ(ask("T 1"), "RPRT 0\n");
    EXPECT_EQ(ask("l RFPOWER"), "0.000000\n") << "before the first reading";
    host.run(2.5);
    EXPECT_EQ(ask("l RFPOWER"), "0.800000\n");
    EXPECT_EQ(ask("l SWR"), "1.000000\n");
    EXPECT_EQ(ask("l STRENGTH"), "-54\n");
    EXPECT_EQ(ask("T 0"), "RPRT 0\n");
    EXPECT_EQ(ask("l RFPOWER"), "0.000000\n");
    EXPECT_EQ(ask("T 1"), "RPRT 0\n");
    EXPECT_EQ(ask("l RFPOWER"), "0.000000\n") << "the last transmission's reading is gone";
    EXPECT_EQ(ask("T 0"), "RPRT 0\n");
}

// The radio's 50 standard tones: those the panel lacks must not be offered to clients.
const std::vector<std::string> kStandardTones{
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

TEST_F(RigctlHamlibTest, dumpStateTones_areTheTonesThePanelAndTheChannelListsTake)
{
    const std::vector<std::string> offered = dumpList("ctcss_list");
    EXPECT_EQ(offered, radio.dialogs.frmCTCSS.Options());
    BandRecord bands;
    InstallBandDefaults(bands);
    for (const std::string &tone : kStandardTones) {
        const CsvMemoryList list = ReadCsvMemoryList(
            "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\n0,145.500,,,Tone," + tone +
                ",FM\n",
            bands);
        const bool imported = list.taken.size() == 1;
        const bool isOffered = std::find(offered.begin(), offered.end(), tone) != offered.end();
        EXPECT_EQ(isOffered, imported) << tone << " Hz";
    }

    std::vector<std::string> codes;
    for (const std::string &code : radio.dialogs.frmDCS.Options()) {
        codes.push_back(std::to_string(std::stoi(code)));
    }
    EXPECT_EQ(dumpList("dcs_list"), codes);
}

} // namespace
} // namespace dorv::test
