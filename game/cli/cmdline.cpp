#include "game/cli/cmdline.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifndef PLUMFALL_VERSION
#define PLUMFALL_VERSION "0"
#endif

const char* plumfallVersion()
{
    return PLUMFALL_VERSION;
}

bool readIntArg(const char* text, int lo, int hi, int& out)
{
    if (!text || !*text)
        return false;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || v < lo || v > hi)
        return false;
    out = static_cast<int>(v);
    return true;
}

CommandLine::CommandLine(const char* program, const char* synopsis, std::vector<OptionSpec> options,
                         std::vector<HelpSection> sections)
    : program_(program), synopsis_(synopsis), options_(std::move(options)), sections_(std::move(sections))
{
}

const OptionSpec* CommandLine::find(const std::string& name) const
{
    for (const OptionSpec& o : options_)
        if (name == o.name)
            return &o;
    return nullptr;
}

namespace {

// "  name  text", the text from column 25 and wrapped before column 80; a name
// too long for its column stands on a line of its own.
void printEntry(std::FILE* out, const std::string& name, const char* text)
{
    const size_t column = 25, width = 79;
    std::fprintf(out, "  %s", name.c_str());
    size_t at = 2 + name.size();
    if (at + 2 > column) {
        std::fputc('\n', out);
        at = 0;
    }
    std::fprintf(out, "%*s", int(column - at), "");
    at = column;
    const char* word = text;
    while (*word) {
        size_t len = std::strcspn(word, " ");
        if (at > column && at + 1 + len > width) {
            std::fprintf(out, "\n%*s", int(column), "");
            at = column;
        } else if (at > column) {
            std::fputc(' ', out);
            ++at;
        }
        std::fwrite(word, 1, len, out);
        at += len;
        word += len;
        word += std::strspn(word, " ");
    }
    std::fputc('\n', out);
}

} // namespace

void CommandLine::printUsage(std::FILE* out, bool full) const
{
    std::fprintf(out, "usage: %s %s\n", program_, synopsis_);
    for (const OptionSpec& o : options_) {
        std::string left = o.name;
        if (o.value)
            left += o.valueOptional ? std::string(" [") + o.value + "]" : std::string(" ") + o.value;
        printEntry(out, left, o.help);
    }
    printEntry(out, "-h, --help", "show this help and exit");
    printEntry(out, "--version", "show the version and exit");
    if (!full)
        return;
    for (const HelpSection& section : sections_) {
        std::fprintf(out, "\n%s:\n", section.title);
        for (const auto& entry : section.entries)
            printEntry(out, entry.first, entry.second);
    }
}

int CommandLine::parse(int argc, char** argv, const Handler& take, std::vector<std::string>* positional) const
{
    auto refuse = [&](const std::string& line) {
        std::fprintf(stderr, "%s: %s\n", program_, line.c_str());
        printUsage(stderr);
        return 2;
    };
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            printUsage(stdout, true);
            return 0;
        }
        if (word == "--version") {
            std::printf("%s %s\n", program_, plumfallVersion());
            return 0;
        }
        if (word.size() < 2 || word[0] != '-' || word == "-") {
            if (!positional)
                return refuse("unexpected argument '" + word + "'");
            positional->push_back(word);
            continue;
        }
        const OptionSpec* option = find(word);
        if (!option)
            return refuse("unknown option '" + word + "'");
        const char* value = nullptr;
        if (option->value) {
            bool next = i + 1 < argc;
            if (option->valueOptional)
                next = next && std::strncmp(argv[i + 1], "--", 2) != 0;
            else if (!next)
                return refuse("option '" + word + "' needs a value (" + option->value + ")");
            if (next)
                value = argv[++i];
        }
        std::string error;
        if (!take(word, value, error))
            return refuse(error.empty() ? "bad value for '" + word + "'" : error);
    }
    return -1;
}
