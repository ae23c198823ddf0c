#include "app/TransmitTimeOut.h"

#include "panel/Transmit.h"
#include "host/Host.h"
#include "model/MenuCaptions.h"
#include "model/PanelState.h"
#include "model/files/FileStore.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace dorv {

namespace {

constexpr const char *kKey = "timeout_minutes=";

std::filesystem::path ConfigPath(const std::string &dataDir)
{
    return std::filesystem::path(dataDir) / TransmitTimeOut::kFileName;
}

// The menu item of a time-out in minutes as the file writes it; -1 when there is none.
int ChoiceIndex(const std::string &minutes)
{
    for (std::size_t i = 0; i < std::size(kTxTimeOutChoices); ++i) {
        if (std::to_string(kTxTimeOutChoices[i].Value) == minutes) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int DefaultIndex()
{
    return ChoiceIndex(std::to_string(Transmit::kDefaultTimeOut));
}

} // namespace

void TransmitTimeOut::Open()
{
    int index = -1;
    const std::filesystem::path path = ConfigPath(dataDir_);
    std::error_code error;
    // Only a regular file is read: a FIFO in its place would hold the start-up.
    if (std::filesystem::is_regular_file(path, error)) {
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(kKey, 0) == 0) {
                index = ChoiceIndex(line.substr(std::string(kKey).size()));
            }
        }
    }
    choose(index >= 0 ? index : DefaultIndex());
}

void TransmitTimeOut::mnuTxTimeOut_Click(int Index)
{
    if (choose(Index)) {
        save(kTxTimeOutChoices[Index].Value);
    }
}

bool TransmitTimeOut::choose(int Index)
{
    int minutes = 0;
    if (!CheckChoice(panel_.mnuTxTimeOut, kTxTimeOutChoices, Index, minutes)) {
        return false;
    }
    transmit_.SetTimeOut(minutes);
    return true;
}

void TransmitTimeOut::save(int minutes)
{
    const std::string text = "# Transmit time-out in minutes (0: off)\n" + std::string(kKey) +
                             std::to_string(minutes) + "\n";
    std::string error;
    if (!ReplaceWholeFile(ConfigPath(dataDir_), Bytes(text.begin(), text.end()), error)) {
        host_.messageBox(std::string("Error encountered while trying to save file ") + kFileName +
                             ". " + error + ".",
                         "Save Transmit Time-out", MsgIcon::Exclamation, MsgButtons::OkCancel);
    }
}

} // namespace dorv
