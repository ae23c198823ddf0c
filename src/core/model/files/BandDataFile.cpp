#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/BandDefaults.h"
#include "model/files/DataFiles.h"
#include "model/files/FileStore.h"
#include "model/files/IndexRanges.h"
#include "model/files/RecordCodec.h"

namespace dorv {

namespace {
constexpr const char *kBandFileName = "bandinfo.dorv";
constexpr const char *kBandFileTitle = "Open Band Info File";
} // namespace

void DataFiles::OpenBandDataFile()
{
    BandRecord &table = state_.BandTable;
    Bytes bytes;
    std::string error;
    if (!ReadRecords(DataFile(kBandFileName), kBandRecordSize, bytes, error)) {
        Complain("Error encountered while trying to open file BANDINFO.DORV. " + error + ".",
                 kBandFileTitle, MsgButtons::Ok);
        return;
    }
    table = DecodeBandRecord(bytes);
    if (table.BandMHz[kValidityBand] != kValidityLabel) {
        InstallBandDefaults(table);
        Complain("The band information file does NOT exist in the program directory, or it is "
                 "corrupted. A default file will be created. The band information changes you "
                 "make during this session will be saved upon normal termination.",
                 kBandFileTitle, MsgButtons::Ok);
        KeepIndexesInRange(table);
        SaveBandDataFile();
        return;
    }
    KeepIndexesInRange(table);
}

bool DataFiles::SaveBandDataFile()
{
    std::string error;
    if (!ReplaceRecords(DataFile(kBandFileName), EncodeBandRecord(state_.BandTable), error)) {
        Complain("Error encountered while trying to save file BANDINFO.DORV." + error + ".",
                 "Save Band Info File", MsgButtons::OkCancel);
        return false;
    }
    return true;
}

} // namespace dorv
