// Memory files (*.mem), in the current numbering of modes or the older one. A file that is
// no memory database is refused: the memories in use and the file stay as they were. One
// that is taken loads channels the program can index with; saved, it loads again the same
// without a second conversion, and the save keeps what lies past the thousandth record.

#include "FuzzCheck.h"
#include "RadioBench.h"
#include "model/files/RecordCodec.h"

#include <algorithm>

using namespace dorv;
using namespace dorv::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &dir = FreshScratchDir();
    const auto file = dir / "fuzz.mem";
    WriteWholeFile(file, data, size);
    FileBench bench(dir);
    Radio &radio = bench.radio;
    RadioState &s = radio.state;

    const MemoryTable before = s.Memories;
    if (!radio.files.OpenMemoryFile(file.string())) {
        Require(s.Memories == before, "a refused memory file changes no memory");
        const std::vector<std::uint8_t> kept = ReadWholeFile(file);
        Require(std::equal(kept.begin(), kept.end(), data, data + size),
                "a refused memory file stays as it was");
        return 0;
    }
    const MemoryTable loaded = s.Memories;
    for (const MemoryChannel &memory : loaded) {
        RequireUsableIndexes(memory);
    }
    Require(s.MemoryCount == std::count_if(loaded.begin(), loaded.end(),
                                           [](const MemoryChannel &m) { return m.inUse(); }),
            "the memory count is the number of memories in use");

    Require(radio.files.SaveMemoryFile(), "the memories save");
    s.Memories = NewMemoryTable();
    s.MemoryDirty = false;
    Require(radio.files.OpenMemoryFile(file.string()), "a saved memory file opens");
    Require(s.Memories == loaded, "saved memories load the same");
    Require(!s.MemoryDirty, "a saved memory file needs no second conversion");

    constexpr std::size_t kRecords = kMemoryCount * kMemoryChannelSize;
    const std::vector<std::uint8_t> saved = ReadWholeFile(file);
    const std::size_t tail = size > kRecords ? size - kRecords : 0;
    Require(saved.size() == kRecords + tail &&
                std::equal(saved.begin() + kRecords, saved.end(), data + size - tail),
            "a save keeps what lies past the thousandth record");
    return 0;
}
