#include "generator.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>

#include "allegro_io.h"
#include "art.h"

namespace fs = std::filesystem;

namespace media {

uint64_t fnv1a(const std::vector<uint8_t>& bytes) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (uint8_t b : bytes) {
        h ^= b;
        h *= 0x100000001b3ull;
    }
    return h;
}

std::string hashHex(uint64_t h) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", (unsigned long long)h);
    return buf;
}

namespace {

struct Output {
    std::string name;
    std::function<Bytes(const std::string& scratch)> make;
};

Bytes readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return {};
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool writeFileAtomically(const fs::path& p, const Bytes& bytes) {
    fs::path tmp = p;
    tmp += ".part";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write((const char*)bytes.data(), (std::streamsize)bytes.size());
        if (!out) return false;
    }
    std::error_code ec;
    fs::rename(tmp, p, ec);
    if (ec) fs::remove(tmp, ec);
    return !ec;
}

std::vector<Output> outputs() {
    std::vector<Output> list;
    for (char set : {'b', 'p', 'w'})
        for (int n = 1; n <= 12; n++)
            list.push_back({std::string(1, set) + std::to_string(n) + ".jpg",
                            [set, n](const std::string& s) { return encodeImage(paintPicture(set, n), ".jpg", s); }});
    list.push_back({"t2.jpg", [](const std::string& s) { return encodeImage(paintBackground(), ".jpg", s); }});
    list.push_back({"ele.png", [](const std::string& s) { return encodeImage(paintAtlas(), ".png", s); }});
    list.push_back({"arial.ttf", [](const std::string&) { return readFile(systemFontRegular()); }});
    list.push_back({"arialbd.ttf", [](const std::string&) { return readFile(systemFontBold()); }});
    list.push_back({"LICENSE-fonts.txt",
                    [](const std::string&) { return readFile("/usr/share/doc/fonts-liberation/copyright"); }});
    for (int s : {1, 3, 5})
        list.push_back({"s" + std::to_string(s) + ".wav", [s](const std::string&) { return synthSound(s); }});
    list.push_back({"teksty.txt", [](const std::string&) {
                        std::string t = textTable();
                        return Bytes(t.begin(), t.end());
                    }});
    return list;
}

struct Entry {
    std::string hash, stamp;
};

// Manifest lines: "<content hash> <generator stamp> <file name>".
std::map<std::string, Entry> readManifest(const fs::path& p) {
    std::map<std::string, Entry> m;
    std::ifstream in(p);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream ss(line);
        Entry e;
        std::string name;
        if (ss >> e.hash >> e.stamp >> name) m[name] = e;
    }
    return m;
}

void writeManifest(const fs::path& p, const std::map<std::string, Entry>& m) {
    std::ostringstream out;
    out << "# Files written by make_media. A file listed here whose content still has\n"
           "# this hash is ours and may be rewritten; delete its line to keep it as it is.\n";
    for (const auto& [name, e] : m) out << e.hash << ' ' << e.stamp << ' ' << name << '\n';
    std::string s = out.str();
    Bytes bytes(s.begin(), s.end());
    if (readFile(p) != bytes) writeFileAtomically(p, bytes);
}

}  // namespace

std::vector<std::string> allOutputNames() {
    std::vector<std::string> names;
    for (const Output& o : outputs()) names.push_back(o.name);
    return names;
}

Report generate(const Options& opt) {
    Report rep;
    fs::path dir(opt.outDir);
    std::error_code ec;
    fs::create_directories(dir, ec);
    const fs::path manifestPath = dir / kManifestName;
    std::map<std::string, Entry> manifest = readManifest(manifestPath);
    bool allegroReady = false;

    for (const Output& out : outputs()) {
        if (!opt.only.empty() && std::find(opt.only.begin(), opt.only.end(), out.name) == opt.only.end()) continue;
        const fs::path path = dir / out.name;
        const bool exists = fs::exists(path);
        auto rec = manifest.find(out.name);
        std::string current = exists ? hashHex(fnv1a(readFile(path))) : std::string();
        const bool ours = exists && rec != manifest.end() && rec->second.hash == current;

        if (exists && ours && rec->second.stamp == opt.stamp) {
            rep.upToDate++;
            continue;
        }
        if (exists && !ours && rec != manifest.end()) {
            // We wrote it once, but it has been edited or replaced since.
            manifest.erase(rec);
            rep.kept++;
            rep.keptNames.push_back(out.name);
            continue;
        }
        if (!allegroReady) {
            if (!initAllegro()) {
                std::fprintf(stderr, "make_media: cannot start Allegro\n");
                rep.failed++;
                return rep;
            }
            allegroReady = true;
        }
        if (opt.verbose) std::printf("making %s\n", out.name.c_str());
        Bytes bytes = out.make((dir / (".scratch-" + out.name)).string());
        if (bytes.empty()) {
            std::fprintf(stderr, "make_media: could not make %s\n", out.name.c_str());
            rep.failed++;
            continue;
        }
        std::string h = hashHex(fnv1a(bytes));
        if (exists && !ours) {
            // Not in the manifest: adopt it only if it is exactly what we make.
            if (h == current) {
                manifest[out.name] = {h, opt.stamp};
                rep.upToDate++;
            } else {
                rep.kept++;
                rep.keptNames.push_back(out.name);
            }
            continue;
        }
        if (exists && h == current) {
            rep.upToDate++;
        } else if (writeFileAtomically(path, bytes)) {
            rep.written++;
        } else {
            std::fprintf(stderr, "make_media: cannot write %s\n", path.string().c_str());
            rep.failed++;
            continue;
        }
        manifest[out.name] = {h, opt.stamp};
    }
    writeManifest(manifestPath, manifest);
    return rep;
}

}  // namespace media
