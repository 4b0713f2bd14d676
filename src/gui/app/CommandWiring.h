#pragma once

namespace quolan {

class CommandRegistry;

// Binds the commands of the windows around the main window, each to its id,
// once every window of the start-up exists. The main window binds the
// commands of its own parts as it is built.
void wireCommands(CommandRegistry& commands);

} // namespace quolan
