#include "FilesFixture.h"
#include "model/files/BandDefaults.h"
#include "model/files/RecordCodec.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

// Data files that are not regular files: a FIFO or a device node named where a data file
// belongs must neither hang the program nor be replaced by a save.

namespace dorv::test {

namespace fs = std::filesystem;

namespace {

constexpr int kSaveAs = 4;

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), ::tolower);
    return text;
}

// While alive, a reader that blocks opening `fifo` is let go after a few seconds by a
// writer that opens and closes the other end, so a hang shows as a failed test.
class FifoRescue {
public:
    explicit FifoRescue(fs::path fifo)
        : thread_([this, fifo = std::move(fifo)] {
              const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
              while (!done_ && std::chrono::steady_clock::now() < until) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
              while (!done_) {
                  const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) {
                      rescued_ = true;
                      ::close(fd);
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          })
    {
    }
    ~FifoRescue()
    {
        done_ = true;
        thread_.join();
    }
    bool rescued() const { return rescued_; }

private:
    std::atomic<bool> done_{false};
    std::atomic<bool> rescued_{false};
    std::thread thread_;
};

} // namespace

TEST_F(FilesTest, startup_fifoAsLastMemoryFileAndHomeFile_reportedAndTheWindowShows)
{
    const fs::path fifo = file("club.mem");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(file("homemem.dorv").c_str(), 0600), 0);
    WriteFileBytes(file("ft897.dorv"), validSettings(fifo.string()));
    BandRecord bands;
    InstallBandDefaults(bands);
    WriteFileBytes(file("bandinfo.dorv"), EncodeBandRecord(bands));
    bool shown = false;
    {
        FifoRescue rescueMemory(fifo);
        FifoRescue rescueHome(file("homemem.dorv"));
        radio.app.frmRadio_Load([&] { shown = true; });
        EXPECT_FALSE(rescueMemory.rescued() || rescueHome.rescued()) << "start-up blocked";
    }

    EXPECT_TRUE(shown);
    std::vector<std::string> texts;
    for (const auto &message : host.messages) {
        texts.push_back(message.title + ": " + message.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Open Memory File: Error encountered while trying to open file " +
                             Lowered(fifo.string()) + ". Not a regular file.",
                         "Open HOME Memory File: Error encountered while trying to open file "
                         "HOMEMEM.DORV. Not a regular file."}));
    EXPECT_FALSE(radio.files.MemoryFile());
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// Save As onto a FIFO and onto a character device like /dev/null: refused with the save
// message, the node left as it was and the memories still unsaved.
TEST_F(FilesTest, saveAs_ontoFifoOrDeviceNode_isRefusedAndTheNodeStays)
{
    const fs::path fifo = file("pipe.mem");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::vector<fs::path> nodes{fifo};
    const fs::path device = file("null.mem");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        nodes.push_back(device);
    }
    for (const fs::path &node : nodes) {
        SCOPED_TRACE(node.string());
        host.messages.clear();
        s.Memories[0].Vfo.Frequency = 14500000;
        s.MemoryDirty = true;
        host.saveAnswers = {node.string()};
        FifoRescue rescue(node);

        radio.files.mnuFileArray_Click(kSaveAs);

        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, "Save Memory File");
        EXPECT_EQ(host.messages[0].text.rfind("Error encountered while trying to save file " +
                                                  Lowered(node.string()) + ". Not a regular file.",
                                              0),
                  0u)
            << host.messages[0].text;
        EXPECT_TRUE(s.MemoryDirty);
        const fs::file_status status = fs::symlink_status(node);
        EXPECT_TRUE(fs::is_fifo(status) || fs::is_character_file(status));
        EXPECT_FALSE(fs::exists(node.string() + ".saving"));
    }
    if (nodes.size() < 2) {
        GTEST_SKIP() << "no device node could be made here; only the FIFO was tried";
    }
}

TEST_F(FilesTest, save_throughSymbolicLink_replacesTheTargetAndKeepsTheLink)
{
    fs::create_directory(dir / "store");
    const fs::path target = dir / "store" / "club.mem";
    Bytes records(103 * 1000, 0);
    records.resize(records.size() + 7, 0x11); // a tail past the records
    WriteFileBytes(target, records);
    const fs::path link = file("club-link.mem");
    fs::create_symlink(target, link);
    ASSERT_TRUE(radio.files.OpenMemoryFile(link.string()));
    s.Memories[0].Vfo.Frequency = 14500000;

    ASSERT_TRUE(radio.files.SaveMemoryFile()) << host.messages.size();

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), target);
    const Bytes saved = ReadFileBytes(target);
    ASSERT_EQ(saved.size(), 103u * 1000 + 7);
    EXPECT_EQ(I32(saved, 0), 14500000);
    EXPECT_EQ(saved.back(), 0x11);
}

} // namespace dorv::test
