#pragma once

#include "model/VfoInfo.h"

#include <array>

namespace dorv {

class Enablement;
class Host;
class Meters;
struct PanelState;
struct RadioState;
class VfoOps;

// The quick memory bank: ten positions filled by STO and recalled by RCL, each followed
// by one of the ten numbered buttons. The bank lives while the program runs.
class QuickMemory {
public:
    QuickMemory(Host &host, RadioState &state, PanelState &panel, Meters &meters, VfoOps &vfo,
                Enablement &enablement)
        : host_(host), state_(state), panel_(panel), meters_(meters), vfo_(vfo),
          enablement_(enablement)
    {
    }

    struct Entry {
        VfoInfo QmbMainVfo; // Frequency 0: the position is empty
        VfoInfo QmbSubVfo;
        std::int16_t QmbMainBand = 0;
        std::int16_t QmbSubBand = 0;
    };
    static constexpr int kPositions = 10;

    void STObutton_Click();
    void RCLbutton_Click();
    // Performs the pending store (tested first) or recall on position MemoryPos (0..9).
    void QMBinfo(int MemoryPos);
    // The numbered buttons ask this after the keypad entry: true when a store or recall
    // is pending and took the button as its position.
    bool TakePosition(int MemoryPos);
    // The TimerDelay tick while a store or recall is pending: blinks "QMB" and drops the
    // selection after 5 s.
    void TimerDelayTick();

    const Entry &entry(int MemoryPos) const { return bank_.at(MemoryPos); }

private:
    void awaitPosition(bool &pending);
    void endSelection();
    void recall(const Entry &e, int MemoryPos);

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    Meters &meters_;

    VfoOps &vfo_;

    Enablement &enablement_;
    std::array<Entry, kPositions> bank_{};
};

} // namespace dorv
