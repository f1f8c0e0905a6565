#include "platform/SaveFile.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tonik {
namespace {

SaveFaultHook& FaultHook()
{
    static SaveFaultHook hook;
    return hook;
}

// False, with errno set, when the hook fails the step.
bool StepAllowed(SaveStep step)
{
    if (!FaultHook())
        return true;
    const int error = FaultHook()(step);
    errno = error;
    return error == 0;
}

bool WriteAll(int fd, const std::string& content)
{
    size_t done = 0;
    while (done < content.size()) {
        if (!StepAllowed(SaveStep::Write))
            return false;
        const ssize_t n = write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// The file a path names: a symbolic link's target, so that replacing it keeps
// the link (dot files are often links into a folder of their own).
std::string FinalPath(const std::string& path)
{
    char* target = realpath(path.c_str(), nullptr);
    if (target == nullptr)
        return path;
    std::string resolved(target);
    std::free(target);
    return resolved;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

FileVersion VersionFrom(const struct stat& info)
{
    constexpr int64_t NS = 1000000000;
    return {true, uint64_t(info.st_dev), uint64_t(info.st_ino), uint64_t(info.st_size),
            int64_t(info.st_mtim.tv_sec) * NS + info.st_mtim.tv_nsec, int64_t(info.st_ctim.tv_sec) * NS + info.st_ctim.tv_nsec};
}

FileVersion VersionOf(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? VersionFrom(info) : FileVersion{};
}

// Where the file system has no locks (NFS without its lock service, some FUSE
// file systems), flock fails with one of these: nothing can be locked there.
bool LocksUnsupported(int error)
{
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS;
}

// Temporaries of path are hidden files with a name of Tonik's own, which no
// user file beside the settings has: ".tonik.conf.tmp-" and six letters or digits.
const char TEMPORARY_MARK[] = ".tmp-";
constexpr size_t TEMPORARY_RANDOM = 6;

std::string TemporaryPrefix(const std::string& base)
{
    return '.' + base + TEMPORARY_MARK;
}

// A temporary beside path, locked for as long as this process has it open,
// so that RemoveLeftTemporaries leaves it alone. Where locks are not to be
// had it stays unlocked; no cleaner there can lock it either.
int MakeTemporary(const std::string& path, std::string& temporary)
{
    const size_t slash = path.rfind('/');
    const std::string pattern = path.substr(0, slash + 1) + TemporaryPrefix(path.substr(slash + 1)) + "XXXXXX";
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporary = pattern;
        const int fd = mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        int locked = -1;
        while ((locked = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        const int lockError = locked == 0 ? 0 : errno;
        struct stat info {};
        // A cleaner may have taken it for a left one before it was locked.
        const bool present = fstat(fd, &info) == 0 && info.st_nlink > 0;
        if (present && (lockError == 0 || LocksUnsupported(lockError)))
            return fd;
        if (present)
            unlink(temporary.c_str());
        close(fd);
        if (lockError != 0 && !LocksUnsupported(lockError)) {
            errno = lockError;
            return -1;
        }
    }
    errno = EEXIST;
    return -1;
}

bool IsTemporaryOf(const char* entry, const std::string& base)
{
    const std::string prefix = TemporaryPrefix(base);
    const size_t length = std::strlen(entry);
    if (length != prefix.size() + TEMPORARY_RANDOM || prefix.compare(0, prefix.size(), entry, prefix.size()) != 0)
        return false;
    for (size_t i = prefix.size(); i < length; ++i) {
        const char c = entry[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

}  // namespace

bool ReplaceFileContent(const std::string& name, const std::string& content, const FileVersion* expected)
{
    const std::string path = FinalPath(name);
    if (IsReadOnlyFile(path)) {
        errno = EACCES;
        return false;
    }
    std::string temporary;
    const int fd = StepAllowed(SaveStep::Open) ? MakeTemporary(path, temporary) : -1;
    if (fd < 0)
        return false;
    // The new file keeps the old one's mode; a first one stays private (0600).
    struct stat old {};
    bool written = (stat(path.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0) &&
                   WriteAll(fd, content) && StepAllowed(SaveStep::Sync) && fsync(fd) == 0;
    // close reports a write that failed late (NFS writes back on close); the
    // close of a duplicate does, while fd keeps the temporary open and locked
    // until it is in place, so no cleaner can take it meanwhile.
    if (written) {
        const int check = fcntl(fd, F_DUPFD_CLOEXEC, 0);
        written = check >= 0 && close(check) == 0 && StepAllowed(SaveStep::Close);
    }
    if (written && expected != nullptr && VersionOf(path) != *expected) {
        errno = ESTALE;
        written = false;
    }
    if (written && StepAllowed(SaveStep::Rename) && rename(temporary.c_str(), path.c_str()) == 0) {
        // The rename itself reaches the disk with the folder.
        if (const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
            fsync(folder);
            close(folder);
        }
        close(fd);
        return true;
    }
    const int error = errno;
    unlink(temporary.c_str());
    close(fd);
    errno = error;
    return false;
}

// Root may write any file, so the permission bits count too, as the user set
// them to freeze it.
bool IsReadOnlyFile(const std::string& name)
{
    const std::string path = FinalPath(name);
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && ((info.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0);
}

bool ReadFileContent(const std::string& path, std::string& content, FileVersion* version)
{
    content.clear();
    if (version != nullptr)
        *version = FileVersion{};
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    if (struct stat info {}; version != nullptr && fstat(fd, &info) == 0)
        *version = VersionFrom(info);
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            close(fd);
            content.clear();
            return false;
        }
        if (n == 0)
            break;
        content.append(buffer, size_t(n));
    }
    close(fd);
    return true;
}

void RemoveLeftTemporaries(const std::string& name)
{
    const std::string path = FinalPath(name);
    const std::string folder = FolderOf(path);
    const std::string base = path.substr(path.rfind('/') + 1);
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, base))
            continue;
        const std::string temporary = folder + '/' + entry->d_name;
        const int fd = open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // Its writer's lock went with the writer: nobody finishes it now.
        struct stat info {};
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
            unlink(temporary.c_str());
        close(fd);
    }
    closedir(dir);
}

FolderLock::FolderLock(const std::string& folder, int timeoutMs, const std::function<bool()>& giveUp)
    : fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (fd < 0)
        return;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            held = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= until ||
            (giveUp && giveUp()))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

FolderLock::~FolderLock()
{
    if (fd >= 0)
        close(fd);  // closing releases the lock
}

void SetSaveFaultForTesting(SaveFaultHook hook)
{
    FaultHook() = std::move(hook);
}

}  // namespace tonik
