#pragma once

#include <QPointer>
#include <QWidget>

namespace quolan {

class AnimatedChain;
class TCredits;

// The about window `About`: title, version, two links and "Credits", sliding
// and growing into place in nine stages each time it opens. The main window
// is disabled while it is open.
class TAbout final : public QWidget {
    Q_OBJECT

public:
    explicit TAbout(QWidget& mainWindow);

    // The about opener: start positions, show, stage 1, main window disabled.
    // While open, it restarts the animation.
    void open();
    void setCredits(TCredits* credits) { credits_ = credits; }

    void okBtnClick();
    void Label3Click();
    void Label4Click();
    void Label6Click(); // the credits opener

    AnimatedChain& animation() const { return *animation_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();

    QPointer<QWidget> mainWindow_;
    QPointer<TCredits> credits_;
    AnimatedChain* animation_ = nullptr;
};

} // namespace quolan
