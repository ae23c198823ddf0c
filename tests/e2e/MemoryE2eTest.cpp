// Memory work from the keyboard against ft897-sim: a memory file written byte by byte from
// its record layout, recalled, stepped, written with a held Ctrl+M and saved.

#include "E2eSession.h"
#include "model/SettingsRecord.h"
#include "model/files/RecordCodec.h"
#include "model/files/SettingsDefaults.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

using e2e::E2eSession;

namespace {

constexpr std::size_t kRecordSize = 103;
constexpr std::size_t kRecords = 1000;

void Put16(std::vector<std::uint8_t> &file, std::size_t at, int value)
{
    file[at] = static_cast<std::uint8_t>(value & 0xFF);
    file[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t> &file, std::size_t at, std::int32_t value)
{
    for (int i = 0; i < 4; ++i) {
        file[at + i] =
            static_cast<std::uint8_t>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
    }
}

// The receive (or, at +22, transmit) VFO: frequency, mode and offset; the rest zero.
void PutVfo(std::vector<std::uint8_t> &file, std::size_t at, std::int32_t freq, int mode,
            std::int32_t offset)
{
    Put32(file, at, freq);
    Put16(file, at + 4, mode);
    Put32(file, at + 6, offset);
}

struct Channel {
    int position;
    std::int32_t freq;
    int mode;
    int band;
    std::string description;
    std::int32_t splitFreq = 0; // a split channel's transmit frequency
};

std::vector<std::uint8_t> MemoryFile(const std::vector<Channel> &channels)
{
    std::vector<std::uint8_t> file(kRecords * kRecordSize, 0);
    for (std::size_t r = 0; r < kRecords; ++r) {
        std::fill_n(file.begin() + r * kRecordSize + 44, 49, ' ');
    }
    for (const Channel &c : channels) {
        const std::size_t at = c.position * kRecordSize;
        PutVfo(file, at, c.freq, c.mode, 60000);
        std::copy(c.description.begin(), c.description.end(), file.begin() + at + 44);
        Put16(file, at + 93, -1); // bank selected
        Put16(file, at + 99, c.band);
        if (c.splitFreq != 0) {
            PutVfo(file, at + 22, c.splitFreq, c.mode, 0);
            Put16(file, at + 95, -1);
            Put16(file, at + 101, c.band);
        }
    }
    return file;
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

// Settings that name the simulator's link as port 1 and the memory file to reopen.
void WriteSettings(const E2eSession &session, const std::filesystem::path &memoryFile)
{
    dorv::SettingsRecord settings = dorv::DefaultSettings();
    settings.CommPort = 1;
    settings.TuneOnStartup = false;
    const std::string path = memoryFile.string();
    settings.LastMemoryFile.replace(0, path.size(), path);
    WriteFile(session.dir() / "ft897.dorv", dorv::EncodeSettingsRecord(settings));
}

TEST(MemoryChannels, recallStepWriteWithHeldMckAndSave)
{
    E2eSession session("");
    const std::filesystem::path memoryFile = session.dir() / "club.mem";
    // 145.500 FM with a description; 144.300/144.310 USB split; 438.500 FM.
    const std::vector<std::uint8_t> original = MemoryFile({{2, 14550000, 5, 1, "Local repeater"},
                                                           {5, 14430000, 1, 1, "", 14431000},
                                                           {9, 43850000, 5, 0, ""}});
    WriteFile(memoryFile, original);
    WriteSettings(session, memoryFile);
    ASSERT_TRUE(session.startSimulator());
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    EXPECT_EQ(session.panel("Caption"), "DORV FT-897 (club.mem)");
    session.key("p");
    ASSERT_TRUE(session.waitForLogSequence(
        {"RX 02 83 00 00 01", "RX 00 00 00 00 81", "RX 02 83 00 00 01", "RX 00 00 00 00 81"},
        15000))
        << "power-on sequence missing from the simulator log";

    session.key("ctrl+v");
    EXPECT_TRUE(session.waitForLogSequence({"RX 08 00 00 00 07", "RX 14 55 00 00 01"}, 10000));
    EXPECT_TRUE(session.waitForPanel("ledMRnumber", "002", 5000));
    EXPECT_EQ(session.panel("lblMemoryDesc"), "Local repeater");
    EXPECT_EQ(session.panel("ledFreq"), "145.500.00");
    session.screenshot("memory-recall.png");

    // The next used channel is the split one: its transmit side goes to the radio's other
    // VFO and split is switched on when the key comes up.
    session.key("KP_Add");
    EXPECT_TRUE(session.waitForPanel("ledMRnumber", "005", 5000));
    EXPECT_TRUE(session.waitForLogSequence(
        {"RX 01 00 00 00 07", "RX 14 43 00 00 01", "RX 00 00 00 00 02"}, 10000));

    // Back to VFO state, MCK on, one channel up (empty), then Ctrl+M held writes the VFO.
    session.key("ctrl+v");
    ASSERT_TRUE(session.waitForPanel("ledMRnumber", "", 5000));
    session.key("ctrl+m");
    ASSERT_TRUE(session.waitForPanel("ledMRnumber", "005", 5000));
    session.key("KP_Add");
    ASSERT_TRUE(session.waitForPanel("ledMRnumber", "006", 5000));
    EXPECT_EQ(session.panel("ledFreq"), "");
    session.screenshot("memory-check-empty.png");
    session.keyDown("ctrl+m");
    usleep(1000 * 1000);
    session.keyUp("ctrl+m");
    EXPECT_TRUE(session.waitForPanel("lblMCK", "0", 5000));
    EXPECT_TRUE(session.waitForPanel("ledMRnumber", "", 5000));
    EXPECT_EQ(session.panel("ledFreq"), "28.300.00");

    // File > Save from the keyboard: New, Open..., Save.
    session.key("alt+f");
    session.key("Down");
    session.key("Down");
    session.key("Return");
    std::vector<std::uint8_t> saved;
    ASSERT_TRUE(e2e::WaitFor(
        [&] {
            saved = ReadFile(memoryFile);
            return saved.size() == original.size() && saved != original;
        },
        10000))
        << "the memory file was not saved";
    // Record 7 (channel 6) holds the VFO: 28.300 MHz USB on the 28 MHz band, not split,
    // not skipped; every other record is as it was.
    const std::size_t at = 6 * kRecordSize;
    const std::vector<std::uint8_t> head(saved.begin() + at, saved.begin() + at + 6);
    std::vector<std::uint8_t> vfo(6, 0);
    Put32(vfo, 0, 2830000);
    Put16(vfo, 4, 1);
    EXPECT_EQ(head, vfo);
    EXPECT_EQ(saved[at + 95], 0) << "split flag";
    EXPECT_EQ(saved[at + 97], 0) << "skip flag";
    EXPECT_EQ(saved[at + 99], 3) << "band";
    for (std::size_t r = 0; r < kRecords; ++r) {
        if (r != 6) {
            ASSERT_TRUE(std::equal(saved.begin() + r * kRecordSize,
                                   saved.begin() + (r + 1) * kRecordSize,
                                   original.begin() + r * kRecordSize))
                << "record of channel " << r << " changed";
        }
    }
    EXPECT_EQ(session.stopProgram(), 0);
}

} // namespace
