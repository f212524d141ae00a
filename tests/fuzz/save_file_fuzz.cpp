// The save-file reader on any bytes: a refused save changes nothing; an
// accepted one is a game the player can be in, and writes back to a file
// that reads as the same game.
#include "files/save_file.h"
#include "fuzz_check.h"
#include "support/game_invariants.h"

#include <cstdint>
#include <cstring>

namespace {

// A record no reader would produce, so that any write into it shows.
SavedGame untouchedRecord()
{
    SavedGame record;
    std::memset(&record, 0x5a, sizeof record);
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    const SavedGame untouched = untouchedRecord();
    SavedGame read = untouched;
    std::string why;
    if (!parseSavedGame(text, read, why)) {
        require(!why.empty(), "a refusal without a reason");
        require(std::memcmp(&read, &untouched, sizeof read) == 0, "a refused save changed the record");
        return 0;
    }
    std::string broken = brokenSaveInvariant(read);
    require(broken.empty(), "an accepted save breaks an invariant: " + broken);

    std::string written = formatSavedGame(read);
    SavedGame again = untouched;
    require(parseSavedGame(written, again, why), "a written save is refused: " + why);
    require(std::memcmp(&again, &read, sizeof read) == 0, "a written save reads back otherwise");

    takeOverProgress(read);
    require(formatSavedGame(captureProgress()) == written, "taking a save over loses part of it");
    return 0;
}
