#pragma once

#include "gui/tags/TagDialog.h"

class QLineEdit;
class QPushButton;

namespace quolan {

// A tag dialog with one edit box `Edit1` for its parameter, an explanation
// above it and an OK button beside it.
class FieldDialog : public TagDialog {
    Q_OBJECT

public:
    struct Form {
        Frame frame;
        ParameterTag tag;
        const char* explanationName;
        std::string_view explanation;
        std::string_view fieldCaption; // `Label1` above the field; may be empty
        const char* okName;
        std::string_view okText;
        enum class Opening { KeepField, ClearField, PrefillAddress } opening;
        bool clearsAfterOk;
    };

    FieldDialog(const TagWindowPorts& ports, const Form& form);

    QLineEdit& edit() const { return *edit_; }
    QWidget& parameterField() const override;

    // OK: writes the tag and closes the window.
    void okClick();

protected:
    void beforeShowing() override;

private:
    QLineEdit* edit_ = nullptr;
    Form::Opening opening_;
    bool clearsAfterOk_;
};

// The link dialog.
class TUrlCreate final : public FieldDialog {
    Q_OBJECT

public:
    static constexpr ParameterTag kTag = ParameterTag::Link;
    explicit TUrlCreate(const TagWindowPorts& ports);
    void OkBtnClick() { okClick(); }

private:
    QPushButton* button1_ = nullptr; // the address reader, not offered here
};

// The image dialog.
class TImageFrm final : public FieldDialog {
    Q_OBJECT

public:
    static constexpr ParameterTag kTag = ParameterTag::Image;
    explicit TImageFrm(const TagWindowPorts& ports);
    void ImageOkClick() { okClick(); }
};

// The e-mail address dialog.
class TEmailFrm final : public FieldDialog {
    Q_OBJECT

public:
    static constexpr ParameterTag kTag = ParameterTag::Email;
    explicit TEmailFrm(const TagWindowPorts& ports);
    void SpeedButton1Click() { okClick(); }
};

// The role-play focus dialog.
class TFocusFrm final : public FieldDialog {
    Q_OBJECT

public:
    static constexpr ParameterTag kTag = ParameterTag::Focus;
    explicit TFocusFrm(const TagWindowPorts& ports);
    void FocusOkClick() { okClick(); }
};

// The role-play special-action dialog.
class TSAfrm final : public FieldDialog {
    Q_OBJECT

public:
    static constexpr ParameterTag kTag = ParameterTag::SpecialAction;
    explicit TSAfrm(const TagWindowPorts& ports);
    void SaOkClick() { okClick(); }
};

} // namespace quolan
