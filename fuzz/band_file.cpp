// The band table file (bandinfo.dorv). Whatever it holds, loading leaves a table the
// program can index with; the table loaded is saved and loads again the same without a
// complaint, and the save keeps whatever the file holds past the record.

#include "FuzzCheck.h"
#include "RadioBench.h"
#include "model/files/RecordCodec.h"

using namespace dorv;
using namespace dorv::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &dir = FreshScratchDir();
    const auto file = dir / "bandinfo.dorv";
    WriteWholeFile(file, data, size);
    FileBench bench(dir);
    Radio &radio = bench.radio;

    radio.files.OpenBandDataFile();
    const BandRecord loaded = radio.state.BandTable;
    RequireUsableIndexes(loaded);

    Require(radio.files.SaveBandDataFile(), "the band table saves");
    radio.state.BandTable = BandRecord{};
    const std::size_t complaints = bench.host.messages.size();
    radio.files.OpenBandDataFile();
    Require(radio.state.BandTable == loaded, "a saved band table loads the same");
    Require(bench.host.messages.size() == complaints, "a saved band table loads quietly");

    const std::vector<std::uint8_t> saved = ReadWholeFile(file);
    const std::size_t tail = size > kBandRecordSize ? size - kBandRecordSize : 0;
    Require(saved.size() == kBandRecordSize + tail &&
                std::equal(saved.begin() + kBandRecordSize, saved.end(), data + size - tail),
            "a save keeps what lies past the band record");
    return 0;
}
