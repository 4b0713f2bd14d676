#pragma once

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace quolan::testing {

// Gives every test a state folder of its own, so that no recovery copy ever
// lands in the user's real one, and none a test leaves behind is offered to
// the next test's main window. Append it to the test event listeners.
class FreshStateFolder final : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override {
        folder_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", folder_->path().toUtf8());
    }
    void OnTestEnd(const ::testing::TestInfo&) override { folder_.reset(); }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

} // namespace quolan::testing
