#include "engine/platform/xfile_faces.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace platform {
namespace {

// The tokens of a text .x file that matter here: names, numbers and braces;
// separators, comments, strings and GUIDs are stepped over.
class Lexer {
public:
    explicit Lexer(const std::string& text) : text_(text) {}

    // The next token, or "" at the end.
    std::string next()
    {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (std::isspace(static_cast<unsigned char>(c)) || c == ',' || c == ';') {
                ++pos_;
            } else if (c == '#' || (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/')) {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
            } else if (c == '"' || c == '<') {
                size_t end = text_.find(c == '"' ? '"' : '>', pos_ + 1);
                pos_ = end == std::string::npos ? text_.size() : end + 1;
            } else if (c == '{' || c == '}') {
                ++pos_;
                return std::string(1, c);
            } else {
                size_t start = pos_;
                while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_])) &&
                       !std::strchr(",;{}\"<#", text_[pos_]))
                    ++pos_;
                return text_.substr(start, pos_ - start);
            }
        }
        return "";
    }

    // The next token as a count or index; false when it is not one.
    bool whole(unsigned long& value)
    {
        std::string t = next();
        if (t.empty() || !std::isdigit(static_cast<unsigned char>(t[0])))
            return false;
        char* end = nullptr;
        value = std::strtoul(t.c_str(), &end, 10);
        return *end == 0;
    }

private:
    const std::string& text_;
    size_t pos_ = 0;
};

enum class Faces { Valid, Invalid, Unknown };

// After "Mesh [name] {": the vertex count, the vertices, the faces.
Faces checkMesh(Lexer& lex)
{
    unsigned long vertices = 0, faces = 0;
    if (!lex.whole(vertices))
        return Faces::Unknown;
    for (unsigned long i = 0; i < 3 * vertices; ++i)
        if (lex.next().empty())
            return Faces::Unknown;
    if (!lex.whole(faces))
        return Faces::Unknown;
    for (unsigned long f = 0; f < faces; ++f) {
        unsigned long count = 0, index = 0;
        if (!lex.whole(count))
            return Faces::Unknown;
        if (count < 3)
            return Faces::Invalid;
        for (unsigned long k = 0; k < count; ++k) {
            if (!lex.whole(index))
                return Faces::Unknown;
            if (index >= vertices)
                return Faces::Invalid;
        }
    }
    return Faces::Valid;
}

} // namespace

bool xFileFacesValid(const char* path)
{
    std::ifstream in(path ? path : "", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // "xof 0302txt 0032": magic, version, format, float size.
    if (text.size() < 16 || text.compare(0, 4, "xof ") != 0 || text.compare(8, 4, "txt ") != 0)
        return true;
    Lexer lex(text);
    lex.next(); // "xof"
    lex.next(); // "0302txt"
    lex.next(); // "0032"
    std::string token;
    while (!(token = lex.next()).empty()) {
        if (token == "template") {
            // Declarations only: a template's body holds no data.
            for (int depth = 0; !(token = lex.next()).empty();) {
                if (token == "{")
                    ++depth;
                else if (token == "}" && --depth <= 0)
                    break;
            }
            continue;
        }
        if (token == "Mesh") {
            std::string name = lex.next();
            if (name == "{" || (name != "}" && !name.empty() && lex.next() == "{")) {
                if (checkMesh(lex) == Faces::Invalid)
                    return false;
            }
        }
    }
    return true;
}

} // namespace platform
