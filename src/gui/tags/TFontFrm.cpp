#include "TFontFrm.h"

#include "gui/ui/PickList.h"
#include "gui/ui/SingleLine.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quolan {

namespace {
const QString kOpeningName = QStringLiteral("Courier");
} // namespace

QStringList fontChoices(const QStringList& families) {
    static const QRegularExpression foundry(QStringLiteral("\\s+\\[[^\\]]*\\]$"));
    QStringList names;
    names.reserve(families.size() + 1);
    for (const QString& family : families) {
        QString name = family;
        name.remove(foundry);
        if (!name.isEmpty())
            names.append(name);
    }
    names.append(QStringLiteral("Default"));
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

TFontFrm::TFontFrm(const TagWindowPorts& ports)
    : TagDialog(ports, kTag, {"FontFrm", "Шрифт", {229, 108}, {}}) {
    QVBoxLayout& column = startColumn("Label1", "Выберите название шрифта. Выделенный в "
                                                "редакторе текст будет ограничен тегами "
                                                "[font=][/font]");

    comboBox_ = new PickList(this);
    comboBox_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox_->setEditable(true);
    // A typed name is inserted as typed: no completion, and it never joins the list.
    comboBox_->setInsertPolicy(QComboBox::NoInsert);
    comboBox_->setCompleter(nullptr);
    keepSingleLine(*comboBox_->lineEdit());
    column.addWidget(comboBox_);
    endWithButton(column, addOkButton("FontOk", "Задать шрифт", [this] { FontOkClick(); }));
    FormCreate();
}

void TFontFrm::FormCreate() {
    comboBox_->addItems(fontChoices(QFontDatabase::families()));
}

QWidget& TFontFrm::parameterField() const {
    return *comboBox_;
}

void TFontFrm::afterShowing() {
    comboBox_->setCurrentIndex(comboBox_->findText(kOpeningName, Qt::MatchExactly));
    comboBox_->setEditText(kOpeningName);
    comboBox_->dropWhenActive();
}

void TFontFrm::FontOkClick() {
    finish(comboBox_->currentText());
}

} // namespace quolan
