#include "Ft897Engine.h"

#include "Eeprom.h"
#include "SetCommands.h"
#include "StatusBytes.h"

#include <algorithm>
#include <limits>

namespace ft897sim {

Engine::Engine(Options options, std::vector<Signal> signals)
    : options_(options), signals_(std::move(signals)), random_(options.seed), fading_(options.seed)
{
}

void Engine::receive(const std::uint8_t *data, std::size_t size, double now)
{
    sendDue(now);
    dropStalePartial(now);
    for (std::size_t i = 0; i < size; ++i) {
        partial_.push_back(data[i]);
        partialTime_ = now;
        if (partial_.size() == 5) {
            Frame frame;
            std::copy(partial_.begin(), partial_.end(), frame.begin());
            partial_.clear();
            log_.push_back({now, true, {frame.begin(), frame.end()}});
            handleFrame(frame, now);
        }
    }
}

void Engine::dropStalePartial(double now)
{
    if (!partial_.empty() && now >= partialFrameExpiry()) {
        log_.push_back({now, true, std::move(partial_), true});
        partial_.clear();
    }
}

double Engine::partialFrameExpiry() const
{
    return partial_.empty() ? std::numeric_limits<double>::infinity()
                            : partialTime_ + kPartialFrameTimeout;
}

void Engine::handleFrame(const Frame &frame, double now)
{
    const RigState before = rig_;
    if (ApplySetCommand(rig_, frame)) {
        if (options_.acknowledgeSets) {
            queueReply({rig_ == before ? Ack::Unchanged : Ack::Changed}, now);
        }
        return;
    }
    switch (frame[4]) {
    case Opcode::ReadFreqMode: {
        const auto bcd = EncodeBcd8(DisplayedFrequency(rig_));
        queueReply({bcd[0], bcd[1], bcd[2], bcd[3], DisplayedMode(rig_)}, now);
        break;
    }
    case Opcode::RxStatus:
        queueReply({rxStatus()}, now);
        break;
    case Opcode::TxStatus:
        queueReply({TxStatusByte(rig_)}, now);
        break;
    case Opcode::ReadEeprom: {
        const int address = frame[0] << 8 | frame[1];
        queueReply({EepromByte(rig_, address), EepromByte(rig_, address + 1)}, now);
        break;
    }
    default: // unknown opcodes are ignored, as the radio does
        break;
    }
}

std::uint8_t Engine::rxStatus()
{
    const std::uint8_t status = RxStatusByte(rig_, signals_);
    if (!options_.fading || (status & RxBit::NoSignal)) {
        return status;
    }
    const auto faded = static_cast<std::uint8_t>(fading_.next(status & kSLevelMask));
    return static_cast<std::uint8_t>((status & ~kSLevelMask) | faded);
}

void Engine::queueReply(std::vector<std::uint8_t> bytes, double now)
{
    // A uniform draw in [0, 1) straight from the generator, the same on every platform.
    const double draw = static_cast<double>(random_() - random_.min()) /
                        (static_cast<double>(random_.max() - random_.min()) + 1.0);
    if (draw < options_.dropShare) {
        return;
    }
    const double delay = (options_.replyDelayMs + options_.extraDelayMs) / 1000.0;
    lastDue_ = std::max(lastDue_, now + delay);
    pending_.push_back({lastDue_, std::move(bytes)});
}

void Engine::sendDue(double now)
{
    while (!pending_.empty() && pending_.front().due <= now) {
        Reply &reply = pending_.front();
        if (sent_.empty()) {
            sentDue_ = reply.due;
        }
        sent_.insert(sent_.end(), reply.bytes.begin(), reply.bytes.end());
        log_.push_back({reply.due, false, std::move(reply.bytes)});
        pending_.pop_front();
    }
}

std::vector<std::uint8_t> Engine::takeReady(double now)
{
    sendDue(now);
    dropStalePartial(now);
    std::vector<std::uint8_t> out;
    out.swap(sent_);
    return out;
}

double Engine::nextReplyTime() const
{
    if (!sent_.empty()) {
        return sentDue_;
    }
    return pending_.empty() ? std::numeric_limits<double>::infinity() : pending_.front().due;
}

std::vector<Frame> Engine::receivedFrames() const
{
    std::vector<Frame> frames;
    for (const LogEntry &entry : log_) {
        if (entry.received && !entry.discarded) {
            Frame frame;
            std::copy(entry.bytes.begin(), entry.bytes.end(), frame.begin());
            frames.push_back(frame);
        }
    }
    return frames;
}

void Engine::clearLog()
{
    log_.clear();
}

} // namespace ft897sim
