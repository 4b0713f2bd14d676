#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QMimeData;

namespace quolan {

// Local files in what is being dragged, in order; empty when it carries none
// (text, web addresses), which the editor then takes as it always does.
QStringList droppedLocalFiles(const QMimeData& data);

// Watches a widget for files dragged in from a file manager and hands them
// over once the drop is complete; every other drag passes on untouched.
class FileDrops final : public QObject {
public:
    FileDrops(QWidget& target, std::function<void(const QStringList&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QStringList&)> open_;
};

} // namespace quolan
