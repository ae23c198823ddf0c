#include "memmgr/GridText.h"

#include "model/CodeTables.h"
#include "model/ReadoutFormat.h"

#include <cstdio>

namespace dorv {

namespace {

bool HasShift(const VfoInfo &vfo)
{
    return vfo.RptDirection == kRptPlus || vfo.RptDirection == kRptMinus;
}

} // namespace

std::string ModeText(const MemoryChannel &memory)
{
    return memory.inUse() ? ModeTable()[memory.Vfo.Mode].Name : "";
}

std::string ShiftText(const MemoryChannel &memory)
{
    if (!memory.inUse() || !HasShift(memory.Vfo)) {
        return {};
    }
    return memory.Vfo.RptDirection == kRptPlus ? "+" : "-";
}

std::string OffsetText(const MemoryChannel &memory)
{
    if (!memory.inUse() || !HasShift(memory.Vfo)) {
        return {};
    }
    char text[24];
    std::snprintf(text, sizeof text, "%.3f", memory.Vfo.RptOffset / 100000.0);
    return text;
}

std::string ToneText(const MemoryChannel &memory)
{
    if (!memory.inUse()) {
        return {};
    }
    const VfoInfo &vfo = memory.Vfo;
    const ToneModeRow &row = ToneModeTable()[vfo.ToneMode];
    char text[32];
    if (row.Dcs) {
        std::snprintf(text, sizeof text, "DCS %03d", DcsCodeTable()[vfo.DcsCode]);
    } else if (row.Enc) {
        std::snprintf(text, sizeof text, "%s %.1f", row.Dec ? "ENC DEC" : "ENC",
                      CtcssToneTable()[vfo.CtcssTone] / 10.0);
    } else {
        return {};
    }
    return text;
}

std::string SplitTxText(const MemoryChannel &memory)
{
    return memory.inUse() && memory.Split ? FormatFrequency(memory.SplitVfo.Frequency) : "";
}

std::string SkipText(const MemoryChannel &memory)
{
    return memory.inUse() && memory.Skip ? "SKIP" : "";
}

} // namespace dorv
