#pragma once

#include "cat/CatFrame.h"
#include "cat/RoundTrip.h"
#include "cat/SequenceGate.h"
#include "host/PortTypes.h"

#include <functional>
#include <set>
#include <string>

namespace dorv {

class Host;
struct PanelState;
struct RadioState;
class SerialPort;
class Timer;

// The serial link to the radio: which port and rate, opening it, writing frames, and
// keeping the runs of frames that must reach the radio whole apart from other input.
class CatLink {
public:
    CatLink(Host &host, SerialPort &port, RadioState &state, PanelState &panel);

    // Held while frames go out that must reach the radio with no other frame between
    // them: while the radio is on its other VFO, or while a reply is awaited. Nests.
    class Sequence {
    public:
        explicit Sequence(CatLink &link) : gate_(link.gate_) { gate_.BeginSequence(); }
        ~Sequence() { gate_.EndSequence(); }
        Sequence(const Sequence &) = delete;
        Sequence &operator=(const Sequence &) = delete;

    private:
        SequenceGate &gate_;
    };

    // Every input from outside (panel events, menu commands, network requests) comes in
    // here: it runs now, or, during a sequence, after it, in order (see SequenceGate).
    void Input(std::function<void()> handler) { gate_.Input(std::move(handler)); }
    // Attaches one of the core's timers to the host; its ticks never run inside a sequence:
    // a tick that comes during one is skipped and the next comes an interval later. A timer
    // whose tick may not wait that long (the transmit time-out) goes to the host directly.
    void AttachTimer(Timer &timer);

    void OpenCommPort();
    void mnuCommPortArray_Click(int Index);
    void mnuCatRate_Click(int Index);

    // A device that is there but may not be used (no permission, held by another program)
    // is said in plain words in the status bar for as long as it lasts, and in a message
    // once per start for each device and reason: the retries stay quiet.
    void ReportRefusal(const PortRefusal &refusal);
    // Opens the refused port again, quietly; true when it opened, and the port is then
    // ready and ticked in the menu. A device that is no longer refused but still cannot be
    // opened ends the retries.
    bool RetryRefusedPort();

    void write(const CatFrame &frame);
    // Writes a request that the radio answers, with whatever waits on the port dropped
    // first so that only bytes arriving after it are taken as its reply, and times the
    // round trip to the reply's first byte.
    void Ask(const CatFrame &request);
    // The same, and `onReply` runs as soon as the reply's first byte arrives, where the port
    // can tell, outside any sequence, once; otherwise the asker finds the reply when it next
    // looks. Another Ask, or a discard, cancels it.
    void Ask(const CatFrame &request, std::function<void()> onReply);
    // Whether the reply to the last Ask is overdue: none has come, and more time has passed
    // than the measured round trip with its spread (a second before there is one), and at
    // least `atLeast` seconds. Over a network the round trip is what the link takes; on a
    // serial line it is short, and the callers' own figures rule.
    bool ReplyOverdue(double atLeast);
    // How long to wait for a whole reply that may take `atLeast` seconds on a serial line.
    double ReplyWait(double atLeast) const;
    // Waits `atLeast` seconds, and longer while the reply to an earlier request is still on
    // its way (until it comes or is overdue), then drops what came: a late reply must not
    // be read as the start of the next one.
    void SettleReplies(double atLeast);
    // Lets events run until one comes or a short look's time has passed. A wait for a reply
    // that loops on this sees the reply as it arrives (its arrival wakes the loop) and a
    // reply overdue within a look, without waking every millisecond in between.
    void AwaitEvent();

    // The radio's replies, as they wait on the port: how many bytes have come, the first
    // `length` of them with everything after dropped, or all of them dropped so that only
    // bytes arriving after the next request are taken as its reply.
    int RepliesWaiting();
    Bytes TakeReply(int length);
    void DiscardReplies();

    // The device under the link, for the watch that notices it vanish and come back.
    bool PortIsOpen() const;
    // Opens the device again at the current port and rate; false, with the reason when the
    // system refused it, when it did not open.
    bool ReopenPort(PortRefusal &refusal);

    static int RateFromIndex(int catRate);

    // What a network link under the port says of itself while it is not connected; empty
    // while it works and for a device (SerialPort::linkCondition).
    std::string LinkCondition() const;

private:
    void checkPortMenu(int Index);
    // A link opened again may be another one, with another round trip.
    void ForgetRoundTrip();
    void OnArrival();

    Host &host_;

    SerialPort &port_;

    RadioState &state_;

    PanelState &panel_;
    SequenceGate gate_;
    RoundTrip roundTrip_;
    // The last Ask awaiting its first reply byte: when it was written and when the port was
    // last seen without a reply. The arrival lies between that and the look that sees it;
    // the earlier bound is taken, so a slow look (a meter tick) does not inflate the figure.
    bool awaiting_ = false;
    bool retried_ = false;   // asked again before a reply came: a late reply is not timed
    double overdueWait_ = 0; // the longest wait of an overdue request since the last reply
    double askedAt_ = 0;
    double lastEmptyAt_ = 0;
    std::function<void()> onReply_; // the asker's, until its reply arrives
    bool inPortCall_ = false;       // a notice from inside our own read is the caller's
    std::set<std::string> advised_; // device and reason of each refusal shown in a message
};

} // namespace dorv
