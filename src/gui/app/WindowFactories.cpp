#include "WindowFactories.h"

#include "gui/app/Windows.h"
#include "gui/editor/TMainForm.h"
#include "gui/tags/TSmileFRM.h"

namespace quolan {

namespace {
const WindowFactory kFactories[] = {
    {"MainForm", []() -> QWidget* { return MainForm = new TMainForm; }, [] { MainForm = nullptr; }},
    {"SmileFRM", []() -> QWidget* { return SmileFRM = createSmileFRM(*MainForm); },
     [] { SmileFRM = nullptr; }},
};
} // namespace

std::span<const WindowFactory> windowFactories() {
    return kFactories;
}

} // namespace quolan
