#pragma once

#include "model/Units.h"
#include "net/RigctlAnswer.h"
#include "net/RigctlRequest.h"

#include <optional>
#include <string>

namespace dorv {

class Keypad;
class Meters;
class ModeSelect;
struct PanelState;
struct RadioState;
class SplitRepeater;
class Transmit;
class VfoOps;

// What the server remembers about one client between its requests.
struct RigctlClient {
    int Id = 0;              // the server's number for the connection
    bool VfoChecked = false; // the client asked chk_vfo: the state dump ends in its key list
    // The VFO the client's frequency and mode requests are for: -1 the one the panel
    // operates (the sub VFO while SUB is on), 0 the main VFO (VFOA), 1 the sub VFO (VFOB).
    // Selecting one is the client's own business: the panel's SUB stays as it is.
    int Vfo = -1;
};

// Carries out the protocol's commands on the radio. Reads answer from the panel's state at
// once, without asking the radio; while the radio cannot be reached (link off, device gone,
// radio silent) they answer RigTimeout, as a server whose radio does not answer, rather than
// values the radio may no longer hold. Sets go through the handlers of the panel's own keys
// and buttons, and only when the panel would take them (link on, not transmitting, the
// button enabled, the dial not locked); otherwise they answer RigRejected and change nothing.
//
// The mode lock is one for all clients: while it is set (non-zero), mode sets are taken and
// answered RigOk without changing the mode, so one program can keep the mode it needs.
class RigctlCommands {
public:
    RigctlCommands(RadioState &state, PanelState &panel, Meters &meters, Transmit &transmit,
                   VfoOps &vfo, ModeSelect &mode, SplitRepeater &split, Keypad &keypad)
        : state_(state), panel_(panel), meters_(meters), transmit_(transmit), vfo_(vfo),
          mode_(mode), split_(split), keypad_(keypad)
    {
    }

    RigctlAnswer Execute(const RigctlRequest &request, RigctlClient &client);

private:
    // Each answers the commands of its kind, and nothing for any other.
    std::optional<RigctlAnswer> vfoCommand(const RigctlRequest &request, RigctlClient &client);
    std::optional<RigctlAnswer> radioCommand(const RigctlRequest &request, RigctlClient &client);
    RigctlAnswer sessionCommand(const RigctlRequest &request, RigctlClient &client);
    RigctlAnswer getFreq(const RigctlClient &client);
    RigctlAnswer setFreq(const RigctlClient &client, const std::string &hz);
    RigctlAnswer getMode(const RigctlClient &client);
    RigctlAnswer setMode(const RigctlClient &client, const std::string &name,
                         const std::string &passband);
    RigctlAnswer getVfo(const RigctlClient &client);
    RigctlAnswer setVfo(RigctlClient &client, const std::string &name);
    RigctlAnswer getSplitVfo();
    RigctlAnswer setSplitVfo(const std::string &split, const std::string &txVfo);
    RigctlAnswer getSplitFreq();
    RigctlAnswer setSplitFreq(const std::string &hz);
    RigctlAnswer getSplitMode();
    RigctlAnswer setSplitMode(const std::string &name, const std::string &passband);
    RigctlAnswer getPtt();
    RigctlAnswer setPtt(const RigctlClient &client, const std::string &ptt);
    RigctlAnswer getLevel(const std::string &level);
    RigctlAnswer getPowerStat();
    RigctlAnswer vfoOp(RigctlClient &client, const std::string &op);
    RigctlAnswer getLockMode(char prefix) const;
    RigctlAnswer setLockMode(const std::string &lock);

    // The radio is out of reach: what the panel shows of it may no longer hold.
    bool radioSilent() const;

    bool transmitting() const;
    // Enters a frequency on the operated VFO as a completed keypad entry does.
    int enterFrequency(Freq freq);
    int selectMode(int mode);
    // Whether the client's requests are for the sub VFO.
    bool onSub(const RigctlClient &client) const;
    // Runs `change` on the sub VFO (sub) or the main VFO, pressing SUB before and after it
    // when the panel operates the other one; RigRejected when SUB cannot be pressed now.
    template <typename Change> int onVfo(bool sub, Change change);
    // Selects the main (false) or sub (true) VFO with the SUB button.
    int selectSub(bool sub);

    RadioState &state_;

    PanelState &panel_;

    Meters &meters_;

    Transmit &transmit_;

    VfoOps &vfo_;

    ModeSelect &mode_;

    SplitRepeater &split_;

    Keypad &keypad_;
    int lockMode_ = 0;
};

} // namespace dorv
