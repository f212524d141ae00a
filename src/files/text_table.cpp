#include "files/text_table.h"

#include "shell/game_state.h"

#include <cstdio>
#include <cstring>
#include <fstream>

void readTextTable()
{
    std::ifstream file("media/teksty.txt");
    // Exactly 25 reads; once the file has ended a read takes nothing, so the
    // entries past a short file (or all, without a file) stay empty.
    for (std::string& entry : texts) {
        entry.clear();
        std::getline(file, entry);
        // A file written with CR LF line ends gives the same entries.
        if (!entry.empty() && entry.back() == '\r')
            entry.pop_back();
    }
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
