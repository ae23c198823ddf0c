#pragma once

#include "model/MemoryChannel.h"
#include "model/RadioState.h"
#include "model/Units.h"

#include <array>
#include <vector>

namespace dorv {

constexpr int kBankCount = 20;
constexpr int kBankSize = 50; // positions per bank

// Bank 1..20 of a position, and the first position of a bank.
constexpr int BankOf(int pos)
{
    return pos / kBankSize + 1;
}
constexpr int BankFirst(int bank)
{
    return (bank - 1) * kBankSize;
}

// Clears a position: both VFO states zero, description blank, not split, band 0 and
// skipped. BankSelected stays: it belongs to the position's bank, not to the memory.
void DeleteAMemory(MemoryTable &table, int pos);

// Puts a memory onto a position. The position keeps its BankSelected: COMPRESS and INSERT
// move memories within their bank, and an imported row carries no bank flag.
void PlaceMemory(MemoryTable &table, int pos, const MemoryChannel &memory);

// The edit buttons on the positions row..rowSel; the range is empty when rowSel < row.
std::vector<MemoryChannel> CopyRange(const MemoryTable &table, int row, int rowSel);
std::vector<MemoryChannel> CutRange(MemoryTable &table, int row, int rowSel);
// Pastes onto row, row + 1, ... up to position 999, each record whole, its bank flag
// included; returns how many were pasted.
int PasteAt(MemoryTable &table, int row, const std::vector<MemoryChannel> &scratch);
// Closes the gaps in every bank, keeping the order; nothing crosses a bank boundary.
void CompressBanks(MemoryTable &table);
// Moves row and the memories below it one place down to the first empty position of the
// bank and clears row. Returns false, with nothing changed, when no position from row to
// the bank's end is empty.
bool InsertEmptyAt(MemoryTable &table, int row);

} // namespace dorv
