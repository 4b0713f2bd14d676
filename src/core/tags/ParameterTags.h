#pragma once

#include "core/editor/EditorModel.h"

#include <span>
#include <string>
#include <string_view>

namespace quolan {

// The tags whose parameter the user types or picks in a dialog.
enum class ParameterTag { Link, Image, Email, Size, Font, Focus, SpecialAction, Color };

// One row of the tag table. With a parameter P the tag opens with
// prefix + P + suffix; the closing tag follows either the selection S
// (wrapping it) or the opening directly (S is replaced and lost).
struct ParameterTagForm {
    enum class WhenEmpty {
        InsertNothing, // an empty P inserts nothing at all
        SameForm,      // an empty P is put in as it is: "[size=]" ... "[/size]"
        BareOpening,   // an empty P gives the opening without "=": "[focus]"
    };

    ParameterTag tag;
    std::string_view command; // the command that opens the tag's dialog
    std::string_view prefix;
    std::string_view suffix;
    std::string_view closing;
    bool wrapsSelection;
    WhenEmpty whenEmpty;
    std::string_view bareOpening; // for WhenEmpty::BareOpening
};

std::span<const ParameterTagForm> parameterTagForms();
const ParameterTagForm& parameterTagForm(ParameterTag tag);

// The text that replaces the selection for parameter P and selected text S,
// or false when nothing is to be inserted. P is taken exactly as typed.
bool buildParameterTag(const ParameterTagForm& form, std::string_view parameter,
                       std::string_view selection, std::string& out);

enum class TagOutcome { Inserted, NothingInserted, TooLarge };

// Writes the tag over the editor's selection, as the table says.
TagOutcome insertParameterTag(EditorModel& editor, ParameterTag tag, std::string_view parameter);

// Whether the clipboard's text fills the address field of the link and image
// dialogs: only a text starting exactly (case-sensitively) with "http://" or
// "ftp://" does, and then it is taken whole and unchanged.
bool prefillsAddress(std::u16string_view clipboardText);

} // namespace quolan
