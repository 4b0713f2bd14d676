#include "core/util/Signal.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quolan {
namespace {

TEST(Signal, aSlotMayConnectManySlotsWhileItRuns) {
    Signal<int> signal;
    std::vector<std::string> log;
    // Small captures live inside the slot itself; growing the list must not
    // move or free the slot that is running.
    signal.connect([&signal, &log](int value) {
        for (int i = 0; i < 50; ++i)
            signal.connect([&log, i](int) { log.push_back("late " + std::to_string(i)); });
        log.push_back("first " + std::to_string(value));
    });
    signal.notify(1);
    ASSERT_EQ(log.size(), 1u); // slots connected during a notification wait for the next
    EXPECT_EQ(log[0], "first 1");
    log.clear();
    signal.notify(2);
    EXPECT_EQ(log.size(), 51u);
    EXPECT_EQ(log[0], "first 2");
    EXPECT_EQ(log[1], "late 0");
}

TEST(Signal, aSlotMayDisconnectItselfOrOthersWhileItRuns) {
    Signal<> signal;
    std::vector<int> calls;
    std::size_t second = 0;
    std::size_t self = 0;
    self = signal.connect([&] {
        calls.push_back(1);
        signal.disconnect(self);
        signal.disconnect(second);
    });
    second = signal.connect([&] { calls.push_back(2); });
    signal.connect([&] { calls.push_back(3); });
    signal.notify();
    EXPECT_EQ(calls, (std::vector<int>{1, 3}));
    calls.clear();
    signal.notify();
    EXPECT_EQ(calls, (std::vector<int>{3}));
}

TEST(Signal, aSlotMayNotifyAgainWhileItRuns) {
    Signal<int> signal;
    std::vector<int> seen;
    signal.connect([&](int depth) {
        seen.push_back(depth);
        if (depth < 3)
            signal.notify(depth + 1);
    });
    signal.connect([&](int depth) { seen.push_back(10 + depth); });
    signal.notify(1);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 13, 12, 11}));
}

} // namespace
} // namespace quolan
