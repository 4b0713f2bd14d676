#include "PostTokens.h"

#include "core/preview/PreviewTags.h"
#include "core/preview/TagPairing.h"
#include "core/tags/SmileyTable.h"

#include <array>
#include <cstring>

namespace quolan::preview {

namespace {

// Bytes at which something other than plain text may start.
constexpr std::array<bool, 256> specialBytes() {
    std::array<bool, 256> special{};
    for (const char c : std::string_view("[&\r\n"))
        special[static_cast<unsigned char>(c)] = true;
    return special;
}

class Scanner {
public:
    explicit Scanner(std::string_view post) : post_(post) {
        special_ = specialBytes();
        for (const Smiley& s : smileyTable())
            special_[static_cast<unsigned char>(s.inserted.front())] = true;
    }

    std::vector<Token> run() {
        std::vector<Token> tokens;
        tokens.reserve(post_.size() / 16 + 4);
        std::size_t textStart = 0;
        std::size_t i = 0;
        const auto flushText = [&](std::size_t end) {
            if (end > textStart)
                tokens.push_back(make(textStart, end - textStart, TokenKind::Text));
        };
        while (i < post_.size()) {
            const auto c = static_cast<unsigned char>(post_[i]);
            if (!special_[c]) {
                ++i;
                continue;
            }
            Token token{};
            if (smileyAt(i, token) || (c == '[' && tagAt(i, token)) ||
                (c == '&' && entityAt(i, token)) || lineBreakAt(i, token)) {
                flushText(i);
                tokens.push_back(token);
                i += token.length;
                textStart = i;
            } else {
                ++i;
            }
        }
        flushText(post_.size());
        return tokens;
    }

private:
    static Token make(std::size_t start, std::size_t length, TokenKind kind, std::size_t tag = 0) {
        return {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(length), kind,
                static_cast<std::uint8_t>(tag)};
    }

    // The longest smiley code starting at `at`, case-sensitive.
    bool smileyAt(std::size_t at, Token& token) const {
        std::size_t best = 0;
        std::size_t bestLength = 0;
        const auto table = smileyTable();
        for (std::size_t s = 0; s < table.size(); ++s) {
            const std::string_view code = table[s].inserted;
            if (code.front() == post_[at] && code.size() > bestLength &&
                post_.substr(at, code.size()) == code) {
                best = s;
                bestLength = code.size();
            }
        }
        if (bestLength == 0)
            return false;
        token = make(at, bestLength, TokenKind::Smiley, best);
        return true;
    }

    bool smileyStartsAt(std::size_t at) const {
        if (!special_[static_cast<unsigned char>(post_[at])])
            return false;
        Token unused{};
        return smileyAt(at, unused);
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    // "[name]", "[name=P]", "[name='P']", "[name="P"]" or "[/name]".
    bool tagAt(std::size_t at, Token& token) const {
        std::size_t i = at + 1;
        const bool closing = i < post_.size() && post_[i] == '/';
        if (closing)
            ++i;
        const std::size_t nameStart = i;
        while (i < post_.size() && isLetter(post_[i]) && i - nameStart < 8)
            ++i;
        if (i >= post_.size() || i == nameStart)
            return false;
        const std::string_view name = post_.substr(nameStart, i - nameStart);
        if (closing) {
            const int index = post_[i] == ']' ? findPreviewTagName(name) : -1;
            if (index < 0)
                return false;
            token = make(at, i + 1 - at, TokenKind::Close, static_cast<std::size_t>(index));
            return true;
        }
        if (post_[i] == ']') {
            const int row = findPreviewTag(name, false);
            if (row < 0)
                return false;
            token = make(at, i + 1 - at, TokenKind::Open, static_cast<std::size_t>(row));
            return true;
        }
        if (post_[i] != '=')
            return false;
        const int row = findPreviewTag(name, true);
        if (row < 0)
            return false;
        const std::size_t end = parameterEnd(i + 1);
        if (end == 0)
            return false;
        token = make(at, end - at, TokenKind::Open, static_cast<std::size_t>(row));
        return true;
    }

    static bool endsParameter(char c) {
        return c == '"' || c == '\'' || c == '[' || c == ']' || c == '\r' || c == '\n';
    }

    // Just past the "]" closing a parameter that starts at `from`, or 0. A
    // parameter holds no quotes, brackets or line breaks, unless the whole of
    // it stands in one kind of quotes, and no smiley code starts in it.
    std::size_t parameterEnd(std::size_t from) const {
        std::size_t i = from;
        char quote = 0;
        if (i < post_.size() && (post_[i] == '"' || post_[i] == '\'')) {
            quote = post_[i];
            ++i;
        }
        while (i < post_.size() && !endsParameter(post_[i])) {
            if (smileyStartsAt(i))
                return 0;
            ++i;
        }
        if (quote != 0) {
            if (i >= post_.size() || post_[i] != quote)
                return 0;
            ++i;
        }
        if (i >= post_.size() || post_[i] != ']')
            return 0;
        return i + 1;
    }

    // "&#N;" (decimal) or "&#xH;" (hexadecimal) naming a character.
    bool entityAt(std::size_t at, Token& token) const {
        std::size_t i = at + 1;
        if (i >= post_.size() || post_[i] != '#')
            return false;
        ++i;
        const bool hex = i < post_.size() && (post_[i] == 'x' || post_[i] == 'X');
        if (hex)
            ++i;
        const std::size_t digitsStart = i;
        std::uint32_t value = 0;
        while (i < post_.size() && i - digitsStart < 7) {
            const char c = post_[i];
            std::uint32_t digit = 0;
            if (c >= '0' && c <= '9')
                digit = static_cast<std::uint32_t>(c - '0');
            else if (hex && c >= 'a' && c <= 'f')
                digit = static_cast<std::uint32_t>(c - 'a' + 10);
            else if (hex && c >= 'A' && c <= 'F')
                digit = static_cast<std::uint32_t>(c - 'A' + 10);
            else
                break;
            value = value * (hex ? 16u : 10u) + digit;
            ++i;
        }
        if (i == digitsStart || i >= post_.size() || post_[i] != ';' || smileyStartsAt(i))
            return false;
        if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        token = make(at, i + 1 - at, TokenKind::Entity);
        return true;
    }

    bool lineBreakAt(std::size_t at, Token& token) const {
        const char c = post_[at];
        if (c != '\r' && c != '\n')
            return false;
        const std::size_t length =
            c == '\r' && at + 1 < post_.size() && post_[at + 1] == '\n' ? 2 : 1;
        token = make(at, length, TokenKind::LineBreak);
        return true;
    }

    std::string_view post_;
    std::array<bool, 256> special_{};
};

} // namespace

std::vector<Token> tokenizePost(std::string_view post) {
    std::vector<Token> tokens = Scanner(post).run();
    pairTags(post, tokens);
    return tokens;
}

std::string_view tokenParameter(std::string_view post, const Token& token) {
    const std::string_view text = post.substr(token.start, token.length);
    const std::size_t equals = text.find('=');
    if (token.kind != TokenKind::Open || equals == std::string_view::npos)
        return {};
    std::string_view parameter = text.substr(equals + 1, text.size() - equals - 2);
    if (!parameter.empty() && (parameter.front() == '"' || parameter.front() == '\''))
        parameter = parameter.substr(1, parameter.size() - 2);
    return parameter;
}

char32_t entityCharacter(std::string_view post, const Token& token) {
    const std::string_view text = post.substr(token.start + 2, token.length - 3);
    const bool hex = text.front() == 'x' || text.front() == 'X';
    char32_t value = 0;
    for (const char c : hex ? text.substr(1) : text) {
        const char32_t digit = c <= '9' ? static_cast<char32_t>(c - '0')
                                        : static_cast<char32_t>((c | 0x20) - 'a' + 10);
        value = value * (hex ? 16u : 10u) + digit;
    }
    return value;
}

} // namespace quolan::preview
