#include "platform/File.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/LastError.h"

namespace tonik {
namespace {

ReadHook& Hook()
{
    static ReadHook hook;
    return hook;
}

void SetErrnoError()
{
    SetLastError(ErrorFromErrno(errno));
}

}  // namespace

bool FileExists(const char* path)
{
    struct stat info {};
    if (path == nullptr || stat(path, &info) != 0) {
        if (path == nullptr)
            SetLastError(ERROR_INVALID_PARAMETER);
        else
            SetErrnoError();
        return false;
    }
    return true;
}

ReadFile::ReadFile(const char* path)
{
    fd = path ? open(path, O_RDONLY | O_CLOEXEC) : -1;
    if (fd < 0) {
        SetErrnoError();
        return;
    }
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

ReadFile::ReadFile(ReadFile&& other) noexcept : fd(std::exchange(other.fd, -1)) {}

ReadFile& ReadFile::operator=(ReadFile&& other) noexcept
{
    if (this != &other) {
        Close();
        fd = std::exchange(other.fd, -1);
    }
    return *this;
}

ReadFile::~ReadFile()
{
    Close();
}

bool ReadFile::Size(uint64_t& size) const
{
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        SetErrnoError();
        return false;
    }
    size = uint64_t(info.st_size);
    return true;
}

bool ReadFile::Read(void* buffer, size_t count, size_t& got)
{
    got = 0;
    if (Hook())
        return Hook()(buffer, count, got);
    auto* bytes = static_cast<char*>(buffer);
    while (got < count) {
        const ssize_t n = read(fd, bytes + got, count - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            SetErrnoError();
            return false;
        }
        if (n == 0)
            break;
        got += size_t(n);
    }
    return true;
}

bool ReadFile::Close()
{
    if (fd < 0)
        return true;
    const int result = close(std::exchange(fd, -1));
    if (result != 0) {
        SetErrnoError();
        return false;
    }
    return true;
}

void SetReadHookForTesting(ReadHook hook)
{
    Hook() = std::move(hook);
}

}  // namespace tonik
