#pragma once

#include <QWidget>

#include <functional>

class QFileDialog;
class QLineEdit;

namespace quolan {

// `Options`: the tray icon's picture, and the language choice kept for later.
class TOptions final : public QWidget {
    Q_OBJECT

public:
    // The tray picture in use (empty: the built-in one); "Использовать"
    // hands the path typed to `useIcon`.
    TOptions(const QString& iconInUse, std::function<void(const QString& path)> useIcon);

    QLineEdit& edit1() const { return *edit1_; }
    QFileDialog& openDialog1() const { return *openDialog1_; }

    void Button1Click(); // "Обзор"
    void Button3Click(); // "Использовать"
    void Button2Click(); // "Закрыть"

private:
    std::function<void(const QString& path)> useIcon_;
    QLineEdit* edit1_ = nullptr;
    QFileDialog* openDialog1_ = nullptr;
};

} // namespace quolan
