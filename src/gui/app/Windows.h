#pragma once

// The program's windows, one instance each, created at start-up in the order
// of the start-up table and reached everywhere through these references.
namespace quolan {

class TMainForm;
class TUrlCreate;
class TColorFrm;
class TSizeFrm;
class TImageFrm;
class TFontFrm;
class TExitFrm2;
class TEmailFrm;
class TLanFrm;
class TFocusFrm;
class TSAfrm;
class TCreateNewFrm;
class TSmileFRM;
class TAbout;
class TCredits;
class THistoryFrm;
class THelpFrm;
class TOptions;

inline TMainForm* MainForm = nullptr;
inline TUrlCreate* UrlCreate = nullptr;
inline TColorFrm* ColorFrm = nullptr;
inline TSizeFrm* SizeFrm = nullptr;
inline TImageFrm* ImageFrm = nullptr;
inline TFontFrm* FontFrm = nullptr;
inline TExitFrm2* ExitFrm2 = nullptr;
inline TEmailFrm* EmailFrm = nullptr;
inline TLanFrm* LanFrm = nullptr;
inline TFocusFrm* FocusFrm = nullptr;
inline TSAfrm* SAfrm = nullptr;
inline TCreateNewFrm* CreateNewFrm = nullptr;
inline TSmileFRM* SmileFRM = nullptr;
inline TAbout* About = nullptr;
inline TCredits* Credits = nullptr;
inline THistoryFrm* HistoryFrm = nullptr;
inline THelpFrm* HelpFrm = nullptr;
inline TOptions* Options = nullptr;

} // namespace quolan
