#pragma once

#include <functional>
#include <string>

namespace dorv {

// A named periodic timer. The core sets its interval and enabled flag; the host
// (Qt or the test clock) watches for changes and calls fire() on each tick.
class Timer {
public:
    explicit Timer(std::string name) : name_(std::move(name)) {}
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    const std::string &name() const { return name_; }

    int interval() const { return intervalMs_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);

    void setTickHandler(std::function<void()> handler) { onTick_ = std::move(handler); }
    // Each tick goes through runner, which runs it or skips it; without one it runs at once.
    using TickRunner = std::function<void(const std::function<void()> &tick)>;
    void setTickRunner(TickRunner runner) { runner_ = std::move(runner); }
    // The host's hook, told of every change of interval or enabled flag.
    void setChangeListener(std::function<void()> listener) { onChange_ = std::move(listener); }

    void fire();

private:
    std::string name_;
    int intervalMs_ = 0;
    bool enabled_ = false;
    std::function<void()> onTick_;
    TickRunner runner_;
    std::function<void()> onChange_;
};

} // namespace dorv
