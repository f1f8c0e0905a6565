#include "app/SettingsStore.h"

#include <QDir>
#include <cerrno>
#include <QFileInfo>

#include "app/IniText.h"
#include "platform/SaveFile.h"
#include "platform/qt/QuitSignals.h"

namespace tonik {
namespace {

// How long a save waits for another Tonik's lock on the settings folder.
constexpr int LOCK_WAIT_MS = 2000;

}  // namespace

SettingsStore::SettingsStore(const QString& organization, const QString& application)
    : settings(QSettings::NativeFormat, QSettings::UserScope, organization, application)
{
}

int32_t SettingsStore::GetProfileInt(const QString& section, const QString& name, int32_t defaultValue)
{
    const QString key = section + QLatin1Char('/') + name;
    const QVariant value = settings.value(key);
    bool ok = false;
    const qlonglong number = value.isValid() ? value.toString().trimmed().toLongLong(&ok) : 0;
    if (!ok || number < INT32_MIN || number > qlonglong{UINT32_MAX}) {
        held[key] = std::nullopt;
        return defaultValue;
    }
    const auto result = static_cast<int32_t>(static_cast<uint32_t>(number));
    held[key] = result;
    return result;
}

void SettingsStore::WriteProfileInt(const QString& section, const QString& name, int32_t value)
{
    written[section + QLatin1Char('/') + name] = value;
}

std::vector<std::pair<QString, int32_t>> SettingsStore::Unsaved() const
{
    std::vector<std::pair<QString, int32_t>> unsaved;
    for (const auto& [key, value] : written) {
        const auto was = held.find(key);
        if (was == held.end() || was->second != value)
            unsaved.emplace_back(key, value);
    }
    return unsaved;
}

bool SettingsStore::Flush()
{
    failureError = 0;
    // Keys are "section/name"; the values of one section are merged at a time.
    std::map<std::string, IniValues> changes;
    for (const auto& [key, value] : Unsaved()) {
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        changes[key.left(slash).toStdString()].emplace_back(key.mid(slash + 1).toStdString(), std::to_string(value));
    }
    if (changes.empty())
        return true;

    const std::string path = QFile::encodeName(FileName()).toStdString();
    const QString folder = QFileInfo(FileName()).path();
    QDir().mkpath(folder);
    // Read, merge and replace under one lock, so that two closing Tonik
    // windows each see what the other wrote. A lock held too long (a Tonik
    // stopped in its save), a quit signal meanwhile or a file system without
    // locks ends the wait; the version check before the rename then keeps
    // what another one wrote.
    const unsigned signalsBefore = QuitSignalCount();
    const FolderLock lock(QFile::encodeName(folder).toStdString(), LOCK_WAIT_MS,
                          [signalsBefore] { return QuitSignalCount() != signalsBefore; });
    if (lock.Held())
        RemoveLeftTemporaries(path);
    bool saved = false;
    for (int attempt = 0; attempt < 5 && !saved; ++attempt) {
        std::string text;
        FileVersion version;
        // What a file that cannot be read holds cannot be kept, so it is left alone.
        if (!ReadFileContent(path, text, &version))
            break;
        std::string merged = text;
        for (const auto& [section, values] : changes)
            merged = SetIniValues(merged, section, values);
        saved = merged == text || ReplaceFileContent(path, merged, &version);
        if (!saved && errno != ESTALE)
            break;
    }
    if (!saved) {
        failureError = errno != 0 ? errno : EIO;
        return false;
    }
    // What this run wrote is what the file holds now: a later save writes
    // only what changed after it.
    for (const auto& [key, value] : written)
        held[key] = value;
    return true;
}

}  // namespace tonik
