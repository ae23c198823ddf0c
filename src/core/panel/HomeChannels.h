#pragma once

namespace dorv {

class ClarLock;
class Host;
class Mck;
class MemoryMode;
struct PanelState;
struct ScanRequests;
struct RadioState;
class SplitRepeater;
class VfoOps;

// HOME: one favourite channel per band. During MCK it stores the VFOs as the HOME channel
// of the main VFO's band; otherwise it recalls that channel, and a second press returns to
// what the panel did before.
class HomeChannels {
public:
    HomeChannels(Host &host, RadioState &state, PanelState &panel, VfoOps &vfo,
                 SplitRepeater &split, ClarLock &clar, MemoryMode &memory, Mck &mck,
                 ScanRequests &scanRequests)
        : host_(host), state_(state), panel_(panel), vfo_(vfo), split_(split), clar_(clar),
          memory_(memory), mck_(mck), scanRequests_(scanRequests)
    {
    }

    void HOMEbutton_Click();
    // Ends a HOME recall: the operating state is entered again, which brings back the VFOs
    // (or the memory) in use before the recall and switches off a split the recall
    // switched on.
    void ReturnFromRecall();

private:
    void store();
    void recall();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    VfoOps &vfo_;

    SplitRepeater &split_;

    ClarLock &clar_;

    MemoryMode &memory_;

    Mck &mck_;

    ScanRequests &scanRequests_;
};

} // namespace dorv
