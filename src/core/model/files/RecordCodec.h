#pragma once

#include "model/BandRecord.h"
#include "model/MemoryChannel.h"
#include "model/SettingsRecord.h"
#include "model/files/ByteStream.h"

#include <span>

namespace dorv {

// Sizes of the records as the data files store them.
constexpr std::size_t kMemoryChannelSize = 103;
constexpr std::size_t kBandRecordSize = 1204;
constexpr std::size_t kSettingsRecordSize = 1248;

// Whole files of records. Decoding accepts data of any length: missing bytes are zero.
Bytes EncodeMemoryChannels(std::span<const MemoryChannel> channels);
void DecodeMemoryChannels(ByteView data, std::span<MemoryChannel> channels);

Bytes EncodeBandRecord(const BandRecord &table);
BandRecord DecodeBandRecord(ByteView data);

// The step tables are stored band-fastest: slot m, band b at 4 * (b + 12 * m).
Bytes EncodeSettingsRecord(const SettingsRecord &settings);
SettingsRecord DecodeSettingsRecord(ByteView data);

} // namespace dorv
