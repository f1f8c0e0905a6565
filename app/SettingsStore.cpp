#include "app/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

#include "app/IniText.h"
#include "platform/SaveFile.h"

namespace tonik {

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

bool SettingsStore::Flush()
{
    // Keys are "section/name"; the values of one section are merged at a time.
    std::map<std::string, IniValues> changes;
    for (const auto& [key, value] : written) {
        const auto was = held.find(key);
        if (was != held.end() && was->second == value)
            continue;
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        changes[key.left(slash).toStdString()].emplace_back(key.mid(slash + 1).toStdString(), std::to_string(value));
    }
    if (changes.empty())
        return true;

    const std::string path = QFile::encodeName(FileName()).toStdString();
    const QString folder = QFileInfo(FileName()).path();
    QDir().mkpath(folder);
    // Read, merge and replace under one lock, so that two closing Tonik
    // windows each see what the other wrote.
    const FolderLock lock(QFile::encodeName(folder).toStdString());
    std::string text;
    if (!ReadFileContent(path, text))
        return false;  // what it holds cannot be kept, so it is left alone
    std::string merged = text;
    for (const auto& [section, values] : changes)
        merged = SetIniValues(merged, section, values);
    return merged == text || ReplaceFileContent(path, merged);
}

}  // namespace tonik
