#pragma once

// The program's windows, one instance each, created at start-up in the order
// of the start-up table and reached everywhere through these references.
namespace quolan {

class TMainForm;
class TExitFrm2;
class TCreateNewFrm;

inline TMainForm* MainForm = nullptr;
inline TExitFrm2* ExitFrm2 = nullptr;
inline TCreateNewFrm* CreateNewFrm = nullptr;

} // namespace quolan
