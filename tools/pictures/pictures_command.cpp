#include "pictures_command.h"

#include "files/picture_files.h"
#include "own_pictures.h"
#include "shell/game_state.h"

namespace {

constexpr const char* commandName = "zor-pictures";
constexpr const char* listOption = "--list";
constexpr const char* restoreOption = "--restore";

constexpr const char* usageText =
    "Użycie:\n"
    "  zor-pictures ZESTAW ZDJĘCIE...   twoje zdjęcia (od 1 do 12) zamiast obrazków zestawu:\n"
    "                                   pierwsze zdjęcie staje się obrazkiem 1, drugie 2 i tak dalej\n"
    "  zor-pictures ZESTAW --restore    przywraca zestawowi obrazki gry\n"
    "  zor-pictures --list              pokazuje, które obrazki są twoje\n"
    "ZESTAW to b (poziom 1), p (poziom 2) albo w (poziom 3).\n"
    "Zdjęcia: JPEG, PNG, GIF, WEBP, TIFF albo BMP, co najmniej 300 × 225 pikseli.\n";

std::string setName(int level)
{
    return std::string("zestaw ") + setLetterOf(level);
}

std::string levelName(int level)
{
    return "poziom " + std::to_string(level + 1);
}

std::string joinNumbers(const std::vector<int>& numbers)
{
    std::string text;
    for (int number : numbers)
        text += (text.empty() ? "" : ", ") + std::to_string(number);
    return text;
}

int misuse(std::ostream& err, const std::string& why)
{
    err << commandName << ": " << why << "\n" << usageText;
    return commandMisused;
}

int putPhotos(const PictureFolders& folders, int level, const std::vector<std::string>& photos,
              std::ostream& out, std::ostream& err)
{
    SetChange change = putPhotosInSet(folders, level, photos);
    if (!change.done()) {
        for (const PhotoRefusal& refusal : change.refused)
            err << commandName << ": zdjęcie " << refusal.photo << " odrzucone: " << refusal.why << "\n";
        if (!change.fault.empty())
            err << commandName << ": " << change.fault << "\n";
        err << commandName << ": " << setName(level) << " zostaje bez zmian.\n";
        return commandRefused;
    }
    for (const PlacedPhoto& placed : change.placed)
        out << commandName << ": " << placed.photo << " → obrazek " << placed.number << ", "
            << setName(level) << " (" << placed.picture.string() << ")\n";
    out << commandName << ": gra pokaże je, gdy zacznie się " << levelName(level)
        << "; obrazki gry wrócą po „" << commandName << " " << setLetterOf(level) << " "
        << restoreOption << "”.\n";
    return commandDone;
}

int restorePictures(const PictureFolders& folders, int level, std::ostream& out, std::ostream& err)
{
    std::string fault;
    std::vector<int> restored = restoreSet(folders, level, fault);
    for (int number : restored)
        out << commandName << ": przywrócony obrazek " << number << ", " << setName(level) << " ("
            << picturePath(folders, level, number).string() << ")\n";
    if (!fault.empty()) {
        err << commandName << ": " << fault << "\n";
        return commandRefused;
    }
    if (restored.empty())
        out << commandName << ": " << setName(level) << " ma same obrazki gry.\n";
    return commandDone;
}

int listPictures(const PictureFolders& folders, std::ostream& out)
{
    out << "Obrazki w " << folders.media.string() << ":\n";
    for (int level = 0; level < levelCount; ++level) {
        std::vector<int> own = listOwnPictures(folders, level);
        out << "  " << setName(level) << " (" << levelName(level) << "): ";
        if (own.empty())
            out << "wszystkie z gry\n";
        else if (own.size() == size_t(picturesPerSet))
            out << "wszystkie twoje\n";
        else
            out << "twoje: " << joinNumbers(own) << "; pozostałe z gry\n";
    }
    return commandDone;
}

}  // namespace

int runPicturesCommand(const std::vector<std::string>& args, const PictureFolders& folders,
                       std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return misuse(err, "brak argumentów");
    if (args[0] == "--help" || args[0] == "-h") {
        out << usageText;
        return commandDone;
    }
    if (args[0] == listOption)
        return args.size() == 1 ? listPictures(folders, out) : misuse(err, "--list nie bierze argumentów");
    int level = findSetLevel(args[0]);
    if (level < 0)
        return misuse(err, "nie ma zestawu „" + args[0] + "”");
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (rest.size() == 1 && rest[0] == restoreOption)
        return restorePictures(folders, level, out, err);
    if (rest.empty())
        return misuse(err, "brak zdjęć");
    for (const std::string& photo : rest)
        if (photo.size() > 1 && photo[0] == '-')
            return misuse(err, "nieznana opcja „" + photo + "” (plik o takiej nazwie podaj jako ./" +
                                   photo + ")");
    return putPhotos(folders, level, rest, out, err);
}
