#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quolan {

// The encodings a post file is read in. Posts are Windows-1251; files made
// by other editors come as UTF-8 (with or without a byte-order mark) or as
// UTF-16 (always with one: without it nothing tells UTF-16 from binary).
enum class FileEncoding { Windows1251, Utf8, Utf8Bom, Utf16LE, Utf16BE };

struct DecodedFile {
    FileEncoding encoding = FileEncoding::Windows1251;
    // The post: Windows-1251 bytes, every other character as "&#N;", line
    // breaks as the file had them.
    std::string text;
    // NUL, or more control characters than any written text holds.
    bool looksBinary = false;
};

// A UTF-8 or UTF-16 mark decides. Without one, valid UTF-8 holding at least
// one multi-byte sequence is UTF-8, and anything else Windows-1251, every byte
// a character. Nothing is lost: bytes that name no character (a sequence cut
// by the end of the file, invalid bytes after a UTF-8 mark, an odd last byte
// of UTF-16) become U+FFFD, and a lone UTF-16 surrogate keeps its own number
// as a reference, so that it is written back as it came.
DecodedFile decodeFile(std::string bytes);

// The post as a file in `encoding`. For UTF-8 and UTF-16 the references that
// reading makes, and typing does, turn back into their characters: "&#N;"
// written exactly so, for a character the code page cannot hold. Any other
// "&#…;" is text and stays. A mark the file had is written again.
std::string encodeFile(std::string_view post, FileEncoding encoding);

// "UTF-8", "UTF-16LE", …: how the window names an encoding.
std::string_view encodingName(FileEncoding encoding);
// A stable word for files that keep an encoding, and back.
std::string_view encodingKey(FileEncoding encoding);
std::optional<FileEncoding> encodingForKey(std::string_view key);

// Appends the UTF-8 bytes of a character.
void appendUtf8(std::string& out, char32_t c);

} // namespace quolan
