// The settings file (ft897.dorv). Whatever it holds, every menu choice it loads is an item
// of its menu and every step is usable; the settings loaded are saved and load again the
// same, without being taken for a damaged file, and the save keeps what lies past the
// record. The memory file it names is opened when it is one; the name is kept inside the
// scratch directory so that no input reaches other files.

#include "FuzzCheck.h"
#include "RadioBench.h"
#include "model/StepDefaults.h"
#include "model/files/RecordCodec.h"
#include "model/files/SettingsDefaults.h"

#include <algorithm>

using namespace dorv;
using namespace dorv::fuzz;

namespace {

constexpr std::size_t kPathField = kSettingsRecordSize - kPathLength;

// A memory file the settings may name: "last.mem" in the data directory.
void WriteLastMemoryFile(const std::filesystem::path &dir)
{
    std::vector<MemoryChannel> channels(3);
    channels[1].Vfo = {14550000, ModeFM};
    channels[2].Vfo = {710000, ModeLSB};
    channels[2].Band = 9;
    const Bytes bytes = EncodeMemoryChannels(channels);
    WriteWholeFile(dir / "last.mem", bytes.data(), bytes.size());
}

// The stored path as the program reads it, up to a NUL and without blanks around it, is
// put into the data directory: "last.mem" names dir/last.mem. A path that is not a plain
// name, or that would not fit, is blanked.
void KeepPathInDir(Bytes &file, const std::filesystem::path &dir)
{
    if (file.size() <= kPathField) {
        return;
    }
    const auto fieldEnd = file.begin() + std::min(file.size(), kSettingsRecordSize);
    std::string name(file.begin() + kPathField, fieldEnd);
    name = name.substr(0, name.find('\0'));
    const auto first = name.find_first_not_of(' ');
    name = first == std::string::npos ? ""
                                      : name.substr(first, name.find_last_not_of(' ') - first + 1);
    std::string path;
    if (!name.empty() && name.find('/') == std::string::npos) {
        path = (dir / name).string();
    }
    if (path.size() > static_cast<std::size_t>(kPathLength)) {
        path.clear();
    }
    path.resize(fieldEnd - (file.begin() + kPathField), ' ');
    std::copy(path.begin(), path.end(), file.begin() + kPathField);
}

void RequireUsable(const SettingsRecord &s)
{
    Require(s.CommPort >= 1 && s.CommPort <= kNoCommPort, "the port is an item of its menu");
    Require(s.CatRate >= 0 && s.CatRate <= 2, "the rate is an item of its menu");
    Require(s.MeterSpeed >= 0 && s.MeterSpeed <= 6, "the meter speed is an item of its menu");
    Require(s.ScanSpeed >= 0 && s.ScanSpeed <= 6, "the scan speed is an item of its menu");
    Require(s.PriSpeed >= 0 && s.PriSpeed <= 3, "the PRI speed is an item of its menu");
    Require(s.DisplaySize >= 0 && s.DisplaySize <= 2, "the size is an item of its menu");
    Require(s.DisplayFace >= 4 && s.DisplayFace <= 5, "the face is an item of its menu");
    Require(s.DisplayColours >= 7 && s.DisplayColours <= 8, "the colours are an item");
    Require(s.PauseInterval >= 0 && s.PauseInterval <= 4, "the pause is an item of its menu");
    for (const StepTable *table : {&s.DialStep, &s.ChannelStep}) {
        for (const auto &band : *table) {
            for (int m = 0; m < kUsedStepSlots; ++m) {
                Require(StepIsUsable(band[m]), "every step of a mode is usable");
            }
        }
    }
}

bool ComplainedOfDamage(const test::FakeHost &host, std::size_t from)
{
    return std::any_of(host.messages.begin() + from, host.messages.end(),
                       [](const test::ShownMessage &m) { return m.title == "Open Settings File"; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &dir = FreshScratchDir();
    const auto file = dir / "ft897.dorv";
    Bytes input(data, data + size);
    KeepPathInDir(input, dir);
    WriteWholeFile(file, input.data(), input.size());
    WriteLastMemoryFile(dir);
    FileBench bench(dir);
    Radio &radio = bench.radio;

    radio.files.OpenSettingsFile();
    const SettingsRecord loaded = radio.state.Settings;
    RequireUsable(loaded);

    Require(radio.files.SaveSettingsFile(), "the settings save");
    radio.state.Settings = DefaultSettings();
    const std::size_t shown = bench.host.messages.size();
    radio.files.OpenSettingsFile();
    Require(radio.state.Settings == loaded, "saved settings load the same");
    Require(!ComplainedOfDamage(bench.host, shown), "saved settings are not taken as damaged");

    const std::vector<std::uint8_t> saved = ReadWholeFile(file);
    const std::size_t tail = size > kSettingsRecordSize ? size - kSettingsRecordSize : 0;
    Require(saved.size() == kSettingsRecordSize + tail &&
                std::equal(saved.begin() + kSettingsRecordSize, saved.end(), input.end() - tail),
            "a save keeps what lies past the settings record");
    return 0;
}
