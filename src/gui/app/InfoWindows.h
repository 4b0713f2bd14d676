#pragma once

#include <functional>
#include <string>

class QWidget;

namespace quolan {

class LinkOpener;

// Start-up rows of the information windows: each creates its window hidden,
// sets its program-wide reference.
QWidget* createAbout();
// The same, its links going to `links` on the site `host` names.
QWidget* createAbout(const LinkOpener& links, std::function<std::string()> host);
QWidget* createCredits();
QWidget* createHistoryFrm();
QWidget* createHelpFrm();

} // namespace quolan
