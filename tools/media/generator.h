// Writes the media folder. A file is (re)written only when it is missing, or
// when the manifest shows that we wrote it and nobody has changed it since;
// anything else in the folder belongs to the player and is left alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace media {

constexpr const char* kManifestName = ".generated";

struct Options {
    std::string outDir = "media";
    // Identifies the generator build. Files recorded under another stamp are
    // made again (and rewritten only if their bytes differ).
    std::string stamp = "dev";
    // Restrict the run to these file names (empty: everything).
    std::vector<std::string> only;
    bool verbose = false;
};

struct Report {
    int written = 0;    // new or refreshed files
    int upToDate = 0;   // ours, unchanged, nothing to do
    int kept = 0;       // someone else's file, left as it is
    int failed = 0;     // could not be made or written
    std::vector<std::string> keptNames;
};

// Every file name the generator can make, in the order it makes them.
std::vector<std::string> allOutputNames();

Report generate(const Options& opt);

uint64_t fnv1a(const std::vector<uint8_t>& bytes);
std::string hashHex(uint64_t h);

}  // namespace media
