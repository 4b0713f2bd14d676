#pragma once

#include "gui/tags/TagDialog.h"

class QLineEdit;
class QToolButton;

namespace quolan {

// An up-down control: two arrows stepping a bounded position, without
// wrapping. It never takes the keyboard focus; the field it serves passes
// its Up and Down keys on.
class TUpDown final : public QWidget {
    Q_OBJECT

public:
    TUpDown(int minimum, int maximum, int position, QWidget* parent = nullptr);

    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void step(int by); // stays within the bounds

signals:
    void positionChanged(int position);

private:
    QToolButton* arrow(Qt::ArrowType type, int by);

    int minimum_;
    int maximum_;
    int position_;
};

// The text-size dialog: a read-only field that shows the up-down position.
class TSizeFrm final : public TagDialog {
    Q_OBJECT

public:
    static constexpr ParameterTag kTag = ParameterTag::Size;
    explicit TSizeFrm(const TagWindowPorts& ports);

    QLineEdit& edit() const { return *edit_; }
    TUpDown& upDown() const { return *upDown_; }
    QWidget& parameterField() const override;

    void SizeOkClick();

protected:
    void beforeShowing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_ = nullptr;
    TUpDown* upDown_ = nullptr;
};

} // namespace quolan
