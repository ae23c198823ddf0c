#pragma once

#include "Fading.h"
#include "Frame.h"
#include "RigState.h"
#include "Signal.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <random>
#include <utility>
#include <vector>

namespace ft897sim {

struct Options {
    int replyDelayMs = 20;        // time from a request to its reply
    double dropShare = 0.0;       // share of replies lost, 0..1
    int extraDelayMs = 0;         // added to every reply's delay
    bool acknowledgeSets = false; // answer each set command with one byte: 0x00 changed,
                                  // 0xF0 already so
    unsigned seed = 1;            // for the dropped replies and the fading
    bool fading = false;          // the S level of every heard signal varies between readings
};

struct LogEntry {
    double time = 0;       // seconds, on the caller's clock
    bool received = false; // true = bytes the radio received, false = a reply it sent
    std::vector<std::uint8_t> bytes;
    bool discarded = false; // received bytes of a partial frame that was dropped
};

namespace Ack {
constexpr std::uint8_t Changed = 0x00;
constexpr std::uint8_t Unchanged = 0xF0;
} // namespace Ack

// An FT-897 answering CAT frames. It keeps no clock of its own: every call takes the
// current time in seconds, which must never go back.
class Engine {
public:
    explicit Engine(Options options = {}, std::vector<Signal> signals = DefaultBandPlan());

    // Idle time after which the bytes of an incomplete frame are dropped, as the radio
    // drops a partial command, so one stray byte cannot shift every later frame: about
    // 44 character times at 4800 bit/s (nine frames), far more than the gaps inside a
    // frame written at once, in seconds.
    static constexpr double kPartialFrameTimeout = 0.1;

    // Bytes from the program; a frame may arrive split over several calls.
    void receive(const std::uint8_t *data, std::size_t size, double now);
    // Reply bytes due by now, in the order of the requests.
    std::vector<std::uint8_t> takeReady(double now);
    // When the next reply is due; +inf when none is pending.
    double nextReplyTime() const;
    // When the bytes of an incomplete frame will be dropped; +inf when there are none.
    double partialFrameExpiry() const;

    const std::vector<LogEntry> &log() const { return log_; }
    // Every whole frame received, in order.
    std::vector<Frame> receivedFrames() const;
    void clearLog();

    RigState &rig() { return rig_; }
    const RigState &rig() const { return rig_; }
    void setSignals(std::vector<Signal> signals) { signals_ = std::move(signals); }
    const Options &options() const { return options_; }
    // Mutes (1) or unmutes (0) the radio, or loses that share of its replies from now on.
    void setDropShare(double share) { options_.dropShare = share; }

private:
    struct Reply {
        double due = 0;
        std::vector<std::uint8_t> bytes;
    };

    void handleFrame(const Frame &frame, double now);
    // The receiver status, with the S level faded when fading is on.
    std::uint8_t rxStatus();
    void queueReply(std::vector<std::uint8_t> bytes, double now);
    // Moves the replies due by now to the output, logging each at its due time.
    void sendDue(double now);
    // Drops (and logs) an incomplete frame whose last byte came too long before now.
    void dropStalePartial(double now);

    Options options_;
    std::vector<Signal> signals_;
    RigState rig_;
    std::vector<std::uint8_t> partial_; // bytes of an incomplete frame
    double partialTime_ = 0;            // when its last byte came
    std::deque<Reply> pending_;
    std::vector<std::uint8_t> sent_; // due bytes not yet taken
    double sentDue_ = 0;             // when the first of them fell due
    double lastDue_ = 0;
    std::mt19937 random_;
    Fading fading_;
    std::vector<LogEntry> log_;
};

} // namespace ft897sim
