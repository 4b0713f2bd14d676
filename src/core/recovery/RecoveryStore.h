#pragma once

#include "core/recovery/RecoveryCopy.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace quolan {

// The per-user folder of recovery copies as the keeper sees it. Every running
// instance has a copy of its own, locked while it runs; a copy whose lock its
// instance no longer holds was left behind by a run that ended or died.
class RecoveryStore {
public:
    virtual ~RecoveryStore() = default;

    // This instance's own copy. Writing may finish later, in the background;
    // of writes not yet begun only the newest is made. Removing follows the
    // writes asked for before it.
    virtual void writeOwn(RecoveryCopy copy) = 0;
    virtual void removeOwn() = 0;
    // Returns once the writes and removals asked for are on the disk.
    virtual void finishOwn() = 0;

    // The copies left behind, newest first, each now held by this instance:
    // no other instance offers or removes them until they are released.
    virtual std::vector<std::string> claimLeftCopies() = 0;
    // The bytes of a claimed copy; nothing when it cannot be read.
    virtual std::optional<std::string> readClaimed(const std::string& name) = 0;
    virtual void removeClaimed(const std::string& name) = 0;
    virtual void releaseClaimed(const std::string& name) = 0;
    // The claimed copy becomes this instance's own copy.
    virtual void adoptClaimed(const std::string& name) = 0;
};

// The keeper's sense of time, and the one wake-up it asks for at a time.
class RecoveryClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~RecoveryClock() = default;
    virtual TimePoint now() const = 0;
};

class RecoveryAlarm {
public:
    virtual ~RecoveryAlarm() = default;
    // Replaces any wake-up asked for before.
    virtual void ringIn(std::chrono::milliseconds delay) = 0;
    virtual void cancel() = 0;
};

} // namespace quolan
