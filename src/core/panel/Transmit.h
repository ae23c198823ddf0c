#pragma once

#include "host/Timer.h"
#include "model/Units.h"

#include <compare>
#include <set>

namespace dorv {

class CatCommands;
class Enablement;
class Host;
class Meters;
struct PanelState;
struct ScanRequests;
struct RadioState;
class Tuning;

// An input that keeps the transmitter keyed for as long as it holds it.
struct PttHolder {
    enum class Kind { SpaceBar, MoxButton, NetClient };
    Kind What = Kind::MoxButton;
    int Client = 0; // the network client's id, for NetClient

    auto operator<=>(const PttHolder &) const = default;
};

inline constexpr PttHolder kSpaceBarHolder{PttHolder::Kind::SpaceBar};
inline constexpr PttHolder kMoxButtonHolder{PttHolder::Kind::MoxButton};
inline constexpr PttHolder NetClientHolder(int client)
{
    return {PttHolder::Kind::NetClient, client};
}

// MOX: keying the transmitter with the band-limit check and the power meter.
// Transmitting is the visibility of the "TX" label. The transmitter is keyed on behalf of a
// set of holders (the space bar while held, the MOX button latched, network clients that
// asked for PTT); it stays on the air while any of them holds it, and a transmit time-out
// ends a transmission that nobody ends.
class Transmit {
public:
    Transmit(Host &host, RadioState &state, PanelState &panel, CatCommands &cat, Meters &meters,
             Enablement &enablement, Tuning &tuning, ScanRequests &scanRequests);

    // Toggles transmit as the button does. While receiving it keys the transmitter and
    // latches it on; while transmitting it ends the transmission, whoever holds it. Also
    // called by switching the CAT link off while transmitting. With the menus locked it does
    // not start a transmission, but still ends one.
    void MOXbutton_Click();
    // `holder` takes hold of the transmitter: keys it as MOX does when nobody holds it yet,
    // else joins the transmission. Returns whether the transmitter is on the air.
    bool Hold(PttHolder holder);
    // `holder` lets go; the transmission ends when no other holder is left.
    void LetGo(PttHolder holder);
    // Whether MOX would start a transmission now: not under the menu lock or the priority
    // monitor, and a repeater shift keeps the transmit frequency inside the band limits.
    bool MayStartTransmitting() const;

    static constexpr int kDefaultTimeOut = 5; // minutes

    // The transmit time-out in minutes, 0 for none: a transmission that lasts this long is
    // ended, whoever holds it, and the operator is told why.
    void SetTimeOut(int minutes);
    int TimeOut() const { return TimerTxTimeOut.interval() / kMsPerMinute; }

    // Runs once per transmission, started as it starts.
    Timer TimerTxTimeOut{"TimerTxTimeOut"};

private:
    static constexpr int kMsPerMinute = 60 * 1000;

    void TimerTxTimeOut_Timer();
    void startTransmitting();
    // Back to receive, every holder let go.
    void stopTransmitting();
    // Whether the repeater transmit frequency lies inside the main band's tuning limits
    // (the lower limit included, the upper one excluded).
    bool insideBandLimits(Freq transmitFreq) const;
    // The main VFO's frequency without the clarifier offset: the one the radio transmits on.
    Freq unclarifiedFreq() const;
    bool onAir() const;

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatCommands &cat_;

    Meters &meters_;

    Enablement &enablement_;

    Tuning &tuning_;

    ScanRequests &scanRequests_;
    std::set<PttHolder> holders_;
};

} // namespace dorv
