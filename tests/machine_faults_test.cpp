// Faults of the machine under a game in progress: a media folder the player
// may read but not write, a full disk, a disk that fills while the save is
// written, a folder in place of the game's own files, no audio device. The
// game says what it could not do and plays on or closes normally; the save
// of an earlier session is never lost or changed.
#include "files/save_file.h"
#include "files/thumbnail_sheet.h"
#include "level_fixture.h"
#include "puzzle/cube_nets.h"
#include "puzzle/level_setup.h"
#include "play_through.h"
#include "shell/init_game.h"
#include "support/run_as_user.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <sys/mount.h>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

class MachineFaults : public LevelTest {
protected:
    // An earlier session, as it stands on the disk: a dealt level with one
    // roll made, saved as the game saves on leaving, and a thumbnail sheet
    // (any PNG serves as one).
    void playAnEarlierSession()
    {
        choosePictures();
        generateCubes();
        rollCube(3, rollUp);
        moveCount = 1;
        levelStarted = 1;
        ASSERT_TRUE(saveProgress());
        writeFile(thumbSheetPath, readFile("media/ele.png"));
        earlierSave = readFile(saveFilePath);
        earlierSheet = readFile(thumbSheetPath);
        earlierProgress = captureProgress();
    }

    // The next run of the game, up to the end of the level's set-up.
    void startTheNextSession(int mode)
    {
        releaseGameResources();
        scripted.closeScreen();
        resetGameState();
        startGame();
        beginMainLoop();
        gameMode = mode;
        PlayThrough(scripted).passes(2);
        ASSERT_EQ(levelStarted, 1);
    }

    // Escape, and the passes up to the end of the exit sequence.
    int leaveWithEscape()
    {
        scripted.escapeDown = true;
        return runPasses(10);
    }

    void expectTheEarlierSaveUntouched()
    {
        EXPECT_EQ(readFile(saveFilePath), earlierSave);
        EXPECT_EQ(readFile(thumbSheetPath), earlierSheet);
        for (const auto& entry : fs::directory_iterator("media"))
            EXPECT_NE(entry.path().filename().string()[0], '.') << "a scratch file left: " << entry.path();
    }

    void expectTheLostSaveToldInAMessage()
    {
        ASSERT_EQ(scripted.messages.size(), 1u);
        EXPECT_EQ(scripted.messages[0].heading, "Nie udało się zapisać gry");
        EXPECT_NE(scripted.messages[0].text.find("media/data.txt"), std::string::npos);
        EXPECT_EQ(scripted.screen(), nullptr) << "the game still closes";
    }

    std::string earlierSave;
    std::string earlierSheet;
    SavedGame earlierProgress;
};

TEST_F(MachineFaults, AMediaFolderThatCannotBeWrittenKeepsTheEarlierSave)
{
    if (!RunAsUser::possible())
        GTEST_SKIP() << RunAsUser::whyNot();
    playAnEarlierSession();
    // Everyone may read it; only its owner, root, may write it.
    fs::permissions("media", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    std::string errors;
    {
        RunAsUser player(folder);
        testing::internal::CaptureStderr();
        startTheNextSession(gameModeContinue);
        EXPECT_EQ(formatSavedGame(captureProgress()), formatSavedGame(earlierProgress))
            << "the earlier game goes on, read from its save";
        EXPECT_GT(leaveWithEscape(), 0);
        errors = testing::internal::GetCapturedStderr();
    }
    EXPECT_NE(errors.find("nie udało się zapisać miniatur w media/miniaturki.png"), std::string::npos) << errors;
    EXPECT_NE(errors.find("nie udało się zapisać gry w media/data.txt"), std::string::npos) << errors;
    EXPECT_NE(errors.find("Permission denied"), std::string::npos) << errors;
    expectTheLostSaveToldInAMessage();
    expectTheEarlierSaveUntouched();
}

// A small file system of its own for media/, mounted for the test and
// filled to the last byte. Files the game only reads stay outside it,
// linked in.
class FullDisk {
public:
    explicit FullDisk(const std::string& folder) : media(folder + "/media")
    {
        std::string outside = folder + "/media-outside";
        fs::rename(media, outside);
        fs::create_directory(media);
        if (mount("tmpfs", media.c_str(), "tmpfs", 0, "size=1m") != 0) {
            whyNot = std::string("no tmpfs could be mounted: ") + std::strerror(errno);
            fs::remove(media);
            fs::rename(outside, media);
            return;
        }
        mounted = true;
        for (const auto& entry : fs::directory_iterator(outside)) {
            std::string name = entry.path().filename();
            if (name == "data.txt" || name == "miniaturki.png")
                fs::copy_file(entry.path(), media + "/" + name);
            else
                fs::create_symlink(entry.path(), media + "/" + name);
        }
    }
    ~FullDisk()
    {
        if (mounted)
            umount2(media.c_str(), MNT_DETACH);
    }
    void fill()
    {
        FILE* filler = std::fopen((media + "/.filler").c_str(), "wb");
        ASSERT_NE(filler, nullptr);
        std::string block(4096, 'x');
        while (std::fwrite(block.data(), 1, block.size(), filler) == block.size()) {
        }
        std::fclose(filler);
        FILE* probe = std::fopen((media + "/.probe").c_str(), "wb");
        ASSERT_NE(probe, nullptr);
        EXPECT_TRUE(std::fputc('x', probe) == EOF || std::fflush(probe) == EOF) << "the disk is not full";
        std::fclose(probe);
        fs::remove(media + "/.probe");
    }

    bool mounted = false;
    std::string whyNot;

private:
    std::string media;
};

TEST_F(MachineFaults, AFullDiskKeepsTheEarlierSave)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system to fill needs root";
    playAnEarlierSession();
    FullDisk disk(folder);
    if (!disk.mounted)
        GTEST_SKIP() << disk.whyNot;
    disk.fill();
    testing::internal::CaptureStderr();
    startTheNextSession(gameModeContinue);
    EXPECT_GT(leaveWithEscape(), 0);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("nie udało się zapisać gry w media/data.txt"), std::string::npos) << errors;
    EXPECT_NE(errors.find("No space left on device"), std::string::npos) << errors;
    expectTheLostSaveToldInAMessage();
    EXPECT_EQ(readFile(saveFilePath), earlierSave);
    EXPECT_EQ(readFile(thumbSheetPath), earlierSheet);
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator("media"))
        if (entry.path().filename().string()[0] == '.')
            left.insert(entry.path().filename());
    EXPECT_EQ(left, std::set<std::string>{".filler"}) << "scratch files left behind";
}

// The disk fills part way through writing the save: the write fails after
// its first bytes (as it does with a file size limit), and the new file is
// never put in the old one's place.
TEST_F(MachineFaults, ADiskFillingDuringTheSaveKeepsTheEarlierSave)
{
    playAnEarlierSession();
    rollCube(5, rollLeft);
    moveCount = 2;
    struct rlimit previous;
    getrlimit(RLIMIT_FSIZE, &previous);
    struct rlimit small = previous;
    small.rlim_cur = 100;
    auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    testing::internal::CaptureStderr();
    bool saved = saveProgress();
    std::string errors = testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousSignal);
    EXPECT_FALSE(saved);
    EXPECT_NE(errors.find("File too large"), std::string::npos) << errors;
    expectTheEarlierSaveUntouched();
}

// A folder where the game keeps its own files: it refuses to read it, says
// it cannot write it, plays on, and leaves the folder and what it holds.
class FolderInPlace : public MachineFaults, public ::testing::WithParamInterface<const char*> {};

TEST_P(FolderInPlace, IsReportedAndLeftAsItWas)
{
    std::string path = GetParam();
    fs::create_directory(path);
    writeFile(path + "/keep", "the player's own");
    testing::internal::CaptureStderr();
    startTheNextSession(gameModeContinue);
    EXPECT_EQ(level, 0) << "a new game instead";
    PlayThrough(scripted).rollOnce();
    EXPECT_EQ(moveCount, 1) << "the game plays on";
    EXPECT_GT(leaveWithEscape(), 0);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find(path), std::string::npos) << errors;
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(readFile(path + "/keep"), "the player's own");
    if (path == saveFilePath) {
        EXPECT_NE(errors.find("to folder, nie plik"), std::string::npos) << errors;
        expectTheLostSaveToldInAMessage();
    } else {
        EXPECT_TRUE(scripted.messages.empty()) << "the level itself was saved";
        SavedGame saved;
        std::string why;
        EXPECT_TRUE(parseSavedGame(readFile(saveFilePath), saved, why)) << why;
    }
}

INSTANTIATE_TEST_SUITE_P(MachineFaults, FolderInPlace, ::testing::Values(saveFilePath, thumbSheetPath),
                         [](const auto& info) { return std::string(info.index ? "ThumbnailSheet" : "SaveFile"); });

class SilentMachine : public ScriptedGameTest {};

TEST_F(SilentMachine, WithoutAnAudioDeviceALevelIsPlayedInSilence)
{
    scripted.audioAvailable = false;
    testing::internal::CaptureStderr();
    startGame();
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("brak dźwięku, gra będzie cicha"), std::string::npos) << errors;
    EXPECT_NE(sampleS1, nullptr) << "the sounds are still read and timed";
    beginMainLoop();
    gameMode = gameModeNew;
    PlayThrough player(scripted);
    player.passes(2);   // the level's intro, with its sound
    player.rollOnce();
    EXPECT_EQ(moveCount, 1);
    EXPECT_TRUE(scripted.sounds.empty());
}

}  // namespace
