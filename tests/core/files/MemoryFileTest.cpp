#include "FilesFixture.h"

namespace dorv::test {

namespace fs = std::filesystem;

namespace {

// Memory records with the given Vfo.Mode and SplitVfo.Mode, each in use.
Bytes MemoryRecords(const std::vector<std::pair<std::int16_t, std::int16_t>> &modes)
{
    Bytes f(modes.size() * 103, 0);
    for (std::size_t n = 0; n < modes.size(); ++n) {
        PutI32(f, n * 103, 14500000 + static_cast<std::int32_t>(n));
        PutI16(f, n * 103 + 4, modes[n].first);
        PutI16(f, n * 103 + 26, modes[n].second);
    }
    return f;
}

} // namespace

TEST_F(FilesTest, OpenMemoryFile_shortFile_loadsWhatIsThereAndTheRestEmpty)
{
    s.Memories[500].Vfo.Frequency = 7000000; // from an earlier file
    Bytes f = MemoryRecords({{1, 1}, {2, 2}, {3, 3}});
    WriteFileBytes(file("short.mem"), f);

    ASSERT_TRUE(radio.files.OpenMemoryFile(file("short.mem").string()));

    EXPECT_EQ(s.Memories[1].Vfo.Mode, 2);
    EXPECT_EQ(s.Memories[2].Vfo.Frequency, 14500002);
    EXPECT_EQ(s.Memories[2].Vfo.Mode, 3);
    EXPECT_EQ(s.Memories[2].SplitVfo.Mode, 3);
    EXPECT_FALSE(s.Memories[500].inUse());
    EXPECT_FALSE(s.Memories[999].inUse());
    EXPECT_EQ(s.MemoryCount, 3);
    EXPECT_EQ(ReadFileBytes(file("short.mem")), f); // opening never writes
}

TEST_F(FilesTest, OpenMemoryFile_modeEightRecord_convertsTheModesOfBothVfos)
{
    WriteFileBytes(file("old.mem"),
                   MemoryRecords({{4, 4}, {5, 6}, {6, 7}, {7, 2}, {8, 5}, {9, 3}, {2, 4}}));

    ASSERT_TRUE(radio.files.OpenMemoryFile(file("old.mem").string()));

    const std::int16_t vfoModes[] = {3, 3, 4, 4, 5, 5, 2};
    const std::int16_t splitModes[] = {3, 4, 4, 2, 3, 3, 3};
    for (int n = 0; n < 7; ++n) {
        EXPECT_EQ(s.Memories[n].Vfo.Mode, vfoModes[n]) << "memory " << n;
        EXPECT_EQ(s.Memories[n].SplitVfo.Mode, splitModes[n]) << "memory " << n;
    }
    EXPECT_TRUE(s.MemoryDirty);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Memory Database Update");
    EXPECT_EQ(host.messages[0].text,
              "The format of the DORV FT-897 Memory Database has been recently updated. The "
              "Memory Database that you just opened will be automatically updated to reflect "
              "these changes. To complete the update process please save the new Memory "
              "Database before you exit DORV.");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
}

TEST_F(FilesTest, OpenMemoryFile_largestModeSeven_isNeverConverted)
{
    WriteFileBytes(file("new.mem"), MemoryRecords({{4, 8}, {7, 9}, {5, 5}}));

    ASSERT_TRUE(radio.files.OpenMemoryFile(file("new.mem").string()));

    EXPECT_EQ(s.Memories[0].Vfo.Mode, ModeAM);
    EXPECT_EQ(s.Memories[1].Vfo.Mode, ModePKT);
    EXPECT_EQ(s.Memories[2].Vfo.Mode, ModeFM);
    EXPECT_FALSE(s.MemoryDirty);
    EXPECT_TRUE(host.messages.empty());
}

// A damaged record not in use, with a mode of neither numbering, is no sign of the older
// one: taken as one, it renumbered the file's modes again at each opening (AM, then CW-R).
TEST_F(FilesTest, OpenMemoryFile_unusedRecordWithModeOfNeitherNumbering_convertsNothing)
{
    Bytes f = MemoryRecords({{ModeAM, ModeAM}, {ModeDIG, ModeUSB}, {ModeFM, ModeFM}});
    PutI32(f, 2 * 103, 0);        // the third record is not in use ...
    PutI16(f, 2 * 103 + 4, 1000); // ... and holds no mode
    WriteFileBytes(file("damaged.mem"), f);

    for (int opening = 0; opening < 2; ++opening) {
        ASSERT_TRUE(radio.files.OpenMemoryFile(file("damaged.mem").string()));
        EXPECT_EQ(s.Memories[0].Vfo.Mode, ModeAM);
        EXPECT_EQ(s.Memories[1].Vfo.Mode, ModeDIG);
        EXPECT_FALSE(s.MemoryDirty);
        ASSERT_TRUE(radio.files.SaveMemoryFile());
    }
    EXPECT_TRUE(host.messages.empty());
}

// An index past its table is clamped for use only: a channel left alone is saved with
// what the file held, an edited one as edited.
TEST_F(FilesTest, SaveMemoryFile_writesBackOutOfRangeIndexesOfUnchangedChannels)
{
    Bytes f = MemoryRecords({{ModeUSB, 12}, {ModeFM, 40}, {ModeAM, ModeCW}});
    PutI16(f, 103 + 14, 99); // the second channel's CTCSS tone index, past the table
    WriteFileBytes(file("kept.mem"), f);

    ASSERT_TRUE(radio.files.OpenMemoryFile(file("kept.mem").string()));
    EXPECT_EQ(s.Memories[0].SplitVfo.Mode, ModeLSB); // what the program works with
    EXPECT_FALSE(s.MemoryDirty);
    s.Memories[1].Vfo.Frequency = 14600000; // the second channel is edited

    ASSERT_TRUE(radio.files.SaveMemoryFile());
    const Bytes saved = ReadFileBytes(file("kept.mem"));
    EXPECT_EQ(I16(saved, 26), 12);
    EXPECT_EQ(I32(saved, 103), 14600000);
    EXPECT_EQ(I16(saved, 103 + 26), ModeLSB);
    EXPECT_NE(I16(saved, 103 + 14), 99);
    EXPECT_EQ(Bytes(saved.begin() + 206, saved.begin() + 309), Bytes(f.begin() + 206, f.end()));
}

TEST_F(FilesTest, OpenMemoryFile_unreadablePath_reportsItAndLeavesNoFileOpen)
{
    ASSERT_TRUE(radio.files.OpenMemoryFile(file("first.mem").string()));
    fs::create_directory(dir / "Folder.MEM");

    EXPECT_FALSE(radio.files.OpenMemoryFile((dir / "Folder.MEM").string()));

    ASSERT_EQ(host.messages.size(), 1u);
    std::string lowered = (dir / "folder.mem").string();
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), ::tolower);
    EXPECT_EQ(host.messages[0].text,
              "Error encountered while trying to open file " + lowered + ". Is a directory.");
    EXPECT_EQ(host.messages[0].title, "Open Memory File");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(radio.files.MemoryFile());
}

TEST_F(FilesTest, HomeFile_firstStartCreatesItEmptyAndSaveWritesTwelveRecords)
{
    radio.files.OpenHomeFile();
    ASSERT_TRUE(fs::exists(file("homemem.dorv")));
    EXPECT_EQ(fs::file_size(file("homemem.dorv")), 0u);
    EXPECT_TRUE(host.messages.empty());

    s.HomeChannels[11].Vfo = {190000, ModeLSB, 0, 0, 0, 8, 0, 0};
    s.HomeChannels[11].Band = 11;
    ASSERT_TRUE(radio.files.SaveHomeFile());
    const Bytes f = ReadFileBytes(file("homemem.dorv"));
    ASSERT_EQ(f.size(), 12u * 103);
    EXPECT_EQ(I32(f, 11 * 103), 190000);
    EXPECT_EQ(I16(f, 11 * 103 + 99), 11);
}

TEST_F(FilesTest, OpenHomeFile_shorterThanTwelveRecords_loadsTheRestEmpty)
{
    for (auto &channel : s.HomeChannels) {
        channel.Vfo.Frequency = 99; // whatever was there before
    }
    Bytes f(5 * 103 + 40, 0);
    PutI32(f, 0, 43300000);
    PutI32(f, 4 * 103, 1415000);
    PutI16(f, 4 * 103 + 95, -1);
    PutI32(f, 5 * 103 + 22, 2800000); // the sixth record holds only part of its SplitVfo
    WriteFileBytes(file("homemem.dorv"), f);

    radio.files.OpenHomeFile();

    EXPECT_EQ(s.HomeChannels[0].Vfo.Frequency, 43300000);
    EXPECT_EQ(s.HomeChannels[4].Vfo.Frequency, 1415000);
    EXPECT_TRUE(s.HomeChannels[4].Split);
    EXPECT_FALSE(s.HomeChannels[5].inUse());
    EXPECT_EQ(s.HomeChannels[5].SplitVfo.Frequency, 2800000);
    for (int b = 6; b < kHomeChannelCount; ++b) {
        EXPECT_FALSE(s.HomeChannels[b].inUse()) << "band " << b;
        EXPECT_FALSE(s.HomeChannels[b].Split) << "band " << b;
    }
}

} // namespace dorv::test
