#pragma once

// The program's windows, one instance each, created at start-up in the order
// of the start-up table and reached everywhere through these references.
namespace quolan {

class TMainForm;
class TSmileFRM;

inline TMainForm* MainForm = nullptr;
inline TSmileFRM* SmileFRM = nullptr;

} // namespace quolan
