// The version information of a module: the version block found by scanning
// its file, string lookups in one language's table, the fixed file
// information, and the version text format. Failures leave their reason in the
// thread's last error.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "version/VersionBlock.h"

namespace tonik {

constexpr size_t VS_FIXEDFILEINFO_SIZE = 52;
constexpr uint32_t VS_FF_DEBUG = 0x1;
constexpr uint32_t DEFAULT_LANGUAGE_ID = 0x040904B0;  // U.S. English, UTF-16

class VersionInfo {
public:
    VersionInfo();
    VersionInfo(const VersionInfo&) = delete;
    VersionInfo& operator=(const VersionInfo&) = delete;
    virtual ~VersionInfo();

    // Loads the running executable's version block (module must be null).
    bool LoadFromModule(const void* module = nullptr);
    // Scans the file for the first block with the root key and loads it.
    bool LoadFromFile(const char* path);
    void Reset();

    // Records the language and code page and selects its string table.
    bool SelectLanguage(uint32_t id);
    // The string of key from the selected table, or the first table that has
    // it; empty on any failure.
    std::string GetString(const char16_t* key);
    std::string GetProductName() { return GetString(u"ProductName"); }
    std::string GetFileDescription() { return GetString(u"FileDescription"); }
    std::string GetFileVersion() { return GetString(u"FileVersion"); }
    std::string GetInternalName() { return GetString(u"InternalName"); }
    std::string GetLegalCopyright() { return GetString(u"LegalCopyright"); }
    std::string GetComments() { return GetString(u"Comments"); }
    std::string GetCompanyName() { return GetString(u"CompanyName"); }

    // The 52-byte fixed file information, or null.
    const uint8_t* FixedInfo() const { return fixedInfo; }
    const VersionBlock* Root() const { return root.get(); }
    const VersionBlock* SelectedTable() const { return selectedTable; }

    // Version text from a format with the codes a b c d (product version
    // parts), p f v i r l m o (strings), g (build kind) and V (the default
    // format); "<n/a>" without fixed file information. Null uses the default.
    std::string FormatVersion(const char* format);
    void SetDefaultFormat(const char* format);
    std::string GetDefaultFormat() const { return defaultFormat; }

private:
    std::string FormatVersion(const char* format, bool expandDefault);

    std::unique_ptr<VersionBlock> root;
    const uint8_t* fixedInfo = nullptr;
    uint32_t languageId = DEFAULT_LANGUAGE_ID;
    VersionBlock* selectedTable = nullptr;
    std::string defaultFormat;
};

// UTF-16 to and from the narrow encoding; null for null.
std::unique_ptr<char16_t[]> AnsiToWide(const char* text);
std::unique_ptr<char[]> WideToAnsi(const char16_t* text);

}  // namespace tonik
