#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace {
// Every test gets a state folder of its own, so that no recovery copy ever
// lands in the user's real one or is offered to the next test.
class FreshStateFolder final : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo&) override {
        folder_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", folder_->path().toUtf8());
    }
    void OnTestEnd(const testing::TestInfo&) override { folder_.reset(); }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};
} // namespace

int main(int argc, char* argv[]) {
    // Real widgets, no display: the offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshStateFolder);
    return RUN_ALL_TESTS();
}
