#pragma once

#include <QStringList>

namespace quolan {

// Start-up with the splash window, then the message loop; returns the exit
// code. The files named on the command line open once the main window is up.
int runProgram(const QStringList& files = {});

} // namespace quolan
