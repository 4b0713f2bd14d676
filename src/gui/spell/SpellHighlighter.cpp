#include "SpellHighlighter.h"

#include "core/text/PlatformText.h"
#include "core/text/Windows1251.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace quolan {

namespace {
using spell::Region;

// A slice of background checking holds the window no longer than this.
constexpr qint64 kSliceNs = 4'000'000;
// An edit reaching over more paragraphs leaves the rest to the slices.
constexpr int kParagraphsCheckedAtOnce = 32;
// Paragraphs longer than this are not checked: laying out such a paragraph
// again for its underlines would cost more than any key press.
constexpr int kLongestCheckedParagraph = 100'000;

// A paragraph's state: the generation of its check, the region it was
// checked from and the region its end is in. -1: never checked.
constexpr int kRegionBits = 4;
constexpr int kGenerations = 1 << 22;

int packState(int generation, Region start, Region end) {
    return (generation << (2 * kRegionBits)) | (static_cast<int>(start) << kRegionBits) |
           static_cast<int>(end);
}
Region endOf(int state) {
    return state < 0 ? Region::Prose : static_cast<Region>(state & ((1 << kRegionBits) - 1));
}
Region startOf(int state) {
    return static_cast<Region>((state >> kRegionBits) & ((1 << kRegionBits) - 1));
}
int generationOf(int state) {
    return state >> (2 * kRegionBits);
}

// The paragraph as post bytes, one for each of its characters.
std::string postBytes(const QString& text) {
    std::string out(static_cast<std::size_t>(text.size()), '?');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == kLoneCrGlyph)
            out[static_cast<std::size_t>(i)] = '\r';
        else if (c == kLoneLfGlyph)
            out[static_cast<std::size_t>(i)] = '\n';
        else if (const auto byte = cp1251::encode(c))
            out[static_cast<std::size_t>(i)] = static_cast<char>(*byte);
    }
    return out;
}
} // namespace

SpellHighlighter::SpellHighlighter(QPlainTextEdit& edit, spell::Speller& speller)
    : QObject(&edit), edit_(edit), speller_(speller) {
    misspelt_.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    misspelt_.setUnderlineColor(Qt::red);
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &SpellHighlighter::runSlice);
    // After the editor's own handler: the post holds the edit by then.
    connect(edit_.document(), &QTextDocument::contentsChange, this,
            &SpellHighlighter::contentsChanged);
    characterCount_ = edit_.document()->characterCount();
    recheckAll();
}

SpellHighlighter::~SpellHighlighter() {
    disconnect(edit_.document(), nullptr, this, nullptr);
}

void SpellHighlighter::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    recheckAll();
}

void SpellHighlighter::recheckAll() {
    generation_ = (generation_ + 1) % kGenerations;
    restartSweep(0);
}

void SpellHighlighter::restartSweep(int fromBlock) {
    sweepBlock_ = std::min(sweepBlock_, fromBlock);
    if (!slices_.isActive())
        slices_.start();
}

bool SpellHighlighter::isCurrent(const QTextBlock& block) const {
    const int state = block.userState();
    return state >= 0 && generationOf(state) == generation_ && startOf(state) == startRegion(block);
}

Region SpellHighlighter::startRegion(const QTextBlock& block) const {
    const QTextBlock previous = block.previous();
    return previous.isValid() ? endOf(previous.userState()) : Region::Prose;
}

void SpellHighlighter::check(QTextBlock block) {
    const Region start = startRegion(block);
    const QString text = block.text();
    QList<QTextLayout::FormatRange> formats;
    Region end = start;
    if (text.size() <= kLongestCheckedParagraph) {
        const std::string bytes = postBytes(text);
        end = spell::splitWords(bytes, start, [&](const spell::Word& word) {
            if (enabled_ &&
                speller_.isMisspelt(std::string_view(bytes).substr(word.position, word.length),
                                    word.script))
                formats.push_back(
                    {static_cast<int>(word.position), static_cast<int>(word.length), misspelt_});
        });
    }
    block.setUserState(packState(generation_, start, end));
    QTextLayout* layout = block.layout();
    if (layout && layout->formats() != formats) {
        layout->setFormats(formats);
        edit_.document()->markContentsDirty(block.position(), block.length());
    }
}

void SpellHighlighter::contentsChanged(int position, int removed, int added) {
    QTextDocument& document = *edit_.document();
    const int expected = characterCount_ - removed + added;
    characterCount_ = document.characterCount();
    if (expected != characterCount_) {
        // The editor rewrote more than it told: check everything again.
        recheckAll();
        return;
    }
    QTextBlock block = document.findBlock(position);
    if (slices_.isActive())
        sweepBlock_ = std::min(sweepBlock_, block.blockNumber());
    const QTextBlock last = document.findBlock(position + added);
    const int lastNumber = last.isValid() ? last.blockNumber() : document.blockCount() - 1;
    if (lastNumber - block.blockNumber() >= kParagraphsCheckedAtOnce) {
        // A new text or a long paste: the visible part first, in slices.
        // Paragraphs the edit kept keep their states too; none is current.
        restartSweep(block.blockNumber());
        for (; block.isValid() && block.blockNumber() <= lastNumber; block = block.next())
            block.setUserState(-1);
        return;
    }
    for (; block.isValid() && block.blockNumber() <= lastNumber; block = block.next()) {
        const Region endBefore = endOf(block.userState());
        check(block);
        if (endOf(block.userState()) != endBefore && block.next().isValid())
            restartSweep(block.next().blockNumber());
    }
    // A paragraph the edit reached before the sweep did is current already.
}

void SpellHighlighter::runSlice() {
    QElapsedTimer clock;
    clock.start();
    QTextDocument& document = *edit_.document();
    // The paragraphs in view first.
    const QTextBlock firstShown = edit_.cursorForPosition(QPoint(0, 0)).block();
    const QTextBlock lastShown =
        edit_.cursorForPosition(QPoint(edit_.viewport()->width(), edit_.viewport()->height()))
            .block();
    for (QTextBlock block = firstShown;
         block.isValid() && block.blockNumber() <= lastShown.blockNumber() &&
         clock.nsecsElapsed() < kSliceNs;
         block = block.next())
        if (!isCurrent(block))
            check(block);
    QTextBlock block = document.findBlockByNumber(sweepBlock_);
    while (block.isValid() && clock.nsecsElapsed() < kSliceNs) {
        if (!isCurrent(block))
            check(block);
        block = block.next();
    }
    if (block.isValid()) {
        sweepBlock_ = block.blockNumber();
        return;
    }
    sweepBlock_ = document.blockCount();
    slices_.stop();
    emit allChecked();
}

std::optional<MisspeltWord> SpellHighlighter::misspeltAt(int position) {
    if (!enabled_)
        return std::nullopt;
    const QTextBlock block = edit_.document()->findBlock(position);
    if (!block.isValid() || block.length() > kLongestCheckedParagraph)
        return std::nullopt;
    const std::string bytes = postBytes(block.text());
    const auto offset = static_cast<std::size_t>(position - block.position());
    std::optional<MisspeltWord> found;
    spell::splitWords(bytes, startRegion(block), [&](const spell::Word& word) {
        if (offset < word.position || offset > word.position + word.length)
            return;
        const std::string_view text = std::string_view(bytes).substr(word.position, word.length);
        if (speller_.isMisspelt(text, word.script))
            found = MisspeltWord{block.position() + static_cast<int>(word.position),
                                 static_cast<int>(word.length), std::string(text), word.script};
    });
    return found;
}

} // namespace quolan
