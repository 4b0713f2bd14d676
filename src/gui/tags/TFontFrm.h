#pragma once

#include "gui/tags/TagDialog.h"
#include "gui/ui/PickList.h"

#include <QStringList>

namespace quolan {

// The names the font dialog offers for the installed families: each family
// once, without the foundry Qt appends when several foundries make it, plus
// "Default", sorted without regard to case.
QStringList fontChoices(const QStringList& families);

// The font-name dialog: an editable box that offers the installed families.
class TFontFrm final : public TagDialog {
    Q_OBJECT

public:
    static constexpr ParameterTag kTag = ParameterTag::Font;
    explicit TFontFrm(const TagWindowPorts& ports);

    QComboBox& comboBox() const { return *comboBox_; }
    QWidget& parameterField() const override;

    void FontOkClick();

protected:
    void afterShowing() override;

private:
    void FormCreate();

    PickList* comboBox_ = nullptr;
};

} // namespace quolan
