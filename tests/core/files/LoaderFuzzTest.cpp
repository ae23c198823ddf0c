#include "FilesFixture.h"
#include "model/CodeTables.h"
#include "model/StepDefaults.h"

#include <random>

// Thousands of truncated, oversized and random files go through every loader: none may
// crash or hang, and what they load is safe for the rest of the program to index with.

namespace dorv::test {

namespace {

void ExpectIndexesInRange(const VfoInfo &v)
{
    ASSERT_TRUE(v.Mode >= 0 && v.Mode < kModeCount);
    ASSERT_TRUE(v.ToneMode >= 0 && v.ToneMode < kToneModeCount);
    ASSERT_TRUE(v.CtcssTone >= 0 && v.CtcssTone < kCtcssCount);
    ASSERT_TRUE(v.DcsCode >= 0 && v.DcsCode < kDcsCount);
}

void ExpectIndexesInRange(const MemoryChannel &m)
{
    ExpectIndexesInRange(m.Vfo);
    ExpectIndexesInRange(m.SplitVfo);
    ASSERT_TRUE(m.Band >= 0 && m.Band < kBandCount);
    ASSERT_TRUE(m.SplitBand >= 0 && m.SplitBand < kBandCount);
}

class Mutator {
public:
    explicit Mutator(Bytes seed) : seed_(std::move(seed)) {}

    // Cycles through: a truncated copy, a copy with random bytes flipped and a random
    // tail, and plain random bytes of random length.
    Bytes next(int round)
    {
        std::uniform_int_distribution<std::size_t> length(0, seed_.size() * 2);
        Bytes out;
        switch (round % 3) {
        case 0:
            out.assign(seed_.begin(), seed_.begin() + length(rng_) % (seed_.size() + 1));
            break;
        case 1:
            out = seed_;
            for (int k = 0; k < 16; ++k) {
                out[length(rng_) % out.size()] = static_cast<std::uint8_t>(rng_());
            }
            out.resize(out.size() + length(rng_) % 64, static_cast<std::uint8_t>(rng_()));
            break;
        default:
            out.resize(length(rng_));
            for (auto &b : out) {
                b = static_cast<std::uint8_t>(rng_());
            }
        }
        return out;
    }

    // Keeps a settings path field out of the way: a random path would create a file
    // wherever it happens to point.
    static void BlankPath(Bytes &bytes)
    {
        for (std::size_t k = 992; k < bytes.size() && k < 1248; ++k) {
            bytes[k] = ' ';
        }
    }

private:
    Bytes seed_;
    std::mt19937 rng_{20240611};
};

} // namespace

TEST_F(FilesTest, loaders_surviveDamagedFiles_andLoadOnlyUsableIndexes)
{
    radio.files.OpenBandDataFile();
    Mutator bands(ReadFileBytes(file("bandinfo.dorv")));
    Mutator settings(validSettings());
    // Memory records a memory file may hold, with index fields that point past their tables.
    Bytes memorySeed(1000 * 103);
    for (std::size_t k = 0; k < memorySeed.size(); ++k) {
        memorySeed[k] = static_cast<std::uint8_t>(k * 7 % 11);
    }
    for (std::size_t n = 0; n < 1000; ++n) {
        PutI32(memorySeed, n * 103, 14400000 + static_cast<std::int32_t>(n) * 250);
        PutI16(memorySeed, n * 103 + 4, static_cast<std::int16_t>(n % 10));
        for (std::size_t flag : {93, 95, 97}) {
            PutI16(memorySeed, n * 103 + flag, n % 3 == flag % 3 ? -1 : 0);
        }
        PutI32(memorySeed, n * 103 + 22, 43000000);
        PutI16(memorySeed, n * 103 + 26, ModeFM);
    }
    Mutator memories(memorySeed);
    Mutator homes(Bytes(memorySeed.begin(), memorySeed.begin() + 12 * 103));

    int refused = 0;
    for (int round = 0; round < 1200; ++round) {
        host.messages.clear();
        WriteFileBytes(file("bandinfo.dorv"), bands.next(round));
        radio.files.OpenBandDataFile();
        for (const auto &v : s.BandTable.BandMainVfo) {
            ExpectIndexesInRange(v);
        }
        ASSERT_TRUE(s.BandTable.LastMainBand >= 0 && s.BandTable.LastMainBand < kBandCount);
        ASSERT_TRUE(s.BandTable.LastSubBand >= 0 && s.BandTable.LastSubBand < kBandCount);

        Bytes settingsFile = settings.next(round);
        Mutator::BlankPath(settingsFile);
        WriteFileBytes(file("ft897.dorv"), settingsFile);
        radio.files.OpenSettingsFile();
        ASSERT_TRUE(s.Settings.CommPort >= 1 && s.Settings.CommPort <= 10);
        ASSERT_TRUE(s.Settings.CatRate >= 0 && s.Settings.CatRate <= 2);
        for (const auto &band : s.Settings.ChannelStep) {
            for (int m = 0; m < kModeCount; ++m) {
                ASSERT_TRUE(StepIsUsable(band[m]));
            }
        }

        WriteFileBytes(file("homemem.dorv"), homes.next(round));
        radio.files.OpenHomeFile();
        for (const auto &channel : s.HomeChannels) {
            ExpectIndexesInRange(channel);
        }

        // A file that is no memory file is refused and leaves the memories as they were.
        Bytes memoryFile = memories.next(round);
        if (round % 2 == 0) {
            memoryFile.resize(memoryFile.size() / 103 * 103); // whole records
        }
        WriteFileBytes(file("fuzz.mem"), memoryFile);
        const auto before = s.Memories;
        if (!radio.files.OpenMemoryFile(file("fuzz.mem").string())) {
            ASSERT_EQ(s.Memories, before);
            ++refused;
        }
        ASSERT_TRUE(s.MemoryCount >= 0 && s.MemoryCount <= kMemoryCount);
        for (const auto &memory : s.Memories) {
            ExpectIndexesInRange(memory);
        }
    }
    EXPECT_GT(refused, 400); // random bytes and most cut or flipped copies
    EXPECT_LT(refused, 1000);
}

} // namespace dorv::test
