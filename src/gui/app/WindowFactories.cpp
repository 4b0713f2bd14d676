#include "WindowFactories.h"

#include "gui/app/Windows.h"
#include "gui/editor/TMainForm.h"
#include "gui/tags/TSmileFRM.h"
#include "gui/tags/TagWindows.h"

namespace quolan {

namespace {
const WindowFactory kFactories[] = {
    {"MainForm", []() -> QWidget* { return MainForm = new TMainForm; }, [] { MainForm = nullptr; }},
    {"UrlCreate", createTagWindow<TUrlCreate, UrlCreate>, forgetTagWindow<TUrlCreate, UrlCreate>},
    {"ColorFrm", createTagWindow<TColorFrm, ColorFrm>, forgetTagWindow<TColorFrm, ColorFrm>},
    {"SizeFrm", createTagWindow<TSizeFrm, SizeFrm>, forgetTagWindow<TSizeFrm, SizeFrm>},
    {"ImageFrm", createTagWindow<TImageFrm, ImageFrm>, forgetTagWindow<TImageFrm, ImageFrm>},
    {"FontFrm", createTagWindow<TFontFrm, FontFrm>, forgetTagWindow<TFontFrm, FontFrm>},
    {"EmailFrm", createTagWindow<TEmailFrm, EmailFrm>, forgetTagWindow<TEmailFrm, EmailFrm>},
    {"FocusFrm", createTagWindow<TFocusFrm, FocusFrm>, forgetTagWindow<TFocusFrm, FocusFrm>},
    {"SAfrm", createTagWindow<TSAfrm, SAfrm>, forgetTagWindow<TSAfrm, SAfrm>},
    {"SmileFRM", []() -> QWidget* { return SmileFRM = createSmileFRM(*MainForm); },
     [] { SmileFRM = nullptr; }},
};
} // namespace

std::span<const WindowFactory> windowFactories() {
    return kFactories;
}

} // namespace quolan
