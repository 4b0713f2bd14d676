#pragma once

#include "core/app/StartupSequence.h"

#include <QWidget>

class QPlainTextEdit;
class QProgressBar;

namespace quolan {

// The splash window `Zast`, shown while the program's windows are created.
class TZast final : public QWidget, public StartupProgress {
    Q_OBJECT

public:
    explicit TZast(QWidget* parent = nullptr);

    void setProgress(int position) override;
    void appendLog(std::string_view line) override;
    void refresh() override;

private:
    QProgressBar* progress_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
};

} // namespace quolan
