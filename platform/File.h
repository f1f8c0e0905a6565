// Files read from start to end, and the path of the running executable.
// Failures leave their reason in the thread's last error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tonik {

// True when path names an existing file system object.
bool FileExists(const char* path);

// The running executable's own image. Opened through this link it is the file
// that runs, even after a package upgrade has replaced or removed its path.
inline constexpr char RUNNING_IMAGE[] = "/proc/self/exe";

// A file opened for sequential reading. Move-only; closes on destruction.
class ReadFile {
public:
    ReadFile() noexcept = default;
    // Opens path for reading with the sequential-scan hint; check IsOpen.
    explicit ReadFile(const char* path);
    ReadFile(ReadFile&& other) noexcept;
    ReadFile& operator=(ReadFile&& other) noexcept;
    ReadFile(const ReadFile&) = delete;
    ReadFile& operator=(const ReadFile&) = delete;
    ~ReadFile();

    bool IsOpen() const { return fd >= 0; }
    // The full size in bytes; false when it cannot be had.
    bool Size(uint64_t& size) const;
    // Reads up to count bytes, all of them unless the file ends; false on an
    // error, whose number is then the last error.
    bool Read(void* buffer, size_t count, size_t& got);
    // False when closing fails.
    bool Close();

private:
    int fd = -1;
};

// Test seam: a read hook that answers in place of the system; it returns false
// and sets the last error to fail, or sets got.
using ReadHook = std::function<bool(void* buffer, size_t count, size_t& got)>;
void SetReadHookForTesting(ReadHook hook);

}  // namespace tonik
