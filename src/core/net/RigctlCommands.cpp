#include "net/RigctlCommands.h"

#include "cat/Meters.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "net/RigctlDumpState.h"
#include "net/RigctlModes.h"
#include "panel/Keypad.h"
#include "panel/ModeSelect.h"
#include "panel/SplitRepeater.h"
#include "panel/Transmit.h"
#include "panel/VfoOps.h"

#include <array>
#include <cmath>
#include <cstdio>
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

// A level that is a fraction or a ratio, written as hamlib's server writes it ("0.666667").
std::string Real(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

// The radio's transmit status byte: the power output reading in bits 0..3, 0..15, and the
// high-SWR flag in bit 6.
constexpr int kPowerBits = 0x0F;
constexpr int kHighSwrBit = 0x40;
// What the high-SWR flag reads as, as hamlib has it for this radio; below it the SWR is 1.
constexpr double kHighSwr = 30.0;

// The levels the state dump offers for reading.
bool OfferedLevel(const std::string &level)
{
    return level == "STRENGTH" || level == "RAWSTR" || level == "RFPOWER" || level == "SWR";
}

// Reads of the radio's state: unanswerable while it is out of reach.
bool ReadsTheRadio(const std::string &command)
{
    static const std::array<const char *, 7> kReads{
        "get_freq",       "get_mode", "get_split_vfo", "get_split_freq",
        "get_split_mode", "get_ptt",  "get_level"};
    for (const char *read : kReads) {
        if (command == read) {
            return true;
        }
    }
    return false;
}

// The operations hamlib names for its vfo_op command; only TOGGLE is offered here.
bool IsVfoOperation(const std::string &name)
{
    static const std::array<const char *, 13> kOperations{
        "CPY",     "XCHG",      "FROM_VFO", "TO_VFO", "MCL",  "UP",    "DOWN",
        "BAND_UP", "BAND_DOWN", "LEFT",     "RIGHT",  "TUNE", "TOGGLE"};
    for (const char *operation : kOperations) {
        if (name == operation) {
            return true;
        }
    }
    return false;
}

} // namespace

RigctlAnswer RigctlCommands::Execute(const RigctlRequest &request, RigctlClient &client)
{
    const std::vector<std::string> &a = request.Args;
    if (static_cast<int>(a.size()) != request.ExpectedArgs) {
        return Result(RigInvalid);
    }
    const std::string &c = request.Command;
    // A level not offered is refused before the radio is asked, as hamlib's server does.
    if (c == "get_level" && !OfferedLevel(a[0])) {
        return Result(RigInvalid);
    }
    if (ReadsTheRadio(c) && radioSilent()) {
        return Result(RigTimeout);
    }
    if (auto answer = vfoCommand(request, client)) {
        return *answer;
    }
    if (auto answer = radioCommand(request, client)) {
        return *answer;
    }
    return sessionCommand(request, client);
}

// The operated VFO's frequency and mode, and the choice of VFO.
std::optional<RigctlAnswer> RigctlCommands::vfoCommand(const RigctlRequest &request,
                                                       RigctlClient &client)
{
    const std::vector<std::string> &a = request.Args;
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
    return std::nullopt;
}

// Split, PTT, levels, power, VFO operations and the lock.
std::optional<RigctlAnswer> RigctlCommands::radioCommand(const RigctlRequest &request,
                                                         RigctlClient &client)
{
    const std::vector<std::string> &a = request.Args;
    const std::string &c = request.Command;
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
    if (c == "vfo_op") {
        return vfoOp(client, a[0]);
    }
    if (c == "get_lock_mode") {
        return getLockMode(request.Prefix);
    }
    if (c == "set_lock_mode") {
        return setLockMode(a[0]);
    }
    return std::nullopt;
}

// What the session itself answers: chk_vfo, dump_state and quit.
RigctlAnswer RigctlCommands::sessionCommand(const RigctlRequest &request, RigctlClient &client)
{
    const std::string &c = request.Command;
    RigctlAnswer answer;
    answer.Bare = true;
    if (c == "chk_vfo") {
        client.VfoChecked = true;
        answer.Text = request.Prefix != 0 ? "ChkVFO: 0\n" : "0\n";
    } else if (c == "dump_state") {
        answer.Bare = false;
        answer.Text = RigctlDumpState(client.VfoChecked);
    } else {
        // quit: the client waits for this line before it closes its end.
        answer.Text = "RPRT 0\n";
        answer.Close = true;
    }
    return answer;
}

bool RigctlCommands::radioSilent() const
{
    const PanelState &p = panel_;
    return !state_.CatOn || !state_.PortReady || p.PortGone || p.RadioNotAnswering;
}

bool RigctlCommands::transmitting() const
{
    return panel_.lblOnAir.Visible;
}

bool RigctlCommands::onSub(const RigctlClient &client) const
{
    return client.Vfo < 0 ? state_.SubActive : client.Vfo == 1;
}

RigctlAnswer RigctlCommands::getFreq(const RigctlClient &client)
{
    const RadioState &s = state_;
    return Values({{"Frequency", Hz(onSub(client) ? s.SubVfo.Frequency : s.MainVfo.Frequency)}});
}

int RigctlCommands::enterFrequency(Freq freq)
{
    const RadioState &s = state_;
    const PanelState &p = panel_;
    if (!s.CatOn || transmitting() || p.ledLOCK || s.KeypadEntry || !p.ENTbutton.Enabled) {
        return RigRejected;
    }
    return keypad_.EnterFrequency(freq) ? RigOk : RigInvalid;
}

RigctlAnswer RigctlCommands::setFreq(const RigctlClient &client, const std::string &hz)
{
    const std::optional<Freq> freq = ParseFrequency(hz);
    if (!freq || meters_.BandFromFreq(*freq, -1) < 0) {
        return Result(RigInvalid);
    }
    return Result(onVfo(onSub(client), [&] { return enterFrequency(*freq); }));
}

RigctlAnswer RigctlCommands::getMode(const RigctlClient &client)
{
    const RadioState &s = state_;
    const int mode = onSub(client) ? s.SubVfo.Mode : s.MainVfo.Mode;
    return Values({{"Mode", RigctlModeName(mode)}, {"Passband", "0"}});
}

int RigctlCommands::selectMode(int mode)
{
    if (!state_.CatOn || transmitting() || !panel_.ModeButton[mode].Enabled) {
        return RigRejected;
    }
    mode_.ModeButton_Click(mode);
    return RigOk;
}

RigctlAnswer RigctlCommands::setMode(const RigctlClient &client, const std::string &name,
                                     const std::string &passband)
{
    if (lockMode_ != 0) {
        return Result(RigOk);
    }
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
    RadioState &s = state_;
    if (s.SubActive == sub) {
        return RigOk;
    }
    if (!s.CatOn || transmitting() || !panel_.SUBbutton.Enabled) {
        return RigRejected;
    }
    vfo_.SUBbutton_Click();
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
    if (state_.SubActive == sub) {
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
    const bool split = state_.SplitOn;
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
    RadioState &s = state_;
    if (s.SplitOn == on) {
        return Result(RigOk);
    }
    if (!s.CatOn || transmitting() || !panel_.SPLITbutton.Enabled) {
        return Result(RigRejected);
    }
    split_.SPLITbutton_Click();
    return Result(s.SplitOn == on ? RigOk : RigRejected);
}

RigctlAnswer RigctlCommands::getSplitFreq()
{
    return Values({{"TX Frequency", Hz(state_.SubVfo.Frequency)}});
}

RigctlAnswer RigctlCommands::setSplitFreq(const std::string &hz)
{
    const std::optional<Freq> freq = ParseFrequency(hz);
    if (!freq || meters_.BandFromFreq(*freq, -1) < 0) {
        return Result(RigInvalid);
    }
    return Result(onVfo(true, [&] { return enterFrequency(*freq); }));
}

RigctlAnswer RigctlCommands::getSplitMode()
{
    return Values({{"TX Mode", RigctlModeName(state_.SubVfo.Mode)}, {"TX Passband", "0"}});
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
        transmit_.LetGo(holder); // never refused
        return Result(RigOk);
    }
    // Starting a transmission only where MOX would; joining one always.
    if (!transmitting() &&
        (!state_.CatOn || !panel_.MOXbutton.Enabled || !transmit_.MayStartTransmitting())) {
        return Result(RigRejected);
    }
    return Result(transmit_.Hold(holder) ? RigOk : RigRejected);
}

RigctlAnswer RigctlCommands::getLevel(const std::string &level)
{
    // While transmitting the meter shows power, and no signal is read; while receiving the
    // transmitter's readings are zero.
    const bool tx = transmitting();
    const int s = tx ? 0 : static_cast<int>(panel_.LMeter[0].End);
    const int status = tx ? meters_.TxStatus() : 0;
    if (level == "STRENGTH") {
        return Values({{"", std::to_string(StrengthDb(s))}});
    }
    if (level == "RAWSTR") {
        return Values({{"", std::to_string(s)}});
    }
    if (level == "RFPOWER") {
        return Values({{"", Real((status & kPowerBits) / 15.0)}});
    }
    // SWR, the last offered level.
    const double swr = !tx ? 0 : (status & kHighSwrBit) != 0 ? kHighSwr : 1;
    return Values({{"", Real(swr)}});
}

RigctlAnswer RigctlCommands::getPowerStat()
{
    return Values({{"Power Status", state_.CatOn ? "1" : "0"}});
}

RigctlAnswer RigctlCommands::vfoOp(RigctlClient &client, const std::string &op)
{
    if (op != "TOGGLE") {
        return Result(IsVfoOperation(op) ? RigUnavailable : RigInvalid);
    }
    // The client's requests go to the other VFO from now on, as after V.
    client.Vfo = onSub(client) ? 0 : 1;
    return Result(RigOk);
}

RigctlAnswer RigctlCommands::getLockMode(char prefix) const
{
    // hamlib's server ends the value with a line end in every form, and follows the plain
    // value with a result line as well.
    const std::string value = std::to_string(lockMode_) + "\n";
    RigctlAnswer answer;
    if (prefix == 0) {
        answer.Bare = true;
        answer.Text = value + "RPRT 0\n";
    } else {
        answer.Text = "Locked: " + value;
    }
    return answer;
}

RigctlAnswer RigctlCommands::setLockMode(const std::string &lock)
{
    const std::optional<int> value = ParseInteger(lock);
    if (!value) {
        return Result(RigInvalid);
    }
    lockMode_ = *value;
    return Result(RigOk);
}

} // namespace dorv
