// Writes a data directory in which the program starts without questions, with serial
// port 1 on the given device and the meter polling at the given menu index; with MEMORIES,
// a memory file (bench.mem, opened at start) holding that many FM memories on 144 MHz from
// position 1 on, 10 kHz apart:
//   dorv-bench-seed DIR DEVICE METER_INDEX [MEMORIES]
#include "model/RadioState.h"
#include "model/files/BandDefaults.h"
#include "model/files/RecordCodec.h"
#include "model/files/SettingsDefaults.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool WriteBytes(const std::filesystem::path &path, const dorv::Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int ParseCount(const std::string &text)
{
    int value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : -1;
}

// Memories 1..count on 144 MHz FM, in use, in a selected bank.
dorv::Bytes BenchMemories(int count)
{
    std::vector<dorv::MemoryChannel> memories(dorv::kMemoryCount);
    for (int position = 1; position <= count && position < dorv::kMemoryCount; ++position) {
        dorv::MemoryChannel &m = memories[static_cast<std::size_t>(position)];
        m.Vfo.Frequency = 14400000 + position * 1000;
        m.Vfo.Mode = dorv::ModeFM;
        m.Band = 1;
        m.BankSelected = true;
    }
    return dorv::EncodeMemoryChannels(memories);
}

} // namespace

int main(int argc, char *argv[])
{
    const int meterIndex = argc >= 4 ? ParseCount(argv[3]) : -1;
    const int memoryCount = argc == 5 ? ParseCount(argv[4]) : 0;
    if (argc < 4 || argc > 5 || meterIndex < 0 || memoryCount < 0) {
        std::cerr << "usage: dorv-bench-seed DIR DEVICE METER_INDEX [MEMORIES]\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::ofstream(dir / "ports.conf") << "1=" << argv[2] << "\n";

    dorv::BandRecord bands;
    dorv::InstallBandDefaults(bands);
    dorv::SettingsRecord settings = dorv::DefaultSettings();
    settings.CommPort = 1;
    settings.TuneOnStartup = false;
    settings.MeterSpeed = static_cast<std::int16_t>(meterIndex);
    if (memoryCount > 0) {
        const std::string memoryFile = (dir / "bench.mem").string();
        if (!WriteBytes(memoryFile, BenchMemories(memoryCount))) {
            return 1;
        }
        settings.LastMemoryFile = memoryFile;
        settings.LastMemoryFile.resize(dorv::kPathLength, ' ');
    }
    const bool written = WriteBytes(dir / "bandinfo.dorv", dorv::EncodeBandRecord(bands)) &&
                         WriteBytes(dir / "ft897.dorv", dorv::EncodeSettingsRecord(settings));
    return written ? 0 : 1;
}
