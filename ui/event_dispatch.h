// Turns a handler call into a slot for a widget event, followed by what
// must happen after every event (the graphs' descriptions for screen
// readers are brought up to date with the new pictures).
//
// Owned by the window; it must outlive every connection made through it.
#pragma once

#include <functional>
#include <utility>

namespace waves {

class EventDispatch {
public:
    explicit EventDispatch(std::function<void()> after_each_event) : after_each_event_(std::move(after_each_event)) {}
    EventDispatch(const EventDispatch&) = delete;
    EventDispatch& operator=(const EventDispatch&) = delete;

    template <typename Handler>
    auto to(Handler handler) const {
        return [this, handler] {
            handler();
            after_each_event_();
        };
    }

private:
    std::function<void()> after_each_event_;
};

}  // namespace waves
