#pragma once

#include <QString>

class QLineEdit;

namespace quolan {

// The first line of a text: everything before its first line break.
QString firstLine(const QString& text);

// A one-line field never holds a line break: text pasted, dropped or set
// into it keeps only its first line.
void keepSingleLine(QLineEdit& field);

} // namespace quolan
