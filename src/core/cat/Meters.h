#pragma once

#include "host/Timer.h"
#include "model/Units.h"

#include <cstdint>

namespace dorv {

class CatCommands;
class CatLink;
class Host;
struct PanelState;
struct RadioState;

// Signal and power meter polling, the radio read-back and the scan status checks.
class Meters {
public:
    Meters(Host &host, RadioState &state, PanelState &panel, CatLink &link, CatCommands &cat);

    void TurnOnLMeter();
    void TurnOffLMeter();
    void ReadRxStatus(bool &GotReply);
    void ReadTxStatus(bool &GotReply);
    void ShowSignalMeter(int S);
    // No signal, no peak, no centring or power bar and BUSY off: what the meter shows
    // while the radio does not answer, rather than a reading that may no longer hold.
    void BlankMeter();
    void ReadRadioFreqMode();
    int BandFromFreq(Freq freq, int Default);
    // The transmit status byte last read in this transmission (power output, high SWR);
    // 0 until the first reading.
    std::uint8_t TxStatus() const { return txStatus_; }

    // Both poll at the interval of the Meter menu (0 = OFF) and start disabled.
    Timer TimerSignalMeter{"TimerSignalMeter"};
    Timer TimerPowerMeter{"TimerPowerMeter"};

    // For the checks at each scan and search step (scan/ScanCheck): the status request
    // and reply, the hold on a busy channel, and the centring read from the status byte.
    // The scan checks' request and reply: the status byte, or -1 while none has come.
    int PollScanStatus(bool &SendRequest);
    // Waits PauseTime on a busy channel with the meter running (only while the signal
    // stays centred, if asked); false when the scan was stopped during the wait.
    bool HoldOnBusyChannel(bool onlyWhileCentred);
    // Bits 6 and 5 of an RX status byte whose bit 7 is already removed: sets
    // SignalCentred and the centring band, returns the S value.
    int ApplyCentring(int b);
    // The same for the search, with its own centring band; off centre it shows the
    // wide band only while the pause is OFF.
    int ApplySearchCentring(int b);

    // Bit 7 of an RX status byte: no signal.
    static constexpr std::uint8_t kNoSignal = 0x80;
    // Consecutive polls left unanswered before the panel says the radio is silent.
    static constexpr int kSilentPolls = 3;
    // How long a scan check waits for a status reply before it asks again, in seconds.
    static constexpr double kScanReplySeconds = 0.5;

private:
    // Forgets a request whose reply was discarded, so the next poll asks afresh.
    void ForgetRequests();
    void TimerSignalMeter_Timer();
    void TimerPowerMeter_Timer();
    // Takes the receiver status reply that has come and shows it on the meter.
    void ShowRxStatus();
    // Discards what is waiting and writes a status request, so that only bytes arriving
    // after it are taken as its reply (stray acknowledgements are never read as status).
    void RequestStatus(std::uint8_t opcode);
    // The first waiting byte; everything else waiting is discarded.
    std::uint8_t TakeStatusByte();
    void SetIndicator1(double start, double end);
    void NoteUnanswered();
    void NoteAnswered();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;

    CatCommands &cat_;
    int Peak = 0;      // S value the peak marker shows
    int HoldTicks = 0; // ticks the peak marker still holds before it falls
    bool rxRequestPending_ = false;
    bool txRequestPending_ = false;
    std::uint8_t txStatus_ = 0;
    int unansweredPolls_ = 0;
};

} // namespace dorv
