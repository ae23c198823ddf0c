#include "FilesFixture.h"
#include "model/files/RecordCodec.h"

namespace dorv::test {

namespace fs = std::filesystem;

TEST_F(FilesTest, OpenBandDataFile_missingFile_installsDefaultsTellsAndWritesOneRecord)
{
    radio.files.OpenBandDataFile();

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "The band information file does NOT exist in the program directory, or it is "
              "corrupted. A default file will be created. The band information changes you make "
              "during this session will be saved upon normal termination.");
    EXPECT_EQ(host.messages[0].title, "Open Band Info File");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);

    const BandRecord &t = s.BandTable;
    EXPECT_EQ(t.BandMainVfo[0], (VfoInfo{43200000, ModeUSB, 500000, 0, 0, 8, 0, 0}));
    EXPECT_EQ(t.BandSubVfo[1], (VfoInfo{14420000, ModeUSB, 60000, 0, 0, 8, 0, 0}));
    EXPECT_EQ(t.BandPmsVfo[9], (VfoInfo{712500, ModeLSB, 0, 0, 0, 8, 0, 0}));
    EXPECT_EQ(t.BandMHz, (PerBand<std::int16_t>{430, 144, 50, 28, 24, 21, 18, 14, 10, 7, 3, 1}));
    EXPECT_EQ(t.VfoLower[1], 7600000);
    EXPECT_EQ(t.VfoUpper[11], 3700000);
    EXPECT_EQ(t.TuneLower, t.VfoLower);
    EXPECT_EQ(t.TuneUpper, t.VfoUpper);
    EXPECT_EQ(t.PmsLower, t.HamLower);
    EXPECT_EQ(t.PmsUpper, t.HamUpper);
    EXPECT_EQ(t.HamLower[6], 1806800);
    EXPECT_EQ(t.LastMainBand, 3);
    EXPECT_EQ(t.LastSubBand, 3);

    const Bytes f = ReadFileBytes(file("bandinfo.dorv"));
    ASSERT_EQ(f.size(), 1204u);
    EXPECT_EQ(DecodeBandRecord(f), t);
}

TEST_F(FilesTest, OpenBandDataFile_wrongMarker_overwritesWithDefaultsKeepingDcsClarAndTail)
{
    Bytes f(1204 + 7, 0x11); // sensible-looking data, one stray tail past the record
    PutI16(f, 796, 51);
    PutI16(f, 16, 20);   // BandMainVfo[0].DcsCode
    PutI32(f, 18, -300); // BandMainVfo[0].ClarOffset
    WriteFileBytes(file("bandinfo.dorv"), f);

    radio.files.OpenBandDataFile();

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(s.BandTable.BandMHz[2], 50);
    EXPECT_EQ(s.BandTable.BandMainVfo[0].Frequency, 43200000);
    EXPECT_EQ(s.BandTable.BandMainVfo[0].DcsCode, 20);
    EXPECT_EQ(s.BandTable.BandMainVfo[0].ClarOffset, -300);
    const Bytes written = ReadFileBytes(file("bandinfo.dorv"));
    ASSERT_EQ(written.size(), f.size());
    EXPECT_EQ(I16(written, 796), 50);
    EXPECT_EQ(Bytes(written.begin() + 1204, written.end()), Bytes(7, 0x11));
}

TEST_F(FilesTest, OpenSettingsFile_missingFile_defaultsMessageNewFileNoMemoryFilePortNone)
{
    radio.files.OpenSettingsFile();

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "The settings file does NOT exist in the program directory, or it is corrupted. A "
              "default settings file will be created. Check the new settings in the Settings "
              "Menu before you continue.");
    EXPECT_EQ(host.messages[0].title, "Open Settings File");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);

    const SettingsRecord &st = s.Settings;
    EXPECT_EQ(st.MeterSpeed, 1);
    EXPECT_EQ(st.ScanSpeed, 0);
    EXPECT_EQ(st.PriSpeed, 2);
    EXPECT_EQ(st.CommPort, 10);
    EXPECT_EQ(st.CatRate, 1);
    EXPECT_EQ(st.DisplaySize, 2);
    EXPECT_EQ(st.DisplayFace, 5);
    EXPECT_EQ(st.DisplayColours, 7);
    EXPECT_EQ(st.PauseInterval, 2);
    EXPECT_TRUE(st.TuneOnStartup);
    EXPECT_TRUE(st.Ars144);
    EXPECT_TRUE(st.Ars430);
    for (int b = 0; b < kBandCount; ++b) {
        EXPECT_EQ(st.DialStep[b][ModeAM], 1);
        EXPECT_EQ(st.ChannelStep[b][ModeDIG], 250);
        EXPECT_EQ(st.ChannelStep[b][ModePKT], 500);
        EXPECT_EQ(st.ChannelStep[b][8], 0);
    }
    EXPECT_EQ(ReadFileBytes(file("ft897.dorv")).size(), 1248u);
    EXPECT_FALSE(radio.files.MemoryFile());
    EXPECT_EQ(radio.panel.Caption, "DORV FT-897");
    EXPECT_TRUE(radio.panel.mnuCommPortArray[10].Checked);
    EXPECT_FALSE(s.PortReady);
}

TEST_F(FilesTest, OpenSettingsFile_commPortZero_replacesTheWholeRecord)
{
    Bytes f = validSettings(file("old.mem").string());
    PutI16(f, 14, 0);
    PutI16(f, 8, 3);
    PutI32(f, 28, 100);
    WriteFileBytes(file("ft897.dorv"), f);

    radio.files.OpenSettingsFile();

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Open Settings File");
    Radio fresh(host, port, (dir / "elsewhere").string());
    fs::create_directory(dir / "elsewhere");
    fresh.files.OpenSettingsFile();
    EXPECT_EQ(s.Settings, fresh.state.Settings);
    EXPECT_EQ(ReadFileBytes(file("ft897.dorv")), ReadFileBytes(dir / "elsewhere" / "ft897.dorv"));
    EXPECT_FALSE(radio.files.MemoryFile());
    EXPECT_FALSE(fs::exists(file("old.mem")));
}

// A port number outside the menu is one bad field: it becomes "None", the rest stays.
TEST_F(FilesTest, OpenSettingsFile_portOutsideTheMenu_becomesNoneAndKeepsTheRest)
{
    for (const std::int16_t commPort : {11, -3}) {
        SCOPED_TRACE(commPort);
        host.messages.clear();
        Bytes f = validSettings(file("kept.mem").string());
        PutI16(f, 14, commPort);
        PutI16(f, 8, 3);     // meter speed 300 ms
        PutI32(f, 28, 100);  // a dial step of band 0
        PutI32(f, 508, 700); // a channel step of band 0
        WriteFileBytes(file("ft897.dorv"), f);

        radio.files.OpenSettingsFile();

        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(s.Settings.CommPort, 10);
        EXPECT_TRUE(radio.panel.mnuCommPortArray[10].Checked);
        EXPECT_EQ(s.Settings.MeterSpeed, 3);
        EXPECT_EQ(s.Settings.DialStep[0][0], 100);
        EXPECT_EQ(s.Settings.ChannelStep[0][0], 700);
        ASSERT_TRUE(radio.files.MemoryFile());
        EXPECT_EQ(*radio.files.MemoryFile(), file("kept.mem").string());
    }
}

TEST_F(FilesTest, OpenSettingsFile_windowPosition_resetsWhenOutsideTheScreen)
{
    host.screen = {1024, 768}; // 15360 x 11520 twips
    struct Case {
        std::int32_t top, left;
        bool kept;
    } cases[] = {
        {0, 0, true},        {11519, 15359, true}, {11520, 100, false},
        {100, 15360, false}, {-15, 100, false},    {100, -1, false},
    };
    for (const Case &c : cases) {
        Bytes f = validSettings();
        PutI32(f, 0, c.top);
        PutI32(f, 4, c.left);
        WriteFileBytes(file("ft897.dorv"), f);
        radio.files.OpenSettingsFile();
        EXPECT_EQ(s.Settings.WindowTop, c.kept ? c.top : 0) << c.top << "," << c.left;
        EXPECT_EQ(s.Settings.WindowLeft, c.kept ? c.left : 0) << c.top << "," << c.left;
    }
}

TEST_F(FilesTest, OpenSettingsFile_unusableStepsAndMenuIndexes_takeTheirDefaults)
{
    Bytes f = validSettings();
    const auto dial = [](int b, int m) { return 28 + 4 * (b + 12 * m); };
    const auto channel = [](int b, int m) { return 508 + 4 * (b + 12 * m); };
    PutI32(f, dial(0, 0), 0);
    PutI32(f, dial(1, 2), -5);
    PutI32(f, channel(4, ModeFM), 100000);
    PutI32(f, channel(5, ModeAM), 99999);
    PutI32(f, channel(6, ModeUSB), 1);
    PutI32(f, dial(7, 9), 0); // slot 9 belongs to no mode
    PutI16(f, 8, 40);         // MeterSpeed past its menu
    PutI16(f, 20, 2);         // DisplayFace is 4 or 5
    WriteFileBytes(file("ft897.dorv"), f);

    radio.files.OpenSettingsFile();

    const SettingsRecord &st = s.Settings;
    EXPECT_EQ(st.DialStep[0][0], 1);
    EXPECT_EQ(st.DialStep[1][2], 1);
    EXPECT_EQ(st.ChannelStep[4][ModeFM], 500);
    EXPECT_EQ(st.ChannelStep[5][ModeAM], 99999);
    EXPECT_EQ(st.ChannelStep[6][ModeUSB], 1);
    EXPECT_EQ(st.DialStep[7][9], 0);
    EXPECT_EQ(st.DialStep[3][3], 10);
    EXPECT_EQ(st.MeterSpeed, 1);
    EXPECT_EQ(st.DisplayFace, 5);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FilesTest, OpenSettingsFile_lastMemoryFileMissing_createsItEmptyAndShowsItsName)
{
    const fs::path memory = dir / "Gone.Mem";
    WriteFileBytes(file("ft897.dorv"), validSettings(memory.string()));

    radio.files.OpenSettingsFile();

    EXPECT_TRUE(fs::exists(memory));
    EXPECT_EQ(fs::file_size(memory), 0u);
    EXPECT_EQ(radio.files.MemoryFile(), memory.string());
    EXPECT_EQ(radio.panel.Caption, "DORV FT-897 (gone.mem)");
    EXPECT_EQ(s.MemoryCount, 0);
}

} // namespace dorv::test
