#pragma once

namespace quolan {

// Start-up with the splash window, then the message loop; returns the exit code.
int runProgram();

} // namespace quolan
