#include "LanguageChoice.h"

#include "core/ui/CommandIds.h"
#include "gui/i18n/InterfaceLanguage.h"

#include <QRadioButton>

namespace quolan {

namespace {
struct Choice {
    const char* button;
    cmd::Id command;
    Language language;
};
constexpr Choice kChoices[] = {
    {"RadioButton1", cmd::LanguageEnglish, Language::English},
    {"RadioButton2", cmd::LanguageRussian, Language::Russian},
};
} // namespace

void bindLanguageChoice(QWidget& options, InterfaceLanguage& shownLanguage, const RunCommand& run) {
    InterfaceLanguage* language = &shownLanguage;
    QWidget* window = &options;
    const auto reflect = [window, language] {
        const Language shown = language->shown().value_or(Language::Russian);
        for (const Choice& choice : kChoices)
            if (auto* button = window->findChild<QRadioButton*>(QString::fromLatin1(choice.button)))
                button->setChecked(choice.language == shown);
    };
    for (const Choice& choice : kChoices) {
        auto* button = options.findChild<QRadioButton*>(QString::fromLatin1(choice.button));
        if (!button)
            continue;
        QObject::connect(button, &QRadioButton::clicked, &options, [&choice, run, reflect] {
            run(choice.command);
            reflect(); // still the old language when the choice was refused
        });
    }
    QObject::connect(language, &InterfaceLanguage::languageShown, &options, reflect);
    reflect();
}

} // namespace quolan
