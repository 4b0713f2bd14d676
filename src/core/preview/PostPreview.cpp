#include "PostPreview.h"

#include "core/preview/PostTokens.h"
#include "core/preview/PreviewFormat.h"
#include "core/preview/PreviewTags.h"
#include "core/tags/SmileyTable.h"

#include <algorithm>
#include <optional>
#include <span>

namespace quolan::preview {

namespace {

constexpr std::u16string_view kFrameStyle = u"border-color:#8c8c8c; border-style:solid;";
constexpr std::u16string_view kHeadingColour = u"#555555";
constexpr std::u16string_view kRemarkColour = u"#7a7a7a";
constexpr std::u16string_view kMonospace = u"'Courier New', monospace";

struct Active {
    std::uint32_t token; // the opening tag
    std::uint8_t row;
};

class Walk {
public:
    Walk(std::string_view post, const std::vector<Token>& tokens, const PreviewOptions& options)
        : post_(post), tokens_(tokens), options_(options), rows_(previewTags()),
          openOfName_(previewTagNames().size()) {}

    PostPreview run() {
        PostPreview result;
        html_ = options_.html ? &result.html : nullptr;
        findings_ = &result.findings;
        if (html_) {
            html_->reserve(std::min(post_.size(), options_.htmlBytes) * 3 + 64);
            *html_ += u"<html><body style=\"font-size:";
            appendNumber(*html_, static_cast<std::size_t>(options_.basePixelSize));
            *html_ += u"px;\">";
        }
        for (std::size_t t = 0; t < tokens_.size(); ++t) {
            if (html_ && tokens_[t].start >= options_.htmlBytes) {
                finishHtml();
                result.htmlCut = true;
            }
            t = step(t);
        }
        if (html_)
            finishHtml();
        result.findingCount = findingCount_;
        result.counts = {post_.size(), forumCharacters_, post_.size()};
        return result;
    }

private:
    const PreviewTag& rowOf(const Active& a) const { return rows_[a.row]; }
    std::string_view source(const Token& t) const { return post_.substr(t.start, t.length); }

    // Handles token t; returns the last token it took.
    std::size_t step(std::size_t t) {
        const Token& token = tokens_[t];
        switch (token.kind) {
        case TokenKind::Text:
            forumCharacters_ += token.length;
            emitText(source(token));
            break;
        case TokenKind::LineBreak:
            ++forumCharacters_;
            if (html_) {
                if (paragraphOpen_)
                    closeParagraph();
                else
                    *html_ += u"<div>&nbsp;</div>"; // an empty line
            }
            lineStart_ = token.start + token.length;
            ++line_;
            break;
        case TokenKind::Smiley:
            ++forumCharacters_;
            smiley(token);
            break;
        case TokenKind::Entity:
            ++forumCharacters_;
            if (html_) {
                openSpan();
                *html_ += u"&#";
                appendNumber(*html_, entityCharacter(post_, token));
                *html_ += u';';
            }
            break;
        case TokenKind::Open:
            if (!token.paired) {
                find(TagFinding::Kind::Unclosed, token, {});
                literal(token);
            } else if (rows_[token.tag].addressBetween) {
                return addressPair(t);
            } else {
                open(t);
            }
            break;
        case TokenKind::Close:
            if (!token.paired) {
                find(TagFinding::Kind::Unopened, token, {});
                literal(token);
            } else {
                close(t);
            }
            break;
        }
        return t;
    }

    void literal(const Token& token) {
        forumCharacters_ += token.length;
        emitText(source(token));
    }

    // Closes what is open in the HTML and ends it; the walk goes on without.
    void finishHtml() {
        closeParagraph();
        for (std::size_t b = blocks_.size(); b-- > 0;)
            closeBlockMarkup(blocks_[b]);
        closeParagraph();
        *html_ += u"</body></html>";
        html_ = nullptr;
    }

    void find(TagFinding::Kind kind, const Token& token, std::string openTag) {
        if (findingCount_++ >= options_.keptFindings)
            return;
        findings_->push_back({kind, token.start, token.length, line_, token.start - lineStart_ + 1,
                              std::string(source(token)), std::move(openTag)});
    }

    void emitText(std::string_view bytes) {
        if (!html_ || bytes.empty())
            return;
        openSpan();
        appendPostText(*html_, bytes, monospace_ > 0);
    }

    void smiley(const Token& token) {
        if (!html_)
            return;
        const Smiley& s = smileyTable()[token.tag];
        openSpan();
        *html_ += u"<img src=\"smiley:";
        *html_ += utf16(s.button);
        *html_ += u"\" width=\"";
        appendNumber(*html_, static_cast<std::size_t>(s.pictureWidth));
        *html_ += u"\" height=\"";
        appendNumber(*html_, static_cast<std::size_t>(s.pictureHeight));
        *html_ += u"\" />";
    }

    // --- tags that open and close -------------------------------------

    void open(std::size_t t) {
        const Token& token = tokens_[t];
        const std::size_t name = nameIndexOfRow(token.tag);
        openOfName_[name].push_back(static_cast<std::uint32_t>(live_.size()));
        live_.push_back({static_cast<std::uint32_t>(t), token.tag});
        liveAlive_.push_back(true);

        const Active active{static_cast<std::uint32_t>(t), token.tag};
        if (isBlock(rows_[token.tag].effect)) {
            blocks_.push_back(active);
            openBlock(active);
        } else {
            inline_.push_back(active);
            styleChanged_ = true;
        }
    }

    void close(std::size_t t) {
        const Token& token = tokens_[t];
        auto& opens = openOfName_[token.tag];
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
            find(TagFinding::Kind::Misnested, token,
                 std::string(source(tokens_[live_.back().token])));
            liveAlive_[index] = false;
        }

        if (removeLast(inline_, token.tag)) {
            styleChanged_ = true;
            return;
        }
        // A block: blocks opened inside it close with it and open again after.
        std::size_t b = blocks_.size();
        while (b-- > 0)
            if (nameIndexOfRow(blocks_[b].row) == token.tag)
                break;
        if (b >= blocks_.size())
            return;
        const std::vector<Active> above(blocks_.begin() + static_cast<std::ptrdiff_t>(b) + 1,
                                        blocks_.end());
        for (std::size_t i = blocks_.size(); i-- > b;)
            closeBlock(blocks_[i]);
        blocks_.resize(b);
        for (const Active& a : above) {
            blocks_.push_back(a);
            openBlock(a);
        }
    }

    bool removeLast(std::vector<Active>& list, std::size_t name) {
        for (std::size_t i = list.size(); i-- > 0;) {
            if (nameIndexOfRow(list[i].row) == name) {
                list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
                return true;
            }
        }
        return false;
    }

    static bool isBlock(Effect e) {
        return e == Effect::Center || e == Effect::Right || e == Effect::Box;
    }

    void openBlock(const Active& a) {
        const PreviewTag& row = rowOf(a);
        if (row.monospace) {
            ++monospace_;
            styleChanged_ = true;
        }
        if (!html_)
            return;
        closeParagraph();
        switch (row.effect) {
        case Effect::Center:
            *html_ += u"<div align=\"center\">";
            return;
        case Effect::Right:
            *html_ += u"<div align=\"right\">";
            return;
        default:
            break;
        }
        *html_ +=
            u"<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"6\" style=\"";
        *html_ += kFrameStyle;
        *html_ += u"\"><tr><td><p style=\"color:";
        *html_ += kHeadingColour;
        *html_ += u";\"><b>";
        std::u16string heading = utf16(preview::text(row.heading, options_.language));
        const std::size_t slot = heading.find(u"%1");
        if (slot != std::u16string::npos) {
            std::u16string name;
            const std::string_view parameter = trimmed(tokenParameter(post_, tokens_[a.token]));
            if (parameter.empty())
                appendEscaped(name, utf16(preview::text(Text::FocusOwnNick, options_.language)));
            else
                appendPostText(name, parameter, false);
            heading.replace(slot, 2, name);
        }
        *html_ += heading;
        *html_ += u"</b></p>";
    }

    void closeBlock(const Active& a) {
        if (rowOf(a).monospace) {
            --monospace_;
            styleChanged_ = true;
        }
        closeBlockMarkup(a);
    }

    void closeBlockMarkup(const Active& a) {
        if (!html_)
            return;
        const Effect effect = rowOf(a).effect;
        closeParagraph();
        *html_ += isBlock(effect) && effect != Effect::Box ? u"</div>" : u"</td></tr></table>";
    }

    // [url]address[/url], [email]address[/email], [img]address[/img]: the
    // text between is taken whole. Returns the closing token.
    std::size_t addressPair(std::size_t t) {
        std::size_t close = t + 1;
        while (tokens_[close].kind != TokenKind::Close)
            ++close;
        const Token& open = tokens_[t];
        const std::size_t from = open.start + open.length;
        const std::string_view address = post_.substr(from, tokens_[close].start - from);
        const Effect effect = rows_[open.tag].effect;
        forumCharacters_ += effect == Effect::Picture ? 1 : address.size();
        if (!html_)
            return close;
        if (effect == Effect::Picture) {
            closeParagraph();
            *html_ += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                      u"style=\"border-color:#8c8c8c; border-style:dashed;\"><tr><td><span "
                      u"style=\"color:";
            *html_ += kHeadingColour;
            *html_ += u";\">";
            appendEscaped(*html_, utf16(preview::text(Text::ImageHeading, options_.language)));
            *html_ += u"</span>";
            appendPostText(*html_, address, false);
            *html_ += u"</td></tr></table>";
            return close;
        }
        addressLink_ = linkAddress(address, effect == Effect::Mail);
        styleChanged_ = true;
        emitText(address);
        addressLink_.reset();
        styleChanged_ = true;
        return close;
    }

    // --- the look of running text ------------------------------------

    // Each line of running text is a block of its own: Qt lays out a few
    // thousand short blocks far faster than one block with line breaks.
    void closeParagraph() {
        closeSpan();
        if (paragraphOpen_)
            *html_ += u"</div>";
        paragraphOpen_ = false;
    }

    void closeSpan() {
        if (!spanOpen_)
            return;
        if (!style_.empty())
            *html_ += u"</span>";
        if (!href_.empty())
            *html_ += u"</a>";
        spanOpen_ = false;
    }

    void openSpan() {
        if (!paragraphOpen_) {
            *html_ += u"<div>";
            paragraphOpen_ = true;
        }
        if (spanOpen_ && !styleChanged_)
            return;
        closeSpan();
        if (styleChanged_)
            computeStyle();
        if (!href_.empty()) {
            *html_ += u"<a href=\"";
            appendPostText(*html_, href_, false);
            *html_ += u"\">";
        }
        if (!style_.empty()) {
            *html_ += u"<span style=\"";
            *html_ += style_;
            *html_ += u"\">";
        }
        spanOpen_ = true;
    }

    void computeStyle() {
        styleChanged_ = false;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        std::u16string colour;
        std::u16string family = monospace_ > 0 ? std::u16string(kMonospace) : std::u16string();
        int size = 0;
        std::string link;
        for (const Active& a : inline_) {
            const std::string_view parameter = tokenParameter(post_, tokens_[a.token]);
            switch (rowOf(a).effect) {
            case Effect::Bold:
                bold = true;
                break;
            case Effect::Italic:
                italic = true;
                break;
            case Effect::Underline:
                underline = true;
                break;
            case Effect::Remark:
                italic = true;
                colour = kRemarkColour;
                break;
            case Effect::Colour:
                if (safeColour(trimmed(parameter)))
                    colour = decodePost(trimmed(parameter));
                break;
            case Effect::Size:
                if (const int px = sizeInPixels(parameter, options_.basePixelSize); px > 0)
                    size = px;
                break;
            case Effect::Font:
                if (safeFont(trimmed(parameter)))
                    family = u"'" + decodePost(trimmed(parameter)) + u"'";
                break;
            case Effect::Link:
                if (std::string href = linkAddress(parameter, false); !href.empty())
                    link = std::move(href);
                break;
            default:
                break;
            }
        }
        if (addressLink_)
            link = *addressLink_;
        href_ = link;
        style_.clear();
        if (bold)
            style_ += u"font-weight:bold; ";
        if (italic)
            style_ += u"font-style:italic; ";
        if (underline)
            style_ += u"text-decoration:underline; ";
        if (!colour.empty())
            style_ += u"color:" + colour + u"; ";
        if (size > 0) {
            style_ += u"font-size:";
            appendNumber(style_, static_cast<std::size_t>(size));
            style_ += u"px; ";
        }
        if (!family.empty())
            style_ += u"font-family:" + family + u"; ";
    }

    std::string_view post_;
    const std::vector<Token>& tokens_;
    const PreviewOptions& options_;
    std::span<const PreviewTag> rows_;
    std::u16string* html_ = nullptr;
    std::vector<TagFinding>* findings_ = nullptr;

    // Open pairs in the order they opened; closed ones are dropped lazily.
    std::vector<Active> live_;
    std::vector<bool> liveAlive_;
    std::vector<std::vector<std::uint32_t>> openOfName_;

    std::vector<Active> inline_;
    std::vector<Active> blocks_;
    int monospace_ = 0;
    std::optional<std::string> addressLink_;
    bool styleChanged_ = true;
    bool spanOpen_ = false;
    bool paragraphOpen_ = false;
    std::u16string style_;
    std::string href_;

    std::size_t line_ = 1;
    std::size_t lineStart_ = 0;
    std::size_t forumCharacters_ = 0;
    std::size_t findingCount_ = 0;
};

void replaceSlot(std::u16string& text, std::u16string_view slot, std::u16string_view value) {
    const std::size_t at = text.find(slot);
    if (at != std::u16string::npos)
        text.replace(at, slot.size(), value);
}

} // namespace

PostPreview previewPost(std::string_view post, const PreviewOptions& options) {
    const std::vector<Token> tokens = tokenizePost(post);
    return Walk(post, tokens, options).run();
}

std::vector<TagFinding> checkTags(std::string_view post) {
    PreviewOptions options;
    options.html = false;
    return previewPost(post, options).findings;
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
