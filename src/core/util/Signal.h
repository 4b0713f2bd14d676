#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace quolan {

// A minimal observer list for the widget-free core: subscribers are called in
// the order they connected. The core must not depend on Qt, so QObject signals
// are not available here.
template <typename... Args> class Signal {
public:
    using Slot = std::function<void(Args...)>;

    std::size_t connect(Slot slot) {
        slots_.emplace_back(++lastId_, std::move(slot));
        return lastId_;
    }

    void disconnect(std::size_t id) {
        std::erase_if(slots_, [id](const auto& entry) { return entry.first == id; });
    }

    // Runs on the keystroke path, so no copy of the list is made: a slot may
    // connect new slots while it runs, but must not disconnect any.
    void notify(Args... args) const {
        for (std::size_t i = 0; i < slots_.size(); ++i)
            slots_[i].second(args...);
    }

private:
    std::vector<std::pair<std::size_t, Slot>> slots_;
    std::size_t lastId_ = 0;
};

} // namespace quolan
