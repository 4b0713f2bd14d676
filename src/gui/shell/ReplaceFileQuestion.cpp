#include "ReplaceFileQuestion.h"

#include "core/document/FileTexts.h"
#include "core/i18n/LanguageTable.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/ui/QtText.h"

#include <QMessageBox>
#include <QPushButton>

namespace quolan {

bool askToReplaceFile(QWidget& parent, const QString& path) {
    QMessageBox box(QMessageBox::Warning, parent.windowTitle(),
                    shownText(file_text::ReplaceFileQuestion) + path, QMessageBox::NoButton,
                    &parent);
    box.setObjectName(QStringLiteral("ReplaceFileQuestion"));
    box.setTextFormat(Qt::PlainText); // a file name is no markup
    QPushButton* replace =
        box.addButton(shownText(file_text::ReplaceButton), QMessageBox::AcceptRole);
    QPushButton* keep = box.addButton(shownText(file_text::KeepButton), QMessageBox::RejectRole);
    replace->setObjectName(QStringLiteral("ReplaceButton"));
    keep->setObjectName(QStringLiteral("KeepButton"));
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == replace;
}

} // namespace quolan
