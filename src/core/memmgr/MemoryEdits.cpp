#include "memmgr/MemoryEdits.h"

namespace dorv {

void DeleteAMemory(MemoryTable &table, int pos)
{
    MemoryChannel &m = table[pos];
    m.Vfo = VfoInfo{};
    m.SplitVfo = VfoInfo{};
    m.Description.assign(kDescriptionLength, ' ');
    m.Split = false;
    m.Band = 0;
    m.SplitBand = 0;
    m.Skip = true;
}

void PlaceMemory(MemoryTable &table, int pos, const MemoryChannel &memory)
{
    const bool selected = table[pos].BankSelected;
    table[pos] = memory;
    table[pos].BankSelected = selected;
}

std::vector<MemoryChannel> CopyRange(const MemoryTable &table, int row, int rowSel)
{
    std::vector<MemoryChannel> scratch;
    for (int pos = row; pos <= rowSel; ++pos) {
        scratch.push_back(table[pos]);
    }
    return scratch;
}

std::vector<MemoryChannel> CutRange(MemoryTable &table, int row, int rowSel)
{
    std::vector<MemoryChannel> scratch = CopyRange(table, row, rowSel);
    for (int pos = row; pos <= rowSel; ++pos) {
        DeleteAMemory(table, pos);
    }
    return scratch;
}

int PasteAt(MemoryTable &table, int row, const std::vector<MemoryChannel> &scratch)
{
    int pasted = 0;
    for (const MemoryChannel &memory : scratch) {
        const int pos = row + pasted;
        if (pos >= kMemoryCount) {
            break;
        }
        table[pos] = memory;
        ++pasted;
    }
    return pasted;
}

void CompressBanks(MemoryTable &table)
{
    for (int bank = 1; bank <= kBankCount; ++bank) {
        const int last = BankFirst(bank) + kBankSize - 1;
        for (int pos = BankFirst(bank); pos < last; ++pos) {
            if (table[pos].inUse()) {
                continue;
            }
            for (int next = pos + 1; next <= last; ++next) {
                if (table[next].inUse()) {
                    PlaceMemory(table, pos, table[next]);
                    DeleteAMemory(table, next);
                    break;
                }
            }
        }
    }
}

bool InsertEmptyAt(MemoryTable &table, int row)
{
    const int last = BankFirst(BankOf(row)) + kBankSize - 1;
    int empty = row;
    while (empty <= last && table[empty].inUse()) {
        ++empty;
    }
    if (empty > last) {
        return false;
    }
    for (int pos = empty; pos > row; --pos) {
        PlaceMemory(table, pos, table[pos - 1]);
    }
    DeleteAMemory(table, row);
    return true;
}

} // namespace dorv
