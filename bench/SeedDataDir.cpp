// Writes a data directory in which the program starts without questions, with serial
// port 1 on the given device and the meter polling at the given menu index:
//   dorv-bench-seed DIR DEVICE METER_INDEX
#include "model/files/BandDefaults.h"
#include "model/files/RecordCodec.h"
#include "model/files/SettingsDefaults.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

bool WriteBytes(const std::filesystem::path &path, const dorv::Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char *argv[])
{
    int meterIndex = -1;
    const std::string index = argc == 4 ? argv[3] : "";
    const auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), meterIndex);
    if (argc != 4 || ec != std::errc() || end != index.data() + index.size()) {
        std::cerr << "usage: dorv-bench-seed DIR DEVICE METER_INDEX\n";
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
    const bool written = WriteBytes(dir / "bandinfo.dorv", dorv::EncodeBandRecord(bands)) &&
                         WriteBytes(dir / "ft897.dorv", dorv::EncodeSettingsRecord(settings));
    return written ? 0 : 1;
}
