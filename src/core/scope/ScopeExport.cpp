#include "scope/ScopeExport.h"

#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "host/PortTypes.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/FileStore.h"
#include "scope/BandScope.h"

#include <chrono>
#include <ctime>
#include <sstream>

namespace dorv {

namespace {
constexpr const char *kExportTitle = "Export Readings";
} // namespace

std::string UtcTimestamp()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string ReadingsCsv(const ScopeSweep &sweep)
{
    std::ostringstream out;
    out << "# sweep finished " << sweep.FinishedAt << "\n"
        << "frequency_hz,s_value\n";
    for (const ScopeReading &r : sweep.Readings) {
        out << static_cast<long long>(r.Frequency) * 10 << ',' << r.S << '\n';
    }
    return out.str();
}

bool BandScope::ExportReadings(const std::string &path)
{
    const ScopeWindowState &v = panel_.frmBandScope;
    if (v.Waterfall.empty()) {
        host_.messageBox("No sweep has been completed yet, so there are no readings to "
                         "export. Press START and wait for the sweep to end.",
                         kExportTitle, MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    const std::string csv = ReadingsCsv(v.Waterfall.front());
    std::string error;
    if (!ReplaceWholeFile(path, Bytes(csv.begin(), csv.end()), error)) {
        host_.messageBox("Error encountered while trying to save file " + path + ". " + error + ".",
                         kExportTitle, MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    return true;
}

} // namespace dorv
