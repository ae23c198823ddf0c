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

void SaveMainVfo(RadioState &s)
{
    VfoInfo &entry = s.BandTable.BandMainVfo[s.MainBand];
    entry = s.MainVfo;
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
    s.BandTable.BandSubVfo[s.SubBand] = s.SubVfo;
    s.BandTable.LastSubBand = s.SubBand;
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
    s.BandTable.BandPmsVfo[s.MainBand] = s.MainVfo;
}

void UseVfoLimits(RadioState &s)
{
    const int b = s.MainBand;
    s.BandTable.TuneLower[b] = s.BandTable.VfoLower[b];
    s.BandTable.TuneUpper[b] = s.BandTable.VfoUpper[b];
}

} // namespace dorv
