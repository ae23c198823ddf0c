#include "memmgr/MemoryManager.h"

#include "host/Host.h"
#include "memmgr/CsvMemoryList.h"
#include "memmgr/GridText.h"
#include "model/DescriptionText.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"
#include "panel/MemoryMode.h"

#include <algorithm>
#include <cstdio>

namespace dorv {

void MemoryManager::Show()
{
    if (panel_.frmMemoryManagerVisible) {
        return;
    }
    Form_Load();
}

void MemoryManager::Form_Load()
{
    RadioState &s = state_;
    work_ = s.Memories;
    scratch_.clear();
    row_ = rowSel_ = 0;
    editVisible_ = false;
    // A box is ticked when its bank's first position is selected, and ticking runs the
    // box's click handler, which selects all 50. A box left clear runs nothing: the flags
    // of its positions stay as they are until the user clicks the box.
    for (int bank = 1; bank <= kBankCount; ++bank) {
        if (work_[BankFirst(bank)].BankSelected) {
            chkBank_Click(bank, true);
        } else {
            banks_[bank - 1] = false;
        }
    }
    panel_.frmMemoryManagerVisible = true;
    host_.setBusyPointer(false);
    host_.panelChanged();
}

std::string MemoryManager::CellText(int row, int col) const
{
    const MemoryChannel &memory = work_[row];
    switch (col) {
    case ColChannel:
        return FormatChannel(row);
    case ColBank:
        return std::to_string(BankOf(row));
    case ColFreq:
        return memory.inUse() ? FormatFrequency(memory.Vfo.Frequency) : "";
    case ColMode:
        return ModeText(memory);
    case ColShift:
        return ShiftText(memory);
    case ColOffset:
        return OffsetText(memory);
    case ColTone:
        return ToneText(memory);
    case ColSplitTx:
        return SplitTxText(memory);
    case ColSkip:
        return SkipText(memory);
    default:
        return DescriptionText(memory);
    }
}

std::string MemoryManager::BankCaption(int bank)
{
    char caption[32];
    std::snprintf(caption, sizeof caption, "%02d - (%03d-%03d)", bank, BankFirst(bank),
                  BankFirst(bank) + kBankSize - 1);
    return caption;
}

void MemoryManager::chkBank_Click(int bank, bool ticked)
{
    banks_[bank - 1] = ticked;
    for (int pos = BankFirst(bank); pos < BankFirst(bank) + kBankSize; ++pos) {
        work_[pos].BankSelected = ticked;
    }
}

void MemoryManager::btnMemoryEdit_Click(int Index)
{
    switch (Index) {
    case Cut:
        scratch_ = CutRange(work_, row_, rowSel_);
        break;
    case Copy:
        scratch_ = CopyRange(work_, row_, rowSel_);
        return;
    case Paste:
        PasteAt(work_, row_, scratch_);
        break;
    case Compress:
        CompressBanks(work_);
        break;
    case Insert:
        if (!InsertEmptyAt(work_, row_)) {
            host_.messageBox("The current memory bank is full. You must delete a memory "
                             "from this bank before you can insert a new empty position.",
                             "Insert Error", MsgIcon::Exclamation, MsgButtons::Ok);
            return;
        }
        break;
    default:
        return;
    }
}

void MemoryManager::cmdSAVE_Click()
{
    if (std::none_of(banks_.begin(), banks_.end(), [](bool ticked) { return ticked; })) {
        host_.messageBox("Please select at least one of the Memory Banks by clicking on "
                         "the box next to it with your left mouse button.",
                         "Memory Bank Warning", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    RadioState &s = state_;
    s.Memories = work_;
    // The panel's memory mode walks the memories in use by this count.
    s.MemoryCount = CountInUse(work_);
    s.MemoryDirty = true;
    Close();
    // In memory mode the panel shows what the current position holds now.
    memory_.AfterMemoriesReplaced();
}

// Throws the working copy away. MemoryDirty keeps what it was: changes made on the panel
// before the manager opened still wait to be saved.
void MemoryManager::cmdCANCEL_Click()
{
    Close();
}

void MemoryManager::Form_Unload()
{
    Close();
}

void MemoryManager::Close()
{
    editVisible_ = false;
    panel_.frmMemoryManagerVisible = false;
    host_.panelChanged();
}

void MemoryManager::MSFlexGrid1_SelChange(int row, int rowSel)
{
    row_ = std::clamp(row, 0, kMemoryCount - 1);
    rowSel_ = std::clamp(rowSel, 0, kMemoryCount - 1);
}

void MemoryManager::MSFlexGrid1_KeyDown(int KeyCode)
{
    if (KeyCode == kKeyF2) {
        GridEdit();
    }
}

void MemoryManager::GridEdit()
{
    editText_ = CellText(row_, ColDescription);
    editVisible_ = true;
}

void MemoryManager::CommitEdit(const std::string &text)
{
    if (!editVisible_) {
        return;
    }
    editVisible_ = false;
    SetDescription(work_[row_], text);
    editText_ = CellText(row_, ColDescription);
}

void MemoryManager::Text1_KeyDown(int KeyCode, const std::string &text)
{
    switch (KeyCode) {
    case kKeyEscape:
        editVisible_ = false;
        break;
    case kKeyEnter:
        CommitEdit(text);
        break;
    case kKeyDown:
        CommitEdit(text);
        if (row_ < kMemoryCount - 1) {
            ++row_;
        }
        rowSel_ = row_;
        break;
    case kKeyUp:
        CommitEdit(text);
        if (row_ > 0) {
            --row_;
        }
        rowSel_ = row_;
        break;
    default:
        break;
    }
}

} // namespace dorv
