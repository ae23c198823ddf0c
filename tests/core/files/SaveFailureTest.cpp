#include "FilesFixture.h"

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

// Saves that really fail, also for root: a write cut short by the file size limit, a data
// directory marked immutable, a target that is a directory.

namespace dorv::test {

namespace fs = std::filesystem;

namespace {

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), ::tolower);
    return text;
}

// While alive, no file can grow past `limit` bytes: writes fail with "File too large".
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lowered = old_;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

// Sets or clears the immutable flag of a directory: nothing can be created, removed or
// renamed in it, whoever asks. Returns false where the file system does not support it.
bool SetImmutable(const fs::path &path, bool on)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}

} // namespace

class MemorySaveFailureTest : public FilesTest {
protected:
    void SetUp() override
    {
        memoryPath = file("Club.mem");
        ASSERT_TRUE(radio.files.OpenMemoryFile(memoryPath.string()));
        s.Memories[0].Vfo.Frequency = 14500000;
        ASSERT_TRUE(radio.files.SaveMemoryFile());
        previous = ReadFileBytes(memoryPath);
        s.Memories[1].Vfo.Frequency = 43950000;
        s.MemoryDirty = true;
    }

    void ExpectSaveFailed(const std::string &description)
    {
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "Error encountered while trying to save file " +
                                             Lowered(memoryPath.string()) + ". " + description +
                                             ". The memory changes have NOT been saved.");
        EXPECT_EQ(host.messages[0].title, "Save Memory File");
        EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(host.messages[0].buttons, MsgButtons::OkCancel);
        EXPECT_TRUE(s.MemoryDirty);
        EXPECT_EQ(ReadFileBytes(memoryPath), previous);
        EXPECT_EQ(radio.files.MemoryFile(), memoryPath.string());
    }

    fs::path memoryPath;
    Bytes previous;
};

TEST_F(MemorySaveFailureTest, writeCutShort_keepsTheLastGoodFileAndMemoryDirty)
{
    {
        FileSizeLimit limit(50000);
        radio.files.mnuFileArray_Click(3);
    }
    ExpectSaveFailed("File too large");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(MemorySaveFailureTest, readOnlyDataDirectory_keepsTheLastGoodFileAndMemoryDirty)
{
    if (!SetImmutable(dir, true)) {
        GTEST_SKIP() << "the file system has no immutable flag";
    }
    radio.files.mnuFileArray_Click(3);
    SetImmutable(dir, false);
    ExpectSaveFailed("Operation not permitted");
}

TEST_F(MemorySaveFailureTest, failedSaveAtThePrompt_endsNewWithTheMemoriesKept)
{
    const auto memories = s.Memories;
    {
        FileSizeLimit limit(50000);
        radio.files.mnuFileArray_Click(0); // Yes: save first
    }
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].title, "Save Memory File");
    EXPECT_EQ(s.Memories, memories);
    EXPECT_TRUE(s.MemoryDirty);
    EXPECT_EQ(radio.files.MemoryFile(), memoryPath.string());
}

TEST_F(MemorySaveFailureTest, failedSaveAs_keepsTheOpenFileAndItsName)
{
    host.saveAnswers = {(dir / "missing" / "new.mem").string()};
    const std::string remembered = s.Settings.LastMemoryFile;

    radio.files.mnuFileArray_Click(4);

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Save Memory File");
    EXPECT_TRUE(s.MemoryDirty);
    EXPECT_EQ(radio.files.MemoryFile(), memoryPath.string());
    EXPECT_EQ(s.Settings.LastMemoryFile, remembered);
}

TEST_F(FilesTest, dataFiles_unusablePath_reportOpenAndSaveErrorsAsWritten)
{
    struct Case {
        const char *name;
        void (DataFiles::*open)();
        bool (DataFiles::*save)();
        const char *openText, *openTitle, *saveText, *saveTitle;
        MsgButtons openButtons;
    } cases[] = {
        {"bandinfo.dorv", &DataFiles::OpenBandDataFile, &DataFiles::SaveBandDataFile,
         "Error encountered while trying to open file BANDINFO.DORV. Is a directory.",
         "Open Band Info File",
         "Error encountered while trying to save file BANDINFO.DORV.Is a directory.",
         "Save Band Info File", MsgButtons::Ok},
        {"ft897.dorv", &DataFiles::OpenSettingsFile, &DataFiles::SaveSettingsFile,
         "Error encountered while trying to open file FT897.DORV. Is a directory.",
         "Open Settings File",
         "Error encountered while trying to save file FT897.DORV.Is a directory.",
         "Save FT-897 Settings File", MsgButtons::Ok},
        {"homemem.dorv", &DataFiles::OpenHomeFile, &DataFiles::SaveHomeFile,
         "Error encountered while trying to open file HOMEMEM.DORV. Is a directory.",
         "Open HOME Memory File",
         "Error encountered while trying to save file HOMEMEM.DORV.Is a directory.",
         "Save HOME Memory File", MsgButtons::OkCancel},
    };
    for (const Case &c : cases) {
        fs::create_directory(file(c.name));
        host.messages.clear();
        (radio.files.*c.open)();
        EXPECT_FALSE((radio.files.*c.save)());
        ASSERT_EQ(host.messages.size(), 2u) << c.name;
        EXPECT_EQ(host.messages[0].text, c.openText);
        EXPECT_EQ(host.messages[0].title, c.openTitle);
        EXPECT_EQ(host.messages[0].buttons, c.openButtons);
        EXPECT_EQ(host.messages[1].text, c.saveText);
        EXPECT_EQ(host.messages[1].title, c.saveTitle);
        EXPECT_EQ(host.messages[1].buttons, MsgButtons::OkCancel);
        EXPECT_TRUE(fs::is_directory(file(c.name)));
    }
    EXPECT_EQ(s.Settings.CommPort, 0); // a failed read applies nothing
}

TEST_F(FilesTest, dataFiles_writeCutShort_leaveEveryFileAsItWas)
{
    radio.files.OpenBandDataFile();
    radio.files.OpenSettingsFile();
    ASSERT_TRUE(radio.files.SaveHomeFile());
    const Bytes band = ReadFileBytes(file("bandinfo.dorv"));
    const Bytes settings = ReadFileBytes(file("ft897.dorv"));
    const Bytes home = ReadFileBytes(file("homemem.dorv"));
    s.BandTable.LastMainBand = 0;
    s.Settings.WindowTop = 300;
    s.HomeChannels[0].Vfo.Frequency = 43300000;
    host.messages.clear();
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(radio.files.SaveBandDataFile());
        EXPECT_FALSE(radio.files.SaveSettingsFile());
        EXPECT_FALSE(radio.files.SaveHomeFile());
    }
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0].text,
              "Error encountered while trying to save file BANDINFO.DORV.File too large.");
    EXPECT_EQ(ReadFileBytes(file("bandinfo.dorv")), band);
    EXPECT_EQ(ReadFileBytes(file("ft897.dorv")), settings);
    EXPECT_EQ(ReadFileBytes(file("homemem.dorv")), home);
}

} // namespace dorv::test
