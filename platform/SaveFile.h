// Files replaced whole or not at all: the new content goes into a temporary
// file beside the old one, which is written, synced and closed with every
// step checked before it is renamed over the old file. On any failure the old
// file stays byte for byte as it was.
#pragma once

#include <functional>
#include <string>

namespace tonik {

// Replaces the file at path (a symbolic link's target, for a link) with
// content; false, with the old file untouched and no temporary left behind,
// when any step fails.
bool ReplaceFileContent(const std::string& path, const std::string& content);

// Reads the whole file at path into content; a missing file reads as empty.
// False when the file exists but cannot be read.
bool ReadFileContent(const std::string& path, std::string& content);

// Holds an exclusive lock on a folder while it lives, so that two Tonik
// processes read, merge and replace a file in it one after the other.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd = -1;
};

// Test seam: each step of a replacement asks the hook first; a non-zero
// answer fails the step with that errno value.
enum class SaveStep { Open, Write, Sync, Close, Rename };
using SaveFaultHook = std::function<int(SaveStep step)>;
void SetSaveFaultForTesting(SaveFaultHook hook);

}  // namespace tonik
