// The text table: every word of the interface but one message comes from
// media/teksty.txt, one line per entry.
#pragma once

#include <string>

// Fills texts[0..24] from media/teksty.txt. A missing file leaves every entry
// empty; a short file leaves the entries after its last line empty.
void readTextTable();

// Entries shown as formats are made safe here rather than handed to printf:
// a stray "%s" or "%n" in the file must not crash the game. In both forms
// "%%" shows "%" and any other percent sign is shown as it stands.
//
// Without a value: no conversion takes anything.
std::string formatText(const std::string& format);
// With a value: the first whole-number conversion ("%d", "%i", with flags,
// width and precision, such as "%3d") shows `value`.
std::string formatText(const std::string& format, int value);
