#include "model/files/BandDefaults.h"

#include "model/CodeTables.h"

namespace dorv {

namespace {

struct BandDefault {
    std::int16_t label;
    Freq frequency;
    Freq rptOffset;
    std::int16_t mode;
    Freq hamLower, hamUpper;
    Freq vfoLower, vfoUpper;
};

// Frequencies in 10 Hz units.
constexpr BandDefault kDefaults[kBandCount] = {
    {430, 43200000, 500000, ModeUSB, 42000000, 45000000, 42000000, 45000000},
    {144, 14420000, 60000, ModeUSB, 14400000, 14800000, 7600000, 15400000},
    {50, 5200000, 100000, ModeUSB, 5000000, 5400000, 5000000, 5400000},
    {28, 2830000, 10000, ModeUSB, 2800000, 2970000, 10000, 3700000},
    {24, 2490000, 0, ModeUSB, 2489000, 2499000, 10000, 3700000},
    {21, 2115000, 0, ModeUSB, 2100000, 2145000, 10000, 3700000},
    {18, 1810000, 0, ModeUSB, 1806800, 1816800, 10000, 3700000},
    {14, 1415000, 0, ModeUSB, 1400000, 1435000, 10000, 3700000},
    {10, 1012500, 0, ModeUSB, 1010000, 1015000, 10000, 3700000},
    {7, 712500, 0, ModeLSB, 700000, 730000, 10000, 3700000},
    {3, 370000, 0, ModeLSB, 350000, 400000, 10000, 3700000},
    {1, 190000, 0, ModeLSB, 180000, 200000, 10000, 3700000},
};

void SetDefaultVfo(VfoInfo &vfo, const BandDefault &row)
{
    vfo.Frequency = row.frequency;
    vfo.RptOffset = row.rptOffset;
    vfo.Mode = row.mode;
    vfo.RptDirection = kRptSimplex;
    vfo.ToneMode = 0;
    vfo.CtcssTone = kDefaultToneIndex;
}

} // namespace

void InstallBandDefaults(BandRecord &t)
{
    for (int b = 0; b < kBandCount; ++b) {
        const BandDefault &row = kDefaults[b];
        SetDefaultVfo(t.BandMainVfo[b], row);
        SetDefaultVfo(t.BandSubVfo[b], row);
        SetDefaultVfo(t.BandPmsVfo[b], row);
        t.BandMHz[b] = row.label;
        t.HamLower[b] = row.hamLower;
        t.HamUpper[b] = row.hamUpper;
        t.VfoLower[b] = row.vfoLower;
        t.VfoUpper[b] = row.vfoUpper;
        t.TuneLower[b] = row.vfoLower;
        t.TuneUpper[b] = row.vfoUpper;
        t.PmsLower[b] = row.hamLower;
        t.PmsUpper[b] = row.hamUpper;
    }
    t.LastMainBand = kDefaultBand;
    t.LastSubBand = kDefaultBand;
}

} // namespace dorv
