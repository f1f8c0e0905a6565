// The per-user settings store: 32-bit integers under an organisation, an
// application and a section, in Qt's native format (an INI file on Linux).
#pragma once

#include <QSettings>
#include <QString>
#include <cstdint>

namespace tonik {

class SettingsStore {
public:
    SettingsStore(const QString& organization, const QString& application);

    // The stored value, or defaultValue when it is missing, not a number or
    // beyond 32 bits (signed or unsigned).
    int32_t GetProfileInt(const QString& section, const QString& name, int32_t defaultValue);
    // Stores the value as a signed decimal integer; written out by Flush.
    void WriteProfileInt(const QString& section, const QString& name, int32_t value);
    // Writes everything at once, replacing the file only when the new one is
    // complete. False when the store cannot be written.
    bool Flush();

    QString FileName() const { return settings.fileName(); }

private:
    QSettings settings;
};

}  // namespace tonik
