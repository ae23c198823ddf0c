#include "model/files/DataFiles.h"

#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/Version.h"
#include "model/files/Cp1252.h"

namespace dorv {

namespace {

std::string Trim(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::filesystem::path DataFiles::DataFile(const char *name) const
{
    return std::filesystem::path(dataDir_) / name;
}

void DataFiles::SaveSessionFiles()
{
    SettingsRecord &settings = state_.Settings;
    SaveBandDataFile();
    settings.WindowTop = panel_.WindowTop;
    settings.WindowLeft = panel_.WindowLeft;
    SaveSettingsFile();
    SaveHomeFile();
}

void DataFiles::Complain(const std::string &text, const std::string &title, MsgButtons buttons)
{
    host_.messageBox(text, title, MsgIcon::Exclamation, buttons);
}

// The stored path, up to a NUL byte (a zeroed field holds no path), without blanks.
std::string DataFiles::LastMemoryFilePath() const
{
    const std::string &field = state_.Settings.LastMemoryFile;
    return Cp1252ToUtf8(Trim(field.substr(0, field.find('\0'))));
}

// A path the field cannot hold whole (too long, or with characters outside Windows-1252)
// is not remembered: reopening a cut or altered path would open some other file.
void DataFiles::StoreLastMemoryFile(const std::string &path)
{
    bool lossless = false;
    std::string field = Utf8ToCp1252(path, &lossless);
    if (!lossless || field.size() > kPathLength) {
        field.clear();
    }
    field.resize(kPathLength, ' ');
    state_.Settings.LastMemoryFile = field;
}

void DataFiles::SetCaptionFromPath(const std::string &path)
{
    ShowCaption(LowerAscii(Trim(std::filesystem::path(path).filename().string())));
}

void DataFiles::ShowCaption(const std::string &name)
{
    captionName_ = name;
    panel_.Caption = std::string(kProductName) + " (" + name + ")";
}

} // namespace dorv
