#include "TOptions.h"

#include "core/shell/ShellTexts.h"
#include "gui/ui/QtText.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quolan {

namespace {
constexpr std::string_view kDefaultIconPath = "x.ico";

template <typename Control>
Control* place(QWidget* parent, const char* name, std::string_view text, QRect at) {
    auto* control = new Control(ui(text), parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(at);
    return control;
}
} // namespace

TOptions::TOptions(const QString& iconInUse, std::function<void(const QString& path)> useIcon)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      useIcon_(std::move(useIcon)) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(ui("Настройки"));
    setFixedSize(450, 230);
    move(192, 107);

    auto* language = place<QGroupBox>(this, "GroupBox1", "Язык", {8, 8, 434, 49});
    place<QRadioButton>(language, "RadioButton1", "Английский", {16, 20, 120, 17});
    place<QRadioButton>(language, "RadioButton2", "Русский", {160, 20, 120, 17});

    auto* paths = place<QGroupBox>(this, "GroupBox2", "Пути", {8, 64, 434, 121});
    place<QLabel>(paths, "Label1", "Путь до иконки в трее", {5, 18, 300, 16});
    edit1_ = place<QLineEdit>(paths, "Edit1", {}, {5, 38, 425, 21});
    edit1_->setText(iconInUse.isEmpty() ? ui(kDefaultIconPath) : iconInUse);
    auto* browse = place<QPushButton>(paths, "Button1", "Обзор", {250, 76, 85, 25});
    auto* use = place<QPushButton>(paths, "Button3", "Использовать", {340, 76, 89, 25});
    auto* close = place<QPushButton>(this, "Button2", "Закрыть", {357, 196, 85, 25});
    connect(browse, &QPushButton::clicked, this, &TOptions::Button1Click);
    connect(use, &QPushButton::clicked, this, &TOptions::Button3Click);
    connect(close, &QPushButton::clicked, this, &TOptions::Button2Click);

    openDialog1_ = new QFileDialog(this, ui("Трей иконка"));
    openDialog1_->setObjectName(QStringLiteral("OpenDialog1"));
    openDialog1_->setFileMode(QFileDialog::ExistingFile);
    openDialog1_->setNameFilter(ui(shelltext::TrayIconFileFilter.russian));
}

void TOptions::Button1Click() {
    if (openDialog1_->exec() != QDialog::Accepted || openDialog1_->selectedFiles().isEmpty())
        return;
    edit1_->setText(openDialog1_->selectedFiles().constFirst());
}

void TOptions::Button3Click() {
    useIcon_(edit1_->text());
}

void TOptions::Button2Click() {
    close();
}

} // namespace quolan
