#include "FilesFixture.h"

// Files written by the code are checked at the offsets of the layout; files built here
// byte by byte are read back into the model.

namespace dorv::test {

namespace {

VfoInfo SampleVfo(Freq frequency)
{
    return {frequency, ModeFM, 60000, kRptMinus, 2, 12, 30, -250};
}

} // namespace

TEST_F(FilesTest, SaveBandDataFile_writesEveryMemberAtItsOffset)
{
    BandRecord &t = s.BandTable;
    t.BandMainVfo[0] = SampleVfo(14520000);
    t.BandSubVfo[1] = SampleVfo(14530000);
    t.BandPmsVfo[11] = SampleVfo(190000);
    t.BandMHz[2] = 50;
    t.HamLower[0] = 42000000;
    t.HamUpper[1] = 14800000;
    t.VfoLower[2] = 5000000;
    t.VfoUpper[3] = 3700000;
    t.TuneLower[4] = 10000;
    t.TuneUpper[5] = 2145000;
    t.PmsLower[6] = 1806800;
    t.PmsUpper[11] = 200000;
    t.LastMainBand = 7;
    t.LastSubBand = 1;

    ASSERT_TRUE(radio.files.SaveBandDataFile());
    const Bytes f = ReadFileBytes(file("bandinfo.dorv"));
    ASSERT_EQ(f.size(), 1204u);
    EXPECT_EQ(I32(f, 0), 14520000);
    EXPECT_EQ(I16(f, 4), ModeFM);
    EXPECT_EQ(I32(f, 6), 60000);
    EXPECT_EQ(I16(f, 10), kRptMinus);
    EXPECT_EQ(I16(f, 12), 2);
    EXPECT_EQ(I16(f, 14), 12);
    EXPECT_EQ(I16(f, 16), 30);
    EXPECT_EQ(I32(f, 18), -250);
    EXPECT_EQ(I32(f, 264 + 22), 14530000);
    EXPECT_EQ(I32(f, 528 + 11 * 22), 190000);
    EXPECT_EQ(I32(f, 528 + 11 * 22 + 18), -250);
    EXPECT_EQ(I16(f, 796), 50);
    EXPECT_EQ(I32(f, 816), 42000000);
    EXPECT_EQ(I32(f, 864 + 4), 14800000);
    EXPECT_EQ(I32(f, 912 + 8), 5000000);
    EXPECT_EQ(I32(f, 960 + 12), 3700000);
    EXPECT_EQ(I32(f, 1008 + 16), 10000);
    EXPECT_EQ(I32(f, 1056 + 20), 2145000);
    EXPECT_EQ(I32(f, 1104 + 24), 1806800);
    EXPECT_EQ(I32(f, 1152 + 44), 200000);
    EXPECT_EQ(I16(f, 1200), 7);
    EXPECT_EQ(I16(f, 1202), 1);
}

TEST_F(FilesTest, SaveSettingsFile_writesEveryFieldAtItsOffsetWithStepsBandFastest)
{
    SettingsRecord &st = s.Settings;
    st.WindowTop = 1500;
    st.WindowLeft = -30;
    st.MeterSpeed = 6;
    st.ScanSpeed = 5;
    st.PriSpeed = 3;
    st.CommPort = 9;
    st.CatRate = 2;
    st.DisplaySize = 1;
    st.DisplayFace = 4;
    st.DisplayColours = 8;
    st.PauseInterval = 4;
    st.TuneOnStartup = true;
    st.DialStep[3][5] = 100;
    st.ChannelStep[11][9] = 2500;
    st.ChannelStep[0][1] = 625;
    st.Ars144 = false;
    st.Ars430 = true;
    st.LastMemoryFile = "/home/op/club.mem";

    ASSERT_TRUE(radio.files.SaveSettingsFile());
    const Bytes f = ReadFileBytes(file("ft897.dorv"));
    ASSERT_EQ(f.size(), 1248u);
    EXPECT_EQ(I32(f, 0), 1500);
    EXPECT_EQ(I32(f, 4), -30);
    const std::int16_t menus[] = {6, 5, 3, 9, 2, 1, 4, 8, 4};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(I16(f, 8 + 2 * k), menus[k]) << "menu field " << k;
    }
    EXPECT_EQ(I16(f, 26), -1);
    EXPECT_EQ(I32(f, 28 + 4 * (3 + 12 * 5)), 100);
    EXPECT_EQ(I32(f, 508 + 4 * (11 + 12 * 9)), 2500);
    EXPECT_EQ(I32(f, 508 + 4 * (0 + 12 * 1)), 625);
    EXPECT_EQ(I16(f, 988), 0);
    EXPECT_EQ(I16(f, 990), -1);
    EXPECT_EQ(Text(f, 992, 256), "/home/op/club.mem" + std::string(256 - 17, ' '));
}

TEST_F(FilesTest, SaveMemoryFile_writesRecordFieldsAtTheirOffsets)
{
    ASSERT_TRUE(radio.files.OpenMemoryFile(file("club.mem").string()));
    MemoryChannel &m = s.Memories[7];
    m.Vfo = SampleVfo(43912500);
    m.SplitVfo = {14450000, ModeUSB, 0, 0, 3, 0, 5, 999};
    m.Description = "Caf\xE9 repeater"; // Windows-1252 e-acute
    m.BankSelected = true;
    m.Split = true;
    m.Skip = false;
    m.Band = 0;
    m.SplitBand = 1;
    ASSERT_TRUE(radio.files.SaveMemoryFile());

    const Bytes f = ReadFileBytes(file("club.mem"));
    ASSERT_EQ(f.size(), 103000u);
    const std::size_t r = 7 * 103;
    EXPECT_EQ(I32(f, r + 0), 43912500);
    EXPECT_EQ(I16(f, r + 4), ModeFM);
    EXPECT_EQ(I32(f, r + 6), 60000);
    EXPECT_EQ(I16(f, r + 10), kRptMinus);
    EXPECT_EQ(I16(f, r + 12), 2);
    EXPECT_EQ(I16(f, r + 14), 12);
    EXPECT_EQ(I16(f, r + 16), 30);
    EXPECT_EQ(I32(f, r + 18), -250);
    EXPECT_EQ(I32(f, r + 22), 14450000);
    EXPECT_EQ(I16(f, r + 26), ModeUSB);
    EXPECT_EQ(I16(f, r + 34), 3);
    EXPECT_EQ(I32(f, r + 40), 999);
    EXPECT_EQ(Text(f, r + 44, 49), "Caf\xE9 repeater" + std::string(49 - 13, ' '));
    EXPECT_EQ(I16(f, r + 93), -1);
    EXPECT_EQ(I16(f, r + 95), -1);
    EXPECT_EQ(I16(f, r + 97), 0);
    EXPECT_EQ(I16(f, r + 99), 0);
    EXPECT_EQ(I16(f, r + 101), 1);
    EXPECT_EQ(I32(f, 6 * 103), 0); // the memory before is empty
}

TEST_F(FilesTest, OpenBandDataFile_readsFileBuiltByteByByte)
{
    Bytes f(1204, 0);
    PutI32(f, 22 * 4, 2495000);      // BandMainVfo[4].Frequency
    PutI16(f, 22 * 4 + 4, ModeCW);   // .Mode
    PutI16(f, 264 + 22 * 1 + 10, 1); // BandSubVfo[1].RptDirection
    PutI32(f, 528 + 22 * 0 + 6, 760000);
    PutI16(f, 792 + 4, 50);
    PutI32(f, 816 + 4 * 7, 1400000);
    PutI32(f, 1152 + 4 * 11, 200000);
    PutI16(f, 1200, 9);
    PutI16(f, 1202, 2);
    WriteFileBytes(file("bandinfo.dorv"), f);

    radio.files.OpenBandDataFile();
    const BandRecord &t = s.BandTable;
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(t.BandMainVfo[4].Frequency, 2495000);
    EXPECT_EQ(t.BandMainVfo[4].Mode, ModeCW);
    EXPECT_EQ(t.BandSubVfo[1].RptDirection, kRptPlus);
    EXPECT_EQ(t.BandPmsVfo[0].RptOffset, 760000);
    EXPECT_EQ(t.HamLower[7], 1400000);
    EXPECT_EQ(t.PmsUpper[11], 200000);
    EXPECT_EQ(t.LastMainBand, 9);
    EXPECT_EQ(t.LastSubBand, 2);
    EXPECT_EQ(ReadFileBytes(file("bandinfo.dorv")), f); // a valid file is not rewritten
}

TEST_F(FilesTest, OpenSettingsFile_readsFileBuiltByteByByteAndReopensTheMemoryFile)
{
    const std::string memoryPath = file("Club Net.MEM").string();
    Bytes memories(103, 0);
    PutI32(memories, 0, 14500000);
    WriteFileBytes(memoryPath, memories);
    Bytes f = validSettings(memoryPath);
    PutI32(f, 0, 2000);
    PutI32(f, 4, 3000);
    PutI16(f, 8, 4);  // MeterSpeed
    PutI16(f, 24, 3); // PauseInterval
    PutI16(f, 26, 1); // any non-zero flag is true
    PutI32(f, 28 + 4 * (1 + 12 * 4), 100);
    PutI32(f, 508 + 4 * (10 + 12 * 7), 2500);
    PutI16(f, 988, -1);
    WriteFileBytes(file("ft897.dorv"), f);

    radio.files.OpenSettingsFile();
    const SettingsRecord &st = s.Settings;
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(st.WindowTop, 2000);
    EXPECT_EQ(st.WindowLeft, 3000);
    EXPECT_EQ(st.MeterSpeed, 4);
    EXPECT_EQ(st.PauseInterval, 3);
    EXPECT_TRUE(st.TuneOnStartup);
    EXPECT_EQ(st.DialStep[1][4], 100);
    EXPECT_EQ(st.ChannelStep[10][7], 2500);
    EXPECT_TRUE(st.Ars144);
    EXPECT_FALSE(st.Ars430);
    EXPECT_TRUE(radio.panel.mnuCommPortArray[10].Checked);
    EXPECT_TRUE(radio.panel.mnuCatRate[1].Checked);
    EXPECT_EQ(radio.files.MemoryFile(), memoryPath);
    EXPECT_EQ(s.MemoryCount, 1);
    EXPECT_EQ(s.Memories[0].Vfo.Frequency, 14500000);
    EXPECT_EQ(radio.panel.Caption, "DORV FT-897 (club net.mem)");
}

TEST_F(FilesTest, OpenMemoryFile_readsRecordsBuiltByteByByte)
{
    Bytes f(3 * 103, 0);
    const std::size_t r = 2 * 103;
    PutI32(f, r, 43950000);
    PutI16(f, r + 4, ModePKT);
    PutI32(f, r + 6, 760000);
    PutI16(f, r + 10, kRptSplit);
    PutI16(f, r + 16, 103);
    PutI32(f, r + 18, -999);
    PutI32(f, r + 22, 14500000);
    PutI16(f, r + 26, ModeAM);
    PutText(f, r + 44, "\x80 net");
    PutI16(f, r + 93, -1);
    PutI16(f, r + 95, 1); // written by something else, still true
    PutI16(f, r + 97, 0);
    PutI16(f, r + 99, 0);
    PutI16(f, r + 101, 1);
    WriteFileBytes(file("a.mem"), f);

    ASSERT_TRUE(radio.files.OpenMemoryFile(file("a.mem").string()));
    const MemoryChannel &m = s.Memories[2];
    EXPECT_EQ(m.Vfo, (VfoInfo{43950000, ModePKT, 760000, kRptSplit, 0, 0, 103, -999}));
    EXPECT_EQ(m.SplitVfo.Frequency, 14500000);
    EXPECT_EQ(m.SplitVfo.Mode, ModeAM);
    EXPECT_EQ(m.Description.substr(0, 5), "\x80 net");
    EXPECT_TRUE(m.BankSelected);
    EXPECT_TRUE(m.Split);
    EXPECT_FALSE(m.Skip);
    EXPECT_EQ(m.SplitBand, 1);
    EXPECT_EQ(s.MemoryCount, 1);
    EXPECT_FALSE(s.MemoryDirty);
}

} // namespace dorv::test
