#include "LanguageCommands.h"

namespace quolan {

void applyLanguage(Language language, LanguageTextSink& sink) {
    for (const LanguageTable& table : languageTables())
        for (const LanguageRow& row : table.rows) {
            if (row.isCaptionCopy())
                sink.copyCaption(row);
            else
                sink.setText(row, row.text.in(language));
        }
}

} // namespace quolan
