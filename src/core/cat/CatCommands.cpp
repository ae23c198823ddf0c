#include "cat/CatCommands.h"

#include "cat/CatLink.h"
#include "host/Host.h"
#include "model/CodeTables.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"

namespace dorv {

namespace {

constexpr double kToggleWaitSeconds = 0.25;

struct FreqRange {
    Freq low;
    Freq high; // inclusive
};

constexpr FreqRange kMinusShiftRanges[] = {
    {14510000, 14549999},
    {14660000, 14699999},
    {14760000, 14800000},
    {44500000, 44999999},
};
constexpr FreqRange kPlusShiftRanges[] = {
    {14600000, 14639999},
    {14700000, 14739999},
    {44000000, 44499999},
};

template <std::size_t N> bool InAnyRange(Freq f, const FreqRange (&ranges)[N])
{
    for (const auto &r : ranges) {
        if (f >= r.low && f <= r.high) {
            return true;
        }
    }
    return false;
}

void ShowModeLabels(std::array<LabelState, kModeCount> &labels, int mode)
{
    for (int i = 0; i < kModeCount; ++i) {
        labels[i].Visible = (i == mode);
    }
}

void ShowToneLabels(LabelState &enc, LabelState &dec, LabelState &dcs, int toneMode)
{
    const ToneModeRow &row = ToneModeTable()[toneMode];
    enc.Visible = row.Enc;
    dec.Visible = row.Dec;
    dcs.Visible = row.Dcs;
}

} // namespace

int RepeaterDirectionFor(Freq freq, int mode)
{
    if (mode != ModeFM) {
        return kRptSimplex;
    }
    if (InAnyRange(freq, kMinusShiftRanges)) {
        return kRptMinus;
    }
    if (InAnyRange(freq, kPlusShiftRanges)) {
        return kRptPlus;
    }
    return kRptSimplex;
}

bool ArsRuleHolds(const RadioState &s)
{
    return s.MainVfo.Mode == ModeFM &&
           ((s.MainBand == 1 && s.Settings.Ars144) || (s.MainBand == 0 && s.Settings.Ars430));
}

void CatCommands::sendFrequency(Freq freq)
{
    if (const auto params = EncodeFrequency(freq)) {
        link_.write(MakeFrame(Opcode::SetFrequency, *params));
    }
}

void CatCommands::SendFreqToRadioMB(Freq freq)
{
    panel_.ledFreq = FormatFrequency(freq);
    sendFrequency(freq);
}

void CatCommands::SendFreqToRadioSB(Freq freq)
{
    panel_.ledSubFreq = FormatFrequency(freq);
    sendFrequency(freq);
}

void CatCommands::SendOperatedFreq()
{
    const RadioState &s = state_;
    if (s.SubActive) {
        SendFreqToRadioSB(s.SubVfo.Frequency);
    } else {
        SendFreqToRadioMB(s.MainVfo.Frequency);
    }
}

void CatCommands::sendMode(int mode)
{
    link_.write(MakeFrame(Opcode::SetMode, {ModeTable()[mode].CatCode, 0, 0, 0}));
}

void CatCommands::SendModeToRadioMB()
{
    RadioState &s = state_;
    sendMode(s.MainVfo.Mode);
    ShowModeLabels(panel_.lblMBmode, s.MainVfo.Mode);
    s.SentMain.Mode = s.MainVfo.Mode;
}

void CatCommands::SendModeToRadioSB()
{
    RadioState &s = state_;
    sendMode(s.SubVfo.Mode);
    ShowModeLabels(panel_.lblSBmode, s.SubVfo.Mode);
    s.SentSub.Mode = s.SubVfo.Mode;
}

void CatCommands::sendToneMode(int toneMode)
{
    link_.write(MakeFrame(Opcode::ToneMode, {ToneModeTable()[toneMode].CatCode, 0, 0, 0}));
}

void CatCommands::SendToneModeToRadioMB()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    sendToneMode(s.MainVfo.ToneMode);
    ShowToneLabels(p.lblMainENC, p.lblMainDEC, p.lblMainDCS, s.MainVfo.ToneMode);
    s.SentMain.ToneMode = s.MainVfo.ToneMode;
}

// Callers reach the radio's other VFO first (toggle bracket or SUB on), so the sub VFO's
// tone mode goes to the radio like the main one and the radio always matches the panel.
void CatCommands::ShowToneModeSB()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    sendToneMode(s.SubVfo.ToneMode);
    ShowToneLabels(p.lblSubENC, p.lblSubDEC, p.lblSubDCS, s.SubVfo.ToneMode);
    s.SentSub.ToneMode = s.SubVfo.ToneMode;
}

// The radio takes the tone frequency itself as four BCD digits in 0.1 Hz,
// once for transmit (P1 P2) and once for receive (P3 P4).
void CatCommands::sendTone(int toneIndex)
{
    const int tenths = CtcssToneTable()[toneIndex];
    const std::uint8_t high = ToBcd(tenths / 100);
    const std::uint8_t low = ToBcd(tenths % 100);
    link_.write(MakeFrame(Opcode::CtcssTone, {high, low, high, low}));
}

void CatCommands::SendToneToRadioMB()
{
    RadioState &s = state_;
    sendTone(s.MainVfo.CtcssTone);
    s.SentMain.CtcssTone = s.MainVfo.CtcssTone;
}

void CatCommands::SendToneToRadioSB()
{
    RadioState &s = state_;
    sendTone(s.SubVfo.CtcssTone);
    s.SentSub.CtcssTone = s.SubVfo.CtcssTone;
}

// The DCS code goes out for transmit (P1 P2) and receive (P3 P4) alike.
void CatCommands::sendDcs(int code)
{
    const std::uint8_t high = DcsCodeHigh(code);
    const std::uint8_t low = DcsCodeLow(code);
    link_.write(MakeFrame(Opcode::DcsCode, {high, low, high, low}));
}

void CatCommands::SendDcsToRadioMB()
{
    RadioState &s = state_;
    sendDcs(s.MainVfo.DcsCode);
    s.SentMain.DcsCode = s.MainVfo.DcsCode;
}

// Sent like the main VFO's code: the caller has the radio on its other VFO.
void CatCommands::MarkDcsSentSB()
{
    RadioState &s = state_;
    sendDcs(s.SubVfo.DcsCode);
    s.SentSub.DcsCode = s.SubVfo.DcsCode;
}

void CatCommands::SendRptOffsetToRadio(Freq offset)
{
    state_.SentMain.RptOffset = offset;
    if (const auto params = EncodeRptOffset(offset)) {
        lastOffsetParams_ = *params;
    }
    link_.write(MakeFrame(Opcode::RptOffset, lastOffsetParams_));
}

void CatCommands::SendRptDirectionToRadio()
{
    RadioState &s = state_;
    auto &arrows = panel_.ImgRPTdirection;
    const int direction = s.MainVfo.RptDirection;
    std::uint8_t code = 0;
    bool known = true;
    switch (direction) {
    case kRptSimplex:
        code = 0x89;
        arrows = {false, false};
        break;
    case kRptMinus:
        code = 0x09;
        arrows = {false, true};
        break;
    case kRptPlus:
        code = 0x49;
        arrows = {true, false};
        break;
    case kRptSplit:
        code = 0x89;
        arrows = {true, true};
        break;
    default:
        known = false;
        break;
    }
    if (known) {
        link_.write(MakeFrame(Opcode::RptDirection, {code, 0, 0, 0}));
    }
    s.SentMain.RptDirection = s.MainVfo.RptDirection;
}

void CatCommands::SetPTT(bool on)
{
    link_.write(MakeFrame(on ? Opcode::PttOn : Opcode::PttOff));
}

void CatCommands::SplitOnToRadio()
{
    state_.SplitAtRadio = true;
    link_.write(MakeFrame(Opcode::SplitOn));
}

void CatCommands::SplitOffToRadio()
{
    state_.SplitAtRadio = false;
    link_.write(MakeFrame(Opcode::SplitOff));
}

// The radio changes VFO during the waits: nothing else may reach it before they end.
void CatCommands::ToggleVFOAB()
{
    const CatLink::Sequence sequence{link_};
    Pause(host_, kToggleWaitSeconds);
    link_.write(MakeFrame(Opcode::ToggleVfo));
    Pause(host_, kToggleWaitSeconds);
}

void CatCommands::StepFrequency()
{
    RadioState &s = state_;
    VfoInfo &vfo = s.operatedVfo();
    const int band = s.operatedBand();
    const Freq lower = s.BandTable.TuneLower[band];
    const Freq upper = s.BandTable.TuneUpper[band];

    vfo.Frequency += s.ScanStep;
    if (s.ScanDirection == 1) {
        if (vfo.Frequency >= upper) {
            vfo.Frequency = lower;
        }
    } else if (vfo.Frequency < lower) {
        vfo.Frequency = upper + s.ScanStep;
    }

    SendOperatedFreq();
    if (!s.SubActive && ArsRuleHolds(s)) {
        AutoRepeaterShift();
    }
}

void CatCommands::AutoRepeaterShift()
{
    RadioState &s = state_;
    s.MainVfo.RptDirection =
        static_cast<std::int16_t>(RepeaterDirectionFor(s.MainVfo.Frequency, s.MainVfo.Mode));
    if (s.MainVfo.RptDirection != s.SentMain.RptDirection) {
        SendRptDirectionToRadio();
    }
}

} // namespace dorv
