#pragma once

#include <QComboBox>

namespace quolan {

// A drop-down box whose open list behaves the same in every window: it opens
// with the entry equal to the box's text highlighted, or with none, and
// Return or Enter there picks the highlighted entry (none: keeps the text) and
// closes the list, nothing more; Escape there only closes the list. The keys
// never go on to the window, so they press no OK button and close nothing.
class PickList final : public QComboBox {
    Q_OBJECT

public:
    explicit PickList(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;
    // Drops the list open as its window appears: at once when the window
    // already has the keyboard, otherwise once the window system gives it.
    // A list that grabbed the keyboard first would hide that hand-over from
    // the program, which would then send every key to the window beneath.
    void dropWhenActive();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pickHighlighted();
    void dropIfWaiting();

    bool waitingToDrop_ = false;
};

} // namespace quolan
