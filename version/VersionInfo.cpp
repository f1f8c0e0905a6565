#include "version/VersionInfo.h"

#include <cstdlib>
#include <cstring>
#include <algorithm>

#include "platform/File.h"
#include "platform/LastError.h"
#include "platform/TextConvert.h"
#include "support/NumberText.h"

namespace tonik {
namespace {

constexpr size_t CHUNK = 65536;
constexpr size_t WINDOW = 2 * CHUNK;

// The root key, kept reversed in the program's data and turned round by the
// first load.
char16_t rootKey[] = u"OFNI_NOISREV_SV";

void TurnRootKey()
{
    if (rootKey[0] == u'V')
        return;
    const size_t n = std::char_traits<char16_t>::length(rootKey);
    for (size_t i = 0; i < n / 2; ++i)
        std::swap(rootKey[i], rootKey[n - 1 - i]);
}

// Closes the file on a failure path; a failing close replaces the error.
bool FailAfterClosing(ReadFile& file, uint32_t error)
{
    if (file.Close())
        SetLastError(error);
    return false;
}

struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
};

}  // namespace

std::unique_ptr<char16_t[]> AnsiToWide(const char* text)
{
    if (text == nullptr)
        return nullptr;
    const std::u16string wide = Utf8ToUtf16(text);
    auto result = std::make_unique<char16_t[]>(wide.size() + 1);
    std::memcpy(result.get(), wide.data(), wide.size() * sizeof(char16_t));
    return result;
}

std::unique_ptr<char[]> WideToAnsi(const char16_t* text)
{
    if (text == nullptr)
        return nullptr;
    const std::string narrow = Utf16ToUtf8(text);
    auto result = std::make_unique<char[]>(narrow.size() + 1);
    std::memcpy(result.get(), narrow.data(), narrow.size());
    return result;
}

VersionInfo::VersionInfo()
{
    SetDefaultFormat(nullptr);
    SelectLanguage(DEFAULT_LANGUAGE_ID);
}

VersionInfo::~VersionInfo()
{
    Reset();
}

void VersionInfo::Reset()
{
    root.reset();
    fixedInfo = nullptr;
    selectedTable = nullptr;
}

bool VersionInfo::LoadFromModule(const void* module)
{
    // Only the running executable is a module here.
    if (module != nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return LoadFromFile(RUNNING_IMAGE);
}

bool VersionInfo::LoadFromFile(const char* path)
{
    Reset();
    if (!FileExists(path))
        return false;
    TurnRootKey();
    ReadFile file(path);
    if (!file.IsOpen())
        return false;
    uint64_t size = 0;
    if (!file.Size(size)) {
        const uint32_t error = GetLastError();
        return FailAfterClosing(file, error);
    }
    std::unique_ptr<uint8_t, FreeDeleter> window(static_cast<uint8_t*>(std::calloc(WINDOW, 1)));
    if (!window)
        return FailAfterClosing(file, ERROR_INVALID_DATA);
    if (size == 0)
        return FailAfterClosing(file, ERROR_INVALID_DATA);

    uint8_t* const data = window.get();
    uint64_t remaining = size;
    bool firstPass = true;
    while (remaining > 0) {
        std::memcpy(data, data + CHUNK, CHUNK);
        const size_t chunk = size_t(std::min<uint64_t>(CHUNK, remaining));
        size_t got = 0;
        if (!file.Read(data + CHUNK, chunk, got)) {
            const uint32_t error = GetLastError();
            return FailAfterClosing(file, error);
        }
        if (got < chunk)
            return FailAfterClosing(file, ERROR_READ_FAULT);
        remaining -= chunk;
        const bool lastPass = remaining == 0;
        const size_t held = CHUNK + chunk;
        // The first half holds the previous chunk; in the first pass there is
        // none, so its offsets are only tried when the file is a single chunk.
        const size_t end = lastPass ? held : (firstPass ? 0 : CHUNK);
        firstPass = false;
        // A block with the root key has its key's first character at offset 6,
        // so only offsets where that character stands are parsed.
        for (size_t candidate = 0; candidate < end && candidate + 6 < held;) {
            const size_t searchEnd = std::min(end + 6, held);
            const void* mark = std::memchr(data + candidate + 6, rootKey[0], searchEnd - candidate - 6);
            if (mark == nullptr)
                break;
            const size_t at = size_t(static_cast<const uint8_t*>(mark) - data) - 6;
            candidate = (at + 3) & ~size_t{3};
            if (at % 4 != 0 || at >= end)
                continue;
            const uint8_t* position = data + candidate;
            size_t available = held - candidate;
            candidate += 4;
            std::unique_ptr<VersionBlock> hit = VersionBlock::Parse(position, available, rootKey);
            if (!hit)
                continue;
            root = std::move(hit);
            if (root->wType == 0 && root->wValueLength == VS_FIXEDFILEINFO_SIZE)
                fixedInfo = root->value.data();
            SelectLanguage(languageId);
            return file.Close();
        }
    }
    return FailAfterClosing(file, ERROR_INVALID_DATA);
}

bool VersionInfo::SelectLanguage(uint32_t id)
{
    languageId = id;
    if (!root) {
        SetLastError(ERROR_INVALID_DATA);
        return false;
    }
    selectedTable = nullptr;
    const std::string digits = FormatText("%8.8x", id);
    const VersionBlock* stringFileInfo = root->FindChild(u"StringFileInfo", true);
    if (stringFileInfo == nullptr)
        return false;
    selectedTable = stringFileInfo->FindChild(digits.c_str(), false);
    return selectedTable != nullptr;
}

std::string VersionInfo::GetString(const char16_t* key)
{
    if (!root) {
        SetLastError(ERROR_INVALID_DATA);
        return {};
    }
    const VersionBlock* found = selectedTable ? selectedTable->FindChild(key, false) : root->FindChild(key, true);
    if (found == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    if (found->wType == 0) {
        SetLastError(ERROR_INVALID_DATA);
        return {};
    }
    SetLastError(ERROR_SUCCESS);
    std::u16string text;
    for (size_t i = 0; i + 1 < found->value.size(); i += 2) {
        const char16_t c = char16_t(found->value[i] | found->value[i + 1] << 8);
        if (c == 0)
            break;
        text.push_back(c);
    }
    return Utf16ToUtf8(text);
}

}  // namespace tonik
