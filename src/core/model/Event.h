#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace dorv {

// How a lower layer tells the layers above it that something happened, without knowing
// them: they subscribe once, when the radio is assembled, and every Raise calls each
// subscriber in the order they subscribed, at once and on the caller's stack.
template <typename... Args> class Event {
public:
    using Handler = std::function<void(Args...)>;

    void Subscribe(Handler handler) { handlers_.push_back(std::move(handler)); }

    void Raise(Args... args) const
    {
        for (const Handler &handler : handlers_) {
            handler(args...);
        }
    }

private:
    std::vector<Handler> handlers_;
};

} // namespace dorv
