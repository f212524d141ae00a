#include "files/text_table.h"
#include "shell/game_state.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

class TextTableTest : public ScriptedGameTest {
protected:
    void writeTexts(const std::string& content)
    {
        std::ofstream("media/teksty.txt", std::ios::binary) << content;
    }
    static std::string lines(int count, const char* ending, bool finalEnding = true)
    {
        std::string content;
        for (int i = 0; i < count; ++i) {
            content += "linia " + std::to_string(i);
            if (i + 1 < count || finalEnding)
                content += ending;
        }
        return content;
    }
};

TEST_F(TextTableTest, TwentyFiveLinesFillEveryEntry)
{
    writeTexts(lines(25, "\n"));
    readTextTable();
    for (int i = 0; i < textCount; ++i)
        EXPECT_EQ(texts[i], "linia " + std::to_string(i));
}

TEST_F(TextTableTest, CarriageReturnLineEndsGiveTheSameEntries)
{
    writeTexts(lines(25, "\r\n"));
    readTextTable();
    for (int i = 0; i < textCount; ++i)
        EXPECT_EQ(texts[i], "linia " + std::to_string(i));
}

TEST_F(TextTableTest, ThreeLinesWithoutFinalLineFeed)
{
    writeTexts(lines(3, "\n", false));
    readTextTable();
    EXPECT_EQ(texts[0], "linia 0");
    EXPECT_EQ(texts[2], "linia 2");
    for (int i = 3; i < textCount; ++i)
        EXPECT_EQ(texts[i], "") << i;
}

TEST_F(TextTableTest, LinesPastTheTwentyFifthAreIgnored)
{
    writeTexts(lines(30, "\n"));
    readTextTable();
    EXPECT_EQ(texts[24], "linia 24");
}

TEST_F(TextTableTest, EmptyLineGivesEmptyEntryWithoutShifting)
{
    std::string content = lines(25, "\n");
    std::string tenth = "linia 9\n";
    content.replace(content.find(tenth), tenth.size(), "\n");
    writeTexts(content);
    readTextTable();
    EXPECT_EQ(texts[8], "linia 8");
    EXPECT_EQ(texts[9], "");
    EXPECT_EQ(texts[10], "linia 10");
}

TEST_F(TextTableTest, PolishLettersStayAsWritten)
{
    writeTexts("Zażółć gęślą jaźń\n");
    readTextTable();
    EXPECT_EQ(texts[0], "Zażółć gęślą jaźń");
}

TEST_F(TextTableTest, NoFileLeavesEveryEntryEmpty)
{
    std::remove("media/teksty.txt");
    texts[5] = "z poprzedniego uruchomienia";
    readTextTable();
    for (int i = 0; i < textCount; ++i)
        EXPECT_EQ(texts[i], "") << i;
}

struct FormatCase {
    const char* format;
    int value;
    const char* shown;
};

TEST(FormatTextTest, OneNumberFormats)
{
    const FormatCase cases[] = {
        {"Poziom %d", 3, "Poziom 3"},
        {"%d ruchów", 112, "112 ruchów"},
        {"%i", -4, "-4"},
        {"%3d|", 7, "  7|"},
        {"%-3d|", 7, "7  |"},
        {"%03d", 7, "007"},
        {"100%% gotowe: %d", 1, "100% gotowe: 1"},
        {"%d i %d", 7, "7 i %d"},       // one number, one conversion
        {"%s upadek", 5, "%s upadek"},  // would read a pointer
        {"%n", 5, "%n"},                // would write through one
        {"%ld", 5, "%ld"},              // would read a long
        {"%x", 255, "%x"},
        {"%999d", 5, "%999d"},          // width beyond any caption
        {"%.999d", 5, "%.999d"},
        {"koniec %", 1, "koniec %"},
        {"", 9, ""},
        {"bez liczby", 9, "bez liczby"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(formatText(c.format, c.value), c.shown) << c.format;
}

TEST(FormatTextTest, FormatsWithoutValue)
{
    const struct {
        const char* format;
        const char* shown;
    } cases[] = {
        {"Poziom łatwy", "Poziom łatwy"},
        {"50%% gotowe", "50% gotowe"},
        {"%d", "%d"},
        {"%s%n%p", "%s%n%p"},
        {"%", "%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatText(c.format), c.shown) << c.format;
}

}  // namespace
