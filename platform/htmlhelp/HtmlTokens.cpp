#include "platform/htmlhelp/HtmlTokens.h"

#include <cctype>
#include <cstdint>

namespace platform::chm {

namespace {

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

struct NamedEntity {
    std::string_view name;
    std::uint32_t cp;
};

constexpr NamedEntity kEntities[] = {
    {"amp", '&'},     {"lt", '<'},       {"gt", '>'},      {"quot", '"'},     {"apos", '\''},
    {"nbsp", 0xA0},   {"copy", 0xA9},    {"reg", 0xAE},    {"ndash", 0x2013}, {"mdash", 0x2014},
    {"times", 0xD7},  {"hellip", 0x2026}, {"rarr", 0x2192}, {"larr", 0x2190}, {"rsquo", 0x2019},
    {"lsquo", 0x2018}, {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"le", 0x2264},   {"ge", 0x2265},
};

// Parses the attributes of a tag body (after the name, up to '>').
void parseAttributes(std::string_view body, HtmlTag& tag)
{
    std::size_t i = 0;
    while (i < body.size()) {
        while (i < body.size() && (isSpace(body[i]) || body[i] == '/'))
            ++i;
        const std::size_t nameStart = i;
        while (i < body.size() && !isSpace(body[i]) && body[i] != '=' && body[i] != '/')
            ++i;
        if (i == nameStart) {
            ++i;
            continue;
        }
        std::string name;
        for (char c : body.substr(nameStart, i - nameStart))
            name += lower(c);
        while (i < body.size() && isSpace(body[i]))
            ++i;
        std::string value;
        if (i < body.size() && body[i] == '=') {
            ++i;
            while (i < body.size() && isSpace(body[i]))
                ++i;
            if (i < body.size() && (body[i] == '"' || body[i] == '\'')) {
                const char quote = body[i++];
                const std::size_t end = body.find(quote, i);
                const std::size_t stop = end == std::string_view::npos ? body.size() : end;
                value = decodeEntities(body.substr(i, stop - i));
                i = stop + 1;
            } else {
                const std::size_t start = i;
                while (i < body.size() && !isSpace(body[i]))
                    ++i;
                value = decodeEntities(body.substr(start, i - start));
            }
        }
        tag.attributes.emplace_back(std::move(name), std::move(value));
    }
}

} // namespace

std::string_view HtmlTag::attribute(std::string_view wanted) const
{
    for (const auto& attr : attributes)
        if (attr.first == wanted)
            return attr.second;
    return {};
}

void scanHtml(std::string_view html, const HtmlVisitor& visitor)
{
    std::size_t i = 0;
    std::size_t textStart = 0;
    auto flushText = [&](std::size_t end) {
        if (end > textStart && visitor.text)
            visitor.text(html.substr(textStart, end - textStart));
    };
    while (i < html.size()) {
        if (html[i] != '<') {
            ++i;
            continue;
        }
        if (html.compare(i, 4, "<!--") == 0) {
            flushText(i);
            const std::size_t end = html.find("-->", i + 4);
            i = end == std::string_view::npos ? html.size() : end + 3;
            textStart = i;
            continue;
        }
        const std::size_t next = i + 1;
        const bool closing = next < html.size() && html[next] == '/';
        const std::size_t nameStart = closing ? next + 1 : next;
        const bool declaration = next < html.size() && (html[next] == '!' || html[next] == '?');
        if (!declaration && (nameStart >= html.size() || !std::isalpha(static_cast<unsigned char>(html[nameStart])))) {
            ++i; // a lone '<' is text
            continue;
        }
        const std::size_t end = html.find('>', i);
        if (end == std::string_view::npos)
            break; // an unfinished tag: the rest is text
        flushText(i);
        if (!declaration) {
            HtmlTag tag;
            tag.closing = closing;
            std::size_t j = nameStart;
            while (j < end && !isSpace(html[j]) && html[j] != '/' && html[j] != '>')
                tag.name += lower(html[j++]);
            parseAttributes(html.substr(j, end - j), tag);
            if (visitor.tag)
                visitor.tag(tag);
        }
        i = end + 1;
        textStart = i;
    }
    flushText(html.size());
}

std::string decodeEntities(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '&') {
            out += text[i++];
            continue;
        }
        const std::size_t semi = text.find(';', i + 1);
        if (semi == std::string_view::npos || semi - i > 10) {
            out += text[i++];
            continue;
        }
        const std::string_view ref = text.substr(i + 1, semi - i - 1);
        bool done = false;
        if (ref.size() >= 2 && ref[0] == '#') {
            const bool hex = ref[1] == 'x' || ref[1] == 'X';
            const std::string_view digits = ref.substr(hex ? 2 : 1);
            std::uint32_t cp = 0;
            bool ok = !digits.empty();
            for (char c : digits) {
                const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                              : hex && std::isxdigit(static_cast<unsigned char>(c)) ? lower(c) - 'a' + 10
                                                                                    : -1;
                if (d < 0 || cp > 0x10FFFF) {
                    ok = false;
                    break;
                }
                cp = cp * (hex ? 16u : 10u) + static_cast<std::uint32_t>(d);
            }
            if (ok) {
                appendUtf8(out, cp);
                done = true;
            }
        } else {
            for (const NamedEntity& e : kEntities) {
                if (e.name == ref) {
                    appendUtf8(out, e.cp);
                    done = true;
                    break;
                }
            }
        }
        if (done) {
            i = semi + 1;
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace platform::chm
