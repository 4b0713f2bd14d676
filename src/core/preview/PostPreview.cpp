#include "PostPreview.h"

#include "core/preview/PostTokens.h"
#include "core/preview/PreviewFormat.h"
#include "core/preview/PreviewHtml.h"
#include "core/preview/TagPairing.h"

#include <cstdint>

namespace quolan::preview {

namespace {

void replaceSlot(std::u16string& text, std::u16string_view slot, std::u16string_view value) {
    const std::size_t at = text.find(slot);
    if (at != std::u16string::npos)
        text.replace(at, slot.size(), value);
}

} // namespace

PostPreview previewPost(std::string_view post, const PreviewOptions& options) {
    const std::vector<Token> tokens = tokenizePost(post);
    PostPreview result;
    PostCheck check = checkPairs(post, tokens, options.keptFindings);
    result.findings = std::move(check.findings);
    result.findingCount = check.findingCount;
    result.counts = {post.size(), check.forumCharacters, post.size()};
    if (options.html) {
        PreviewHtml html = writePreviewHtml(post, tokens, options);
        result.html = std::move(html.html);
        result.htmlCut = html.cut;
    }
    return result;
}

std::vector<TagFinding> checkTags(std::string_view post) {
    return checkPairs(post, tokenizePost(post), SIZE_MAX).findings;
}

std::u16string findingMessage(const TagFinding& finding, Language language) {
    const Text id = finding.kind == TagFinding::Kind::Unclosed   ? Text::Unclosed
                    : finding.kind == TagFinding::Kind::Unopened ? Text::Unopened
                                                                 : Text::Misnested;
    std::u16string message = utf16(preview::text(id, language));
    std::u16string number;
    appendNumber(number, finding.line);
    replaceSlot(message, u"%1", number);
    number.clear();
    appendNumber(number, finding.column);
    replaceSlot(message, u"%2", number);
    replaceSlot(message, u"%3", decodePost(finding.tag));
    replaceSlot(message, u"%4", decodePost(finding.openTag));
    return message;
}

} // namespace quolan::preview
