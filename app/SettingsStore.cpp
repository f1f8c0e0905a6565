#include "app/SettingsStore.h"

namespace tonik {

SettingsStore::SettingsStore(const QString& organization, const QString& application)
    : settings(QSettings::NativeFormat, QSettings::UserScope, organization, application)
{
    // Qt writes the file through a temporary and renames it into place, so a
    // write cut off halfway leaves the earlier file whole.
    settings.setAtomicSyncRequired(true);
}

int32_t SettingsStore::GetProfileInt(const QString& section, const QString& name, int32_t defaultValue)
{
    const QVariant value = settings.value(section + QLatin1Char('/') + name);
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > qlonglong{UINT32_MAX})
        return defaultValue;
    return static_cast<int32_t>(static_cast<uint32_t>(number));
}

void SettingsStore::WriteProfileInt(const QString& section, const QString& name, int32_t value)
{
    settings.setValue(section + QLatin1Char('/') + name, value);
}

bool SettingsStore::Flush()
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace tonik
