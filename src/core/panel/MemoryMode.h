#pragma once

#include "model/files/DataFiles.h"

namespace dorv {

class CatCommands;
class ClarLock;
class Enablement;
class Host;
class Mck;
class Meters;
struct PanelState;
struct ScanRequests;
struct RadioState;
class SplitRepeater;
class Tuning;
class VfoOps;

// Memory recall (MR): switching between VFO and MR with VFO/M, recalling a memory into
// the main VFO, and stepping through the memories in use.
class MemoryMode {
public:
    MemoryMode(Host &host, RadioState &state, PanelState &panel, CatCommands &cat, Meters &meters,
               VfoOps &vfo, Enablement &enablement, Tuning &tuning, SplitRepeater &split,
               ClarLock &clar, Mck &mck, ScanRequests &scanRequests, DataFiles &files)
        : host_(host), state_(state), panel_(panel), cat_(cat), meters_(meters), vfo_(vfo),
          enablement_(enablement), tuning_(tuning), split_(split), clar_(clar), mck_(mck),
          scanRequests_(scanRequests)
    {
        files.memoriesReplaced.Subscribe([this] { AfterMemoriesReplaced(); });
    }

    void VFOMRbutton_Click();
    // Enters MR on CurrentMemory, or on the next used memory above it. With no memory in
    // use the panel goes to VFO state instead.
    void ChangeToMRfunction();
    // Outside MCK: recalls the next used memory from CurrentMemory in Direction (-1 or 1)
    // and sends it; false, with nothing changed, when no memory is in use.
    // In MCK: moves CurrentMemory one position, used or not, and shows it without sending.
    bool ChangeMemory(int Direction);
    // Recalls CurrentMemory into the main VFO and sends it; a split memory's transmit side
    // goes to the sub VFO and its readout only.
    void GetMemoryInfo();
    // The description of CurrentMemory on the display.
    void ShowDescription();
    // The channel knob in memory stepping: one memory per step. Leaves MR for VFO state
    // when no memory is in use any more.
    void ChannelKnobStep(int delta);
    // After New or Open... replaced the memories: MR moves to the first memory in use from
    // CurrentMemory on, or to VFO state when none is.
    void AfterMemoriesReplaced();

private:
    void sendSplitMemory();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatCommands &cat_;

    Meters &meters_;

    VfoOps &vfo_;

    Enablement &enablement_;

    Tuning &tuning_;

    SplitRepeater &split_;

    ClarLock &clar_;

    Mck &mck_;

    ScanRequests &scanRequests_;
};

} // namespace dorv
