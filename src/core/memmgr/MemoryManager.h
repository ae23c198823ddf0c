#pragma once

#include "memmgr/MemoryEdits.h"

#include <array>
#include <string>
#include <vector>

namespace dorv {

class Host;
class MemoryMode;
struct PanelState;
struct RadioState;

// The memory manager window (frmMemoryManager): a grid over a private working copy of the
// 1000 memories, the bank tick boxes that choose what memory scanning visits, the edit
// buttons, and CSV import and export. Only SAVE moves the working copy into Memories.
// The GUI shows the window while panel.frmMemoryManagerVisible is set, draws the grid from
// CellText and forwards every input to the handlers below.
class MemoryManager {
public:
    MemoryManager(Host &host, RadioState &state, PanelState &panel, MemoryMode &memory)
        : host_(host), state_(state), panel_(panel), memory_(memory)
    {
    }

    enum EditButton { Cut = 0, Copy = 1, Paste = 2, Compress = 3, Insert = 4 };
    // The grid's columns; all but the description are read-only.
    enum Column {
        ColChannel,
        ColBank,
        ColFreq,
        ColMode,
        ColShift,
        ColOffset,
        ColTone,
        ColSplitTx,
        ColSkip,
        ColDescription,
        kColumnCount
    };
    // Keys the edit box reacts to (Windows key codes, as the keyboard handlers use).
    static constexpr int kKeyEnter = 13, kKeyEscape = 27, kKeyUp = 38, kKeyDown = 40;
    static constexpr int kKeyF2 = 113;

    // Memory > "Manager...": loads the window, or just keeps it when it is already open.
    void Show();
    // Fills the working copy from Memories and ticks the banks whose first position is
    // selected.
    void Form_Load();

    // The text of a grid cell: "000", bank "1".."20", "144.200.00", the mode, shift,
    // offset, tone, split transmit frequency and skip as the panel shows them, the trimmed
    // description. An empty memory shows only its position and bank.
    std::string CellText(int row, int col) const;
    static std::string BankCaption(int bank); // "01 - (000-049)" .. "20 - (950-999)"
    bool BankTicked(int bank) const { return banks_[bank - 1]; }
    const MemoryTable &WorkingCopy() const { return work_; }
    const std::vector<MemoryChannel> &ScratchPad() const { return scratch_; }
    // Row is the current row; RowSel the other end of the selection.
    int Row() const { return row_; }
    int RowSel() const { return rowSel_; }
    bool InSelection(int row) const { return row >= row_ && row <= rowSel_; }
    // The edit box over the current description cell and its text (UTF-8).
    bool EditBoxVisible() const { return editVisible_; }
    const std::string &EditBoxText() const { return editText_; }

    // Bank k (1..20) ticked or cleared by the user.
    void chkBank_Click(int bank, bool ticked);
    void btnMemoryEdit_Click(int Index);
    void cmdSAVE_Click();
    void cmdCANCEL_Click();
    // The close box: the window goes, neither saving nor touching MemoryDirty.
    void Form_Unload();

    // The grid's current cell moved or the selection was dragged: row is the current row.
    void MSFlexGrid1_SelChange(int row, int rowSel);
    // Double click or F2 in the grid: the edit box opens over the current description.
    void MSFlexGrid1_KeyDown(int KeyCode);
    void GridEdit();
    // The grid got the focus back (or the current cell moved) with the edit box open: the
    // box's text becomes the description of the current row.
    void CommitEdit(const std::string &text);
    // Esc, Enter, Up and Down in the edit box; `text` is what the box holds.
    void Text1_KeyDown(int KeyCode, const std::string &text);

    // The manager's File menu.
    void mnuImportCsv_Click();
    void mnuExportCsv_Click();

private:
    void Close();
    void ImportRows(const std::string &path);

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    MemoryMode &memory_;
    MemoryTable work_{};
    std::vector<MemoryChannel> scratch_;
    std::array<bool, kBankCount> banks_{};
    int row_ = 0;
    int rowSel_ = 0;
    bool editVisible_ = false;
    std::string editText_;
};

} // namespace dorv
