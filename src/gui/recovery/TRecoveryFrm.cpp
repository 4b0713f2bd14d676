#include "TRecoveryFrm.h"

#include "core/recovery/RecoveryTexts.h"
#include "gui/recovery/RecoveryPicture.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace quolan {

namespace {
constexpr std::string_view built(std::size_t row) {
    return kRecoveryRows[row].builtText();
}

constexpr ConfirmationLayout::Control kButtons[] = {
    {"Button1", built(2), {138, 100, 105, 25}},
    {"Button2", built(3), {248, 100, 105, 25}},
};

const ConfirmationLayout kLayout{
    "RecoveryFrm",   built(0),          {361, 133},
    {8, 12, 48, 48}, drawRecoveredPost, {"Label1", built(1), {64, 8, 289, 44}},
    kButtons,
};

// The post's first line that says something, then the file it belongs to.
QString describe(const RecoveryCopy& copy, const QFontMetrics& metrics, int width) {
    QString first;
    for (const QString& line : displayText(copy.text).split(QChar(kDisplayLineBreak))) {
        if (!line.trimmed().isEmpty()) {
            first = line.trimmed();
            break;
        }
    }
    QString text = metrics.elidedText(QStringLiteral("«") + first + QStringLiteral("»"),
                                      Qt::ElideRight, width);
    const std::string& file = copy.state == DocumentState::Opened ? copy.openName : copy.saveName;
    if (copy.state != DocumentState::New && !file.empty())
        text += QLatin1Char('\n') +
                metrics.elidedText(QString::fromStdString(file), Qt::ElideMiddle, width);
    return text;
}
} // namespace

TRecoveryFrm::TRecoveryFrm() : ConfirmationWindow(kLayout) {
    excerpt_ = new QLabel(this);
    excerpt_->setObjectName(QStringLiteral("Label2"));
    excerpt_->setGeometry(64, 56, 289, 38);
    excerpt_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    excerpt_->setTextFormat(Qt::PlainText);
    auto& restore = button("Button1");
    restore.setDefault(true);
    connect(&restore, &QPushButton::clicked, this, &TRecoveryFrm::Button1Click);
    connect(&button("Button2"), &QPushButton::clicked, this, &TRecoveryFrm::Button2Click);
    connect(this, &QDialog::finished, this, &TRecoveryFrm::left);
}

void TRecoveryFrm::ask(QWidget& mainWindow, const RecoveryOffer& offer, Answered answered) {
    answered_ = std::move(answered);
    answer_ = RecoveryAnswer::Keep;
    excerpt_->setText(describe(offer.copy, excerpt_->fontMetrics(), excerpt_->width()));
    showWhileMainDisabled(*this, mainWindow);
    button("Button1").setFocus(Qt::OtherFocusReason);
}

void TRecoveryFrm::Button1Click() {
    answer_ = RecoveryAnswer::Restore;
    close();
}

void TRecoveryFrm::Button2Click() {
    answer_ = RecoveryAnswer::Discard;
    close();
}

void TRecoveryFrm::left() {
    // Answered once, after the window is gone and the main window is back.
    Answered answered = std::move(answered_);
    answered_ = nullptr;
    if (answered)
        answered(answer_);
}

} // namespace quolan
