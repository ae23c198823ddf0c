#include "FilesFixture.h"

#include <random>

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

// Text, a memory file cut short, random bytes and a record with a flag that is no flag are
// no memory database: File > Open refuses each with a message naming it, and the
// memories, the open file, the caption and the refused file stay as they were.
TEST_F(FileMenuTest, open_fileThatIsNoMemoryDatabase_isRefusedAndChangesNothing)
{
    Bytes saved(1000 * 103, 0);
    PutI32(saved, 0, 14500000);
    PutI16(saved, 93, -1);
    Bytes flagged = saved;
    PutI16(flagged, 103 + 97, 0x2020); // Skip of the second record
    Bytes random(1000 * 103);
    std::mt19937 rng(897);
    for (auto &b : random) {
        b = static_cast<std::uint8_t>(rng());
    }
    const std::string text = "Net list\n\u2500\u2500\u2500\u2500\n145.500 club net\n";
    const struct {
        const char *name;
        Bytes bytes;
        const char *why;
    } cases[] = {
        {"notes.txt", Bytes(text.begin(), text.end()), "no whole number of 103-byte records"},
        {"text103.txt", Bytes(103, 'x'), "record 1 holds the frequency 20211.61080 MHz"},
        {"cut.mem", Bytes(saved.begin(), saved.end() - 40), "(is it cut short?)"},
        {"random.mem", random, "record 1 holds"},
        {"flag.mem", flagged, "record 2 holds the flag value 8224"},
    };
    const auto memories = s.Memories;
    const auto settings = s.Settings;
    for (const auto &c : cases) {
        host.messages.clear();
        WriteFileBytes(file(c.name), c.bytes);
        host.messageAnswers = {MsgAnswer::No};
        host.openAnswers = {file(c.name).string()};

        radio.files.mnuFileArray_Click(kOpen);

        ASSERT_EQ(host.messages.size(), 2u) << c.name; // the save prompt, the refusal
        EXPECT_EQ(host.messages[1].title, "Open Memory File");
        EXPECT_NE(host.messages[1].text.find("The file " + file(c.name).string() +
                                             " is not a memory file: "),
                  std::string::npos)
            << host.messages[1].text;
        EXPECT_NE(host.messages[1].text.find(c.why), std::string::npos) << host.messages[1].text;
        EXPECT_EQ(s.Memories, memories) << c.name;
        EXPECT_EQ(s.Settings, settings) << c.name;
        EXPECT_TRUE(s.MemoryDirty);
        EXPECT_EQ(radio.files.MemoryFile(), clubPath.string());
        EXPECT_EQ(radio.panel.Caption, "DORV FT-897 (club.mem)");
        EXPECT_EQ(ReadFileBytes(file(c.name)), c.bytes) << c.name;
    }
    // The save that follows goes to the file that stayed open.
    radio.files.mnuFileArray_Click(kSave);
    EXPECT_EQ(I32(ReadFileBytes(clubPath), 3 * 103), 43950000);
}

// Whatever this program or its older versions wrote opens: whole records up to 1000,
// split and deleted memories, the older mode numbering.
TEST_F(FileMenuTest, open_everyFileTheProgramWrites_opens)
{
    s.Memories[0].Vfo = {43300000, ModeFM, 760000, kRptMinus, 3, 38, 103, -999};
    s.Memories[1].Vfo = {1419500, ModeUSB, 0, kRptSplit, 0, 8, 8, 0};
    s.Memories[1].SplitVfo = {1422500, ModeUSB, 0, 0, 0, 8, 8, 0};
    s.Memories[1].Split = true;
    s.Memories[2].Skip = true; // a deleted memory keeps its bank flag
    s.Memories[999].Vfo = {10000, ModeAM, 0, 0, 0, 0, 0, 0};
    for (auto &memory : s.Memories) {
        memory.BankSelected = true;
    }
    const fs::path written = file("written.mem");
    host.saveAnswers = {written.string()};
    radio.files.mnuFileArray_Click(kSaveAs);
    const auto memories = s.Memories;

    Bytes old(3 * 103, 0); // an older version's file of three records, FM numbered 8
    PutI32(old, 2 * 103, 14500000);
    PutI16(old, 2 * 103 + 4, 8);
    WriteFileBytes(file("old.mem"), old);
    WriteFileBytes(file("empty.mem"), {});

    for (const char *name : {"empty.mem", "old.mem", "written.mem"}) {
        host.messages.clear();
        host.openAnswers = {file(name).string()};
        radio.files.mnuFileArray_Click(kOpen);
        EXPECT_EQ(radio.files.MemoryFile(), file(name).string());
        for (const auto &message : host.messages) {
            EXPECT_EQ(message.title, "Memory Database Update") << name << ": " << message.text;
        }
    }
    EXPECT_EQ(s.Memories, memories);
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
