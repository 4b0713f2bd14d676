#pragma once

#include <QString>

class QWidget;

namespace quolan {

// Asked by the save dialog before it replaces the existing file at `path`,
// as desktop save dialogs ask; true when the user says to replace it.
bool askToReplaceFile(QWidget& parent, const QString& path);

} // namespace quolan
