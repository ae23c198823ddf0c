#include "model/BandCopies.h"

namespace dorv {

void RestoreBands(RadioState &s)
{
    s.MainBand = s.BandTable.LastMainBand;
    s.SubBand = s.BandTable.LastSubBand;
}

void LoadMainVfo(RadioState &s)
{
    s.MainVfo = s.BandTable.BandMainVfo[s.MainBand];
}

void StoreKeepingOffset(VfoInfo &entry, const VfoInfo &vfo)
{
    const Freq offset = entry.RptOffset;
    entry = vfo;
    entry.RptOffset = offset;
}

void SaveMainVfo(RadioState &s)
{
    VfoInfo &entry = s.BandTable.BandMainVfo[s.MainBand];
    StoreKeepingOffset(entry, s.MainVfo);
    if (entry.RptDirection == kRptSplit) {
        entry.RptDirection = kRptSimplex;
    }
    s.BandTable.LastMainBand = s.MainBand;
}

void LoadSubVfo(RadioState &s)
{
    s.SubVfo = s.BandTable.BandSubVfo[s.SubBand];
}

void SaveSubVfo(RadioState &s)
{
    StoreKeepingOffset(s.BandTable.BandSubVfo[s.SubBand], s.SubVfo);
    s.BandTable.LastSubBand = s.SubBand;
}

void MoveMainVfoToBand(RadioState &s, int b)
{
    if (b != s.MainBand) {
        s.MainVfo.RptOffset = s.BandTable.BandMainVfo[b].RptOffset;
        s.MainBand = static_cast<std::int16_t>(b);
    }
}

void MoveSubVfoToBand(RadioState &s, int b)
{
    if (b != s.SubBand) {
        s.SubVfo.RptOffset = s.BandTable.BandSubVfo[b].RptOffset;
        s.SubBand = static_cast<std::int16_t>(b);
    }
}

void LoadPmsState(RadioState &s)
{
    const int b = s.MainBand;
    s.MainVfo = s.BandTable.BandPmsVfo[b];
    s.BandTable.TuneLower[b] = s.BandTable.PmsLower[b];
    s.BandTable.TuneUpper[b] = s.BandTable.PmsUpper[b];
}

void SavePmsState(RadioState &s)
{
    StoreKeepingOffset(s.BandTable.BandPmsVfo[s.MainBand], s.MainVfo);
}

void UseVfoLimits(RadioState &s)
{
    const int b = s.MainBand;
    s.BandTable.TuneLower[b] = s.BandTable.VfoLower[b];
    s.BandTable.TuneUpper[b] = s.BandTable.VfoUpper[b];
}

} // namespace dorv
