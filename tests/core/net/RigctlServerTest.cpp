#include "core/net/RigctlServerFixture.h"
#include "panel/PanelDump.h"

namespace dorv::test {
namespace {

TEST_F(RigctlServerTest, reads_answerFromThePanelStateInPlainAndExtendedForm)
{
    EXPECT_EQ(ask("f"), "145000000\n");
    EXPECT_EQ(ask("\\get_freq"), "145000000\n");
    EXPECT_EQ(ask("m"), "FM\n0\n");
    EXPECT_EQ(ask("+m"), "get_mode:\nMode: FM\nPassband: 0\nRPRT 0\n");
    EXPECT_EQ(ask(";f"), "get_freq:;Frequency: 145000000;RPRT 0\n");
    EXPECT_EQ(ask("v"), "VFOA\n");
    EXPECT_EQ(ask("s"), "0\nVFOA\n");
    EXPECT_EQ(ask("i"), "7100000\n");
    EXPECT_EQ(ask("+x"), "get_split_mode:\nTX Mode: LSB\nTX Passband: 0\nRPRT 0\n");
    EXPECT_EQ(ask("t"), "0\n");
    EXPECT_EQ(ask("\\get_powerstat"), "1\n");
    EXPECT_EQ(ask("\\chk_vfo"), "0\n");
    EXPECT_EQ(ask("+\\chk_vfo"), "ChkVFO: 0\n");
    // No request went to the radio for any of them.
    EXPECT_TRUE(commandFrames().empty());
    EXPECT_TRUE(WithoutStatusRequests(engine.receivedFrames()).empty());
}

TEST_F(RigctlServerTest, setFreq_sendsWhatTheKeypadEntrySends)
{
    EXPECT_EQ(ask("F 7050000.000000"), "RPRT 0\n");
    const std::vector<CatFrame> fromNetwork = commandFrames();
    const std::string readout = p.ledFreq;
    EXPECT_EQ(s.MainBand, 9);
    EXPECT_EQ(ask("f"), "7050000\n");

    // The same frequency entered on the keypad, from the same place.
    EXPECT_EQ(ask("F 145000000"), "RPRT 0\n");
    engine.clearLog();
    radio.keypad.ENTbutton_Click();
    radio.keypad.DisplayNumericKeypadEntry("7");
    radio.clar.DOPbutton_Click();
    for (const char digit : std::string("050")) {
        radio.keypad.DisplayNumericKeypadEntry(std::string(1, digit));
    }
    radio.keypad.ENTbutton_Click();
    ASSERT_EQ(s.MainVfo.Frequency, 705000);
    EXPECT_EQ(commandFrames(), fromNetwork);
    EXPECT_EQ(p.ledFreq, readout);
    // Hz are rounded to the radio's 10 Hz steps.
    EXPECT_EQ(ask("+F 14074005"), "set_freq: 14074005\nRPRT 0\n");
    EXPECT_EQ(ask("f"), "14074010\n");
}

TEST_F(RigctlServerTest, modeVfoSplitAndPtt_goThroughTheirButtons)
{
    EXPECT_EQ(ask("M PKTUSB 0"), "RPRT 0\n");
    EXPECT_EQ(s.MainVfo.Mode, ModeDIG);
    EXPECT_EQ(ask("M PKTFM -1"), "RPRT 0\n");
    EXPECT_EQ(ask("m"), "FM-D\n0\n");
    EXPECT_EQ(engine.rig().vfo[engine.rig().activeVfo].modeCode, 0x0C);

    // Selecting VFO B is the client's own: the panel's SUB is pressed only around a set.
    engine.clearLog();
    EXPECT_EQ(ask("V VFOB"), "RPRT 0\n");
    EXPECT_EQ(ask("v"), "VFOB\n");
    EXPECT_EQ(ask("f"), "7100000\n");
    EXPECT_EQ(askFrom(net.OpenClient(), "v"), "VFOA\n") << "another client's choice";
    EXPECT_TRUE(commandFrames().empty());
    EXPECT_EQ(ask("F 7050000"), "RPRT 0\n");
    EXPECT_EQ(ask("M USB 0"), "RPRT 0\n");
    EXPECT_FALSE(s.SubActive);
    EXPECT_EQ(s.SubVfo.Frequency, 705000);
    EXPECT_EQ(s.SubVfo.Mode, ModeUSB);
    EXPECT_EQ(s.MainVfo.Frequency, 14500000);
    EXPECT_EQ(commandFrames().front(), kToggle);
    EXPECT_EQ(commandFrames().back(), kToggle);
    EXPECT_EQ(ask("V VFOA"), "RPRT 0\n");
    EXPECT_EQ(ask("m"), "FM-D\n0\n");

    EXPECT_EQ(ask("S 1 VFOB"), "RPRT 0\n");
    EXPECT_TRUE(s.SplitOn);
    EXPECT_TRUE(p.lblSPLIT.Visible);
    EXPECT_EQ(ask("+s"), "get_split_vfo:\nSplit: 1\nTX VFO: VFOB\nRPRT 0\n");
    EXPECT_EQ(ask("I 7080000"), "RPRT 0\n");
    EXPECT_EQ(ask("X CW 0"), "RPRT 0\n");
    EXPECT_EQ(s.SubVfo.Frequency, 708000);
    EXPECT_EQ(s.SubVfo.Mode, ModeCW);
    EXPECT_FALSE(s.SubActive) << "the split sets leave SUB as they found it";
    EXPECT_EQ(engine.rig().vfo[1 - engine.rig().activeVfo].frequency, 708000);

    EXPECT_EQ(ask("T 1"), "RPRT 0\n");
    EXPECT_TRUE(p.lblOnAir.Visible);
    EXPECT_TRUE(engine.rig().ptt);
    EXPECT_EQ(ask("t"), "1\n");
    EXPECT_EQ(ask("T 0"), "RPRT 0\n");
    EXPECT_FALSE(engine.rig().ptt);
    EXPECT_EQ(ask("S 0 VFOA"), "RPRT 0\n");
    EXPECT_FALSE(s.SplitOn);
}

TEST_F(RigctlServerTest, refusedSets_answerAnErrorAndSendNothing)
{
    const RadioState before = s;
    // Malformed or out of range: -1.
    for (const char *line : {"F abc", "F", "F 0", "F 1e12", "F 90000000", "M WFM 0", "M USB 2400",
                             "M USB", "V VFOC", "S 2 VFOB", "T 9", "I 12"}) {
        EXPECT_EQ(ask(line), "RPRT -1\n") << line;
    }
    EXPECT_EQ(ask("S 1 VFOA"), "RPRT -11\n");
    EXPECT_TRUE(commandFrames().empty());

    // The dial lock keeps frequency sets out.
    radio.clar.LOCKbutton_Click();
    EXPECT_EQ(ask("F 7050000"), "RPRT -9\n");
    radio.clar.LOCKbutton_Click();

    // While transmitting only the end of the transmission is taken.
    radio.transmit.MOXbutton_Click();
    engine.clearLog();
    for (const char *line : {"F 7050000", "M USB 0", "S 1 VFOB", "I 7050000", "X USB 0"}) {
        EXPECT_EQ(ask(line), "RPRT -9\n") << line;
    }
    EXPECT_TRUE(commandFrames().empty());
    radio.transmit.MOXbutton_Click();

    // With the link off nothing is taken.
    radio.power.CATbutton_Click();
    engine.clearLog();
    for (const char *line : {"F 7050000", "M USB 0", "S 1 VFOB", "T 1"}) {
        EXPECT_EQ(ask(line), "RPRT -9\n") << line;
    }
    EXPECT_TRUE(engine.receivedFrames().empty());
    EXPECT_EQ(ask("\\get_powerstat"), "0\n");
    EXPECT_EQ(s.MainVfo, before.MainVfo);
    EXPECT_EQ(s.SubVfo, before.SubVfo);
}

TEST_F(RigctlServerTest, ptt_refusedOutsideTheBandLimitsAndUnderTheMenuLock)
{
    // A minus shift that puts the transmit frequency below the band.
    s.MainVfo.Frequency = s.BandTable.TuneLower[1] + 100;
    s.MainVfo.RptDirection = kRptMinus;
    s.MainVfo.RptOffset = 60000;
    EXPECT_EQ(ask("T 1"), "RPRT -9\n");
    EXPECT_TRUE(host.messages.empty()) << "no message box waits for the panel's user";
    s.MainVfo.RptDirection = kRptSimplex;
    s.MenusLocked = true;
    EXPECT_EQ(ask("T 1"), "RPRT -9\n");
    EXPECT_FALSE(p.lblOnAir.Visible);
    EXPECT_TRUE(commandFrames().empty());
}

TEST_F(RigctlServerTest, levels_followTheMeter)
{
    EXPECT_EQ(ask("F 145250000"), "RPRT 0\n"); // an S9 repeater
    pollMeter();
    EXPECT_EQ(ask("l RAWSTR"), "9\n");
    EXPECT_EQ(ask("+l STRENGTH"), "get_level: STRENGTH\n0\nRPRT 0\n");
    EXPECT_EQ(ask("F 145100000"), "RPRT 0\n");
    pollMeter();
    EXPECT_EQ(ask("l STRENGTH"), "-54\n");
    EXPECT_EQ(ask("l AF"), "RPRT -1\n");
}

TEST_F(RigctlServerTest, dumpState_endsInTheKeyListAfterChkVfo)
{
    const std::string plain = ask("\\dump_state");
    EXPECT_EQ(plain.substr(0, 7), "1\n1023\n");
    EXPECT_EQ(plain.find("done"), std::string::npos);
    ask("\\chk_vfo");
    const std::string keyed = ask("+\\dump_state");
    EXPECT_EQ(keyed.substr(0, 14), "dump_state:\n1\n");
    EXPECT_NE(keyed.find("\nrigctld_version=DORV FT-897 "), std::string::npos);
    EXPECT_EQ(keyed.substr(keyed.size() - 13), "\ndone\nRPRT 0\n");
}

TEST_F(RigctlServerTest, badInput_isAnsweredOrDroppedWithoutHarm)
{
    // Junk and a blank line: each complete bad line gets its answer.
    EXPECT_EQ(ask(std::string("\x00\xff\x7f zz", 7)), "RPRT -11\n");
    EXPECT_EQ(ask("  "), "");
    EXPECT_EQ(ask("f"), "145000000\n");
    // Half a command waits for its end; a CR LF end is taken too.
    sent[client].clear();
    net.Receive(client, "F 7");
    EXPECT_EQ(sent[client], "");
    net.Receive(client, "050000\r\n");
    EXPECT_EQ(sent[client], "RPRT 0\n");
    EXPECT_TRUE(dropped.empty());

    // quit, and answers left unread, drop the client.
    const int sleeper = net.OpenClient();
    EXPECT_EQ(p.NetClients, 2);
    askFrom(client, "q");
    unsent = RigctlServer::kMaxUnsent + 1;
    askFrom(sleeper, "f");
    EXPECT_EQ(dropped, (std::vector<int>{client, sleeper}));
    EXPECT_EQ(askFrom(sleeper, "f"), "") << "a dropped client is not answered any more";
    for (const int id : dropped) {
        net.CloseClient(id);
    }
    EXPECT_EQ(p.NetClients, 0);
    EXPECT_NE(DumpPanel(p).find("NetClients=0\n"), std::string::npos);
    net.SetListening(false);
    EXPECT_EQ(p.NetClients, -1);
}

TEST_F(RigctlServerTest, requestsArrivingDuringASet_waitForIt)
{
    // A second client's read comes in while the mode set waits on the radio's read-back,
    // and a third floods the server meanwhile.
    const int other = net.OpenClient();
    const int flooder = net.OpenClient();
    Timer arrival{"arrival"};
    arrival.setInterval(5);
    arrival.setTickHandler([&] {
        arrival.setEnabled(false);
        EXPECT_EQ(askFrom(other, "m"), "") << "answered inside the running set";
        std::string flood;
        while (flood.size() <= RigctlServer::kMaxQueued) {
            flood += "\\dump_state\n";
        }
        net.Receive(flooder, flood);
    });
    host.attachTimer(arrival);
    arrival.setEnabled(true);
    EXPECT_EQ(ask("M USB 0"), "RPRT 0\n");
    EXPECT_EQ(sent[other], "USB\n0\n");
    EXPECT_EQ(dropped, std::vector<int>{flooder});
    EXPECT_TRUE(sent[flooder].empty());
}

} // namespace
} // namespace dorv::test
