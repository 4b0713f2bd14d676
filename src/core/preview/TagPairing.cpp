#include "TagPairing.h"

#include "core/preview/PreviewTags.h"

#include <cstdint>
#include <string>

namespace quolan::preview {

namespace {

// True when nothing but plain text without quotes or brackets lies between
// tokens `open` and `close`: the text between them can be an address.
bool addressBetween(std::string_view post, const std::vector<Token>& tokens, std::size_t open,
                    std::size_t close) {
    for (std::size_t t = open + 1; t < close; ++t) {
        const Token& token = tokens[t];
        if (token.kind != TokenKind::Text && token.kind != TokenKind::Entity)
            return false;
        const std::string_view text = post.substr(token.start, token.length);
        if (text.find_first_of("[]\"") != std::string_view::npos)
            return false;
    }
    return true;
}

// One pass of one row: pairs openings with the first unpaired closing after
// them, left to right, without overlap.
void pairRow(std::string_view post, std::vector<Token>& tokens, const PreviewTag& row,
             std::vector<std::uint32_t>& openings, std::vector<std::uint32_t>& closings) {
    std::size_t c = 0;
    std::size_t resumeAfter = 0; // the next opening must come after this token
    bool paired = false;
    for (const std::uint32_t open : openings) {
        if (paired && open < resumeAfter)
            continue;
        while (c < closings.size() && closings[c] < open)
            ++c;
        if (c == closings.size())
            break;
        const std::uint32_t close = closings[c];
        if (row.addressBetween && !addressBetween(post, tokens, open, close))
            continue;
        tokens[open].paired = true;
        tokens[close].paired = true;
        resumeAfter = close;
        paired = true;
        ++c;
    }
    std::erase_if(openings, [&](std::uint32_t t) { return tokens[t].paired; });
    std::erase_if(closings, [&](std::uint32_t t) { return tokens[t].paired; });
}

// Walks the paired tokens as the reader meets them, keeping the open pairs
// to see which close out of turn.
class Checker {
public:
    Checker(std::string_view post, std::span<const Token> tokens, std::size_t keptFindings)
        : post_(post), tokens_(tokens), keptFindings_(keptFindings),
          openOfName_(previewTagNames().size()) {}

    PostCheck run() {
        for (std::size_t t = 0; t < tokens_.size(); ++t)
            t = step(t);
        return std::move(result_);
    }

private:
    std::string_view source(const Token& t) const { return post_.substr(t.start, t.length); }

    // Takes token t; returns the last token it took.
    std::size_t step(std::size_t t) {
        const Token& token = tokens_[t];
        switch (token.kind) {
        case TokenKind::Text:
            result_.forumCharacters += token.length;
            break;
        case TokenKind::LineBreak:
            ++result_.forumCharacters;
            lineStart_ = token.start + token.length;
            ++line_;
            break;
        case TokenKind::Smiley:
        case TokenKind::Entity:
            ++result_.forumCharacters;
            break;
        case TokenKind::Open:
            if (!token.paired) {
                find(TagFinding::Kind::Unclosed, token, {});
                result_.forumCharacters += token.length;
            } else if (previewTags()[token.tag].addressBetween) {
                return addressPair(t);
            } else {
                open(t);
            }
            break;
        case TokenKind::Close:
            if (!token.paired) {
                find(TagFinding::Kind::Unopened, token, {});
                result_.forumCharacters += token.length;
            } else {
                close(t);
            }
            break;
        }
        return t;
    }

    void find(TagFinding::Kind kind, const Token& token, std::string openTag) {
        if (result_.findingCount++ >= keptFindings_)
            return;
        result_.findings.push_back({kind, token.start, token.length, line_,
                                    token.start - lineStart_ + 1, std::string(source(token)),
                                    std::move(openTag)});
    }

    void open(std::size_t t) {
        const std::size_t name = nameIndexOfRow(tokens_[t].tag);
        openOfName_[name].push_back(static_cast<std::uint32_t>(live_.size()));
        live_.push_back(static_cast<std::uint32_t>(t));
        liveAlive_.push_back(true);
    }

    void close(std::size_t t) {
        auto& opens = openOfName_[tokens_[t].tag];
        const std::uint32_t index = opens.back();
        opens.pop_back();
        while (!live_.empty() && !liveAlive_.back()) {
            live_.pop_back();
            liveAlive_.pop_back();
        }
        if (index + 1 == live_.size()) {
            live_.pop_back();
            liveAlive_.pop_back();
        } else {
            find(TagFinding::Kind::Misnested, tokens_[t],
                 std::string(source(tokens_[live_.back()])));
            liveAlive_[index] = false;
        }
    }

    // A picture shows as one character; a link or mail address as its text.
    std::size_t addressPair(std::size_t t) {
        const std::size_t close = addressPairClose(tokens_, t);
        const Token& open = tokens_[t];
        const std::size_t from = open.start + open.length;
        result_.forumCharacters +=
            previewTags()[open.tag].effect == Effect::Picture ? 1 : tokens_[close].start - from;
        return close;
    }

    std::string_view post_;
    std::span<const Token> tokens_;
    std::size_t keptFindings_;
    PostCheck result_;

    // Open pairs in the order they opened (their opening tokens); closed ones
    // are dropped lazily.
    std::vector<std::uint32_t> live_;
    std::vector<bool> liveAlive_;
    std::vector<std::vector<std::uint32_t>> openOfName_;

    std::size_t line_ = 1;
    std::size_t lineStart_ = 0;
};

} // namespace

void pairTags(std::string_view post, std::vector<Token>& tokens) {
    const auto rows = previewTags();
    std::vector<std::vector<std::uint32_t>> openings(rows.size());
    std::vector<std::vector<std::uint32_t>> closings(previewTagNames().size());
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        if (tokens[t].kind == TokenKind::Open)
            openings[tokens[t].tag].push_back(static_cast<std::uint32_t>(t));
        else if (tokens[t].kind == TokenKind::Close)
            closings[tokens[t].tag].push_back(static_cast<std::uint32_t>(t));
    }
    for (int pass = 0; pass < kPairingPasses; ++pass)
        for (std::size_t row = 0; row < rows.size(); ++row)
            if (!openings[row].empty())
                pairRow(post, tokens, rows[row], openings[row], closings[nameIndexOfRow(row)]);
}

std::size_t addressPairClose(std::span<const Token> tokens, std::size_t open) {
    std::size_t close = open + 1;
    while (tokens[close].kind != TokenKind::Close)
        ++close;
    return close;
}

PostCheck checkPairs(std::string_view post, std::span<const Token> tokens,
                     std::size_t keptFindings) {
    return Checker(post, tokens, keptFindings).run();
}

} // namespace quolan::preview
