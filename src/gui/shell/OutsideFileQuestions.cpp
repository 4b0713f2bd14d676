#include "OutsideFileQuestions.h"

#include "core/i18n/LanguageTable.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/ui/QtText.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace quolan {

namespace {
constexpr std::string_view kTitle = "Quolan";

void tellOnlyFirstOpened(QWidget& parent, const std::string& path) {
    QMessageBox box(QMessageBox::Information, ui(kTitle),
                    shownText(outside_text::OnlyFirstOpened) + QString::fromStdString(path),
                    QMessageBox::Ok, &parent);
    box.setObjectName(QStringLiteral("OnlyFirstOpened"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
} // namespace

ReplaceAnswer askBeforeReplacing(QWidget& parent, const std::string& path) {
    QMessageBox box(QMessageBox::Question, ui(kTitle),
                    shownText(outside_text::ReplaceQuestion) + QString::fromStdString(path),
                    QMessageBox::NoButton, &parent);
    box.setObjectName(QStringLiteral("ReplaceQuestion"));
    // A file name is no markup, whatever it looks like.
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton(shownText(outside_text::SaveButton), QMessageBox::AcceptRole);
    QPushButton* open =
        box.addButton(shownText(outside_text::OpenButton), QMessageBox::DestructiveRole);
    QPushButton* cancel =
        box.addButton(shownText(outside_text::CancelButton), QMessageBox::RejectRole);
    save->setObjectName(QStringLiteral("SaveButton"));
    open->setObjectName(QStringLiteral("OpenButton"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return ReplaceAnswer::Save;
    if (box.clickedButton() == open)
        return ReplaceAnswer::Replace;
    return ReplaceAnswer::Cancel;
}

OutsideFileWindows outsideFileWindows(QWidget& parent) {
    return {[&parent](const std::string& path) { tellOnlyFirstOpened(parent, path); }};
}

std::vector<std::string> postPaths(const QStringList& paths) {
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        result.push_back(QFileInfo(path).absoluteFilePath().toStdString());
    return result;
}

} // namespace quolan
