#include "FileFormQuestions.h"

#include "core/document/FileTexts.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/ui/QtText.h"

#include <QMessageBox>
#include <QPushButton>

namespace quolan {

namespace {
constexpr std::string_view kTitle = "Quolan";

// A question with two answers, the first being the default and Escape's.
// True when the second was chosen.
bool secondChosen(QWidget& parent, const char* name, const QString& question,
                  const BilingualText& first, const BilingualText& second) {
    QMessageBox box(QMessageBox::Question, ui(kTitle), question, QMessageBox::NoButton, &parent);
    box.setObjectName(QString::fromLatin1(name));
    box.setTextFormat(Qt::PlainText); // a file name is no markup
    QPushButton* byDefault = box.addButton(shownText(first), QMessageBox::RejectRole);
    QPushButton* other = box.addButton(shownText(second), QMessageBox::AcceptRole);
    byDefault->setObjectName(QStringLiteral("Button1"));
    other->setObjectName(QStringLiteral("Button2"));
    box.setDefaultButton(byDefault);
    box.setEscapeButton(byDefault);
    box.exec();
    return box.clickedButton() == other;
}
} // namespace

bool askOpenNotText(QWidget& parent, const std::string& path) {
    return secondChosen(parent, "NotTextQuestion",
                        shownText(file_text::NotTextQuestion) + QString::fromStdString(path),
                        file_text::DoNotOpenButton, file_text::OpenAnywayButton);
}

EncodingAnswer askSaveEncoding(QWidget& parent, const std::string& path, FileEncoding encoding) {
    const QString question =
        shownText(file_text::EncodingQuestionBefore) + ui(encodingName(encoding)) +
        shownText(file_text::EncodingQuestionAfter) + QString::fromStdString(path);
    return secondChosen(parent, "EncodingQuestion", question, file_text::KeepEncodingButton,
                        file_text::CodePageButton)
               ? EncodingAnswer::Windows1251
               : EncodingAnswer::KeepOwn;
}

} // namespace quolan
