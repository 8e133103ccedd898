#include "cli/common/command_usage.h"

#include <algorithm>
#include <cstddef>

namespace {

// No line is wider than 79 columns, so that an 80-column terminal breaks none;
// the options' help starts in the 23rd.
constexpr std::size_t HelpWidth = 79;
constexpr std::size_t HelpColumn = 22;

// Columns a UTF-8 text takes: one for each character, not for each byte.
std::size_t Columns(const std::string& text)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(text, [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }));
}

std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start)
            words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The pieces after what the first line begins with, one blank between them;
// a piece that does not fit starts a line of indent blanks. A piece wider than
// a line (a long path) stays whole.
std::string Filled(std::string line, const std::vector<std::string>& pieces, std::size_t indent)
{
    std::string text;
    bool lineHasPiece = false;
    for (const std::string& piece : pieces) {
        if (lineHasPiece && Columns(line) + 1 + Columns(piece) > HelpWidth) {
            text += line + '\n';
            line = std::string(indent, ' ');
            lineHasPiece = false;
        }
        if (lineHasPiece)
            line += ' ';
        line += piece;
        lineHasPiece = true;
    }
    return text + line + '\n';
}

std::string NameAndValue(const OptionUsage& option)
{
    return option.value.empty() ? option.name : option.name + " " + option.value;
}

}

std::string UsageLines(const CommandUsage& command)
{
    std::vector<std::string> pieces;
    for (const OptionUsage& option : command.options) {
        if (option.required)
            pieces.push_back(NameAndValue(option));
    }
    if (!command.operandsName.empty())
        pieces.push_back(command.operandsName);
    for (const OptionUsage& option : command.options) {
        if (!option.required)
            pieces.push_back(std::string(1, '[').append(NameAndValue(option)).append(1, ']'));
    }
    const std::string start = "  vantor-cli " + command.name + " ";
    return Filled(start, pieces, Columns(start));
}

std::string OptionLines(const std::vector<OptionUsage>& options)
{
    std::string text;
    for (const OptionUsage& option : options) {
        std::string start = "  " + NameAndValue(option);
        if (Columns(start) + 2 > HelpColumn) {
            text += start + '\n';
            start.clear();
        }
        start += std::string(HelpColumn - Columns(start), ' ');
        text += Filled(start, Words(option.help), HelpColumn);
    }
    return text;
}

std::string Paragraph(const std::string& text)
{
    return Filled("", Words(text), 0);
}
