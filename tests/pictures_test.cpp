// zor-pictures: photos made here with Magick++ (never taken from elsewhere)
// become the game's pictures, upright and cropped; refused photos change
// nothing; restoring brings back the very originals; the media generator
// leaves the player's pictures alone.
#include "files/image_files.h"
#include "files/picture_files.h"
#include "files/safe_files.h"
#include "own_pictures.h"
#include "photo_conversion.h"
#include "picture_folders.h"
#include "pictures_command.h"

#include <Magick++.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr int setB = 0;
constexpr int setP = 1;

// ---- Colours and photos -----------------------------------------------------

struct Rgb {
    int red, green, blue;
};

std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

// Far apart, so that a JPEG's small errors never make one look like another.
constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb green{0, 160, 0};
constexpr Rgb magenta{255, 0, 255};
constexpr Rgb white{255, 255, 255};

constexpr Rgb flatColours[picturesPerSet] = {
    {255, 0, 0},   {0, 160, 0},   {0, 0, 255},     {255, 255, 0},   {255, 0, 255}, {0, 255, 255},
    {128, 0, 0},   {0, 0, 128},   {255, 128, 0},   {128, 0, 255},   {0, 0, 0},     {255, 255, 255}};

bool isNear(const Rgb& a, const Rgb& b, int tolerance)
{
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

Magick::Image flatImage(int width, int height, const Rgb& c)
{
    startImageLibrary();
    return Magick::Image(Magick::Geometry(width, height),
                         Magick::ColorRGB(c.red / 255.0, c.green / 255.0, c.blue / 255.0));
}

void putOn(Magick::Image& canvas, int x, int y, int width, int height, const Rgb& c)
{
    canvas.composite(flatImage(width, height, c), x, y, Magick::CopyCompositeOp);
}

// Upright: top left blue, top right yellow, bottom left green, bottom right
// magenta, in the 4:3 rectangle (x, y, width, height) of the canvas.
void paintQuadrants(Magick::Image& canvas, int x, int y, int width, int height)
{
    int left = width / 2, top = height / 2;
    putOn(canvas, x, y, left, top, blue);
    putOn(canvas, x + left, y, width - left, top, yellow);
    putOn(canvas, x, y + top, left, height - top, green);
    putOn(canvas, x + left, y + top, width - left, height - top, magenta);
}

// The quadrants in the centred 4:3 part of a photo; the rest, which the crop
// must cut away, red.
Magick::Image quadrantPhoto(int width, int height)
{
    Magick::Image photo = flatImage(width, height, red);
    int cropWidth = std::min(width, height * 4 / 3), cropHeight = cropWidth * 3 / 4;
    paintQuadrants(photo, (width - cropWidth) / 2, (height - cropHeight) / 2, cropWidth, cropHeight);
    return photo;
}

// A camera's EXIF block holding only the orientation tag.
void tagOrientation(Magick::Image& photo, Magick::OrientationType orientation)
{
    const unsigned char exif[] = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0,
                                  1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0,
                                  static_cast<unsigned char>(orientation), 0, 0, 0, 0, 0, 0, 0};
    photo.profile("EXIF", Magick::Blob(exif, sizeof exif));
    photo.orientation(orientation);   // else the writer sets the tag to 0
}

// Through the game's own file functions; "" for a file that cannot be read.
std::string readBytes(const fs::path& path)
{
    std::string bytes, why;
    return readRegularFile(path.string(), bytes, largestPhotoFile, why) ? bytes : "";
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::string why;
    ASSERT_TRUE(replaceFileWith(path.string(), bytes, why)) << path << ": " << why;
}

std::string writePhoto(Magick::Image photo, const fs::path& path, const char* format)
{
    photo.magick(format);
    photo.quality(95);
    photo.write(path.string());
    return path.string();
}

// A picture as the game decodes it; fails the test when the game would refuse it.
DecodedImage decodePicture(const fs::path& path)
{
    DecodedImage image;
    std::string why;
    EXPECT_TRUE(decodeImage(readBytes(path), ImageKind::jpeg, exactSize(pictureWidth, pictureHeight),
                            image, why))
        << path << ": " << why;
    return image;
}

Rgb pixelAt(const DecodedImage& image, int x, int y)
{
    if (image.pixels.empty())
        return {-1, -1, -1};
    const unsigned char* p = &image.pixels[(size_t(y) * size_t(image.width) + size_t(x)) * 4];
    return {p[0], p[1], p[2]};
}

std::string convertToFile(const std::string& photo, const fs::path& picture)
{
    std::string jpeg, why;
    if (convertPhoto(photo, jpeg, why))
        writeBytes(picture, jpeg);
    return why;
}

// Where each quadrant of an upright picture must show, its corners included:
// a picture turned, mirrored or cropped off-centre fails at some of them.
struct Probe {
    int x, y;
    Rgb colour;
};
constexpr Probe quadrantProbes[] = {
    {150, 112, blue},   {450, 112, yellow},  {150, 337, green},  {450, 337, magenta},
    {6, 6, blue},       {593, 6, yellow},    {6, 443, green},    {593, 443, magenta},
};

void expectUprightQuadrants(const fs::path& picture)
{
    DecodedImage image = decodePicture(picture);
    for (const Probe& probe : quadrantProbes)
        EXPECT_TRUE(isNear(pixelAt(image, probe.x, probe.y), probe.colour, 40))
            << "at (" << probe.x << ", " << probe.y << "): " << pixelAt(image, probe.x, probe.y)
            << ", expected " << probe.colour;
}

class OwnPhotos : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/zor-pictures-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
};

// ---- The conversion ---------------------------------------------------------

struct Shape {
    const char* name;
    int width, height;
    const char* format;
};

class PhotoShapes : public OwnPhotos, public ::testing::WithParamInterface<Shape> {};

TEST_P(PhotoShapes, ComeOutUprightCroppedAroundTheCentre)
{
    const Shape& shape = GetParam();
    std::string photo = writePhoto(quadrantPhoto(shape.width, shape.height),
                                   root / (std::string(shape.name) + "." + shape.format), shape.format);
    fs::path picture = root / "picture.jpg";
    ASSERT_EQ(convertToFile(photo, picture), "");
    EXPECT_EQ(checkPictureFile(picture.string()), "");
    expectUprightQuadrants(picture);
}

INSTANTIATE_TEST_SUITE_P(
    Photos, PhotoShapes,
    ::testing::Values(Shape{"landscape", 1600, 900, "jpg"}, Shape{"portrait", 960, 1600, "png"},
                      Shape{"square", 1200, 1200, "jpg"}, Shape{"already_4_3", 800, 600, "png"},
                      Shape{"smallest", 300, 225, "png"}, Shape{"large_camera", 4000, 3000, "jpg"}),
    [](const ::testing::TestParamInfo<Shape>& info) { return std::string(info.param.name); });

TEST_F(OwnPhotos, OrientationSixIsTurnedUpright)
{
    // Stored turned a quarter to the left, as a camera held upright on its
    // side writes it; the tag says to turn it a quarter to the right.
    Magick::Image stored = quadrantPhoto(800, 600);
    stored.rotate(-90);
    tagOrientation(stored, Magick::RightTopOrientation);
    std::string photo = writePhoto(stored, root / "turned.jpg", "jpg");
    Magick::Image check(photo);
    ASSERT_EQ(check.orientation(), Magick::RightTopOrientation);
    ASSERT_EQ(check.columns(), 600u);

    fs::path picture = root / "picture.jpg";
    ASSERT_EQ(convertToFile(photo, picture), "");
    expectUprightQuadrants(picture);
}

TEST_F(OwnPhotos, SmallestSizeIsCountedUpright)
{
    // 225 × 300 stored, 300 × 225 upright: big enough; and the other way round not.
    Magick::Image lying = flatImage(225, 300, blue);
    tagOrientation(lying, Magick::RightTopOrientation);
    Magick::Image standing = flatImage(300, 225, blue);
    tagOrientation(standing, Magick::RightTopOrientation);
    fs::path picture = root / "picture.jpg";
    EXPECT_EQ(convertToFile(writePhoto(lying, root / "lying.jpg", "jpg"), picture), "");
    EXPECT_EQ(convertToFile(writePhoto(standing, root / "standing.jpg", "jpg"), picture),
              "ma 225 × 300 pikseli, a potrzeba co najmniej 300 × 225");
}

TEST_F(OwnPhotos, PrintersColoursBecomeTheGamesRgb)
{
    // A CMYK JPEG, which the game's own reader refuses.
    Magick::Image photo = quadrantPhoto(800, 600);
    photo.colorSpace(Magick::CMYKColorspace);
    std::string path = writePhoto(photo, root / "print.jpg", "jpg");
    ASSERT_NE(checkImageFile(path, exactSize(800, 600)).find("CMYK"), std::string::npos);

    fs::path picture = root / "picture.jpg";
    ASSERT_EQ(convertToFile(path, picture), "");
    expectUprightQuadrants(picture);
}

TEST_F(OwnPhotos, TransparencyIsFlattenedOntoWhite)
{
    startImageLibrary();
    Magick::Image photo(Magick::Geometry(800, 600), Magick::Color("none"));
    putOn(photo, 400, 0, 400, 600, red);
    std::string path = writePhoto(photo, root / "cut_out.png", "png");
    ASSERT_TRUE(Magick::Image(path).matte());

    fs::path picture = root / "picture.jpg";
    ASSERT_EQ(convertToFile(path, picture), "");
    DecodedImage image = decodePicture(picture);
    for (int y : {5, 225, 444}) {
        EXPECT_TRUE(isNear(pixelAt(image, 100, y), white, 8)) << pixelAt(image, 100, y);
        EXPECT_TRUE(isNear(pixelAt(image, 500, y), red, 16)) << pixelAt(image, 500, y);
    }
}

// Black and white lines one pixel apart, far finer than the picture can
// show: a good filter makes them an even grey; sampling without one leaves
// black, white or the beats of moiré.
class FineStripes : public OwnPhotos, public ::testing::WithParamInterface<const char*> {};

TEST_P(FineStripes, BecomeAnEvenGrey)
{
    constexpr int width = 4000, height = 3000;
    std::string pgm = "P5\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pgm += static_cast<char>(x % 2 ? 255 : 0);
    startImageLibrary();
    Magick::Image stripes;
    stripes.magick("PGM");
    stripes.read(Magick::Blob(pgm.data(), pgm.size()));
    std::string photo = writePhoto(stripes, root / (std::string("stripes.") + GetParam()), GetParam());

    fs::path picture = root / "picture.jpg";
    ASSERT_EQ(convertToFile(photo, picture), "");
    DecodedImage image = decodePicture(picture);
    double sum = 0, squares = 0;
    int count = 0;
    for (int y = 20; y < pictureHeight - 20; ++y)
        for (int x = 20; x < pictureWidth - 20; ++x) {
            double grey = pixelAt(image, x, y).green;
            sum += grey;
            squares += grey * grey;
            ++count;
        }
    double mean = sum / count, spread = std::sqrt(squares / count - mean * mean);
    EXPECT_NEAR(mean, 128, 20);
    EXPECT_LT(spread, 6) << "the stripes show through";
}

INSTANTIATE_TEST_SUITE_P(Photos, FineStripes, ::testing::Values("png", "jpg"));

// ---- The picture folders ----------------------------------------------------

// The pictures as the game ships them: from the repository plain files,
// installed links to the read-only shipped media, made as the game's command
// makes them.
enum class FolderKind { repository, installed };

class SetFolder : public OwnPhotos, public ::testing::WithParamInterface<FolderKind> {
protected:
    void SetUp() override
    {
        OwnPhotos::SetUp();
        fs::create_directories(root / "photos");
        if (GetParam() == FolderKind::repository) {
            folders.media = root / "media";
            fs::create_directories(folders.media);
            writeGamePictures(folders.media);
            return;
        }
        fs::path prefix = root / "prefix";
        fs::path shipped = prefix / shippedMediaPlace;
        fs::create_directories(prefix / "games");
        fs::create_directories(shipped);
        writeGamePictures(shipped);
        std::string why;
        ASSERT_TRUE(findPictureFolders(prefix / "games/zor-pictures", (root / "data").c_str(), nullptr,
                                       folders, why))
            << why;
        ASSERT_EQ(folders.shipped, shipped);
        fs::create_directories(folders.media);
        for (const fs::directory_entry& file : fs::directory_iterator(shipped))
            fs::create_symlink(file.path(), folders.media / file.path().filename());
    }

    static void writeGamePictures(const fs::path& folder)
    {
        for (int level = 0; level < levelCount; ++level)
            for (int number = 1; number <= picturesPerSet; ++number) {
                std::string name = fs::path(pictureFileName(level, number)).filename().string();
                writeBytes(folder / name, "the game's own " + name);
            }
        writeBytes(folder / "t2.jpg", "the background");
    }

    // Every entry under media/, hidden ones included: a file by its bytes, a
    // link by where it leads.
    std::map<std::string, std::string> snapshot() const
    {
        std::map<std::string, std::string> entries;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folders.media)) {
            std::string name = entry.path().lexically_relative(folders.media).string();
            if (entry.is_symlink())
                entries[name] = "link to " + fs::read_symlink(entry.path()).string();
            else if (entry.is_directory())
                entries[name] = "folder";
            else
                entries[name] = "file " + readBytes(entry.path());
        }
        return entries;
    }

    std::vector<std::string> flatPhotos(int count)
    {
        std::vector<std::string> photos;
        for (int k = 0; k < count; ++k)
            photos.push_back(writePhoto(flatImage(800, 600, flatColours[k]),
                                        root / "photos" / ("photo" + std::to_string(k + 1) + ".jpg"), "jpg"));
        return photos;
    }

    void expectPictureShows(int level, int number, const Rgb& colour)
    {
        fs::path picture = picturePath(folders, level, number);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(picture))) << picture;
        EXPECT_EQ(checkPictureFile(picture.string()), "") << picture;
        Rgb centre = pixelAt(decodePicture(picture), 300, 225);
        EXPECT_TRUE(isNear(centre, colour, 12)) << picture << " shows " << centre << ", not " << colour;
    }

    PictureFolders folders;
};

TEST_P(SetFolder, PhotosBecomePicturesInTurnAndRestoreBringsBackTheOriginals)
{
    const std::map<std::string, std::string> before = snapshot();
    std::vector<std::string> photos = flatPhotos(picturesPerSet);

    SetChange change = putPhotosInSet(folders, setB, photos);
    ASSERT_TRUE(change.done()) << change.fault;
    ASSERT_EQ(change.placed.size(), photos.size());
    for (int k = 1; k <= picturesPerSet; ++k) {
        EXPECT_EQ(change.placed[k - 1].photo, photos[k - 1]);
        EXPECT_EQ(change.placed[k - 1].number, k);
        expectPictureShows(setB, k, flatColours[k - 1]);
    }
    EXPECT_EQ(listOwnPictures(folders, setB), std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_TRUE(listOwnPictures(folders, setP).empty());
    std::map<std::string, std::string> after = snapshot();
    EXPECT_EQ(after["p1.jpg"], before.at("p1.jpg"));
    for (const auto& [name, what] : after)
        EXPECT_NE(name.rfind(".zor-pictures", 0), 0u) << "left behind: " << name;

    // A second batch over the first: the originals kept stay the game's own.
    std::vector<std::string> again = {photos[5], photos[6]};
    ASSERT_TRUE(putPhotosInSet(folders, setB, again).done());
    expectPictureShows(setB, 1, flatColours[5]);
    expectPictureShows(setB, 3, flatColours[2]);
    EXPECT_EQ(snapshot()[std::string(originalsFolderName) + "/b1.jpg"], before.at("b1.jpg"));

    std::string fault;
    EXPECT_EQ(restoreSet(folders, setB, fault), std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(fault, "");
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(listOwnPictures(folders, setB).empty());
    EXPECT_TRUE(restoreSet(folders, setB, fault).empty());
}

struct BadPhoto {
    const char* name;
    const char* file;
    const char* why;
};

// Makes the bad photo of each case at `path`.
void makeBadPhoto(const BadPhoto& bad, const fs::path& path)
{
    std::string kind = bad.name;
    if (kind == "not_an_image") {
        writeBytes(path, "Lista zakupów: chleb, mleko.\n");
    } else if (kind == "cut_short") {
        writePhoto(quadrantPhoto(800, 600), path, "jpg");
        std::string whole = readBytes(path);
        writeBytes(path, whole.substr(0, whole.size() / 2));
    } else if (kind == "too_narrow") {
        writePhoto(flatImage(299, 225, blue), path, "png");
    } else if (kind == "too_low") {
        writePhoto(flatImage(400, 224, blue), path, "jpg");
    } else if (kind == "another_format") {
        // A portable pixmap, whatever its name says.
        writeBytes(path, "P6\n400 300\n255\n" + std::string(400 * 300 * 3, '\x80'));
    } else if (kind == "a_folder") {
        fs::create_directory(path);
    }   // "missing": nothing at all
}

// Each refused for its own reason, named in the refusal.
const BadPhoto badPhotos[] = {
    {"not_an_image", "lista.jpg", "to nie jest obraz w znanym formacie"},
    {"cut_short", "ucięte.jpg", "plik jest uszkodzony"},
    {"too_narrow", "wąskie.png", "ma 299 × 225 pikseli, a potrzeba co najmniej 300 × 225"},
    {"too_low", "niskie.jpg", "ma 400 × 224 pikseli, a potrzeba co najmniej 300 × 225"},
    {"another_format", "zrzut.jpg", "to obraz w formacie PPM, a przyjmowane są zdjęcia JPEG, PNG"},
    {"a_folder", "album.jpg", "to folder, nie plik"},
    {"missing", "nie_ma.jpg", "brak pliku"},
};

TEST_P(SetFolder, ARefusedPhotoChangesNothing)
{
    for (const BadPhoto& bad : badPhotos) {
        SCOPED_TRACE(bad.name);
        std::vector<std::string> photos = flatPhotos(3);
        fs::path path = root / "photos" / bad.file;
        makeBadPhoto(bad, path);
        photos[1] = path.string();
        // One of the player's pictures is in place already and must stay.
        ASSERT_TRUE(putPhotosInSet(folders, setB, {photos[2]}).done());
        const std::map<std::string, std::string> before = snapshot();

        SetChange change = putPhotosInSet(folders, setB, photos);
        ASSERT_EQ(change.refused.size(), 1u);
        EXPECT_EQ(change.refused[0].photo, path.string());
        EXPECT_NE(change.refused[0].why.find(bad.why), std::string::npos) << change.refused[0].why;
        EXPECT_TRUE(change.placed.empty());
        EXPECT_EQ(snapshot(), before);

        std::ostringstream out, err;
        EXPECT_EQ(runPicturesCommand({"b", photos[0], photos[1]}, folders, out, err), commandRefused);
        EXPECT_EQ(out.str(), "");
        EXPECT_NE(err.str().find("zor-pictures: zdjęcie " + path.string() + " odrzucone: "),
                  std::string::npos)
            << err.str();
        EXPECT_NE(err.str().find("zestaw b zostaje bez zmian"), std::string::npos) << err.str();
        EXPECT_EQ(snapshot(), before);
        std::string fault;
        restoreSet(folders, setB, fault);
        fs::remove_all(path);
    }
}

TEST_P(SetFolder, CommandPrintsEachPictureAndListsThePlayersOnes)
{
    std::vector<std::string> photos = flatPhotos(3);
    std::ostringstream out, err;
    ASSERT_EQ(runPicturesCommand({"p", photos[0], photos[1], photos[2]}, folders, out, err), commandDone)
        << err.str();
    EXPECT_EQ(err.str(), "");
    for (int k = 1; k <= 3; ++k)
        EXPECT_NE(out.str().find("zor-pictures: " + photos[k - 1] + " → obrazek " + std::to_string(k) +
                                 ", zestaw p (" + picturePath(folders, setP, k).string() + ")\n"),
                  std::string::npos)
            << out.str();

    std::ostringstream list;
    ASSERT_EQ(runPicturesCommand({"--list"}, folders, list, err), commandDone);
    EXPECT_EQ(list.str(), "Obrazki w " + folders.media.string() +
                              ":\n"
                              "  zestaw b (poziom 1): wszystkie z gry\n"
                              "  zestaw p (poziom 2): twoje: 1, 2, 3; pozostałe z gry\n"
                              "  zestaw w (poziom 3): wszystkie z gry\n");

    std::ostringstream restored;
    ASSERT_EQ(runPicturesCommand({"p", "--restore"}, folders, restored, err), commandDone);
    EXPECT_NE(restored.str().find("przywrócony obrazek 3, zestaw p"), std::string::npos) << restored.str();
    EXPECT_TRUE(listOwnPictures(folders, setP).empty());
}

TEST_P(SetFolder, APlayersPictureDeletedByHandIsReplacedAndRestored)
{
    const std::map<std::string, std::string> before = snapshot();
    std::vector<std::string> photos = flatPhotos(2);
    ASSERT_TRUE(putPhotosInSet(folders, setB, {photos[0]}).done());
    fs::remove(picturePath(folders, setB, 1));

    SetChange change = putPhotosInSet(folders, setB, {photos[1]});
    ASSERT_TRUE(change.done()) << change.fault;
    expectPictureShows(setB, 1, flatColours[1]);
    std::string fault;
    EXPECT_EQ(restoreSet(folders, setB, fault), std::vector<int>{1});
    EXPECT_EQ(snapshot(), before);
}

TEST_P(SetFolder, ThirteenPhotosAreTooMany)
{
    const std::map<std::string, std::string> before = snapshot();
    std::vector<std::string> args = {"w"};
    args.insert(args.end(), picturesPerSet + 1, flatPhotos(1)[0]);
    std::ostringstream out, err;
    EXPECT_EQ(runPicturesCommand(args, folders, out, err), commandRefused);
    EXPECT_NE(err.str().find("zestaw ma 12 obrazków, a zdjęć podano 13"), std::string::npos) << err.str();
    EXPECT_EQ(snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Folders, SetFolder,
                         ::testing::Values(FolderKind::repository, FolderKind::installed),
                         [](const ::testing::TestParamInfo<FolderKind>& info) {
                             return info.param == FolderKind::repository ? "repository" : "installed";
                         });

TEST_F(OwnPhotos, RepositoryWithoutItsPicturesIsRefusedWhole)
{
    PictureFolders folders{root / "media", {}};
    fs::create_directories(folders.media);
    writeBytes(folders.media / "b1.jpg", "the game's own b1");
    std::vector<std::string> photos;
    for (int k = 0; k < 2; ++k)
        photos.push_back(writePhoto(flatImage(800, 600, flatColours[k]), root / ("p" + std::to_string(k) + ".jpg"),
                                    "jpg"));
    SetChange change = putPhotosInSet(folders, setB, photos);
    EXPECT_NE(change.fault.find("b2.jpg"), std::string::npos) << change.fault;
    EXPECT_EQ(readBytes(folders.media / "b1.jpg"), "the game's own b1");
    EXPECT_FALSE(fs::exists(folders.media / originalsFolderName));
}

TEST_F(OwnPhotos, InstalledGameNeverStartedGetsTheLinksItsCommandWouldMake)
{
    fs::path prefix = root / "usr";
    fs::path shipped = prefix / shippedMediaPlace;
    fs::create_directories(prefix / "games");
    fs::create_directories(shipped);
    writeBytes(shipped / "b1.jpg", "the game's own b1");
    PictureFolders folders;
    std::string why;
    ASSERT_TRUE(findPictureFolders(prefix / "games/zor-pictures", nullptr, (root / "home").c_str(), folders, why));
    ASSERT_EQ(folders.media, root / "home/.local/share/zor/media");

    std::string photo = writePhoto(flatImage(640, 480, green), root / "kot.png", "png");
    ASSERT_TRUE(putPhotosInSet(folders, setB, {photo}).done());
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folders.media / "b1.jpg")));
    EXPECT_EQ(fs::read_symlink(folders.media / originalsFolderName / "b1.jpg"), shipped / "b1.jpg");

    std::string fault;
    EXPECT_EQ(restoreSet(folders, setB, fault), std::vector<int>{1});
    EXPECT_EQ(fs::read_symlink(folders.media / "b1.jpg"), shipped / "b1.jpg");
    EXPECT_FALSE(fs::exists(folders.media / originalsFolderName));
}

TEST_F(OwnPhotos, FoldersFollowWhereTheCommandLies)
{
    fs::path prefix = root / "usr";
    fs::create_directories(prefix / "games");
    fs::create_directories(prefix / shippedMediaPlace);
    fs::create_directories(root / "bare/games");
    struct Case {
        fs::path executable;
        const char* xdgDataHome;
        const char* home;
        fs::path media;
    };
    const Case cases[] = {
        {root / "build/zor-pictures", "/x", "/h", "media"},
        {root / "bare/games/zor-pictures", "/x", "/h", "media"},   // no shipped media beside it
        {prefix / "games/zor-pictures", "/x", "/h", "/x/zor/media"},
        {prefix / "games/zor-pictures", "", "/h", "/h/.local/share/zor/media"},
        {prefix / "games/zor-pictures", nullptr, "/h", "/h/.local/share/zor/media"},
    };
    for (const Case& c : cases) {
        PictureFolders folders;
        std::string why;
        EXPECT_TRUE(findPictureFolders(c.executable, c.xdgDataHome, c.home, folders, why)) << why;
        EXPECT_EQ(folders.media, c.media) << c.executable;
        EXPECT_EQ(folders.shipped.empty(), c.media == "media") << c.executable;
    }
    PictureFolders folders;
    std::string why;
    EXPECT_FALSE(findPictureFolders(prefix / "games/zor-pictures", nullptr, "", folders, why));
    EXPECT_NE(why.find("HOME"), std::string::npos);
}

TEST(PicturesCommand, MisuseIsExplained)
{
    PictureFolders folders{"/nonexistent/media", {}};
    const std::vector<std::vector<std::string>> misuses = {
        {}, {"x", "a.jpg"}, {"b"}, {"bp", "a.jpg"}, {"--list", "b"}, {"b", "--bogus"}, {"b", "a.jpg", "--restore"},
    };
    for (const auto& args : misuses) {
        std::ostringstream out, err;
        EXPECT_EQ(runPicturesCommand(args, folders, out, err), commandMisused) << ::testing::PrintToString(args);
        EXPECT_NE(err.str().find("Użycie:"), std::string::npos);
        EXPECT_EQ(out.str(), "");
    }
}

// ---- The media generator ----------------------------------------------------

std::string runMakeMedia(const fs::path& folder)
{
    std::string command = std::string(ZOR_MAKE_MEDIA) + " '" + folder.string() +
                          "' --only b1.jpg,b2.jpg,b3.jpg 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        EXPECT_EQ(pclose(pipe), 0) << output;
    }
    return output;
}

// Every line of the manifest as if another build of the generator wrote it.
void markManifestFromAnotherBuild(const fs::path& folder)
{
    std::istringstream lines(readBytes(folder / ".generated"));
    std::string line, rewritten;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string hash, stamp, name;
        if (line[0] != '#' && fields >> hash >> stamp >> name)
            line = hash + " another-build " + name;
        rewritten += line + "\n";
    }
    writeBytes(folder / ".generated", rewritten);
}

TEST_F(OwnPhotos, MediaGeneratorLeavesThePlayersPicturesAlone)
{
    PictureFolders folders{root / "media", {}};
    runMakeMedia(folders.media);
    const std::string gameB1 = readBytes(folders.media / "b1.jpg");
    const std::string gameB3 = readBytes(folders.media / "b3.jpg");
    ASSERT_EQ(checkPictureFile((folders.media / "b1.jpg").string()), "");

    std::vector<std::string> photos;
    for (int k = 0; k < 2; ++k)
        photos.push_back(writePhoto(flatImage(800, 600, flatColours[k]), root / ("p" + std::to_string(k) + ".jpg"),
                                    "jpg"));
    ASSERT_TRUE(putPhotosInSet(folders, setB, photos).done());
    const std::string ownB1 = readBytes(folders.media / "b1.jpg");
    const std::string ownB2 = readBytes(folders.media / "b2.jpg");

    for (bool anotherBuild : {false, true}) {
        SCOPED_TRACE(anotherBuild ? "a generator of another build" : "the same generator");
        if (anotherBuild)
            markManifestFromAnotherBuild(folders.media);
        // b3, the game's own, deleted: the generator must make it again,
        // which shows that it ran over this folder.
        fs::remove(folders.media / "b3.jpg");
        std::string output = runMakeMedia(folders.media);
        EXPECT_NE(output.find("keeping " + folders.media.string() + "/b1.jpg"), std::string::npos) << output;
        EXPECT_EQ(readBytes(folders.media / "b3.jpg"), gameB3);
        EXPECT_EQ(readBytes(folders.media / "b1.jpg"), ownB1);
        EXPECT_EQ(readBytes(folders.media / "b2.jpg"), ownB2);
        EXPECT_EQ(readBytes(folders.media / originalsFolderName / "b1.jpg"), gameB1);
    }

    std::string fault;
    ASSERT_EQ(restoreSet(folders, setB, fault).size(), 2u);
    runMakeMedia(folders.media);
    EXPECT_EQ(readBytes(folders.media / "b1.jpg"), gameB1);
    EXPECT_EQ(listOwnPictures(folders, setB), std::vector<int>());
}

}  // namespace
