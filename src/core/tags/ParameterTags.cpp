#include "ParameterTags.h"

#include "core/tags/SimpleTags.h"
#include "core/ui/CommandIds.h"

#include <algorithm>
#include <stdexcept>

namespace quolan {

namespace {
using Empty = ParameterTagForm::WhenEmpty;

constexpr ParameterTagForm kForms[] = {
    {ParameterTag::Link, cmd::DialogUrl, "[url=", "]", "[/url]", true, Empty::InsertNothing, {}},
    {ParameterTag::Image, cmd::DialogImage, "[img]", "", "[/img]", false, Empty::InsertNothing, {}},
    {ParameterTag::Email, cmd::DialogEmail, "[email]", "", "[/email]", false, Empty::SameForm, {}},
    {ParameterTag::Size, cmd::DialogSize, "[size=", "]", "[/size]", true, Empty::SameForm, {}},
    {ParameterTag::Font, cmd::DialogFont, "[font=", "]", "[/font]", true, Empty::SameForm, {}},
    {ParameterTag::Focus, cmd::DialogFocus, "[focus=", "]", "[/focus]", true, Empty::BareOpening,
     "[focus]"},
    {ParameterTag::SpecialAction, cmd::DialogSpecialAction, "[sa=", "]", "[/sa]", true,
     Empty::BareOpening, "[sa]"},
    {ParameterTag::Color,
     cmd::DialogColor,
     "[color=",
     "]",
     "[/color]",
     true,
     Empty::InsertNothing,
     {}},
};

// The opening tag for P; false when an empty P inserts nothing.
bool buildOpening(const ParameterTagForm& form, std::string_view parameter, std::string& out) {
    out.clear();
    if (parameter.empty()) {
        switch (form.whenEmpty) {
        case Empty::InsertNothing:
            return false;
        case Empty::BareOpening:
            out = form.bareOpening;
            return true;
        case Empty::SameForm:
            break;
        }
    }
    out.reserve(form.prefix.size() + parameter.size() + form.suffix.size());
    out.append(form.prefix).append(parameter).append(form.suffix);
    return true;
}

bool startsWith(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}
} // namespace

std::span<const ParameterTagForm> parameterTagForms() {
    return kForms;
}

const ParameterTagForm& parameterTagForm(ParameterTag tag) {
    const auto* form = std::find_if(std::begin(kForms), std::end(kForms),
                                    [tag](const ParameterTagForm& f) { return f.tag == tag; });
    if (form == std::end(kForms))
        throw std::logic_error("parameter tag without a row");
    return *form;
}

bool buildParameterTag(const ParameterTagForm& form, std::string_view parameter,
                       std::string_view selection, std::string& out) {
    if (!buildOpening(form, parameter, out))
        return false;
    if (form.wrapsSelection)
        out.append(selection);
    out.append(form.closing);
    return true;
}

TagOutcome insertParameterTag(EditorModel& editor, ParameterTag tag, std::string_view parameter) {
    const ParameterTagForm& form = parameterTagForm(tag);
    std::string opening;
    if (!buildOpening(form, parameter, opening))
        return TagOutcome::NothingInserted;
    EditorModel::Result result;
    if (form.wrapsSelection) {
        result = wrapSelection(editor, opening, form.closing);
    } else {
        opening.append(form.closing);
        result = editor.replaceSelection(opening);
    }
    return result == EditorModel::Result::TooLarge ? TagOutcome::TooLarge : TagOutcome::Inserted;
}

bool prefillsAddress(std::u16string_view clipboardText) {
    return startsWith(clipboardText, u"http://") || startsWith(clipboardText, u"ftp://");
}

} // namespace quolan
