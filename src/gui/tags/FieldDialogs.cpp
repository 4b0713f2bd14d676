#include "FieldDialogs.h"

#include "gui/ui/QtText.h"
#include "gui/ui/SingleLine.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>

namespace quolan {

namespace {
using Opening = FieldDialog::Form::Opening;

const FieldDialog::Form kUrlCreate = {
    {"UrlCreate", "Ссылка", {349, 124}, {}},
    ParameterTag::Link,
    "Label2",
    "В поле ниже введите адрес. По нажатию кнопки \"Создать ссылку\" или Enter - выделенный "
    "текст в редакторе будет ограничен тегами [url=Введенный адресс]Текст[/url].",
    "Адресс",
    "OkBtn",
    "Создать ссылку",
    Opening::PrefillAddress,
    false,
};

const FieldDialog::Form kImageFrm = {
    {"ImageFrm", "Изображение", {350, 107}, {}},
    ParameterTag::Image,
    "Label1",
    "Введите адрес до изображения. Убедитесь, что текст в редакторе не выделен. Это окно "
    "создаст тег [img][/img] на месте курсора в редакторе.",
    {},
    "ImageOk",
    "Создать изображение",
    Opening::PrefillAddress,
    false,
};

const FieldDialog::Form kEmailFrm = {
    {"EmailFrm", "Email", {252, 81}, {}},
    ParameterTag::Email,
    "Label1",
    "Введите адрес электронной почты",
    {},
    "SpeedButton1",
    "Создать адрес",
    Opening::ClearField,
    false,
};

const FieldDialog::Form kFocusFrm = {
    {"FocusFrm", "Фокус", {284, 100}, {}},
    ParameterTag::Focus,
    "Label1",
    "Введите имя персонажа.(если имя не введено, то фокус будет производится от Вашего ника)",
    {},
    "FocusOk",
    "Создать фокус",
    Opening::KeepField,
    true,
};

const FieldDialog::Form kSAfrm = {
    {"SAfrm", "Специальное действие", {275, 91}, {}},
    ParameterTag::SpecialAction,
    "Label1",
    "Введите имя персонажа. (если имя не введено, то СД будет производится от Вашего ника)",
    {},
    "SaOk",
    "Создать СД",
    Opening::KeepField,
    true,
};
} // namespace

FieldDialog::FieldDialog(const TagWindowPorts& ports, const Form& form)
    : TagDialog(ports, form.tag, form.frame), opening_(form.opening),
      clearsAfterOk_(form.clearsAfterOk) {
    QVBoxLayout& column = startColumn(form.explanationName, form.explanation);
    if (!form.fieldCaption.empty())
        column.addWidget(&addLabel("Label1", form.fieldCaption, false));

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("Edit1"));
    // Addresses come whole from the clipboard, however long.
    edit_->setMaxLength(std::numeric_limits<int>::max());
    keepSingleLine(*edit_);
    QToolButton& ok = addOkButton(form.okName, form.okText, [this] { okClick(); });
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(edit_, 1);
    row->addWidget(&ok);
    column.addLayout(row);
}

QWidget& FieldDialog::parameterField() const {
    return *edit_;
}

void FieldDialog::beforeShowing() {
    if (opening_ == Opening::KeepField)
        return;
    edit_->clear();
    if (opening_ != Opening::PrefillAddress)
        return;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = clipboard ? clipboard->text() : QString();
    if (prefillsAddress(toU16(text)))
        edit_->setText(firstLine(text));
}

void FieldDialog::okClick() {
    if (finish(edit_->text()) && clearsAfterOk_)
        edit_->clear();
}

TUrlCreate::TUrlCreate(const TagWindowPorts& ports) : FieldDialog(ports, kUrlCreate) {
    // Reading a browser's address bar needs another program's window
    // structure, which does not exist here; the button is kept, hidden.
    button1_ = new QPushButton(QStringLiteral("GetURL"), this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->hide();
}

TImageFrm::TImageFrm(const TagWindowPorts& ports) : FieldDialog(ports, kImageFrm) {}
TEmailFrm::TEmailFrm(const TagWindowPorts& ports) : FieldDialog(ports, kEmailFrm) {}
TFocusFrm::TFocusFrm(const TagWindowPorts& ports) : FieldDialog(ports, kFocusFrm) {}
TSAfrm::TSAfrm(const TagWindowPorts& ports) : FieldDialog(ports, kSAfrm) {}

} // namespace quolan
