#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <utility>

namespace quolan {

// A minimal observer list for the widget-free core: subscribers are called in
// the order they connected. The core must not depend on Qt, so QObject signals
// are not available here.
//
// A slot may connect, disconnect or notify again while it runs. Slots sit in
// a deque, which never moves an element when growing at the end, so the
// running slot stays where it is; a slot connected during a notification is
// first called by the next one, and one disconnected during it is only
// emptied until the outermost notification has finished.
template <typename... Args> class Signal {
public:
    using Slot = std::function<void(Args...)>;

    std::size_t connect(Slot slot) {
        slots_.emplace_back(++lastId_, std::move(slot));
        return lastId_;
    }

    void disconnect(std::size_t id) {
        for (auto& entry : slots_) {
            if (entry.first == id) {
                entry.first = 0;
                hasEmptied_ = true;
                if (depth_ == 0)
                    dropEmptied();
                return;
            }
        }
    }

    // Runs on the keystroke path, so no copy of the list is made.
    void notify(Args... args) const {
        ++depth_;
        const std::size_t count = slots_.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (slots_[i].first != 0)
                slots_[i].second(args...);
        }
        if (--depth_ == 0 && hasEmptied_)
            dropEmptied();
    }

private:
    void dropEmptied() const {
        std::erase_if(slots_, [](const auto& entry) { return entry.first == 0; });
        hasEmptied_ = false;
    }

    // Mutable so that a notification can drop the slots disconnected during it.
    mutable std::deque<std::pair<std::size_t, Slot>> slots_;
    mutable int depth_ = 0;
    mutable bool hasEmptied_ = false;
    std::size_t lastId_ = 0;
};

} // namespace quolan
