#pragma once

#include "core/shell/ClipboardPort.h"

namespace quolan {

// The system clipboard through QClipboard: Unicode text for other programs,
// with the line breaks this platform's programs expect.
class QtClipboard final : public ClipboardPort {
public:
    bool writeText(std::string_view text) override;
    std::optional<std::string> readText() override;
};

} // namespace quolan
