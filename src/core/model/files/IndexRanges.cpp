#include "model/files/IndexRanges.h"

#include "model/CodeTables.h"
#include "model/files/BandDefaults.h"

namespace dorv {

namespace {

void KeepIn(std::int16_t &value, int count, std::int16_t fallback)
{
    if (value < 0 || value >= count) {
        value = fallback;
    }
}

} // namespace

void KeepIndexesInRange(VfoInfo &vfo)
{
    KeepIn(vfo.Mode, kModeCount, ModeLSB);
    KeepIn(vfo.ToneMode, kToneModeCount, 0);
    KeepIn(vfo.CtcssTone, kCtcssCount, kDefaultToneIndex);
    KeepIn(vfo.DcsCode, kDcsCount, kDefaultToneIndex);
}

void KeepIndexesInRange(MemoryChannel &channel)
{
    KeepIndexesInRange(channel.Vfo);
    KeepIndexesInRange(channel.SplitVfo);
    KeepIn(channel.Band, kBandCount, 0);
    KeepIn(channel.SplitBand, kBandCount, 0);
}

void KeepIndexesInRange(BandRecord &table)
{
    for (auto *entries : {&table.BandMainVfo, &table.BandSubVfo, &table.BandPmsVfo}) {
        for (VfoInfo &vfo : *entries) {
            KeepIndexesInRange(vfo);
        }
    }
    KeepIn(table.LastMainBand, kBandCount, kDefaultBand);
    KeepIn(table.LastSubBand, kBandCount, kDefaultBand);
}

} // namespace dorv
