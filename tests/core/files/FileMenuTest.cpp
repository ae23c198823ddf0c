#include "FilesFixture.h"

namespace dorv::test {

namespace fs = std::filesystem;

namespace {
constexpr int kNew = 0, kOpen = 1, kSave = 3, kSaveAs = 4;
} // namespace

// A radio that started with club.mem reopened from the settings, memory 3 changed since.
class FileMenuTest : public FilesTest {
protected:
    void SetUp() override
    {
        clubPath = file("club.mem");
        Bytes f(103, 0);
        PutI32(f, 0, 14500000);
        WriteFileBytes(clubPath, f);
        WriteFileBytes(file("ft897.dorv"), validSettings(clubPath.string()));
        radio.files.OpenSettingsFile();
        s.Memories[3].Vfo.Frequency = 43950000;
        s.MemoryDirty = true;
        clubBytes = ReadFileBytes(clubPath);
    }

    fs::path clubPath;
    Bytes clubBytes;
};

TEST_F(FileMenuTest, savePrompt_cancelChangesNothing)
{
    for (int item : {kNew, kOpen}) {
        host.messages.clear();
        host.messageAnswers = {MsgAnswer::Cancel};
        const auto memories = s.Memories;
        const auto settings = s.Settings;

        radio.files.mnuFileArray_Click(item);

        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(s.Memories, memories);
        EXPECT_EQ(s.Settings, settings);
        EXPECT_TRUE(s.MemoryDirty);
        EXPECT_EQ(radio.files.MemoryFile(), clubPath.string());
        EXPECT_EQ(radio.panel.Caption, "DORV FT-897 (club.mem)");
        EXPECT_EQ(ReadFileBytes(clubPath), clubBytes);
        EXPECT_TRUE(host.dialogRequests.empty());
    }
}

TEST_F(FileMenuTest, savePrompt_namesTheFileAndTheCommand)
{
    struct Case {
        int item;
        const char *text, *title;
    } cases[] = {
        {kNew, "Save current memory file club.mem before creating a new file?", "New File"},
        {kOpen, "Save current memory file club.mem before opening a new file?", "Open File"},
    };
    for (const Case &c : cases) {
        host.messages.clear();
        s.MemoryDirty = true;
        host.messageAnswers = {MsgAnswer::Cancel};
        radio.files.mnuFileArray_Click(c.item);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, c.text);
        EXPECT_EQ(host.messages[0].title, c.title);
        EXPECT_EQ(host.messages[0].icon, MsgIcon::Question);
        EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNoCancel);
    }
}

TEST_F(FileMenuTest, save_afterStartWritesTheReopenedFileWithoutDialog)
{
    radio.files.mnuFileArray_Click(kSave);

    EXPECT_TRUE(host.dialogRequests.empty());
    EXPECT_FALSE(s.MemoryDirty);
    const Bytes f = ReadFileBytes(clubPath);
    ASSERT_EQ(f.size(), 103000u);
    EXPECT_EQ(I32(f, 0), 14500000);
    EXPECT_EQ(I32(f, 3 * 103), 43950000);
}

TEST_F(FileMenuTest, newYes_savesThenClearsEverythingAndSaveThenAsksForAName)
{
    s.CurrentMemory = 3;
    radio.files.mnuFileArray_Click(kNew); // Yes by default

    EXPECT_EQ(I32(ReadFileBytes(clubPath), 3 * 103), 43950000);
    EXPECT_FALSE(radio.files.MemoryFile());
    EXPECT_EQ(s.MemoryCount, 0);
    EXPECT_EQ(s.CurrentMemory, 0);
    EXPECT_FALSE(s.MemoryDirty);
    EXPECT_FALSE(s.Memories[0].inUse());
    EXPECT_FALSE(s.Memories[3].inUse());
    EXPECT_EQ(s.Settings.LastMemoryFile, std::string(256, ' '));
    EXPECT_EQ(radio.panel.Caption, "DORV FT-897 (untitled)");

    s.Memories[0].Vfo.Frequency = 5200000;
    const fs::path fresh = dir / "Fresh.MEM";
    host.saveAnswers = {fresh.string()};
    radio.files.mnuFileArray_Click(kSave);

    ASSERT_EQ(host.dialogRequests.size(), 1u);
    EXPECT_EQ(host.dialogRequests[0].filter, "Memory Data (*.MEM)|*.mem|All Files (*.*)|*.*");
    EXPECT_EQ(I32(ReadFileBytes(fresh), 0), 5200000);
    EXPECT_EQ(radio.files.MemoryFile(), fresh.string());
    EXPECT_EQ(s.Settings.LastMemoryFile.substr(0, fresh.string().size()), fresh.string());
    EXPECT_EQ(radio.panel.Caption, "DORV FT-897 (fresh.mem)");
}

TEST_F(FileMenuTest, open_loadsTheChosenFileAndForgetsAConversion)
{
    const fs::path other = file("Other.mem");
    Bytes f(2 * 103, 0);
    PutI32(f, 103, 2830000);
    PutI16(f, 103 + 4, 8); // an old-numbering FM
    WriteFileBytes(other, f);
    host.messageAnswers = {MsgAnswer::No};
    host.openAnswers = {other.string()};

    radio.files.mnuFileArray_Click(kOpen);

    EXPECT_EQ(host.dialogRequests.at(0).filter, DataFiles::kMemoryFilter);
    EXPECT_FALSE(s.Memories[3].inUse());
    EXPECT_EQ(s.Memories[1].Vfo.Mode, ModeFM);
    EXPECT_EQ(s.MemoryCount, 1);
    EXPECT_FALSE(s.MemoryDirty);
    EXPECT_EQ(radio.files.MemoryFile(), other.string());
    EXPECT_EQ(radio.panel.Caption, "DORV FT-897 (other.mem)");
    EXPECT_EQ(ReadFileBytes(clubPath), clubBytes); // No: the old file is not written
}

TEST_F(FileMenuTest, cancelledDialog_endsTheCommandAndTheNextDialogStartsAtTheLastFile)
{
    s.MemoryDirty = false;
    host.openAnswers = {std::nullopt};
    radio.files.mnuFileArray_Click(kOpen);
    EXPECT_EQ(s.Memories[3].Vfo.Frequency, 43950000);
    EXPECT_EQ(radio.files.MemoryFile(), clubPath.string());

    host.saveAnswers = {std::nullopt};
    radio.files.mnuFileArray_Click(kSaveAs);
    ASSERT_EQ(host.dialogRequests.size(), 2u);
    EXPECT_EQ(host.dialogRequests[1].initialPath, clubPath.string());
    EXPECT_EQ(radio.files.MemoryFile(), clubPath.string());
}

TEST_F(FileMenuTest, saveAs_writesTheNewFileWhichThenIsTheOpenAndRememberedOne)
{
    const fs::path copy = file("Copy.mem");
    host.saveAnswers = {copy.string()};

    radio.files.mnuFileArray_Click(kSaveAs);

    EXPECT_EQ(I32(ReadFileBytes(copy), 3 * 103), 43950000);
    EXPECT_EQ(ReadFileBytes(clubPath), clubBytes);
    EXPECT_FALSE(s.MemoryDirty);
    EXPECT_EQ(radio.files.MemoryFile(), copy.string());
    EXPECT_EQ(radio.panel.Caption, "DORV FT-897 (copy.mem)");

    radio.files.SaveSettingsFile();
    Radio next(host, port, dir.string());
    next.files.OpenSettingsFile();
    EXPECT_EQ(next.files.MemoryFile(), copy.string());
    EXPECT_EQ(next.state.Memories[3].Vfo.Frequency, 43950000);
}

} // namespace dorv::test
