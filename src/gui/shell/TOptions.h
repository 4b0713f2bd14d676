#pragma once

#include <QWidget>

class QFileDialog;
class QLineEdit;

namespace quolan {

class TMainForm;

// `Options`: the tray icon's picture, and the language choice kept for later.
class TOptions final : public QWidget {
    Q_OBJECT

public:
    explicit TOptions(TMainForm& mainForm);

    QLineEdit& edit1() const { return *edit1_; }
    QFileDialog& openDialog1() const { return *openDialog1_; }

    void Button1Click(); // "Обзор"
    void Button3Click(); // "Использовать"
    void Button2Click(); // "Закрыть"

private:
    TMainForm& main_;
    QLineEdit* edit1_ = nullptr;
    QFileDialog* openDialog1_ = nullptr;
};

// The start-up row: creates the window hidden, its language choice bound to
// the interface language.
QWidget* createOptions(TMainForm& mainForm);

} // namespace quolan
