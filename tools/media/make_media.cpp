// make_media [output-folder] [--only name,name...] [--verbose]
//
// Paints, synthesises and copies every media file the game reads into
// ./media (or the given folder). Run it from the repository root. It only
// touches files it wrote itself, so a player's own pictures survive.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "generator.h"

// The stamp is the hash of this very program: a rebuilt generator may paint
// differently, so its files are made again and compared.
static std::string selfStamp(const char* argv0) {
    for (const char* p : {"/proc/self/exe", argv0}) {
        std::ifstream in(p, std::ios::binary);
        if (!in) continue;
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!bytes.empty()) return media::hashHex(media::fnv1a(bytes));
    }
    return "unknown";
}

int main(int argc, char** argv) {
    media::Options opt;
    opt.stamp = selfStamp(argv[0]);
    for (int i = 1; i < argc; i++) {
        if (!std::strcmp(argv[i], "--verbose")) {
            opt.verbose = true;
        } else if (!std::strcmp(argv[i], "--only") && i + 1 < argc) {
            std::stringstream ss(argv[++i]);
            std::string name;
            while (std::getline(ss, name, ',')) opt.only.push_back(name);
        } else if (argv[i][0] == '-') {
            std::fprintf(stderr, "usage: make_media [output-folder] [--only a.jpg,b.png] [--verbose]\n");
            return 2;
        } else {
            opt.outDir = argv[i];
        }
    }
    media::Report r = media::generate(opt);
    for (const std::string& n : r.keptNames)
        std::printf("make_media: keeping %s/%s (not ours, or changed by hand)\n", opt.outDir.c_str(), n.c_str());
    std::printf("make_media: %d written, %d up to date, %d kept, %d failed\n", r.written, r.upToDate, r.kept,
                r.failed);
    return r.failed ? 1 : 0;
}
