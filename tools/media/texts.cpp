// The words of the interface, one line per entry of the game's text table.
#include "art.h"

namespace media {

std::string textTable() {
    static const char* const lines[25] = {
        "",                // 0: not shown
        "Obrazki",         // 1: first level
        "Krajobrazy",      // 2: second level
        "Fraktale",        // 3: third level
        "Kontynuuj grę",   // 4: menu, continue
        "Nowa gra",        // 5: menu, new game; also the new-game button
        "RUCHY",           // 6: label beside the move counter
        "WYJŚCIE",         // 7: exit button
        "",                // 8: not shown
        "Zacznij nową grę",                              // 9: menu heading, nothing saved
        "Wróć do zapisanej gry lub zacznij od nowa",     // 10: menu heading, a game is saved
        "",                                              // 11: not shown
        "Gratulacje! Wszystkie obrazki ułożone",         // 12: final screen heading
        "Poziom %d",                                     // 13: level number
        "ruchy: %d",                                     // 14: moves of a level (no plural to get wrong)
        "",                                              // 15: not shown
        "Kostki z obrazkami",                            // 16: title heading
        "Na planszy stoi dwanaście kostek, a na każdej jest sześć kawałków obrazków.",
        "Naciśnij kostkę i przeciągnij myszą w bok, w górę lub w dół, by ją przetoczyć.",
        "Obrazek jest ułożony, gdy wszystkie dwanaście kawałków stoi prosto na miejscu.",
        "Ułóż sześć obrazków, a przejdziesz do następnego poziomu.",
        "Trzy poziomy: kolorowe obrazki, krajobrazy i fraktale.",   // 21
        "Kliknij, aby zacząć. Klawisz Esc zapisuje grę i kończy zabawę.",  // 22
        "",  // 23: not shown
        "",  // 24: not shown
    };
    std::string out;
    for (const char* l : lines) {
        out += l;
        out += '\n';
    }
    return out;
}

}  // namespace media
