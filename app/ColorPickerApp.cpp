#include "app/ColorPickerApp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSessionManager>

#include "app/SettingsStore.h"
#include "color/ColorState.h"
#include "platform/qt/QuitSignals.h"
#include "support/NumberText.h"
#include "ui/ColorPickerDialog.h"

namespace tonik {

const char SETTINGS_ORGANIZATION[] = "Kavon";
const char SETTINGS_SECTION[] = "Settings";

namespace {

QString CustomColorName(int index)
{
    return QString::fromStdString(FormatText("CustColor%2.2u", static_cast<unsigned>(index)));
}

uint32_t ReadColor(SettingsStore& store, const char* name, uint32_t current)
{
    return static_cast<uint32_t>(store.GetProfileInt(QString::fromLatin1(SETTINGS_SECTION),
                                                     QString::fromLatin1(name), static_cast<int32_t>(current)));
}

}  // namespace

ColorPickerApp::ColorPickerApp(QString application) : application(std::move(application))
{
    if (this->application.isEmpty())
        this->application = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

bool ColorPickerApp::InitInstance()
{
    SettingsStore store(QString::fromLatin1(SETTINGS_ORGANIZATION), application);

    const QString section = QString::fromLatin1(SETTINGS_SECTION);
    colorState.foreground = store.GetProfileInt(section, QStringLiteral("Foreground"), colorState.foreground);
    colorState.foreColor = ReadColor(store, "ForeColor", colorState.foreColor);
    colorState.backColor = ReadColor(store, "BackColor", colorState.backColor);
    for (int i = 0; i < CUSTOM_COLOR_COUNT; ++i) {
        colorState.customColors[size_t(i)] = static_cast<uint32_t>(
            store.GetProfileInt(section, CustomColorName(i), static_cast<int32_t>(colorState.customColors[size_t(i)])));
    }

    ColorPickerDialog dialog;
    dialog.contrastShown = store.GetProfileInt(section, QStringLiteral("ShowContrast"), 1) != 0;
    dialog.Create();
    // The end of the desktop session ends the dialog as Escape would, so the
    // colours of this run are saved.
    const QuitSignals quitSignals([&dialog] { dialog.reject(); });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &dialog, [&dialog] { dialog.reject(); });
    if (beforeModal)
        beforeModal(dialog);
    dialog.DoModal();  // however it ended, the colours are saved; failures are not shown

    store.WriteProfileInt(section, QStringLiteral("Foreground"), colorState.foreground);
    store.WriteProfileInt(section, QStringLiteral("ForeColor"), static_cast<int32_t>(colorState.foreColor));
    store.WriteProfileInt(section, QStringLiteral("BackColor"), static_cast<int32_t>(colorState.backColor));
    for (int i = 0; i < CUSTOM_COLOR_COUNT; ++i)
        store.WriteProfileInt(section, CustomColorName(i), static_cast<int32_t>(colorState.customColors[size_t(i)]));
    store.WriteProfileInt(section, QStringLiteral("ShowContrast"), dialog.contrastShown ? 1 : 0);
    store.Flush();
    return false;
}

}  // namespace tonik
