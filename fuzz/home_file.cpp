// The HOME channels file (homemem.dorv). Whatever it holds, the twelve channels loaded can
// be indexed with; saved, they load again the same, and the save keeps what lies past them.

#include "FuzzCheck.h"
#include "RadioBench.h"
#include "model/files/RecordCodec.h"

using namespace dorv;
using namespace dorv::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &dir = FreshScratchDir();
    const auto file = dir / "homemem.dorv";
    WriteWholeFile(file, data, size);
    FileBench bench(dir);
    Radio &radio = bench.radio;

    radio.files.OpenHomeFile();
    const auto loaded = radio.state.HomeChannels;
    for (const MemoryChannel &channel : loaded) {
        RequireUsableIndexes(channel);
    }

    Require(radio.files.SaveHomeFile(), "the HOME channels save");
    radio.state.HomeChannels = {};
    radio.files.OpenHomeFile();
    Require(radio.state.HomeChannels == loaded, "saved HOME channels load the same");

    constexpr std::size_t kRecords = kHomeChannelCount * kMemoryChannelSize;
    const std::vector<std::uint8_t> saved = ReadWholeFile(file);
    const std::size_t tail = size > kRecords ? size - kRecords : 0;
    Require(saved.size() == kRecords + tail &&
                std::equal(saved.begin() + kRecords, saved.end(), data + size - tail),
            "a save keeps what lies past the HOME channels");
    return 0;
}
