#include "model/files/RecordCodec.h"

namespace dorv {

namespace {

void PutStepTable(ByteWriter &out, const StepTable &table)
{
    for (int m = 0; m < kModeSlotCount; ++m) {
        for (int b = 0; b < kBandCount; ++b) {
            out.i32(table[b][m]);
        }
    }
}

void GetStepTable(ByteReader &in, StepTable &table)
{
    for (int m = 0; m < kModeSlotCount; ++m) {
        for (int b = 0; b < kBandCount; ++b) {
            table[b][m] = in.i32();
        }
    }
}

void PutVfoInfo(ByteWriter &out, const VfoInfo &vfo)
{
    out.i32(vfo.Frequency);
    out.i16(vfo.Mode);
    out.i32(vfo.RptOffset);
    out.i16(vfo.RptDirection);
    out.i16(vfo.ToneMode);
    out.i16(vfo.CtcssTone);
    out.i16(vfo.DcsCode);
    out.i32(vfo.ClarOffset);
}

VfoInfo GetVfoInfo(ByteReader &in)
{
    VfoInfo vfo;
    vfo.Frequency = in.i32();
    vfo.Mode = in.i16();
    vfo.RptOffset = in.i32();
    vfo.RptDirection = in.i16();
    vfo.ToneMode = in.i16();
    vfo.CtcssTone = in.i16();
    vfo.DcsCode = in.i16();
    vfo.ClarOffset = in.i32();
    return vfo;
}

void PutMemoryChannel(ByteWriter &out, const MemoryChannel &channel)
{
    PutVfoInfo(out, channel.Vfo);
    PutVfoInfo(out, channel.SplitVfo);
    out.text(channel.Description, kDescriptionLength);
    out.flag(channel.BankSelected);
    out.flag(channel.Split);
    out.flag(channel.Skip);
    out.i16(channel.Band);
    out.i16(channel.SplitBand);
}

MemoryChannel GetMemoryChannel(ByteReader &in)
{
    MemoryChannel channel;
    channel.Vfo = GetVfoInfo(in);
    channel.SplitVfo = GetVfoInfo(in);
    channel.Description = in.text(kDescriptionLength);
    channel.BankSelected = in.flag();
    channel.Split = in.flag();
    channel.Skip = in.flag();
    channel.Band = in.i16();
    channel.SplitBand = in.i16();
    return channel;
}

} // namespace

Bytes EncodeMemoryChannels(std::span<const MemoryChannel> channels)
{
    Bytes bytes;
    bytes.reserve(channels.size() * kMemoryChannelSize);
    ByteWriter out(bytes);
    for (const MemoryChannel &channel : channels) {
        PutMemoryChannel(out, channel);
    }
    return bytes;
}

void DecodeMemoryChannels(ByteView data, std::span<MemoryChannel> channels)
{
    ByteReader in(data);
    for (MemoryChannel &channel : channels) {
        channel = GetMemoryChannel(in);
    }
}

Bytes EncodeBandRecord(const BandRecord &t)
{
    Bytes bytes;
    bytes.reserve(kBandRecordSize);
    ByteWriter out(bytes);
    for (const auto *table : {&t.BandMainVfo, &t.BandSubVfo, &t.BandPmsVfo}) {
        for (const VfoInfo &v : *table) {
            PutVfoInfo(out, v);
        }
    }
    for (std::int16_t label : t.BandMHz) {
        out.i16(label);
    }
    for (const auto *limits : {&t.HamLower, &t.HamUpper, &t.VfoLower, &t.VfoUpper, &t.TuneLower,
                               &t.TuneUpper, &t.PmsLower, &t.PmsUpper}) {
        for (Freq f : *limits) {
            out.i32(f);
        }
    }
    out.i16(t.LastMainBand);
    out.i16(t.LastSubBand);
    return bytes;
}

BandRecord DecodeBandRecord(ByteView data)
{
    BandRecord t;
    ByteReader in(data);
    for (auto *table : {&t.BandMainVfo, &t.BandSubVfo, &t.BandPmsVfo}) {
        for (VfoInfo &v : *table) {
            v = GetVfoInfo(in);
        }
    }
    for (auto &label : t.BandMHz) {
        label = in.i16();
    }
    for (auto *limits : {&t.HamLower, &t.HamUpper, &t.VfoLower, &t.VfoUpper, &t.TuneLower,
                         &t.TuneUpper, &t.PmsLower, &t.PmsUpper}) {
        for (Freq &f : *limits) {
            f = in.i32();
        }
    }
    t.LastMainBand = in.i16();
    t.LastSubBand = in.i16();
    return t;
}

Bytes EncodeSettingsRecord(const SettingsRecord &s)
{
    Bytes bytes;
    bytes.reserve(kSettingsRecordSize);
    ByteWriter out(bytes);
    out.i32(s.WindowTop);
    out.i32(s.WindowLeft);
    for (std::int16_t index : {s.MeterSpeed, s.ScanSpeed, s.PriSpeed, s.CommPort, s.CatRate,
                               s.DisplaySize, s.DisplayFace, s.DisplayColours, s.PauseInterval}) {
        out.i16(index);
    }
    out.flag(s.TuneOnStartup);
    PutStepTable(out, s.DialStep);
    PutStepTable(out, s.ChannelStep);
    out.flag(s.Ars144);
    out.flag(s.Ars430);
    out.text(s.LastMemoryFile, kPathLength);
    return bytes;
}

SettingsRecord DecodeSettingsRecord(ByteView data)
{
    SettingsRecord s;
    ByteReader in(data);
    s.WindowTop = in.i32();
    s.WindowLeft = in.i32();
    for (std::int16_t *index :
         {&s.MeterSpeed, &s.ScanSpeed, &s.PriSpeed, &s.CommPort, &s.CatRate, &s.DisplaySize,
          &s.DisplayFace, &s.DisplayColours, &s.PauseInterval}) {
        *index = in.i16();
    }
    s.TuneOnStartup = in.flag();
    GetStepTable(in, s.DialStep);
    GetStepTable(in, s.ChannelStep);
    s.Ars144 = in.flag();
    s.Ars430 = in.flag();
    s.LastMemoryFile = in.text(kPathLength);
    return s;
}

} // namespace dorv
