#include "TExitFrm2.h"

#include "gui/shell/ShellPictures.h"

#include <QPushButton>

namespace quolan {

namespace {
constexpr ConfirmationLayout::Control kButtons[] = {
    {"Button1", "Сохранить", {64, 72, 105, 25}},
    {"Button2", "Выйти", {202, 72, 105, 25}},
};

const ConfirmationLayout kLayout{
    "ExitFrm2",       "Завершение работы",
    {315, 106},       {8, 12, 48, 48},
    drawEndOfSession, {"Label1", "Завершение сеанса работы с редактором...", {64, 12, 243, 48}},
    kButtons,
};
} // namespace

TExitFrm2::TExitFrm2() : ConfirmationWindow(kLayout) {
    connect(&button("Button1"), &QPushButton::clicked, this, &TExitFrm2::Button1Click);
    connect(&button("Button2"), &QPushButton::clicked, this, &TExitFrm2::Button2Click);
}

void TExitFrm2::ask(std::function<bool()> save) {
    save_ = std::move(save);
    exec();
    save_ = nullptr;
}

void TExitFrm2::Button1Click() {
    if (save_ && save_())
        accept();
}

void TExitFrm2::Button2Click() {
    emit leaving();
    reject();
}

} // namespace quolan
