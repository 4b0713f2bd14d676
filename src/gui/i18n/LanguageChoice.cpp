#include "LanguageChoice.h"

#include "gui/editor/TMainForm.h"
#include "gui/i18n/InterfaceLanguage.h"

#include <QAction>
#include <QRadioButton>

namespace quolan {

namespace {
struct Choice {
    const char* button;
    const char* item; // the menu item whose click runs the command
    Language language;
};
constexpr Choice kChoices[] = {
    {"RadioButton1", "N36", Language::English},
    {"RadioButton2", "N35", Language::Russian},
};
} // namespace

void bindLanguageChoice(QWidget& options, TMainForm& mainForm) {
    InterfaceLanguage* language = &mainForm.language();
    QWidget* window = &options;
    const auto reflect = [window, language] {
        const Language shown = language->shown().value_or(Language::Russian);
        for (const Choice& choice : kChoices)
            if (auto* button = window->findChild<QRadioButton*>(QString::fromLatin1(choice.button)))
                button->setChecked(choice.language == shown);
    };
    for (const Choice& choice : kChoices) {
        auto* button = options.findChild<QRadioButton*>(QString::fromLatin1(choice.button));
        auto* item = mainForm.findChild<QAction*>(QString::fromLatin1(choice.item));
        if (!button || !item)
            continue;
        QObject::connect(button, &QRadioButton::clicked, &options, [item, reflect] {
            item->trigger();
            reflect(); // still the old language when the choice was refused
        });
    }
    QObject::connect(language, &InterfaceLanguage::languageShown, &options, reflect);
    reflect();
}

} // namespace quolan
