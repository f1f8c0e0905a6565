// The per-user settings store: 32-bit integers under an organisation, an
// application and a section, in Qt's native format (an INI file on Linux).
#pragma once

#include <QSettings>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace tonik {

class SettingsStore {
public:
    SettingsStore(const QString& organization, const QString& application);

    // The stored value, or defaultValue when it is missing, not a number or
    // beyond 32 bits (signed or unsigned).
    int32_t GetProfileInt(const QString& section, const QString& name, int32_t defaultValue);
    // Stores the value as a signed decimal integer; written out by Flush.
    void WriteProfileInt(const QString& section, const QString& name, int32_t value);
    // Writes the values whose number differs from what the file held when
    // they were read, or that it did not hold as a number, into the file as
    // it is now: values another Tonik changed meanwhile are kept. The file is
    // replaced whole or not at all; false when it could not be (a read-only
    // file is left alone). Once saved, a value counts as held with what was
    // written, so Flush may run again (a session's save, then the end).
    bool Flush();

    // The values written but not yet in the file, as "section/name" and value.
    std::vector<std::pair<QString, int32_t>> Unsaved() const;
    // Why the last Flush failed (an errno value).
    int FailureError() const { return failureError; }

    QString FileName() const { return settings.fileName(); }

private:
    QSettings settings;
    // What each value read held: its number, or nothing when it was not a valid one.
    std::map<QString, std::optional<int32_t>> held;
    std::map<QString, int32_t> written;
    int failureError = 0;
};

}  // namespace tonik
