#pragma once

namespace quolan {

// Made once, first thing in main(): how the process meets the system.
// A write beyond the file-size limit then fails with "File too large" and
// is reported as a failed save, where the system's default would end the
// program with the unsaved text in it.
void prepareProcess();

} // namespace quolan
