// The band scope's settings file (bandscope.dorv). Whatever it holds, every choice it loads
// is an item of its menu; the settings loaded are saved and load again the same, and the
// save keeps what lies past the record.

#include "FuzzCheck.h"
#include "RadioBench.h"
#include "scope/ScopeMenuChoices.h"
#include "scope/ScopeSettingsRecord.h"

#include <algorithm>
#include <iterator>

using namespace dorv;
using namespace dorv::fuzz;

namespace {

void RequireUsable(const ScopeSettingsRecord &r)
{
    Require(r.Valid != 0, "loaded scope settings are valid");
    Require(r.ActiveSearch >= 0 && r.ActiveSearch < kActiveSearchItems, "active search item");
    Require(r.ContinuousScan >= 0 && r.ContinuousScan <= 1, "continuous scan item");
    Require(r.DisplayMode >= 0 && r.DisplayMode <= 1, "display mode item");
    Require(r.ScopeSpeed >= 0 && r.ScopeSpeed < static_cast<int>(std::size(kScopeSpeedChoices)),
            "scan speed item");
    Require(r.Handles >= 0 && r.Handles < kHandleItems, "handles item");
    Require(r.WrapWidth >= 1 && r.WrapWidth <= kWrapWidthItems, "wrap width item");
    Require(r.ColorFill >= 0 && r.ColorFill <= 1, "colour fill item");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &dir = FreshScratchDir();
    const auto file = dir / "bandscope.dorv";
    WriteWholeFile(file, data, size);
    FileBench bench(dir);
    BandScope &scope = bench.radio.scope;

    scope.OpenScopeSettingsFile();
    const ScopeSettingsRecord loaded = scope.ScopeSettings;
    RequireUsable(loaded);

    Require(scope.SaveScopeSettingsFile(), "the scope settings save");
    scope.ScopeSettings = ScopeSettingsRecord{};
    const std::size_t shown = bench.host.messages.size();
    scope.OpenScopeSettingsFile();
    Require(scope.ScopeSettings == loaded, "saved scope settings load the same");
    Require(bench.host.messages.size() == shown, "saved scope settings load quietly");

    const std::vector<std::uint8_t> saved = ReadWholeFile(file);
    const std::size_t tail = size > kScopeSettingsRecordSize ? size - kScopeSettingsRecordSize : 0;
    Require(
        saved.size() == kScopeSettingsRecordSize + tail &&
            std::equal(saved.begin() + kScopeSettingsRecordSize, saved.end(), data + size - tail),
        "a save keeps what lies past the scope settings");
    return 0;
}
