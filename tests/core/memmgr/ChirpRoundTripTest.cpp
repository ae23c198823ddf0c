#include "core/files/FilesFixture.h"
#include "memmgr/CsvCommandLine.h"
#include "model/files/BandDefaults.h"
#include "support/Chirp.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace dorv::test {
namespace {

constexpr std::size_t kRecord = 103;

std::string ReadText(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A channel list written by the other program's driver goes through the manager, SAVE and
// File > Save into the memory file, and back out through the manager's export.
TEST_F(FilesTest, chirpList_importSaveExport_readsBackTheSame)
{
    if (!Chirp::available()) {
        GTEST_SKIP() << Chirp::kMissing;
    }
    const auto source = file("plan.csv");
    ASSERT_TRUE(Chirp::write(source));
    const std::string expected = Chirp::dump(source);
    ASSERT_FALSE(expected.empty());

    InstallBandDefaults(s.BandTable); // as start-up leaves it without a band file
    s.Memories[0].BankSelected = true;
    radio.app.mnuMemoryArray_Click(0);
    host.openAnswers.push_back(source.string());
    radio.memmgr.mnuImportCsv_Click();
    ASSERT_EQ(host.messages.size(), 1u) << host.messages[0].text;
    EXPECT_EQ(host.messages[0].text,
              "13 channels imported. SAVE keeps them in the memory database.");
    EXPECT_FALSE(s.Memories[0].inUse()) << "nothing reaches Memories before SAVE";
    radio.memmgr.cmdSAVE_Click();
    EXPECT_EQ(s.MemoryCount, 13);
    const auto memFile = file("plan.mem");
    host.saveAnswers.push_back(memFile.string());
    radio.app.mnuFileArray_Click(3);
    ASSERT_FALSE(s.MemoryDirty);

    const Bytes bytes = ReadFileBytes(memFile);
    ASSERT_EQ(bytes.size(), 1000 * kRecord);
    const auto at = [](int pos, std::size_t field) { return pos * kRecord + field; };
    EXPECT_EQ(I32(bytes, at(0, 0)), 14694000);
    EXPECT_EQ(I16(bytes, at(0, 4)), ModeFM);
    EXPECT_EQ(I32(bytes, at(0, 6)), 60000);
    EXPECT_EQ(I16(bytes, at(0, 10)), kRptMinus);
    EXPECT_EQ(I16(bytes, at(0, 12)), 1);  // encode
    EXPECT_EQ(I16(bytes, at(0, 14)), 12); // 100.0 Hz
    EXPECT_EQ(Text(bytes, at(0, 44), 7), "W1AW 2m");
    EXPECT_EQ(I16(bytes, at(50, 12)), 3);   // DCS
    EXPECT_EQ(I16(bytes, at(50, 16)), 103); // code 754, the last of the table
    EXPECT_EQ(I16(bytes, at(51, 4)), ModeUSB);
    EXPECT_EQ(I32(bytes, at(101, 0)), 1419500);
    EXPECT_EQ(I16(bytes, at(101, 10)), kRptSplit);
    EXPECT_EQ(I32(bytes, at(101, 22)), 1422500); // transmit VFO
    EXPECT_EQ(I16(bytes, at(101, 95)), -1);      // Split
    EXPECT_EQ(I16(bytes, at(102, 97)), -1);      // Skip
    EXPECT_EQ(I16(bytes, at(100, 97)), 0);
    EXPECT_EQ(I16(bytes, at(998, 99)), 1); // band 144 MHz
    EXPECT_EQ(I32(bytes, at(999, 0)), 5012500);

    radio.app.mnuMemoryArray_Click(0);
    const auto exported = file("back.csv");
    host.saveAnswers.push_back(exported.string());
    radio.memmgr.mnuExportCsv_Click();
    ASSERT_TRUE(std::filesystem::exists(exported));
    EXPECT_EQ(Chirp::dump(exported), expected) << ReadText(exported);
}

// Export, import and export again give the same file: each round keeps names and comments
// apart, and what the memory cannot keep (the tuning step) is written the same each time.
TEST_F(FilesTest, chirpList_exportImportExport_givesTheSameFile)
{
    if (!Chirp::available()) {
        GTEST_SKIP() << Chirp::kMissing;
    }
    const auto source = file("plan.csv");
    ASSERT_TRUE(Chirp::write(source));
    const auto run = [](std::vector<std::string> args) {
        std::ostringstream err;
        const auto code = RunCsvCommand(args, err);
        EXPECT_EQ(code, kCsvExitDone) << err.str();
    };
    run({"--import-csv", source.string(), file("first.mem").string()});
    run({"--export-csv", file("first.mem").string(), file("once.csv").string()});
    run({"--import-csv", file("once.csv").string(), file("second.mem").string()});
    run({"--export-csv", file("second.mem").string(), file("twice.csv").string()});

    EXPECT_EQ(ReadText(file("twice.csv")), ReadText(file("once.csv")));
    EXPECT_EQ(ReadFileBytes(file("second.mem")), ReadFileBytes(file("first.mem")));
    EXPECT_EQ(Chirp::dump(file("once.csv")), Chirp::dump(source)) << ReadText(file("once.csv"));
}

} // namespace
} // namespace dorv::test
