#include "files/text_table.h"

#include "files/safe_files.h"
#include "shell/game_state.h"

#include <cstdio>
#include <cstring>

namespace {

// Twenty-five short lines; anything far larger is not ours.
constexpr size_t largestTextTable = 1024 * 1024;

}  // namespace

void fillTextTable(const std::string& bytes)
{
    // One entry a line; past the last line the entries stay empty.
    size_t at = 0;
    for (std::string& entry : texts) {
        entry.clear();
        if (at >= bytes.size())
            continue;
        size_t end = bytes.find('\n', at);
        if (end == std::string::npos)
            end = bytes.size();
        entry = bytes.substr(at, end - at);
        at = end + 1;
        // A file written with CR LF line ends gives the same entries.
        if (!entry.empty() && entry.back() == '\r')
            entry.pop_back();
    }
}

std::string readTextTable()
{
    std::string bytes, why;
    readRegularFile(textTablePath, bytes, largestTextTable, why);
    fillTextTable(bytes);
    return why;
}

namespace {

// Length of a whole-number conversion at the start of `text` (just after the
// percent sign), or 0 when there is none. Length modifiers are refused: they
// would ask printf for a wider type than the int we hand it.
size_t integerConversionLength(const char* text)
{
    size_t at = 0;
    while (text[at] && std::strchr("-+ #0", text[at]))
        ++at;
    size_t widthStart = at;
    while (text[at] >= '0' && text[at] <= '9')
        ++at;
    if (at - widthStart > 2)   // a width of hundreds of pixels is no caption
        return 0;
    if (text[at] == '.') {
        ++at;
        size_t precisionStart = at;
        while (text[at] >= '0' && text[at] <= '9')
            ++at;
        if (at - precisionStart > 2)
            return 0;
    }
    if (text[at] == 'd' || text[at] == 'i')
        return at + 1;
    return 0;
}

std::string formatWith(const std::string& format, const int* value)
{
    std::string shown;
    bool valueUsed = value == nullptr;
    for (size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%') {
            shown += format[at];
            continue;
        }
        if (at + 1 < format.size() && format[at + 1] == '%') {
            shown += '%';
            ++at;
            continue;
        }
        size_t length = valueUsed ? 0 : integerConversionLength(format.c_str() + at + 1);
        if (length == 0) {
            shown += '%';
            continue;
        }
        std::string conversion = format.substr(at, length + 1);
        char number[128];
        std::snprintf(number, sizeof number, conversion.c_str(), *value);
        shown += number;
        valueUsed = true;
        at += length;
    }
    return shown;
}

}  // namespace

std::string formatText(const std::string& format)
{
    return formatWith(format, nullptr);
}

std::string formatText(const std::string& format, int value)
{
    return formatWith(format, &value);
}
