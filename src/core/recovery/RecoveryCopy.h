#pragma once

#include "core/document/Document.h"

#include <optional>
#include <string>
#include <string_view>

namespace quolan {

// What a recovery copy keeps of an unsaved post: its text and the file it
// belongs to, so that a restored post saves where it would have.
struct RecoveryCopy {
    DocumentState state = DocumentState::New;
    std::string openName; // UTF-8 paths, as the document keeps them
    std::string saveName;
    std::string text; // the post: Windows-1251 bytes, CR LF line breaks
    // What saving it writes; copies from before encodings were kept have none
    // and read as the code page.
    FileEncoding encoding = FileEncoding::Windows1251;

    bool operator==(const RecoveryCopy&) const = default;
};

// The file a copy is kept in: a header of "key=value" lines under a line
// naming the format and its version, an empty line, then exactly `length`
// bytes of the text in UTF-8, so that a person can read it in any editor.
inline constexpr int kRecoveryFormatVersion = 1;

std::string encodeRecoveryCopy(const RecoveryCopy& copy);

struct DecodedCopy {
    enum class Status { Ok, Damaged, NewerVersion };
    Status status = Status::Damaged;
    RecoveryCopy copy;
};

// Anything that is not a whole copy of a known version is Damaged; a copy
// written by a later version of the program is left for that version.
DecodedCopy decodeRecoveryCopy(std::string_view bytes);

} // namespace quolan
