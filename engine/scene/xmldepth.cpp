#include "engine/scene/xmldepth.h"

#include <tinyxml.h>

#include <cctype>
#include <cstring>
#include <vector>

namespace {

// One pass in one encoding. TinyXML reads byte by byte until the document's
// first declaration, and then in UTF-8 or not depending on its encoding
// attribute: the caller runs both passes. Every function returns null where
// TinyXML would stop with an error; the pass ends there, as TinyXML does.
class Pass {
public:
    Pass(bool utf8AfterDeclaration, int limit) : utf8AfterDeclaration_(utf8AfterDeclaration), limit_(limit) {}

    // False when deeper than the limit, or when TinyXML would read past the end.
    bool run(const char* p);

private:
    struct Open {
        const char* name;
        size_t length;
    };

    static bool space(char c) { return std::isspace(static_cast<unsigned char>(c)) || c == '\n' || c == '\r'; }
    static bool alpha(unsigned char c) { return c < 127 ? std::isalpha(c) != 0 : true; }
    static bool alnum(unsigned char c) { return c < 127 ? std::isalnum(c) != 0 : true; }
    static bool startsWith(const char* p, const char* tag, bool ignoreCase);

    const char* skipSpace(const char* p) const;
    const char* readName(const char* p) const;
    const char* entity(const char* p) const;
    const char* character(const char* p);
    const char* readText(const char* p, const char* end);
    const char* attribute(const char* p);
    const char* declaration(const char* p);
    const char* otherNode(const char* p);
    // An element's start tag; "<name ...>" leaves the element open.
    const char* startTag(const char* p);

    bool utf8_ = false;
    bool utf8AfterDeclaration_;
    int limit_;
    bool pastEnd_ = false;
    std::vector<Open> open_;
};

bool Pass::startsWith(const char* p, const char* tag, bool ignoreCase)
{
    for (; *p && *tag; ++p, ++tag) {
        char a = *p, b = *tag;
        if (ignoreCase) {
            a = static_cast<char>(std::tolower(static_cast<unsigned char>(a)));
            b = static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
        }
        if (a != b)
            return false;
    }
    return *tag == 0;
}

const char* Pass::skipSpace(const char* p) const
{
    while (*p) {
        const unsigned char* u = reinterpret_cast<const unsigned char*>(p);
        if (utf8_ && u[0] == 0xEF &&
            ((u[1] == 0xBB && u[2] == 0xBF) || (u[1] == 0xBF && (u[2] == 0xBE || u[2] == 0xBF)))) {
            p += 3;
            continue;
        }
        if (!space(*p))
            break;
        ++p;
    }
    return p;
}

const char* Pass::readName(const char* p) const
{
    if (!*p || !(alpha(static_cast<unsigned char>(*p)) || *p == '_'))
        return nullptr;
    while (*p && (alnum(static_cast<unsigned char>(*p)) || *p == '_' || *p == '-' || *p == '.' || *p == ':'))
        ++p;
    return p;
}

const char* Pass::entity(const char* p) const
{
    if (p[1] == '#' && p[2]) {
        bool hex = p[2] == 'x';
        if (hex && !p[3])
            return nullptr;
        const char* q = std::strchr(p + (hex ? 3 : 2), ';');
        if (!q)
            return nullptr;
        const char* end = q;
        // Backwards to the nearest 'x' or '#', as TinyXML checks the digits.
        for (--q; *q != (hex ? 'x' : '#'); --q) {
            unsigned char c = static_cast<unsigned char>(*q);
            if (!(hex ? std::isxdigit(c) : std::isdigit(c)))
                return nullptr;
        }
        return end + 1;
    }
    static const char* const kNamed[] = {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"};
    for (const char* named : kNamed)
        if (std::strncmp(named, p, std::strlen(named)) == 0)
            return p + std::strlen(named);
    return p + 1;
}

const char* Pass::character(const char* p)
{
    int length = utf8_ ? TiXmlBase::utf8ByteTable[static_cast<unsigned char>(*p)] : 1;
    if (length == 1)
        return *p == '&' ? entity(p) : p + 1;
    // TinyXML steps over the whole sequence, even past the text's end.
    for (int i = 1; i < length; ++i)
        if (!p[i]) {
            pastEnd_ = true;
            return nullptr;
        }
    return p + length;
}

const char* Pass::readText(const char* p, const char* end)
{
    while (p && *p && !startsWith(p, end, false))
        p = character(p);
    if (p && *p)
        p += std::strlen(end);
    return p;
}

const char* Pass::attribute(const char* p)
{
    p = skipSpace(p);
    if (!*p || !(p = readName(p)) || !*p)
        return nullptr;
    p = skipSpace(p);
    if (*p != '=')
        return nullptr;
    p = skipSpace(p + 1);
    if (!*p)
        return nullptr;
    if (*p == '\'' || *p == '"') {
        const char end[2] = {*p, 0};
        return readText(p + 1, end);
    }
    for (; *p && !space(*p) && *p != '/' && *p != '>'; ++p)
        if (*p == '\'' || *p == '"')
            return nullptr;
    return p;
}

const char* Pass::declaration(const char* p)
{
    p += 5;
    while (p && *p) {
        if (*p == '>')
            return p + 1;
        p = skipSpace(p);
        if (startsWith(p, "version", true) || startsWith(p, "encoding", true) || startsWith(p, "standalone", true)) {
            p = attribute(p);
        } else {
            while (*p && *p != '>' && !space(*p))
                ++p;
        }
    }
    return nullptr;
}

// Declarations, comments, CDATA and anything else that is not an element.
const char* Pass::otherNode(const char* p)
{
    if (startsWith(p, "<?xml", true))
        return declaration(p);
    const char* end = nullptr;
    size_t skip = 0;
    if (startsWith(p, "<!--", false)) {
        end = "-->";
        skip = 4;
    } else if (startsWith(p, "<![CDATA[", false)) {
        end = "]]>";
        skip = 9;
    }
    if (end) {
        const char* found = std::strstr(p + skip, end);
        return found ? found + 3 : p + std::strlen(p);
    }
    for (++p; *p && *p != '>'; ++p) {
    }
    return *p ? p + 1 : p;
}

const char* Pass::startTag(const char* p)
{
    p = skipSpace(p + 1);
    const char* name = p;
    if (!(p = readName(p)) || !*p)
        return nullptr;
    size_t length = static_cast<size_t>(p - name);
    while (*p) {
        p = skipSpace(p);
        if (!*p)
            return nullptr;
        if (*p == '/')
            return p[1] == '>' ? p + 2 : nullptr;
        if (*p == '>') {
            open_.push_back({name, length});
            return p + 1;
        }
        if (!(p = attribute(p)) || !*p)
            return nullptr;
    }
    return nullptr;
}

bool Pass::run(const char* p)
{
    const unsigned char* u = reinterpret_cast<const unsigned char*>(p);
    utf8_ = u[0] == 0xEF && u[1] == 0xBB && u[2] == 0xBF;
    bool decided = utf8_;
    p = skipSpace(p);
    while (p && *p) {
        if (*p != '<') {
            if (open_.empty())
                break; // text outside the root ends the document
            p = readText(p, "<");
            p = (p && *p) ? p - 1 : nullptr;
            continue;
        }
        if (!open_.empty() && startsWith(p, "</", false)) {
            const Open& top = open_.back();
            if (std::strncmp(p + 2, top.name, top.length) != 0)
                return !pastEnd_;
            p = skipSpace(p + 2 + top.length);
            if (*p != '>')
                return !pastEnd_;
            open_.pop_back();
            p = skipSpace(p + 1);
            continue;
        }
        if (alpha(static_cast<unsigned char>(p[1])) || p[1] == '_') {
            if (static_cast<int>(open_.size()) + 1 > limit_)
                return false;
            p = startTag(p);
        } else {
            bool isDeclaration = startsWith(p, "<?xml", true);
            p = otherNode(p);
            if (isDeclaration && open_.empty() && !decided) {
                utf8_ = utf8AfterDeclaration_;
                decided = true;
            }
        }
        if (p)
            p = skipSpace(p);
    }
    return !pastEnd_;
}

} // namespace

bool xmlNestingWithin(const char* text, int limit)
{
    if (!text)
        return true;
    return Pass(false, limit).run(text) && Pass(true, limit).run(text);
}
