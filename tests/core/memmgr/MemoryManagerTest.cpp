#include "core/files/FilesFixture.h"
#include "model/DescriptionText.h"

#include <gtest/gtest.h>

namespace dorv::test {
namespace {

// A memory in use on 2 m whose frequency tells where it came from.
MemoryChannel Channel(Freq freq, const std::string &name = "")
{
    MemoryChannel m;
    m.Vfo.Frequency = freq;
    m.Vfo.Mode = ModeFM;
    m.Band = 1;
    SetDescription(m, name);
    return m;
}

class MemoryManagerTest : public FilesTest {
protected:
    void SetUp() override
    {
        for (MemoryChannel &memory : s.Memories) {
            memory.BankSelected = false;
        }
        s.Memories[0].BankSelected = true; // bank 1 ticked
        open();
    }
    void open()
    {
        radio.app.mnuMemoryArray_Click(0);
        ASSERT_TRUE(radio.panel.frmMemoryManagerVisible);
    }
    Freq freqAt(int pos) const { return mm.WorkingCopy()[pos].Vfo.Frequency; }
    // Puts memories in use into Memories and opens the manager on them afresh.
    void fill(const std::vector<std::pair<int, Freq>> &channels)
    {
        for (const auto &[pos, freq] : channels) {
            s.Memories[pos] = Channel(freq);
        }
        mm.cmdCANCEL_Click();
        open();
    }

    MemoryManager &mm = radio.memmgr;
};

TEST_F(MemoryManagerTest, opening_fillsGridAndBanksFromMemories)
{
    mm.cmdCANCEL_Click();
    s.Memories[995] = Channel(14420000, "  Calling  ");
    s.Memories[950].BankSelected = true; // bank 20 ticked
    s.Memories[51].BankSelected = true;  // not the first of bank 2: the box stays clear
    host.busyPointer = true;
    open();
    EXPECT_FALSE(host.busyPointer);
    EXPECT_EQ(mm.CellText(995, 0), "995");
    EXPECT_EQ(mm.CellText(995, 1), "20");
    EXPECT_EQ(mm.CellText(7, 1), "1");
    EXPECT_EQ(mm.CellText(995, MemoryManager::ColFreq), "144.200.00");
    EXPECT_EQ(mm.CellText(995, MemoryManager::ColDescription), "Calling");
    EXPECT_EQ(MemoryManager::BankCaption(1), "01 - (000-049)");
    EXPECT_EQ(MemoryManager::BankCaption(20), "20 - (950-999)");
    EXPECT_TRUE(mm.BankTicked(1) && mm.BankTicked(20));
    EXPECT_FALSE(mm.BankTicked(2));
    // A ticked box selects its whole bank; a clear one leaves its flags alone, so SAVE
    // keeps position 51 in the scan.
    EXPECT_TRUE(mm.WorkingCopy()[999].BankSelected && mm.WorkingCopy()[49].BankSelected);
    EXPECT_TRUE(mm.WorkingCopy()[51].BankSelected);
    EXPECT_FALSE(mm.WorkingCopy()[52].BankSelected);
    mm.cmdSAVE_Click();
    EXPECT_TRUE(s.Memories[51].BankSelected);
}

// Beside the frequency the grid shows what a ham checks after an import, as the panel
// shows it; an empty position shows only where it is.
TEST_F(MemoryManagerTest, grid_showsModeShiftToneSplitAndSkip)
{
    MemoryChannel repeater = Channel(14694000, "W1AW");
    repeater.Vfo.RptDirection = kRptMinus;
    repeater.Vfo.RptOffset = 60000;
    repeater.Vfo.ToneMode = 1;
    repeater.Vfo.CtcssTone = 12; // 100.0 Hz
    MemoryChannel squelch = Channel(44210000);
    squelch.Vfo.RptDirection = kRptPlus;
    squelch.Vfo.RptOffset = 500000;
    squelch.Vfo.ToneMode = 2;
    squelch.Vfo.CtcssTone = 0; // 67.0 Hz
    MemoryChannel dcs = Channel(44600000);
    dcs.Vfo.ToneMode = 3;
    dcs.Vfo.DcsCode = 103;      // 754
    dcs.Vfo.RptOffset = 500000; // simplex: the offset is not shown
    dcs.Skip = true;
    MemoryChannel split = Channel(1419500);
    split.Vfo.Mode = ModeUSB;
    split.Vfo.RptDirection = kRptSplit;
    split.Split = true;
    split.SplitVfo.Frequency = 1422500;
    mm.cmdCANCEL_Click();
    s.Memories[0] = repeater;
    s.Memories[1] = squelch;
    s.Memories[2] = dcs;
    s.Memories[3] = split;
    s.Memories[4].Skip = true; // deleted: empty all the same
    open();

    const std::vector<std::vector<std::string>> rows = {
        {"000", "1", "146.940.00", "FM", "-", "0.600", "ENC 100.0", "", "", "W1AW"},
        {"001", "1", "442.100.00", "FM", "+", "5.000", "ENC DEC 67.0", "", "", ""},
        {"002", "1", "446.000.00", "FM", "", "", "DCS 754", "", "SKIP", ""},
        {"003", "1", "14.195.00", "USB", "", "", "", "14.225.00", "", ""},
        {"004", "1", "", "", "", "", "", "", "", ""},
    };
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        std::vector<std::string> shown;
        for (int col = 0; col < MemoryManager::kColumnCount; ++col) {
            shown.push_back(mm.CellText(row, col));
        }
        EXPECT_EQ(shown, rows[row]) << "row " << row;
    }
}

TEST_F(MemoryManagerTest, cutCopyPaste_rangeFromRowToRowSel)
{
    fill({{10, 100}, {11, 110}, {12, 120}});
    mm.MSFlexGrid1_SelChange(12, 10); // dragged upwards: nothing selected
    mm.btnMemoryEdit_Click(MemoryManager::Cut);
    EXPECT_TRUE(mm.ScratchPad().empty());
    EXPECT_EQ(freqAt(10), 100);

    mm.MSFlexGrid1_SelChange(10, 11);
    mm.btnMemoryEdit_Click(MemoryManager::Cut);
    ASSERT_EQ(mm.ScratchPad().size(), 2u);
    EXPECT_EQ(freqAt(10), 0);
    EXPECT_TRUE(mm.WorkingCopy()[10].Skip);
    EXPECT_TRUE(mm.WorkingCopy()[10].BankSelected) << "clearing keeps the bank flag";
    EXPECT_EQ(freqAt(12), 120);

    // Pasted into the clear bank 2: each record comes whole, its bank flag included.
    mm.MSFlexGrid1_SelChange(60, 60);
    mm.btnMemoryEdit_Click(MemoryManager::Paste);
    EXPECT_EQ(freqAt(60), 100);
    EXPECT_EQ(freqAt(61), 110);
    EXPECT_TRUE(mm.WorkingCopy()[60].BankSelected && mm.WorkingCopy()[61].BankSelected);
    EXPECT_FALSE(mm.WorkingCopy()[62].BankSelected);

    mm.MSFlexGrid1_SelChange(12, 12);
    mm.btnMemoryEdit_Click(MemoryManager::Copy);
    EXPECT_EQ(freqAt(12), 120) << "COPY leaves the memory";
    EXPECT_EQ(mm.ScratchPad().size(), 1u);
}

TEST_F(MemoryManagerTest, paste_stopsAtLastPosition)
{
    std::vector<std::pair<int, Freq>> ten;
    for (int i = 0; i < 10; ++i) {
        ten.push_back({100 + i, 1000 + i});
    }
    fill(ten);
    mm.MSFlexGrid1_SelChange(100, 109);
    mm.btnMemoryEdit_Click(MemoryManager::Copy);
    mm.MSFlexGrid1_SelChange(995, 995);
    mm.btnMemoryEdit_Click(MemoryManager::Paste);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(freqAt(995 + i), 1000 + i);
    }
    EXPECT_EQ(freqAt(0), 0) << "nothing wraps round";
}

TEST_F(MemoryManagerTest, insert_movesDownWithinTheBankOfRow)
{
    fill({{50, 500}, {51, 510}, {99, 990}, {100, 1000}});
    mm.MSFlexGrid1_SelChange(50, 50);
    mm.btnMemoryEdit_Click(MemoryManager::Insert);
    EXPECT_EQ(freqAt(50), 0);
    EXPECT_EQ(freqAt(51), 500);
    EXPECT_EQ(freqAt(52), 510);
    EXPECT_EQ(freqAt(99), 990) << "the first empty position below took the move";
    EXPECT_EQ(freqAt(100), 1000) << "the next bank is untouched";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MemoryManagerTest, insert_fullFromRowDown_refusedEvenWithRoomAbove)
{
    std::vector<std::pair<int, Freq>> lower;
    for (int pos = 120; pos < 150; ++pos) {
        lower.push_back({pos, pos * 10});
    }
    fill(lower); // 100..119 stay empty
    mm.MSFlexGrid1_SelChange(120, 120);
    mm.btnMemoryEdit_Click(MemoryManager::Insert);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Insert Error");
    EXPECT_EQ(host.messages[0].text,
              "The current memory bank is full. You must delete a memory from this bank before "
              "you can insert a new empty position.");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(freqAt(120), 1200);
    EXPECT_EQ(freqAt(149), 1490);
}

TEST_F(MemoryManagerTest, compress_closesGapsPerBankInOrder)
{
    fill({{3, 30}, {10, 100}, {49, 490}, {77, 770}});
    mm.btnMemoryEdit_Click(MemoryManager::Compress);
    EXPECT_EQ(freqAt(0), 30);
    EXPECT_EQ(freqAt(1), 100);
    EXPECT_EQ(freqAt(2), 490);
    EXPECT_EQ(freqAt(3), 0);
    EXPECT_EQ(freqAt(49), 0);
    EXPECT_EQ(freqAt(50), 770) << "bank 2 compressed on its own";
}

TEST_F(MemoryManagerTest, save_needsABankAndMovesEditsIntoMemories)
{
    fill({{5, 50}});
    mm.chkBank_Click(1, false);
    mm.cmdSAVE_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Memory Bank Warning");
    EXPECT_EQ(host.messages[0].text, "Please select at least one of the Memory Banks by "
                                     "clicking on the box next to it with your left mouse "
                                     "button.");
    EXPECT_TRUE(radio.panel.frmMemoryManagerVisible);
    EXPECT_TRUE(s.Memories[0].BankSelected) << "nothing saved";

    mm.chkBank_Click(3, true);
    mm.MSFlexGrid1_SelChange(5, 5);
    mm.btnMemoryEdit_Click(MemoryManager::Cut);
    mm.cmdSAVE_Click();
    EXPECT_FALSE(radio.panel.frmMemoryManagerVisible);
    EXPECT_TRUE(s.MemoryDirty);
    EXPECT_EQ(s.Memories[5].Vfo.Frequency, 0);
    EXPECT_EQ(s.MemoryCount, 0) << "the count follows the saved memories";
    EXPECT_FALSE(s.Memories[0].BankSelected);
    EXPECT_TRUE(s.Memories[100].BankSelected && s.Memories[149].BankSelected);
}

TEST_F(MemoryManagerTest, cancelAndCloseBox_leaveMemoriesAndDirtyFlag)
{
    fill({{5, 50}});
    const auto before = s.Memories;
    for (bool cancel : {true, false}) {
        s.MemoryDirty = true; // a store on the panel waits to be saved
        mm.MSFlexGrid1_SelChange(5, 5);
        mm.btnMemoryEdit_Click(MemoryManager::Cut);
        cancel ? mm.cmdCANCEL_Click() : mm.Form_Unload();
        EXPECT_FALSE(radio.panel.frmMemoryManagerVisible);
        EXPECT_EQ(s.Memories, before);
        EXPECT_TRUE(s.MemoryDirty) << (cancel ? "CANCEL" : "close box");
        open();
        EXPECT_EQ(freqAt(5), 50) << "the working copy is refilled on opening";
    }
}

TEST_F(MemoryManagerTest, editBox_keysCommitCancelAndMove)
{
    fill({{7, 70}});
    mm.MSFlexGrid1_SelChange(7, 7);
    mm.MSFlexGrid1_KeyDown(MemoryManager::kKeyF2);
    ASSERT_TRUE(mm.EditBoxVisible());
    mm.Text1_KeyDown(MemoryManager::kKeyEscape, "thrown away");
    EXPECT_FALSE(mm.EditBoxVisible());
    EXPECT_EQ(mm.CellText(7, MemoryManager::ColDescription), "");

    mm.GridEdit();
    const std::string sixty(60, 'x');
    mm.Text1_KeyDown(MemoryManager::kKeyDown, sixty);
    EXPECT_EQ(mm.WorkingCopy()[7].Description, std::string(49, 'x'));
    EXPECT_EQ(mm.Row(), 8);

    mm.GridEdit();
    mm.Text1_KeyDown(MemoryManager::kKeyUp, "Repeater Süd");
    EXPECT_EQ(mm.CellText(8, MemoryManager::ColDescription), "Repeater Süd");
    EXPECT_EQ(mm.WorkingCopy()[8].Description.size(), 49u);
    EXPECT_EQ(mm.Row(), 7);

    mm.MSFlexGrid1_SelChange(0, 0);
    mm.GridEdit();
    mm.Text1_KeyDown(MemoryManager::kKeyUp, "first");
    EXPECT_EQ(mm.Row(), 0) << "no row above the first";
    EXPECT_EQ(mm.CellText(0, MemoryManager::ColDescription), "first");
    EXPECT_TRUE(s.Memories[0].Description.find_first_not_of(' ') == std::string::npos)
        << "nothing reaches Memories before SAVE";
}

} // namespace
} // namespace dorv::test
