#include "files/safe_files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string describeErrno()
{
    return std::strerror(errno);
}

std::string folderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

void syncFolder(const std::string& folder)
{
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

bool readRegularFile(const std::string& path, std::string& bytes, size_t maxBytes,
                     std::string& why)
{
    // Non-blocking, so that a FIFO in the file's place cannot stall the game.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = errno == ENOENT ? "brak pliku" : "nie da się otworzyć: " + describeErrno();
        return false;
    }
    struct stat info;
    bool ok = false;
    if (fstat(fd, &info) != 0) {
        why = "nie da się odczytać: " + describeErrno();
    } else if (!S_ISREG(info.st_mode)) {
        why = S_ISDIR(info.st_mode) ? "to folder, nie plik" : "to nie jest zwykły plik";
    } else if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        why = "plik jest za duży (" + std::to_string(info.st_size) + " bajtów)";
    } else {
        bytes.assign(static_cast<size_t>(info.st_size), '\0');
        size_t done = 0;
        ok = true;
        while (done < bytes.size()) {
            ssize_t got = read(fd, &bytes[done], bytes.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                // A file that shrank under us reads as what it now holds.
                if (got < 0) {
                    why = "nie da się odczytać: " + describeErrno();
                    ok = false;
                }
                break;
            }
            done += static_cast<size_t>(got);
        }
        bytes.resize(done);
    }
    close(fd);
    return ok;
}

bool regularFileReadable(const std::string& path)
{
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    close(fd);
    return regular;
}

bool writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

bool replaceFile(const std::string& path, const std::function<bool(int fd)>& write,
                 std::string& why)
{
    std::string folder = folderOf(path);
    std::string name = path.substr(path.rfind('/') + 1);
    // A hidden name in the same folder, so that the rename cannot cross file
    // systems, and no reader takes the half-written file for the real one.
    std::string temporary = folder + "/." + name + ".XXXXXX";
    int fd = mkstemp(&temporary[0]);
    if (fd < 0) {
        why = "nie da się utworzyć pliku w " + folder + ": " + describeErrno();
        return false;
    }
    fchmod(fd, 0644);
    errno = 0;
    bool written = write(fd);
    if (!written)
        why = "nie da się zapisać: " + std::string(errno ? describeErrno() : "błąd zapisu");
    else if (fsync(fd) != 0) {
        why = "nie da się zapisać na dysk: " + describeErrno();
        written = false;
    }
    if (close(fd) != 0 && written) {
        why = "nie da się zapisać: " + describeErrno();
        written = false;
    }
    if (written && rename(temporary.c_str(), path.c_str()) != 0) {
        why = "nie da się zastąpić pliku: " + describeErrno();
        written = false;
    }
    if (!written) {
        unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool replaceFileWith(const std::string& path, const std::string& bytes, std::string& why)
{
    return replaceFile(path, [&bytes](int fd) { return writeAll(fd, bytes); }, why);
}
