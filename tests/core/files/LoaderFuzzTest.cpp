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
    Bytes memorySeed(1000 * 103);
    for (std::size_t k = 0; k < memorySeed.size(); ++k) {
        memorySeed[k] = static_cast<std::uint8_t>(k * 7 % 11);
    }
    Mutator memories(memorySeed);
    Mutator homes(Bytes(memorySeed.begin(), memorySeed.begin() + 12 * 103));

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

        WriteFileBytes(file("fuzz.mem"), memories.next(round));
        ASSERT_TRUE(radio.files.OpenMemoryFile(file("fuzz.mem").string()));
        ASSERT_TRUE(s.MemoryCount >= 0 && s.MemoryCount <= kMemoryCount);
        for (const auto &memory : s.Memories) {
            ExpectIndexesInRange(memory);
        }
    }
}

} // namespace dorv::test
