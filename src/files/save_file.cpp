#include "files/save_file.h"

#include "files/safe_files.h"
#include "files/thumbnail_sheet.h"
#include "puzzle/cube_nets.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

// A save is about 1.2 KB; anything far larger is not ours.
constexpr size_t largestSaveFile = 64 * 1024;

constexpr NetCell netFaces[] = {netLeft, netFront, netRight, netBackAcross, netTop, netBottom,
                                netBackDown};

bool onNet(int i, int j)
{
    for (NetCell cell : netFaces)
        if (cell.i == i && cell.j == j)
            return true;
    return false;
}

// The numbers in file order, each with a name a player can find it by and
// its place in a record. Listed once: a record's numbers are found by offset.
struct SavedNumber {
    size_t offset;
    std::string name;
    int lowest;
    int highest;
    int& in(SavedGame& saved) const
    {
        return *reinterpret_cast<int*>(reinterpret_cast<char*>(&saved) + offset);
    }
};

std::vector<SavedNumber> listSavedNumbers()
{
    SavedGame layout;
    auto offsetOf = [&layout](const int& value) {
        return size_t(reinterpret_cast<const char*>(&value) - reinterpret_cast<const char*>(&layout));
    };
    std::vector<SavedNumber> numbers;
    numbers.push_back({offsetOf(layout.level), "poziom", 0, levelCount - 1});
    for (int k = 1; k <= pictureCount; ++k)
        numbers.push_back({offsetOf(layout.pictureNumber[k]), "numer obrazka " + std::to_string(k), 1, 12});
    for (int k = 1; k <= pictureCount; ++k)
        numbers.push_back({offsetOf(layout.pictureSolved[k]), "znacznik ułożenia obrazka " + std::to_string(k), 0, 1});
    numbers.push_back({offsetOf(layout.moveCount), "licznik ruchów", 0, INT_MAX});
    for (int l = 0; l < levelCount; ++l)
        numbers.push_back({offsetOf(layout.levelMoves[l]), "ruchy poziomu " + std::to_string(l + 1), 0, INT_MAX});
    for (bool turns : {false, true})
        for (int c = 1; c <= cubeCount; ++c)
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j) {
                    std::string name = std::string(turns ? "obrót" : "ściana") + " kostki " +
                                       std::to_string(c) + " [" + std::to_string(i) + "][" +
                                       std::to_string(j) + "]";
                    // Off the net both grids hold 0.
                    int highest = !onNet(i, j) ? 0 : turns ? 3 : pictureCount;
                    int lowest = !onNet(i, j) ? 0 : turns ? 0 : 1;
                    const int& value = turns ? layout.cubeTurn[c][i][j] : layout.cubeNet[c][i][j];
                    numbers.push_back({offsetOf(value), name, lowest, highest});
                }
    return numbers;
}

const std::vector<SavedNumber>& savedNumbers()
{
    static const std::vector<SavedNumber> numbers = listSavedNumbers();
    return numbers;
}

// One whole number: an optional sign and decimal digits, within 32 bits.
bool parseNumber(const std::string& token, int& value)
{
    if (token.empty() || token.size() > 12)
        return false;
    size_t at = token[0] == '-' || token[0] == '+' ? 1 : 0;
    if (at == token.size())
        return false;
    for (size_t k = at; k < token.size(); ++k)
        if (token[k] < '0' || token[k] > '9')
            return false;
    long long parsed = std::strtoll(token.c_str(), nullptr, 10);
    if (parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

// What the ranges alone do not catch: the pictures of a level differ, every
// cube carries each of them once, and the back is one face seen twice.
bool checkWhole(const SavedGame& saved, std::string& why)
{
    for (int k = 1; k <= pictureCount; ++k)
        for (int other = 1; other < k; ++other)
            if (saved.pictureNumber[k] == saved.pictureNumber[other]) {
                why = "obrazki " + std::to_string(other) + " i " + std::to_string(k) +
                      " mają ten sam numer pliku " + std::to_string(saved.pictureNumber[k]);
                return false;
            }
    int solved = 0;
    for (int k = 1; k <= pictureCount; ++k)
        solved += saved.pictureSolved[k];
    if (solved == pictureCount) {
        why = "wszystkie obrazki poziomu są już ułożone";
        return false;
    }
    for (int c = 1; c <= cubeCount; ++c) {
        const auto& net = saved.cubeNet[c];
        if (net[netBackAcross.i][netBackAcross.j] != net[netBackDown.i][netBackDown.j]) {
            why = "kostka " + std::to_string(c) + " ma dwie różne ściany tylne";
            return false;
        }
        bool carries[pictureCount + 1] = {};
        for (NetCell cell : netFaces)
            if (!(cell.i == netBackDown.i && cell.j == netBackDown.j))
                carries[net[cell.i][cell.j]] = true;
        for (int k = 1; k <= pictureCount; ++k)
            if (!carries[k]) {
                why = "kostka " + std::to_string(c) + " nie ma obrazka " + std::to_string(k) +
                      " na żadnej ścianie";
                return false;
            }
    }
    return true;
}

void reportSaveFault(const std::string& why)
{
    std::fprintf(stderr, "zor: nie udało się zapisać gry w %s: %s\n", saveFilePath, why.c_str());
}

}  // namespace

SavedGame captureProgress()
{
    SavedGame saved;
    saved.level = level;
    std::memcpy(saved.pictureNumber, pictureNumber, sizeof pictureNumber);
    std::memcpy(saved.pictureSolved, pictureSolved, sizeof pictureSolved);
    saved.moveCount = moveCount;
    std::memcpy(saved.levelMoves, levelMoves, sizeof levelMoves);
    std::memcpy(saved.cubeNet, cubeNet, sizeof cubeNet);
    std::memcpy(saved.cubeTurn, cubeTurn, sizeof cubeTurn);
    return saved;
}

void takeOverProgress(const SavedGame& saved)
{
    level = saved.level;
    std::memcpy(pictureNumber, saved.pictureNumber, sizeof pictureNumber);
    std::memcpy(pictureSolved, saved.pictureSolved, sizeof pictureSolved);
    moveCount = saved.moveCount;
    std::memcpy(levelMoves, saved.levelMoves, sizeof levelMoves);
    std::memcpy(cubeNet, saved.cubeNet, sizeof cubeNet);
    std::memcpy(cubeTurn, saved.cubeTurn, sizeof cubeTurn);
}

std::string formatSavedGame(const SavedGame& saved)
{
    SavedGame copy = saved;
    std::string text;
    int written = 0;
    for (const SavedNumber& number : savedNumbers()) {
        text += std::to_string(number.in(copy));
        text += ' ';
        ++written;
        // Line 1 holds 17 values, every cube line 16.
        if (written == 17 || (written > 17 && (written - 17) % 16 == 0))
            text += '\n';
    }
    return text;
}

bool parseSavedGame(const std::string& text, SavedGame& into, std::string& why)
{
    SavedGame scratch;
    const std::vector<SavedNumber>& numbers = savedNumbers();
    size_t at = 0;
    for (size_t n = 0; n < numbers.size(); ++n) {
        static const char* const space = " \t\n\r\v\f";
        at = text.find_first_not_of(space, at);
        if (at == std::string::npos) {
            why = "plik kończy się po " + std::to_string(n) + " liczbach z " +
                  std::to_string(savedNumberCount);
            return false;
        }
        size_t end = std::min(text.find_first_of(space, at), text.size());
        std::string token = text.substr(at, std::min<size_t>(end - at, 20));
        at = end;
        int value;
        if (!parseNumber(token, value)) {
            why = "„" + token + "” w miejscu liczby " + std::to_string(n + 1) + " (" +
                  numbers[n].name + ") nie jest liczbą całkowitą";
            return false;
        }
        if (value < numbers[n].lowest || value > numbers[n].highest) {
            why = numbers[n].name + " = " + std::to_string(value) + ", a powinno być " +
                  (numbers[n].highest == INT_MAX
                       ? "co najmniej " + std::to_string(numbers[n].lowest)
                       : "od " + std::to_string(numbers[n].lowest) + " do " +
                             std::to_string(numbers[n].highest));
            return false;
        }
        numbers[n].in(scratch) = value;
    }
    if (!checkWhole(scratch, why))
        return false;
    into = scratch;
    return true;
}

bool saveProgress()
{
    std::string why;
    if (!replaceFileWith(saveFilePath, formatSavedGame(captureProgress()), why)) {
        reportSaveFault(why);
        return false;
    }
    return true;
}

bool loadProgress()
{
    std::string text, why;
    SavedGame saved;
    if (!readRegularFile(saveFilePath, text, largestSaveFile, why) ||
        !parseSavedGame(text, saved, why)) {
        std::fprintf(stderr, "zor: nie da się wczytać zapisanej gry z %s (%s); zaczynam nową grę\n",
                     saveFilePath, why.c_str());
        return false;
    }
    takeOverProgress(saved);
    return true;
}

void deleteSavedGame()
{
    for (const char* path : {thumbSheetPath, saveFilePath})
        if (unlink(path) != 0 && errno != ENOENT)
            std::fprintf(stderr, "zor: nie da się usunąć %s: %s\n", path, std::strerror(errno));
}
