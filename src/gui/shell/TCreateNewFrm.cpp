#include "TCreateNewFrm.h"

#include "gui/shell/ShellPictures.h"
#include "gui/ui/SecondaryWindows.h"

#include <QPushButton>

namespace quolan {

namespace {
constexpr ConfirmationLayout::Control kButtons[] = {
    {"Button1", "Сохранить", {166, 4, 80, 23}},
    {"Button2", "Создать", {166, 29, 80, 23}},
    {"Button3", "Отмена", {166, 54, 80, 23}},
};

const ConfirmationLayout kLayout{
    "CreateNewFrm",  "Создать",   {254, 81},
    {8, 16, 48, 48}, drawNewPost, {"Label1", "Создать новую запись?", {64, 8, 96, 65}},
    kButtons,
};
} // namespace

TCreateNewFrm::TCreateNewFrm() : ConfirmationWindow(kLayout) {
    connect(&button("Button1"), &QPushButton::clicked, this, &TCreateNewFrm::Button1Click);
    connect(&button("Button2"), &QPushButton::clicked, this, &TCreateNewFrm::Button2Click);
    connect(&button("Button3"), &QPushButton::clicked, this, &TCreateNewFrm::Button3Click);
}

void TCreateNewFrm::ask(QWidget& mainWindow, std::function<bool()> save,
                        std::function<void()> create) {
    save_ = std::move(save);
    create_ = std::move(create);
    showWhileMainDisabled(*this, mainWindow);
}

void TCreateNewFrm::Button1Click() {
    if (save_ && save_())
        close();
}

void TCreateNewFrm::Button2Click() {
    if (create_)
        create_();
    close();
}

void TCreateNewFrm::Button3Click() {
    close();
}

} // namespace quolan
