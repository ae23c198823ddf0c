#include "model/files/MemoryFileCheck.h"

#include "model/RadioReach.h"
#include "model/RadioState.h"
#include "model/files/FileStore.h"
#include "model/files/RecordCodec.h"

#include <algorithm>
#include <cstdio>

namespace dorv {

namespace {

// Record fields by offset, as RecordCodec lays them out.
constexpr std::size_t kVfoOffset = 0, kSplitVfoOffset = 22, kModeInVfo = 4;
constexpr std::size_t kSplitOffset = 95;
constexpr std::size_t kFlagOffsets[] = {93, kSplitOffset, 97}; // BankSelected, Split, Skip

std::int16_t I16At(ByteView bytes, std::size_t at)
{
    return static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::int32_t I32At(ByteView bytes, std::size_t at)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[at]) |
                                     static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
                                     static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
                                     static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

std::string Mhz(Freq frequency)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.5f MHz", frequency / 100000.0);
    return text;
}

// The fault of a VFO state that is in use.
std::string VfoFault(ByteView vfo)
{
    const Freq frequency = I32At(vfo, 0);
    if (!RadioReaches(frequency)) {
        return "the frequency " + Mhz(frequency) + ", which no band reaches";
    }
    const std::int16_t mode = I16At(vfo, kModeInVfo);
    if (mode < 0 || mode >= kModeSlotCount) {
        return "the mode number " + std::to_string(mode) + ", which no mode has";
    }
    return {};
}

// The fault of one record, numbered from 1 in the message. The receive side counts when
// the memory is in use, the transmit side when it is split.
std::string RecordFault(ByteView record, std::size_t number)
{
    const std::string where = "record " + std::to_string(number) + " holds ";
    if (I32At(record, kVfoOffset) != 0) {
        if (const std::string fault = VfoFault(record.subspan(kVfoOffset)); !fault.empty()) {
            return where + fault;
        }
    }
    for (const std::size_t flag : kFlagOffsets) {
        const std::int16_t value = I16At(record, flag);
        if (value < -1 || value > 1) {
            return where + "the flag value " + std::to_string(value) +
                   ", where only -1, 0 and 1 are";
        }
    }
    if (I16At(record, kSplitOffset) != 0) {
        if (const std::string fault = VfoFault(record.subspan(kSplitVfoOffset)); !fault.empty()) {
            return where + "on its transmit side " + fault;
        }
    }
    return {};
}

} // namespace

std::string MemoryFileFault(ByteView content)
{
    constexpr std::size_t kRecordsSize = kMemoryCount * kMemoryChannelSize;
    if (content.size() < kRecordsSize && content.size() % kMemoryChannelSize != 0) {
        return "its " + std::to_string(content.size()) +
               " bytes are no whole number of 103-byte records (is it cut short?)";
    }
    const std::size_t records = std::min(content.size(), kRecordsSize) / kMemoryChannelSize;
    for (std::size_t n = 0; n < records; ++n) {
        const std::string fault =
            RecordFault(content.subspan(n * kMemoryChannelSize, kMemoryChannelSize), n + 1);
        if (!fault.empty()) {
            return fault;
        }
    }
    return {};
}

MemoryFileRead ReadMemoryDatabase(const std::filesystem::path &path, Bytes &records,
                                  std::string &why)
{
    constexpr std::size_t kSize = kMemoryCount * kMemoryChannelSize;
    if (!ReadFileHead(path, kSize, records, why)) {
        records.clear();
        return MemoryFileRead::Unreadable;
    }
    why = MemoryFileFault(records);
    if (!why.empty()) {
        records.clear();
        return MemoryFileRead::NotAMemoryFile;
    }
    if (records.empty()) {
        records = EncodeMemoryChannels(NewMemoryTable());
    }
    records.resize(kSize, 0);
    return MemoryFileRead::Read;
}

} // namespace dorv
