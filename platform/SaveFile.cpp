#include "platform/SaveFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

}  // namespace

bool ReplaceFileContent(const std::string& name, const std::string& content)
{
    const std::string path = FinalPath(name);
    std::string temporary = path + ".XXXXXX";
    const int fd = StepAllowed(SaveStep::Open) ? mkostemp(temporary.data(), O_CLOEXEC) : -1;
    if (fd < 0)
        return false;
    // The new file keeps the old one's mode; a first one stays private (0600).
    struct stat old {};
    bool written = (stat(path.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0) &&
                   WriteAll(fd, content) && StepAllowed(SaveStep::Sync) && fsync(fd) == 0;
    // close can report a write that failed late; its result counts too.
    if (!StepAllowed(SaveStep::Close)) {
        close(fd);
        written = false;
    } else if (close(fd) != 0) {
        written = false;
    }
    if (written && StepAllowed(SaveStep::Rename) && rename(temporary.c_str(), path.c_str()) == 0) {
        // The rename itself reaches the disk with the folder.
        if (const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
            fsync(folder);
            close(folder);
        }
        return true;
    }
    unlink(temporary.c_str());
    return false;
}

bool ReadFileContent(const std::string& path, std::string& content)
{
    content.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
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

FolderLock::FolderLock(const std::string& folder) : fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (fd >= 0) {
        while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
        }
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
