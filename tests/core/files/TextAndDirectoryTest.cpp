#include "FilesFixture.h"
#include "model/files/Cp1252.h"
#include "model/files/DataDirectory.h"

namespace dorv::test {

namespace fs = std::filesystem;

TEST(Cp1252, everyByte_roundTripsThroughUtf8)
{
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    bool lossless = false;
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all), &lossless), all);
    EXPECT_TRUE(lossless);
}

TEST(Cp1252, conversion_mapsTheWindowsRangeAndMarksWhatItCannotHold)
{
    EXPECT_EQ(Cp1252ToUtf8("\x80 \xE9\x99"), "\u20AC \u00E9\u2122");
    bool lossless = true;
    EXPECT_EQ(Utf8ToCp1252("Tokyo \u6771\u4EAC \u2013", &lossless), "Tokyo ?? \x96");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(Utf8ToCp1252("bad \xC3", &lossless), "bad ?");
    EXPECT_FALSE(lossless);
}

TEST_F(FilesTest, lastMemoryFile_thatTheFieldCannotHold_isNotRemembered)
{
    const fs::path wide = dir / "\u6771\u4EAC.mem";
    const fs::path latin = dir / "caf\u00E9.mem";
    for (const fs::path &path : {wide, latin}) {
        host.saveAnswers = {path.string()};
        radio.files.mnuFileArray_Click(4);
        ASSERT_EQ(radio.files.MemoryFile(), path.string());
    }
    // The Latin name is stored in Windows-1252 and comes back as the same path.
    EXPECT_EQ(s.Settings.LastMemoryFile.find("caf\xE9.mem"), dir.string().size() + 1);
    s.Settings.CommPort = 10;
    radio.files.SaveSettingsFile();
    Radio next(host, port, dir.string());
    next.files.OpenSettingsFile();
    EXPECT_EQ(next.files.MemoryFile(), latin.string());

    host.saveAnswers = {wide.string()};
    radio.files.mnuFileArray_Click(4);
    EXPECT_EQ(s.Settings.LastMemoryFile, std::string(256, ' '));
    EXPECT_EQ(radio.panel.Caption, "DORV FT-897 (\u6771\u4EAC.mem)");
}

TEST_F(FilesTest, chooseDataDirectory_prefersAWritableProgramDirectory)
{
    const fs::path user = dir / "user" / "dorv";
    EXPECT_EQ(ChooseDataDirectory(dir.string(), user.string()), dir.string());
    EXPECT_FALSE(fs::exists(user));

    WriteFileBytes(dir / "program", Bytes{1}); // a file is no directory
    for (const fs::path &program : {dir / "no-such-dir", dir / "program"}) {
        EXPECT_EQ(ChooseDataDirectory(program.string(), user.string()), user.string());
        EXPECT_TRUE(fs::is_directory(user));
    }
    EXPECT_TRUE(fs::is_empty(dir / "user" / "dorv"));
}

TEST_F(FilesTest, chooseDataDirectory_ofAnInstalledProgram_isThePerUserOneEvenWhenWritable)
{
    const fs::path bin = dir / "usr" / "bin";
    fs::create_directories(bin);
    fs::create_directories(dir / "usr" / "share" / "dorv-ft897");
    const fs::path user = dir / "home" / ".local" / "share" / "dorv";
    EXPECT_EQ(ChooseDataDirectory(bin.string(), user.string()), user.string());
    EXPECT_TRUE(fs::is_directory(user));
    EXPECT_TRUE(fs::is_empty(bin));
    // Other programs' shared files beside the directory do not count.
    fs::remove(dir / "usr" / "share" / "dorv-ft897");
    EXPECT_EQ(ChooseDataDirectory(bin.string(), user.string()), bin.string());
}

} // namespace dorv::test
