#include "net/RigctlCommands.h"

#include "Radio.h"
#include "net/RigctlDumpState.h"
#include "net/RigctlModes.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace dorv {

namespace {

// Beyond every band of the radio: a number above it is no frequency.
constexpr double kHighestHz = 1e9;

RigctlAnswer Result(int code)
{
    RigctlAnswer answer;
    answer.Code = code;
    return answer;
}

RigctlAnswer Values(std::vector<std::pair<std::string, std::string>> values)
{
    RigctlAnswer answer;
    answer.Values = std::move(values);
    return answer;
}

std::string Hz(Freq freq)
{
    return std::to_string(static_cast<long long>(freq) * 10);
}

// A frequency in Hz as clients write it ("14074000" or "14074000.000000"), rounded to the
// radio's 10 Hz steps; empty when the text is no positive number in range.
std::optional<Freq> ParseFrequency(const std::string &text)
{
    char *end = nullptr;
    const double hz = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !std::isfinite(hz) || hz <= 0 || hz > kHighestHz) {
        return std::nullopt;
    }
    return static_cast<Freq>((hz + 5) / 10);
}

std::optional<int> ParseInteger(const std::string &text)
{
    char *end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || value < -1000000 || value > 1000000) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// The panel selects the radio's default filter for each mode: only "no change" (-1) and
// "default" (0) are passbands it can take.
bool DefaultPassband(const std::string &text)
{
    const std::optional<int> passband = ParseInteger(text);
    return passband && (*passband == 0 || *passband == -1);
}

// The protocol's VFO names: 0 main (VFO A), 1 sub (VFO B), -1 the current one, empty for
// any other.
std::optional<int> ParseVfo(const std::string &name)
{
    if (name == "VFOA" || name == "Main") {
        return 0;
    }
    if (name == "VFOB" || name == "Sub") {
        return 1;
    }
    if (name == "currVFO" || name == "VFO") {
        return -1;
    }
    return std::nullopt;
}

// The S-meter reading in dB relative to S9: 6 dB an S unit up to S9, 10 dB a step above.
int StrengthDb(int s)
{
    return s <= 9 ? (s - 9) * 6 : (s - 9) * 10;
}

} // namespace

RigctlAnswer RigctlCommands::Execute(const RigctlRequest &request, RigctlClient &client)
{
    const std::vector<std::string> &a = request.Args;
    if (static_cast<int>(a.size()) != request.ExpectedArgs) {
        return Result(RigInvalid);
    }
    const std::string &c = request.Command;
    if (c == "get_freq") {
        return getFreq(client);
    }
    if (c == "set_freq") {
        return setFreq(client, a[0]);
    }
    if (c == "get_mode") {
        return getMode(client);
    }
    if (c == "set_mode") {
        return setMode(client, a[0], a[1]);
    }
    if (c == "get_vfo") {
        return getVfo(client);
    }
    if (c == "set_vfo") {
        return setVfo(client, a[0]);
    }
    if (c == "get_split_vfo") {
        return getSplitVfo();
    }
    if (c == "set_split_vfo") {
        return setSplitVfo(a[0], a[1]);
    }
    if (c == "get_split_freq") {
        return getSplitFreq();
    }
    if (c == "set_split_freq") {
        return setSplitFreq(a[0]);
    }
    if (c == "get_split_mode") {
        return getSplitMode();
    }
    if (c == "set_split_mode") {
        return setSplitMode(a[0], a[1]);
    }
    if (c == "get_ptt") {
        return getPtt();
    }
    if (c == "set_ptt") {
        return setPtt(client, a[0]);
    }
    if (c == "get_level") {
        return getLevel(a[0]);
    }
    if (c == "get_powerstat") {
        return getPowerStat();
    }
    RigctlAnswer answer;
    if (c == "chk_vfo") {
        client.VfoChecked = true;
        answer.Bare = true;
        answer.Text = request.Prefix != 0 ? "ChkVFO: 0\n" : "0\n";
    } else if (c == "dump_state") {
        answer.Text = RigctlDumpState(client.VfoChecked);
    } else {
        answer.Close = true; // quit
    }
    return answer;
}

bool RigctlCommands::transmitting() const
{
    return radio_.panel.lblOnAir.Visible;
}

bool RigctlCommands::onSub(const RigctlClient &client) const
{
    return client.Vfo < 0 ? radio_.state.SubActive : client.Vfo == 1;
}

RigctlAnswer RigctlCommands::getFreq(const RigctlClient &client)
{
    const RadioState &s = radio_.state;
    return Values({{"Frequency", Hz(onSub(client) ? s.SubVfo.Frequency : s.MainVfo.Frequency)}});
}

int RigctlCommands::enterFrequency(Freq freq)
{
    const RadioState &s = radio_.state;
    const PanelState &p = radio_.panel;
    if (!s.CatOn || transmitting() || p.ledLOCK || s.KeypadEntry || !p.ENTbutton.Enabled) {
        return RigRejected;
    }
    return radio_.keypad.EnterFrequency(freq) ? RigOk : RigInvalid;
}

RigctlAnswer RigctlCommands::setFreq(const RigctlClient &client, const std::string &hz)
{
    const std::optional<Freq> freq = ParseFrequency(hz);
    if (!freq || radio_.meters.BandFromFreq(*freq, -1) < 0) {
        return Result(RigInvalid);
    }
    return Result(onVfo(onSub(client), [&] { return enterFrequency(*freq); }));
}

RigctlAnswer RigctlCommands::getMode(const RigctlClient &client)
{
    const RadioState &s = radio_.state;
    const int mode = onSub(client) ? s.SubVfo.Mode : s.MainVfo.Mode;
    return Values({{"Mode", RigctlModeName(mode)}, {"Passband", "0"}});
}

int RigctlCommands::selectMode(int mode)
{
    if (!radio_.state.CatOn || transmitting() || !radio_.panel.ModeButton[mode].Enabled) {
        return RigRejected;
    }
    radio_.mode.ModeButton_Click(mode);
    return RigOk;
}

RigctlAnswer RigctlCommands::setMode(const RigctlClient &client, const std::string &name,
                                     const std::string &passband)
{
    const std::optional<int> mode = RigctlModeIndex(name);
    if (!mode || !DefaultPassband(passband)) {
        return Result(RigInvalid);
    }
    return Result(onVfo(onSub(client), [&] { return selectMode(*mode); }));
}

RigctlAnswer RigctlCommands::getVfo(const RigctlClient &client)
{
    return Values({{"VFO", onSub(client) ? "VFOB" : "VFOA"}});
}

int RigctlCommands::selectSub(bool sub)
{
    RadioState &s = radio_.state;
    if (s.SubActive == sub) {
        return RigOk;
    }
    if (!s.CatOn || transmitting() || !radio_.panel.SUBbutton.Enabled) {
        return RigRejected;
    }
    radio_.vfo.SUBbutton_Click();
    return s.SubActive == sub ? RigOk : RigRejected;
}

RigctlAnswer RigctlCommands::setVfo(RigctlClient &client, const std::string &name)
{
    const std::optional<int> vfo = ParseVfo(name);
    if (!vfo) {
        return Result(RigInvalid);
    }
    if (*vfo >= 0) {
        client.Vfo = *vfo;
    }
    return Result(RigOk);
}

template <typename Change> int RigctlCommands::onVfo(bool sub, Change change)
{
    if (radio_.state.SubActive == sub) {
        return change();
    }
    const int selected = selectSub(sub);
    if (selected != RigOk) {
        return selected;
    }
    const int code = change();
    selectSub(!sub);
    return code;
}

RigctlAnswer RigctlCommands::getSplitVfo()
{
    const bool split = radio_.state.SplitOn;
    return Values({{"Split", split ? "1" : "0"}, {"TX VFO", split ? "VFOB" : "VFOA"}});
}

RigctlAnswer RigctlCommands::setSplitVfo(const std::string &split, const std::string &txVfo)
{
    const std::optional<int> vfo = ParseVfo(txVfo);
    if ((split != "0" && split != "1") || !vfo) {
        return Result(RigInvalid);
    }
    const bool on = split == "1";
    // The radio transmits on its other VFO in split: the main VFO cannot take that part.
    if (on && *vfo == 0) {
        return Result(RigUnavailable);
    }
    RadioState &s = radio_.state;
    if (s.SplitOn == on) {
        return Result(RigOk);
    }
    if (!s.CatOn || transmitting() || !radio_.panel.SPLITbutton.Enabled) {
        return Result(RigRejected);
    }
    radio_.split.SPLITbutton_Click();
    return Result(s.SplitOn == on ? RigOk : RigRejected);
}

RigctlAnswer RigctlCommands::getSplitFreq()
{
    return Values({{"TX Frequency", Hz(radio_.state.SubVfo.Frequency)}});
}

RigctlAnswer RigctlCommands::setSplitFreq(const std::string &hz)
{
    const std::optional<Freq> freq = ParseFrequency(hz);
    if (!freq || radio_.meters.BandFromFreq(*freq, -1) < 0) {
        return Result(RigInvalid);
    }
    return Result(onVfo(true, [&] { return enterFrequency(*freq); }));
}

RigctlAnswer RigctlCommands::getSplitMode()
{
    return Values({{"TX Mode", RigctlModeName(radio_.state.SubVfo.Mode)}, {"TX Passband", "0"}});
}

RigctlAnswer RigctlCommands::setSplitMode(const std::string &name, const std::string &passband)
{
    const std::optional<int> mode = RigctlModeIndex(name);
    if (!mode || !DefaultPassband(passband)) {
        return Result(RigInvalid);
    }
    return Result(onVfo(true, [&] { return selectMode(*mode); }));
}

RigctlAnswer RigctlCommands::getPtt()
{
    return Values({{"PTT", transmitting() ? "1" : "0"}});
}

// A client holds the transmitter from its PTT on to its PTT off (or until its connection
// ends); other holders (the space bar, MOX, other clients) keep it on the air after that.
RigctlAnswer RigctlCommands::setPtt(const RigctlClient &client, const std::string &ptt)
{
    // 1 keys the transmitter; 2 and 3 (microphone and data keying) key it the same way.
    if (ptt != "0" && ptt != "1" && ptt != "2" && ptt != "3") {
        return Result(RigInvalid);
    }
    const PttHolder holder = NetClientHolder(client.Id);
    if (ptt == "0") {
        radio_.transmit.LetGo(holder); // never refused
        return Result(RigOk);
    }
    // Starting a transmission only where MOX would; joining one always.
    if (!transmitting() && (!radio_.state.CatOn || !radio_.panel.MOXbutton.Enabled ||
                            !radio_.transmit.MayStartTransmitting())) {
        return Result(RigRejected);
    }
    return Result(radio_.transmit.Hold(holder) ? RigOk : RigRejected);
}

RigctlAnswer RigctlCommands::getLevel(const std::string &level)
{
    // While transmitting the meter shows power, and no signal is read.
    const int s = transmitting() ? 0 : static_cast<int>(radio_.panel.LMeter[0].End);
    if (level == "STRENGTH") {
        return Values({{"", std::to_string(StrengthDb(s))}});
    }
    if (level == "RAWSTR") {
        return Values({{"", std::to_string(s)}});
    }
    return Result(RigInvalid);
}

RigctlAnswer RigctlCommands::getPowerStat()
{
    return Values({{"Power Status", radio_.state.CatOn ? "1" : "0"}});
}

} // namespace dorv
