// Start-up with each medium damaged in turn: missing, cut short, cut by its
// last bytes, replaced by a foreign file, a folder or a FIFO in its place, or
// there but unreadable. A medium the game draws with stops it with one clear
// message naming the file once; a sound or the text table is done without.
// Never a signal, never a hang. Then the readers one by one: image sizes, the
// decoder against the library's own loader, the WAV rules and the font check.
#include "files/font_files.h"
#include "files/image_files.h"
#include "files/sound_files.h"
#include "shell/game_state.h"
#include "shell/init_game.h"
#include "shell/main_loop.h"
#include "support/game_fixture.h"
#include "support/run_as_user.h"

#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_image.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

size_t countOf(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

enum class Damage { missing, cutTo60Bytes, cutInHalf, lastBytesCut, foreign, folder, fifo, unreadable };

struct HostileCase {
    std::string file;      // under media/
    bool drawnWith;        // the game cannot start without it
    Damage damage;
    std::string reason;    // what the report must say of it
};

std::string caseName(const HostileCase& c)
{
    static const char* const damages[] = {"Missing", "CutTo60Bytes", "CutInHalf", "LastBytesCut",
                                          "Foreign", "Folder", "Fifo", "Unreadable"};
    std::string name;
    for (char ch : c.file)
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name + "_" + damages[int(c.damage)];
}

std::vector<HostileCase> hostileCases()
{
    // A foreign file is another medium of the fixture's own.
    struct Medium {
        std::string file;
        bool drawnWith;
    };
    const Medium media[] = {{"t2.jpg", true},   {"ele.png", true}, {"arial.ttf", true},
                            {"arialbd.ttf", true}, {"w12.jpg", true}, {"s5.wav", false},
                            {"s1.wav", false},  {"teksty.txt", false}};
    std::vector<HostileCase> cases;
    for (const Medium& m : media) {
        bool text = m.file == "teksty.txt";
        cases.push_back({m.file, m.drawnWith, Damage::missing, "brak pliku"});
        // A short text table is no fault: its missing lines stay empty.
        if (!text) {
            cases.push_back({m.file, m.drawnWith, Damage::cutTo60Bytes, "plik jest ucięty"});
            cases.push_back({m.file, m.drawnWith, Damage::cutInHalf, "plik jest ucięty"});
            cases.push_back({m.file, m.drawnWith, Damage::lastBytesCut, "plik jest ucięty"});
            cases.push_back({m.file, m.drawnWith, Damage::foreign, "to nie jest"});
        }
        cases.push_back({m.file, m.drawnWith, Damage::folder, "to folder, nie plik"});
        cases.push_back({m.file, m.drawnWith, Damage::fifo, "to nie jest zwykły plik"});
        cases.push_back({m.file, m.drawnWith, Damage::unreadable, "nie da się otworzyć: Permission denied"});
    }
    return cases;
}

// How many bytes make the file's last part: the end chunk of a PNG, the end
// marker of a JPEG, the last byte of anything else.
size_t lastPartSize(const std::string& file)
{
    if (file.find(".png") != std::string::npos)
        return 12;
    if (file.find(".jpg") != std::string::npos)
        return 2;
    return 1;
}

class HostileMedium : public ScriptedGameTest, public ::testing::WithParamInterface<HostileCase> {
protected:
    void damage()
    {
        const HostileCase& c = GetParam();
        std::string path = "media/" + c.file;
        std::string bytes = readBytes(path);
        switch (c.damage) {
        case Damage::missing: fs::remove(path); break;
        case Damage::cutTo60Bytes: writeBytes(path, bytes.substr(0, 60)); break;
        case Damage::cutInHalf: writeBytes(path, bytes.substr(0, bytes.size() / 2)); break;
        case Damage::lastBytesCut: writeBytes(path, bytes.substr(0, bytes.size() - lastPartSize(c.file))); break;
        case Damage::foreign:
            writeBytes(path, readBytes(c.file.find(".ttf") != std::string::npos ? "media/ele.png"
                                       : c.file.find(".wav") != std::string::npos ? "media/teksty.txt"
                                                                                  : "media/s1.wav"));
            break;
        case Damage::folder:
            fs::remove(path);
            fs::create_directory(path);
            break;
        case Damage::fifo:
            fs::remove(path);
            ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
            break;
        case Damage::unreadable: fs::permissions(path, fs::perms::none); break;
        }
    }
};

TEST_P(HostileMedium, EndsInOneClearMessageOrPlaysOn)
{
    const HostileCase& c = GetParam();
    damage();
    std::unique_ptr<RunAsUser> unprivileged;
    if (c.damage == Damage::unreadable) {
        if (!RunAsUser::possible())
            GTEST_SKIP() << RunAsUser::whyNot();
        unprivileged = std::make_unique<RunAsUser>(folder);
    }
    // A game that does start leaves at once, as through the close box.
    scripted.closeClicked = true;
    testing::internal::CaptureStderr();
    int status = gameMain();
    std::string errors = testing::internal::GetCapturedStderr();
    unprivileged.reset();

    std::string named = "media/" + c.file + " (";
    std::string report = named + c.reason;
    EXPECT_EQ(countOf(errors, named), 1u) << errors;
    EXPECT_NE(errors.find(report), std::string::npos) << errors;
    EXPECT_EQ(scripted.screen(), nullptr) << "the window is closed either way";
    if (c.drawnWith) {
        EXPECT_EQ(status, 1);
        ASSERT_EQ(scripted.messages.size(), 1u);
        EXPECT_EQ(countOf(scripted.messages[0].text, named), 1u) << scripted.messages[0].text;
        EXPECT_NE(scripted.messages[0].text.find(report), std::string::npos) << scripted.messages[0].text;
        EXPECT_EQ(scripted.flips, 0) << "nothing is shown";
    } else {
        EXPECT_EQ(status, 0);
        EXPECT_TRUE(scripted.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Media, HostileMedium, ::testing::ValuesIn(hostileCases()),
                         [](const auto& info) { return caseName(info.param); });

class EveryMedium : public ScriptedGameTest {
protected:
    void TearDown() override
    {
        usePlatform(scripted);
        ScriptedGameTest::TearDown();
    }
};

// All 44 files, each missing in turn: named once, and the game stops only
// for the ones it draws with.
TEST_F(EveryMedium, MissingInTurnIsNamedOnce)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("media"))
        names.push_back(entry.path().filename());
    ASSERT_EQ(names.size(), 44u);
    for (const std::string& name : names) {
        bool drawnWith = name.find(".wav") == std::string::npos && name != "teksty.txt";
        fs::rename("media/" + name, name);
        resetGameState();
        ScriptedPlatform run;
        usePlatform(run);
        run.closeClicked = true;
        testing::internal::CaptureStderr();
        int status = gameMain();
        std::string errors = testing::internal::GetCapturedStderr();
        fs::rename(name, "media/" + name);
        EXPECT_EQ(countOf(errors, "media/" + name + " (brak pliku)"), 1u) << name << ": " << errors;
        EXPECT_EQ(status, drawnWith ? 1 : 0) << name;
        EXPECT_EQ(run.messages.size(), drawnWith ? 1u : 0u) << name;
    }
}

class ImageSizeTest : public ScriptedGameTest {
protected:
    static void saveImage(const std::string& path, int width, int height)
    {
        ALLEGRO_BITMAP* image = al_create_bitmap(width, height);
        ASSERT_NE(image, nullptr);
        ASSERT_TRUE(al_save_bitmap(path.c_str(), image));
        al_destroy_bitmap(image);
    }

    std::string startupErrors()
    {
        testing::internal::CaptureStderr();
        EXPECT_EQ(gameMain(), 1);
        return testing::internal::GetCapturedStderr();
    }
};

uint32_t crc32Of(const std::string& bytes)
{
    uint32_t crc = 0xffffffffu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xedb88320u : crc >> 1;
    }
    return ~crc;
}

std::string bigEndian(uint32_t value)
{
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

// A PNG that claims a size in its header and holds no pixels at all.
std::string pngClaiming(uint32_t width, uint32_t height)
{
    std::string header = "IHDR" + bigEndian(width) + bigEndian(height) + std::string("\x08\x06\x00\x00\x00", 5);
    return std::string("\x89PNG\r\n\x1a\n", 8) + bigEndian(13) + header + bigEndian(crc32Of(header)) +
           bigEndian(0) + "IDAT" + bigEndian(crc32Of("IDAT")) + bigEndian(0) + "IEND" +
           bigEndian(crc32Of("IEND"));
}

// A JPEG whose frame header is rewritten to claim another size.
std::string jpegClaiming(std::string jpeg, uint16_t width, uint16_t height)
{
    size_t frame = jpeg.find("\xff\xc0");
    EXPECT_NE(frame, std::string::npos);
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width);
    return jpeg;
}

TEST_F(ImageSizeTest, ASpriteSheetTooSmallForItsRegionsIsNamed)
{
    saveImage("media/ele.png", 10, 10);
    EXPECT_NE(startupErrors().find("media/ele.png (ma 10 × 10 pikseli, a potrzeba co najmniej 672 × 807)"),
              std::string::npos);
}

TEST_F(ImageSizeTest, ABackgroundOfAnotherSizeIsNamed)
{
    saveImage("media/t2.jpg", 20000, 2);
    EXPECT_NE(startupErrors().find("media/t2.jpg (ma 20000 × 2 pikseli zamiast 1024 × 710)"),
              std::string::npos);
}

// Refused by what the header says, before a byte is taken for the pixels.
TEST_F(ImageSizeTest, HeadersClaimingHugeImagesAreRefusedBeforeDecoding)
{
    writeBytes("media/ele.png", pngClaiming(100000, 100000));
    writeBytes("media/t2.jpg", jpegClaiming(readBytes("media/t2.jpg"), 65000, 65000));
    std::string errors = startupErrors();
    EXPECT_NE(errors.find("media/ele.png (ma 100000 × 100000 pikseli, a może mieć najwyżej 4096 × 4096)"),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("media/t2.jpg (ma 65000 × 65000 pikseli zamiast 1024 × 710)"), std::string::npos)
        << errors;
}

// The decoder must give the game exactly what the library's loader gave it
// for every sound file, down to the premultiplied alpha.
TEST(ImageDecoding, GivesThePixelsOfTheLibrarysOwnLoader)
{
    ASSERT_TRUE(al_init() && al_init_image_addon());
    int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    std::string media = std::string(ZOR_SOURCE_DIR) + "/media/";
    std::string seeds = std::string(ZOR_SOURCE_DIR) + "/tests/fuzz/corpus/image_file/";
    for (std::string path : {media + "t2.jpg", media + "ele.png", media + "w7.jpg", seeds + "gray_8x8.jpg",
                             seeds + "progressive_16x16.jpg", seeds + "palette_trns_4x4.png",
                             seeds + "gray16_5x5.png", seeds + "interlaced_rgb_9x7.png",
                             seeds + "gray_alpha_3x3.png", seeds + "gray2_7x3.png"}) {
        std::string why;
        ALLEGRO_BITMAP* ours = loadImageFile(path, {1, 1, 4096, 4096}, why);
        ALLEGRO_BITMAP* theirs = al_load_bitmap(path.c_str());
        ASSERT_NE(ours, nullptr) << path << ": " << why;
        ASSERT_NE(theirs, nullptr) << path;
        ASSERT_EQ(al_get_bitmap_width(ours), al_get_bitmap_width(theirs)) << path;
        ASSERT_EQ(al_get_bitmap_height(ours), al_get_bitmap_height(theirs)) << path;
        int differing = 0;
        for (int y = 0; y < al_get_bitmap_height(ours); ++y)
            for (int x = 0; x < al_get_bitmap_width(ours); ++x) {
                unsigned char a[4], b[4];
                al_unmap_rgba(al_get_pixel(ours, x, y), &a[0], &a[1], &a[2], &a[3]);
                al_unmap_rgba(al_get_pixel(theirs, x, y), &b[0], &b[1], &b[2], &b[3]);
                differing += std::memcmp(a, b, 4) != 0;
            }
        EXPECT_EQ(differing, 0) << path;
        al_destroy_bitmap(ours);
        al_destroy_bitmap(theirs);
    }
    al_set_new_bitmap_flags(flags);
}

TEST(ImageDecoding, ADamagedImageIsRefusedWhereverItIsCut)
{
    std::string png = readBytes(std::string(ZOR_SOURCE_DIR) + "/media/ele.png");
    std::string jpeg = readBytes(std::string(ZOR_SOURCE_DIR) + "/media/b3.jpg");
    for (auto [bytes, kind] : {std::pair{png, ImageKind::png}, std::pair{jpeg, ImageKind::jpeg}}) {
        DecodedImage whole;
        std::string why;
        ASSERT_TRUE(decodeImage(bytes, kind, {1, 1, 4096, 4096}, whole, why)) << why;
        for (size_t length = 0; length < bytes.size(); length += 1 + bytes.size() / 97) {
            DecodedImage image;
            EXPECT_FALSE(decodeImage(bytes.substr(0, length), kind, {1, 1, 4096, 4096}, image, why))
                << length << " of " << bytes.size();
            EXPECT_TRUE(image.pixels.empty());
        }
    }
}

// ---- The WAV rules -------------------------------------------------------------

std::string littleEndian(uint32_t value, int bytes = 4)
{
    std::string text;
    for (int k = 0; k < bytes; ++k)
        text += char(value >> (8 * k));
    return text;
}

std::string chunk(const std::string& id, const std::string& payload)
{
    return id + littleEndian(uint32_t(payload.size())) + payload;
}

std::string chunkClaiming(const std::string& id, uint32_t length, const std::string& payload)
{
    return id + littleEndian(length) + payload;
}

std::string formatChunk(int channels, uint32_t rate, int bits, int encoding = 1, const std::string& extra = "")
{
    return chunk("fmt ", littleEndian(encoding, 2) + littleEndian(channels, 2) + littleEndian(rate) +
                             littleEndian(rate * channels * bits / 8) + littleEndian(channels * bits / 8, 2) +
                             littleEndian(bits, 2) + extra);
}

std::string sound(size_t bytes)
{
    std::string data;
    for (size_t k = 0; k < bytes; ++k)
        data += char(k * 7);
    return data;
}

std::string riff(const std::string& chunks)
{
    return "RIFF" + littleEndian(uint32_t(chunks.size() + 4)) + "WAVE" + chunks;
}

struct WavCase {
    std::string name;
    std::string bytes;
    bool accepted;          // by our check
    long long frames;       // when accepted
    // What the library's own loader does with it, tried on a machine with
    // audio: 1 plays it, 0 refuses it, -1 must not be tried (it loops for
    // ever or allocates what the file claims).
    int loader;
};

std::vector<WavCase> wavCases()
{
    const std::string data800 = chunk("data", sound(800));
    const std::string list = chunk("LIST", "INFO");
    return {
        {"Mono16", riff(formatChunk(1, 22050, 16) + data800), true, 400, 1},
        {"Mono8", riff(formatChunk(1, 22050, 8) + data800), true, 800, 1},
        {"Stereo16", riff(formatChunk(2, 22050, 16) + data800), true, 200, 1},
        {"Stereo16OddData", riff(formatChunk(2, 22050, 16) + chunk("data", sound(803))), true, 201, 1},
        {"Stereo8OneByte", riff(formatChunk(2, 22050, 8) + chunk("data", sound(1))), true, 1, 1},
        {"NoChannels", riff(formatChunk(0, 22050, 16) + data800), false, 0, 0},
        {"ThreeChannels", riff(formatChunk(3, 22050, 16) + data800), false, 0, 0},
        {"EightChannels", riff(formatChunk(8, 22050, 16) + data800), false, 0, 0},
        {"Bits24", riff(formatChunk(1, 22050, 24) + data800), false, 0, 0},
        {"Bits12", riff(formatChunk(1, 22050, 12) + data800), false, 0, 0},
        {"Float", riff(formatChunk(1, 22050, 32, 3) + data800), false, 0, 0},
        {"FloatThenPcm", riff(formatChunk(1, 22050, 32, 3) + formatChunk(1, 22050, 16) + data800), false, 0, 0},
        {"Extensible", riff(formatChunk(1, 22050, 16, 0xfffe, std::string(24, '\0')) + data800), false, 0, 0},
        {"RateZero", riff(formatChunk(1, 0, 16) + data800), false, 0, 0},
        {"ShortFormat", riff(chunk("fmt ", formatChunk(1, 22050, 16).substr(8, 14)) + data800), false, 0, 0},
        {"LongFormat", riff(formatChunk(1, 22050, 16, 1, std::string(2, '\0')) + data800), true, 400, 1},
        {"ListFirst", riff(list + formatChunk(1, 22050, 16) + data800), true, 400, 1},
        {"ListBetween", riff(formatChunk(1, 22050, 16) + list + data800), true, 400, 1},
        // The loader pads no odd chunk, so it reads the data's name a byte late.
        {"OddListPadded", riff(formatChunk(1, 22050, 16) + chunk("LIST", "INFOx") + std::string(1, '\0') + data800), false, 0, 0},
        {"NoFormatChunk", riff(data800), true, 800, 1},
        {"DataBeforeFormat", riff(data800 + formatChunk(1, 22050, 16)), true, 800, 1},
        {"TwoFormats", riff(formatChunk(1, 22050, 8) + formatChunk(1, 22050, 16) + data800), true, 400, 1},
        {"NoData", riff(formatChunk(1, 22050, 16)), false, 0, 0},
        {"DataEmpty", riff(formatChunk(1, 22050, 16) + chunk("data", "")), true, 0, 1},
        {"NotRiff", "RIFX" + riff(formatChunk(1, 22050, 16) + data800).substr(4), false, 0, 0},
        {"CutInFormat", riff(formatChunk(1, 22050, 16)).substr(0, 30), false, 0, 0},
        {"ListPastTheEnd", riff(formatChunk(1, 22050, 16) + chunkClaiming("LIST", 100000, "INFO") + data800), false, 0, 0},
        // Stricter than the loader, which would loop, or take memory for what is not there.
        {"NegativeListLength", riff(formatChunk(1, 22050, 16) + chunkClaiming("LIST", 0xfffffff8u, "") + data800), false, 0, -1},
        {"DataSizeNegative", riff(formatChunk(1, 22050, 16) + chunkClaiming("data", 0xfffffff0u, sound(800))), false, 0, -1},
        {"DataSizeHuge", riff(formatChunk(1, 22050, 16) + chunkClaiming("data", 0x7ffffff0u, sound(800))), false, 0, -1},
        {"DataSizePastTheEnd", riff(formatChunk(1, 22050, 16) + chunkClaiming("data", 4801, sound(800))), false, 0, -1},
    };
}

class WavRules : public ::testing::TestWithParam<WavCase> {};

TEST_P(WavRules, AcceptWhatTheGameCanPlayAndNothingElse)
{
    const WavCase& c = GetParam();
    WavFormat format;
    std::string why;
    EXPECT_EQ(readWavFormat(c.bytes, format, why), c.accepted) << why;
    if (!c.accepted) {
        EXPECT_FALSE(why.empty());
        return;
    }
    EXPECT_EQ(format.frames, c.frames);
    // The sample's bytes: every one written, none past the end of the file read.
    std::vector<unsigned char> frames(frameBytes(format) + 1, 0xa5);
    copyFrames(c.bytes, format, frames.data());
    EXPECT_EQ(frames.back(), 0xa5);
}

INSTANTIATE_TEST_SUITE_P(Sounds, WavRules, ::testing::ValuesIn(wavCases()),
                         [](const auto& info) { return info.param.name; });

// What the library's own loader makes of each case, or "no audio" when the
// audio system will not start. Run in a child process: the audio system
// keeps a thread's memory to the end, which the leak checker would count.
std::string loaderDisagreements(const std::string& home)
{
    int report[2];
    if (pipe(report) != 0)
        return "no pipe";
    pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        setenv("HOME", home.c_str(), 1);
        std::string found;
        al_init();
        if (!al_install_audio() || !al_init_acodec_addon() || !al_reserve_samples(1)) {
            found = "no audio";
        } else {
            for (const WavCase& c : wavCases()) {
                if (c.loader < 0)
                    continue;
                std::string path = home + "/" + c.name + ".wav";
                writeBytes(path, c.bytes);
                ALLEGRO_SAMPLE* sample = al_load_sample(path.c_str());
                if ((sample != nullptr) != (c.loader == 1))
                    found += c.name + (sample ? " is played; " : " is refused; ");
                else if (sample && al_get_sample_length(sample) != static_cast<unsigned>(c.frames))
                    found += c.name + " has " + std::to_string(al_get_sample_length(sample)) + " frames; ";
            }
        }
        ssize_t written = write(report[1], found.data(), found.size());
        _exit(written == ssize_t(found.size()) ? 0 : 1);
    }
    close(report[1]);
    std::string found;
    char buffer[256];
    for (ssize_t got; (got = read(report[0], buffer, sizeof buffer)) > 0;)
        found.append(buffer, size_t(got));
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? found : "the child failed";
}

// Where this machine can play sound (or pretend to, through ALSA's null
// device), the library's own loader is asked too: the game accepts exactly
// what it would play, and counts the frames as it does.
TEST(WavRulesOnThisMachine, AgreeWithTheLibrarysOwnLoader)
{
    char home[] = "/tmp/zor-audio-XXXXXX";
    ASSERT_NE(mkdtemp(home), nullptr);
    writeBytes(std::string(home) + "/.asoundrc", "pcm.!default { type null }\nctl.!default { type hw card 0 }\n");
    std::string disagreements = loaderDisagreements(home);
    fs::remove_all(home);
    if (disagreements == "no audio")
        GTEST_SKIP() << "no audio system here, not even ALSA's null device";
    EXPECT_EQ(disagreements, "");
}

// ---- The font check --------------------------------------------------------------

TEST(FontCheck, AFaceCutAnywhereIsRefusedAndAWholeOneTaken)
{
    for (const char* face : {"arial.ttf", "arialbd.ttf"}) {
        std::string bytes = readBytes(std::string(ZOR_SOURCE_DIR) + "/media/" + face);
        ASSERT_EQ(checkFontBytes(bytes), "") << face;
        for (size_t length = 0; length < bytes.size(); length += 1 + bytes.size() / 211)
            EXPECT_NE(checkFontBytes(bytes.substr(0, length)), "") << face << " cut to " << length;
        EXPECT_NE(checkFontBytes(bytes.substr(0, bytes.size() - 1)), "") << face;
    }
}

TEST(FontCheck, AFaceWithoutACharacterMapIsRefused)
{
    std::string bytes = readBytes(std::string(ZOR_SOURCE_DIR) + "/media/arial.ttf");
    size_t table = bytes.find("cmap");
    ASSERT_NE(table, std::string::npos);
    bytes.replace(table, 4, "xxxx");
    EXPECT_EQ(checkFontBytes(bytes), "uszkodzona czcionka (brak tabeli cmap)");
}

}  // namespace
