#pragma once

#include "core/document/Document.h"

#include <string>

class QWidget;

namespace quolan {

// Asked before a file that holds no text replaces the post; "Не открывать"
// is the default and the answer to Escape. True opens it.
bool askOpenNotText(QWidget& parent, const std::string& path);

// Asked before the first save of a post read in `encoding`; keeping it is the
// default and the answer to Escape, so other programs find the file as they
// left it.
EncodingAnswer askSaveEncoding(QWidget& parent, const std::string& path, FileEncoding encoding);

} // namespace quolan
