#pragma once

#include "core/recovery/RecoveryStore.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quolan::testing {

// A folder of recovery copies in memory: copies of running instances
// (`live`) and copies left behind, in age order; writes happen at once.
class FakeRecoveryFolder final : public RecoveryStore {
public:
    void writeOwn(RecoveryCopy copy) override {
        ++writes;
        files[own] = encodeRecoveryCopy(copy);
    }
    void removeOwn() override { files.erase(own); }
    void finishOwn() override { ++finishes; }

    std::vector<std::string> claimLeftCopies() override {
        std::vector<std::string> left;
        for (const std::string& name : newestFirst) {
            if (name != own && files.contains(name) && !live.contains(name) &&
                !claimed.contains(name)) {
                claimed.insert(name);
                left.push_back(name);
            }
        }
        return left;
    }
    std::optional<std::string> readClaimed(const std::string& name) override {
        if (!claimed.contains(name) || !files.contains(name))
            return std::nullopt;
        return files[name];
    }
    void removeClaimed(const std::string& name) override {
        files.erase(name);
        claimed.erase(name);
    }
    void releaseClaimed(const std::string& name) override { claimed.erase(name); }
    void adoptClaimed(const std::string& name) override {
        files.erase(own);
        own = name;
        claimed.erase(name);
    }

    // A copy another run left (or, when `running`, a running one keeps).
    void leave(const std::string& name, const std::string& bytes, bool running = false) {
        files[name] = bytes;
        newestFirst.push_back(name);
        if (running)
            live.insert(name);
    }

    std::map<std::string, std::string> files;
    std::vector<std::string> newestFirst;
    std::set<std::string> live;
    std::set<std::string> claimed;
    std::string own = "own";
    int writes = 0;
    int finishes = 0;
};

// Time that moves only when the test says so, and the one wake-up asked of it.
class FakeTime final : public RecoveryClock, public RecoveryAlarm {
public:
    TimePoint now() const override { return now_; }
    void ringIn(std::chrono::milliseconds delay) override {
        due = now_ + delay;
        ++alarms;
    }
    void cancel() override { due.reset(); }

    // Moves time on in small steps, ringing when the wake-up is due.
    template <typename Ring> void pass(std::chrono::milliseconds span, Ring ring) {
        const TimePoint end = now_ + span;
        while (now_ < end) {
            now_ = std::min(end, now_ + std::chrono::milliseconds(10));
            if (due && *due <= now_) {
                due.reset();
                ring();
            }
        }
    }

    std::optional<TimePoint> due;
    int alarms = 0;

private:
    TimePoint now_{};
};

} // namespace quolan::testing
