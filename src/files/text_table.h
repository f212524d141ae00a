// The text table: every word of the interface but one message comes from
// media/teksty.txt, one line per entry.
#pragma once

#include <string>

constexpr const char* textTablePath = "media/teksty.txt";

// Fills texts[0..24] from media/teksty.txt. A missing file leaves every entry
// empty; a short file leaves the entries after its last line empty. Reads
// only a plain file, never blocking on anything else in its place. Returns
// why the file could not be read ("brak pliku", "to folder, nie plik", ...),
// or "".
std::string readTextTable();

// Fills texts[0..24] from the file's bytes: one entry a line.
void fillTextTable(const std::string& bytes);

// Entries shown as formats are made safe here rather than handed to printf:
// a stray "%s" or "%n" in the file must not crash the game. In both forms
// "%%" shows "%" and any other percent sign is shown as it stands.
//
// Without a value: no conversion takes anything.
std::string formatText(const std::string& format);
// With a value: the first whole-number conversion ("%d", "%i", with flags,
// width and precision, such as "%3d") shows `value`.
std::string formatText(const std::string& format, int value);
