// Files replaced whole or not at all: the new content goes into a temporary
// file beside the old one (".NAME.tmp-" and six letters or digits), which is
// written and synced with every step checked before it is renamed over the
// old file. On any failure the old file stays byte for byte as it was, and
// the temporary is gone.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tonik {

// One version of a file: any replacement, write or touch gives another.
struct FileVersion {
    bool exists = false;
    uint64_t device = 0, inode = 0, size = 0;
    int64_t modified = 0, changed = 0;  // nanoseconds
    bool operator==(const FileVersion&) const = default;
};

// Replaces the file at path (a symbolic link's target, for a link) with
// content; false, with the old file untouched and no temporary left behind,
// when any step fails. A file its user may not write (no write permission
// bit, as after chmod 444) is left alone (EACCES). With expected, the file
// must still be that version just before the rename, else nothing is
// replaced (ESTALE): another writer went ahead.
bool ReplaceFileContent(const std::string& path, const std::string& content, const FileVersion* expected = nullptr);

// True when the file at path exists and its user may not write it: no write
// permission bit (as after chmod 444), or no access to write.
bool IsReadOnlyFile(const std::string& path);

// Reads the whole file at path into content, and its version; a missing file
// reads as empty. False when the file exists but cannot be read.
bool ReadFileContent(const std::string& path, std::string& content, FileVersion* version = nullptr);

// Removes the temporaries that replacements of path left behind when they
// were killed; those of replacements still running (or stopped) stay, and so
// does every file whose name is not of a temporary's form.
void RemoveLeftTemporaries(const std::string& path);

// Holds an exclusive lock on a folder while it lives, so that two Tonik
// processes read, merge and replace a file in it one after the other. The
// lock is waited for at most timeoutMs, and no longer once giveUp says so;
// where the file system has no locks it is not waited for. Without it the
// replacement still goes ahead (Held() is false).
class FolderLock {
public:
    FolderLock(const std::string& folder, int timeoutMs, const std::function<bool()>& giveUp = {});
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool Held() const { return held; }

private:
    int fd = -1;
    bool held = false;
};

// Test seam: each step of a replacement asks the hook first; a non-zero
// answer fails the step with that errno value.
enum class SaveStep { Open, Write, Sync, Close, Rename };
using SaveFaultHook = std::function<int(SaveStep step)>;
void SetSaveFaultForTesting(SaveFaultHook hook);

}  // namespace tonik
