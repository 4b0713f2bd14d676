#pragma once

#include "core/recovery/RecoveryStore.h"
#include "gui/recovery/CopyWriter.h"

#include <QString>

#include <map>
#include <memory>

class QLockFile;

namespace quolan {

// The recovery copies in a folder of the disk: "<name>.recovery", each
// guarded by the lock file "<name>.recovery.lock" of the instance that keeps
// it. A lock whose process is gone is stale and may be taken over; a live one
// never is. This instance locks a name of its own when it first writes. A
// stale lock with no copy beside it is removed when the left copies are
// claimed.
class QtRecoveryStore final : public RecoveryStore {
public:
    explicit QtRecoveryStore(QString folder);
    ~QtRecoveryStore() override; // finishes the writes, then lets the locks go

    void writeOwn(RecoveryCopy copy) override;
    void removeOwn() override;
    void finishOwn() override;

    std::vector<std::string> claimLeftCopies() override;
    std::optional<std::string> readClaimed(const std::string& name) override;
    void removeClaimed(const std::string& name) override;
    void releaseClaimed(const std::string& name) override;
    void adoptClaimed(const std::string& name) override;

    const QString& folder() const { return folder_; }
    // Where this instance's copy is (or would be) written.
    QString ownPath() const { return copyPath(ownName_); }

    static constexpr char kSuffix[] = ".recovery";

private:
    QString copyPath(const QString& name) const;
    bool lockOwn();
    // Removes the locks of instances that are gone and left no copy: they
    // hold nothing, and nobody else would ever remove them.
    void clearLocksLeftAlone();

    QString folder_;
    QString ownName_;
    std::unique_ptr<QLockFile> ownLock_;
    bool lockFailed_ = false;
    std::map<std::string, std::unique_ptr<QLockFile>> claimed_;
    CopyWriter writer_;
};

} // namespace quolan
