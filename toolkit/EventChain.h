#pragma once
// Subscribing to an event that may have a subscriber already. An event holds one
// handler; Chain attaches another without taking the event from the one before:
// the earlier handler runs first, then the new one, with the same arguments.

#include <functional>
#include <utility>

template <class... Args, class Handler>
void Chain(std::function<void(Args...)>& event, Handler handler)
{
    event = [before = std::move(event), handler = std::move(handler)](Args... args) {
        if (before)
            before(args...);
        handler(args...);
    };
}
