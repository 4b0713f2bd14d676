#include "PreviewHtml.h"

#include "core/preview/PreviewFormat.h"
#include "core/preview/PreviewTags.h"
#include "core/preview/TagPairing.h"
#include "core/tags/SmileyTable.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace quolan::preview {

namespace {

constexpr std::u16string_view kFrameStyle = u"border-color:#8c8c8c; border-style:solid;";
constexpr std::u16string_view kHeadingColour = u"#555555";
constexpr std::u16string_view kRemarkColour = u"#7a7a7a";
constexpr std::u16string_view kMonospace = u"'Courier New', monospace";

// A pair the text now stands inside.
struct Active {
    std::uint32_t token; // the opening tag
    std::uint8_t row;
};

class Writer {
public:
    Writer(std::string_view post, std::span<const Token> tokens, const PreviewOptions& options)
        : post_(post), tokens_(tokens), options_(options), rows_(previewTags()) {}

    PreviewHtml run() {
        PreviewHtml result;
        html_.reserve(std::min(post_.size(), options_.htmlBytes) * 3 + 64);
        html_ += u"<html><body style=\"font-size:";
        appendNumber(html_, static_cast<std::size_t>(options_.basePixelSize));
        html_ += u"px;\">";
        for (std::size_t t = 0; t < tokens_.size(); ++t) {
            if (tokens_[t].start >= options_.htmlBytes) {
                result.cut = true;
                break;
            }
            t = step(t);
        }
        finishHtml();
        result.html = std::move(html_);
        return result;
    }

private:
    const PreviewTag& rowOf(const Active& a) const { return rows_[a.row]; }
    std::string_view source(const Token& t) const { return post_.substr(t.start, t.length); }

    // Writes token t; returns the last token it took.
    std::size_t step(std::size_t t) {
        const Token& token = tokens_[t];
        switch (token.kind) {
        case TokenKind::Text:
            emitText(source(token));
            break;
        case TokenKind::LineBreak:
            if (paragraphOpen_)
                closeParagraph();
            else
                html_ += u"<div>&nbsp;</div>"; // an empty line
            break;
        case TokenKind::Smiley:
            smiley(token);
            break;
        case TokenKind::Entity:
            openSpan();
            html_ += u"&#";
            appendNumber(html_, entityCharacter(post_, token));
            html_ += u';';
            break;
        case TokenKind::Open:
            if (!token.paired)
                emitText(source(token));
            else if (rows_[token.tag].addressBetween)
                return addressPair(t);
            else
                open(t);
            break;
        case TokenKind::Close:
            if (!token.paired)
                emitText(source(token));
            else
                close(token);
            break;
        }
        return t;
    }

    // Closes what is open and ends the HTML.
    void finishHtml() {
        closeParagraph();
        for (std::size_t b = blocks_.size(); b-- > 0;)
            closeBlockMarkup(blocks_[b]);
        closeParagraph();
        html_ += u"</body></html>";
    }

    void emitText(std::string_view bytes) {
        if (bytes.empty())
            return;
        openSpan();
        appendPostText(html_, bytes, monospace_ > 0);
    }

    void smiley(const Token& token) {
        const Smiley& s = smileyTable()[token.tag];
        openSpan();
        html_ += u"<img src=\"smiley:";
        html_ += utf16(s.button);
        html_ += u"\" width=\"";
        appendNumber(html_, static_cast<std::size_t>(s.pictureWidth));
        html_ += u"\" height=\"";
        appendNumber(html_, static_cast<std::size_t>(s.pictureHeight));
        html_ += u"\" />";
    }

    // --- tags that open and close -------------------------------------

    void open(std::size_t t) {
        const Active active{static_cast<std::uint32_t>(t), tokens_[t].tag};
        if (isBlock(rowOf(active).effect)) {
            blocks_.push_back(active);
            openBlock(active);
        } else {
            inline_.push_back(active);
            styleChanged_ = true;
        }
    }

    void close(const Token& token) {
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
        closeParagraph();
        switch (row.effect) {
        case Effect::Center:
            html_ += u"<div align=\"center\">";
            return;
        case Effect::Right:
            html_ += u"<div align=\"right\">";
            return;
        default:
            break;
        }
        html_ += u"<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"6\" style=\"";
        html_ += kFrameStyle;
        html_ += u"\"><tr><td><p style=\"color:";
        html_ += kHeadingColour;
        html_ += u";\"><b>";
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
        html_ += heading;
        html_ += u"</b></p>";
    }

    void closeBlock(const Active& a) {
        if (rowOf(a).monospace) {
            --monospace_;
            styleChanged_ = true;
        }
        closeBlockMarkup(a);
    }

    void closeBlockMarkup(const Active& a) {
        const Effect effect = rowOf(a).effect;
        closeParagraph();
        html_ += isBlock(effect) && effect != Effect::Box ? u"</div>" : u"</td></tr></table>";
    }

    // [url]address[/url], [email]address[/email], [img]address[/img]: the
    // text between is taken whole. Returns the closing token.
    std::size_t addressPair(std::size_t t) {
        const std::size_t close = addressPairClose(tokens_, t);
        const Token& open = tokens_[t];
        const std::size_t from = open.start + open.length;
        const std::string_view address = post_.substr(from, tokens_[close].start - from);
        const Effect effect = rows_[open.tag].effect;
        if (effect == Effect::Picture) {
            closeParagraph();
            html_ += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                     u"style=\"border-color:#8c8c8c; border-style:dashed;\"><tr><td><span "
                     u"style=\"color:";
            html_ += kHeadingColour;
            html_ += u";\">";
            appendEscaped(html_, utf16(preview::text(Text::ImageHeading, options_.language)));
            html_ += u"</span>";
            appendPostText(html_, address, false);
            html_ += u"</td></tr></table>";
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
            html_ += u"</div>";
        paragraphOpen_ = false;
    }

    void closeSpan() {
        if (!spanOpen_)
            return;
        if (!style_.empty())
            html_ += u"</span>";
        if (!href_.empty())
            html_ += u"</a>";
        spanOpen_ = false;
    }

    void openSpan() {
        if (!paragraphOpen_) {
            html_ += u"<div>";
            paragraphOpen_ = true;
        }
        if (spanOpen_ && !styleChanged_)
            return;
        closeSpan();
        if (styleChanged_)
            computeStyle();
        if (!href_.empty()) {
            html_ += u"<a href=\"";
            appendPostText(html_, href_, false);
            html_ += u"\">";
        }
        if (!style_.empty()) {
            html_ += u"<span style=\"";
            html_ += style_;
            html_ += u"\">";
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
    std::span<const Token> tokens_;
    const PreviewOptions& options_;
    std::span<const PreviewTag> rows_;
    std::u16string html_;

    std::vector<Active> inline_;
    std::vector<Active> blocks_;
    int monospace_ = 0;
    std::optional<std::string> addressLink_;
    bool styleChanged_ = true;
    bool spanOpen_ = false;
    bool paragraphOpen_ = false;
    std::u16string style_;
    std::string href_;
};

} // namespace

PreviewHtml writePreviewHtml(std::string_view post, std::span<const Token> tokens,
                             const PreviewOptions& options) {
    return Writer(post, tokens, options).run();
}

} // namespace quolan::preview
