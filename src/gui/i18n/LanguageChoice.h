#pragma once

#include "gui/ui/MenuBuilder.h"

class QWidget;

namespace quolan {

class InterfaceLanguage;

// The options window's "Язык" group: its radio buttons `RadioButton1`
// ("Английский") and `RadioButton2` ("Русский") show the interface's language
// (Russian while it is as built) and a click runs that language's command
// through `run`, just as the menu item does. When the settings file refuses the choice the
// buttons go back to the language still shown.
void bindLanguageChoice(QWidget& options, InterfaceLanguage& language, const RunCommand& run);

} // namespace quolan
