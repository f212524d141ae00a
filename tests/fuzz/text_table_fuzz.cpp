// The text table on any file, and every entry shown as a format: entries are
// the file's lines, and a formatted entry is the entry itself with at most
// one whole-number conversion replaced by the number, never more read from
// the arguments than the one int handed over.
#include "files/text_table.h"
#include "fuzz_check.h"
#include "shell/game_state.h"

#include <climits>
#include <cstdint>

namespace {

// "%%" shows one "%"; nothing else changes without a value.
std::string shownWithoutValue(const std::string& entry)
{
    std::string shown;
    for (size_t at = 0; at < entry.size(); ++at) {
        shown += entry[at];
        if (entry[at] == '%' && at + 1 < entry.size() && entry[at + 1] == '%')
            ++at;
    }
    return shown;
}

// `withValue` must be `plain` with one conversion (a "%" ... "d" or "i")
// replaced by a number, or `plain` unchanged.
void requireOneNumberInPlace(const std::string& plain, const std::string& withValue)
{
    size_t prefix = 0;
    while (prefix < plain.size() && prefix < withValue.size() && plain[prefix] == withValue[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < plain.size() - prefix && suffix < withValue.size() - prefix &&
           plain[plain.size() - 1 - suffix] == withValue[withValue.size() - 1 - suffix])
        ++suffix;
    std::string replaced = plain.substr(prefix, plain.size() - prefix - suffix);
    std::string number = withValue.substr(prefix, withValue.size() - prefix - suffix);
    require(number.find_first_not_of(" +-0123456789") == std::string::npos,
            "a value shown as something other than a number: \"" + number + "\"");
    require(number.size() <= 128, "a number wider than any caption");
    if (!number.empty())
        require(!replaced.empty() && replaced[0] == '%', "a number where there was no conversion");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    fillTextTable(bytes);
    size_t at = 0;
    for (const std::string& entry : texts) {
        // Each entry is the next line of the file, less a CR before its end.
        if (at >= bytes.size()) {
            require(entry.empty(), "an entry past the end of the file");
        } else {
            require(bytes.compare(at, entry.size(), entry) == 0, "an entry that is not its line");
            at += entry.size();
            if (at < bytes.size() && bytes[at] == '\r' && (at + 1 == bytes.size() || bytes[at + 1] == '\n'))
                ++at;
            require(at == bytes.size() || bytes[at] == '\n', "an entry that stops short of its line end");
            ++at;
        }
        std::string plain = formatText(entry);
        require(plain == shownWithoutValue(entry), "a format without a value shows more than its text");
        for (int value : {0, 7, -1, INT_MIN, INT_MAX})
            requireOneNumberInPlace(plain, formatText(entry, value));
    }
    return 0;
}
