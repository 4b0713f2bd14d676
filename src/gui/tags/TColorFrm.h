#pragma once

#include "gui/tags/TagDialog.h"
#include "gui/ui/PickList.h"

#include <QColor>

class QPlainTextEdit;

namespace quolan {

// The colour chooser: the colour names in a list and a sample of forum text,
// light on black, recoloured on every pick.
class TColorFrm final : public TagDialog {
    Q_OBJECT

public:
    static constexpr ParameterTag kTag = ParameterTag::Color;
    explicit TColorFrm(const TagWindowPorts& ports);

    QComboBox& comboBox() const { return *comboBox_; }
    QPlainTextEdit& sample() const { return *memo1_; }
    QColor sampleColour() const;
    QWidget& parameterField() const override;

    // The user picked `name`: the sample takes its colour; an unknown name
    // changes nothing.
    void ComboBox1Change(const QString& name);
    void SpeedButton1Click();

protected:
    void afterShowing() override;

private:
    void setSampleColour(const QColor& colour);

    PickList* comboBox_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
};

} // namespace quolan
