#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/DataFiles.h"
#include "model/files/FileStore.h"
#include "model/files/IndexRanges.h"
#include "model/files/RecordCodec.h"

namespace dorv {

namespace {
constexpr const char *kHomeFileName = "homemem.dorv";
} // namespace

void DataFiles::OpenHomeFile()
{
    auto &channels = state_.HomeChannels;
    Bytes bytes;
    std::string error;
    if (!ReadRecords(DataFile(kHomeFileName), channels.size() * kMemoryChannelSize, bytes, error)) {
        Complain("Error encountered while trying to open file HOMEMEM.DORV. " + error + ".",
                 "Open HOME Memory File", MsgButtons::OkCancel);
        return;
    }
    DecodeMemoryChannels(bytes, channels);
    for (MemoryChannel &channel : channels) {
        KeepIndexesInRange(channel);
    }
}

bool DataFiles::SaveHomeFile()
{
    std::string error;
    if (!ReplaceRecords(DataFile(kHomeFileName), EncodeMemoryChannels(state_.HomeChannels),
                        error)) {
        Complain("Error encountered while trying to save file HOMEMEM.DORV." + error + ".",
                 "Save HOME Memory File", MsgButtons::OkCancel);
        return false;
    }
    return true;
}

} // namespace dorv
