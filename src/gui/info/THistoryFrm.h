#pragma once

#include "core/info/HistorySlide.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QAction;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace quolan {

// The history window `HistoryFrm`: types the version history onto a black
// screen one character per tick while its "Ok" button slides to and fro.
// The main menu's "Хистори" item stays disabled while it is shown.
class THistoryFrm final : public QWidget {
    Q_OBJECT

public:
    // `historyItem` is the main menu's `N70`, if there is one.
    explicit THistoryFrm(QAction* historyItem = nullptr);

    // The menu's command (N70Click): show, start typing, disable the item.
    void open();
    void Button1Click();
    void Timer1Timer(); // types one character
    void slideTimer();  // one tick of the button's slide, Timer2 or Timer3

    QString historyText() const;
    const info::ButtonSlide& slide() const { return slide_; }
    // Milliseconds of a steady clock; tests set their own.
    void setClock(std::function<qint64()> now);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void placeButton();

    QPointer<QAction> historyItem_;
    QPlainTextEdit* memo1_ = nullptr;
    QPlainTextEdit* memo2_ = nullptr;
    QPushButton* button_ = nullptr;
    QTimer* typing_ = nullptr;
    QTimer* slideLeft_ = nullptr;
    QTimer* slideRight_ = nullptr;
    qsizetype typed_ = 0;
    info::ButtonSlide slide_;
    std::function<qint64()> now_;
    qint64 hiddenSince_ = 0;
};

} // namespace quolan
