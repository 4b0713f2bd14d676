#pragma once

#include "core/i18n/LanguageTable.h"

#include <span>

namespace quolan {

// Texts of the subsystems beyond the interface's own list: each subsystem
// keeps its table of rows beside its code, and the program's assembly
// (core/app/FeatureLanguageTables.cpp) lists them. The commands apply them
// after the interface's six tables, in the order listed there.
std::span<const LanguageTable> extraLanguageTables();

} // namespace quolan
