#include "app/ColorPickerApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QSessionManager>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "app/SettingsStore.h"
#include "color/ColorState.h"
#include "color/HtmlCode.h"
#include "platform/SaveFile.h"
#include "platform/qt/ClipboardKeeper.h"
#include "platform/qt/DisplayLoss.h"
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
    dialog.visionShown = store.GetProfileInt(section, QStringLiteral("ShowVision"), 0) != 0;
    dialog.Create();
    const QuitSignals quitSignals([&dialog] { RequestEnd(dialog); });
    // The session's save request (a checkpoint, or a logout that another
    // program may still cancel) saves the colours and leaves Tonik running.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &dialog, [this, &store, &dialog] {
        const std::lock_guard lock(saveMutex);
        SaveSettings(store, dialog);
    });
    const DisplayLossWatch displayLoss(
        [this, &store, &dialog](bool reconnects) { OnDisplayLost(store, dialog, reconnects); });
    if (beforeModal)
        beforeModal(dialog);
    dialog.DoModal();
    EndRun(store, dialog);
    return false;
}

void ColorPickerApp::RequestEnd(ColorPickerDialog& dialog)
{
    // The innermost first: a popup (the window menu), then each modal window
    // above the dialog (the colour chooser, the About box), whose own loops
    // would otherwise go on after the dialog's had ended.
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        if (QApplication::activePopupWidget() == popup)
            break;
    }
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal == &dialog)
            break;
        if (auto* nested = qobject_cast<QDialog*>(modal))
            nested->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal)
            break;
    }
    dialog.reject();
}

// The road out, the same however the end was asked for: Enter, Escape, the
// close button and the window menu's Close end the dialog themselves; a quit
// signal or the session's end goes through RequestEnd first. Once the
// dialog's loop has returned, the settings are written (once, with a bounded
// wait for another Tonik's lock), the clipboard goes to its keeper, and
// InitInstance returns for an exit with status 0, or 1 when the save failed.
void ColorPickerApp::EndRun(SettingsStore& store, const ColorPickerDialog& dialog)
{
    {
        const std::lock_guard lock(saveMutex);
        endSaved = SaveSettings(store, dialog);
    }
    if (!*endSaved)
        exitStatus = 1;
    if (const std::optional<std::string> text = ClipboardTextToKeep())
        KeepClipboardText(*text, displayName);
}

// The display went away (a logout that ended the X server or the compositor
// first, a crash of either): Qt is about to end the process, so the colours
// are saved now as the road out saves them, from the colour state and the
// store alone, and Tonik ends at once, without its clipboard keeper for a
// display that is gone. Where Qt connects again to a compositor that came
// back, the save counts as held and the run goes on.
void ColorPickerApp::OnDisplayLost(SettingsStore& store, const ColorPickerDialog& dialog, bool reconnects)
{
    const std::lock_guard lock(saveMutex);
    const bool saved = endSaved.has_value() ? *endSaved : SaveSettings(store, dialog);
    if (reconnects)
        return;
    const QByteArray path = QFile::encodeName(store.FileName());
    std::fprintf(stderr, saved ? "tonik: the display went away; the colours were saved in %s\n"
                               : "tonik: the display went away; the colours could not be saved in %s\n",
                 path.constData());
    _exit(1);
}

bool ColorPickerApp::SaveSettings(SettingsStore& store, const ColorPickerDialog& dialog) const
{
    const QString section = QString::fromLatin1(SETTINGS_SECTION);
    store.WriteProfileInt(section, QStringLiteral("Foreground"), colorState.foreground);
    store.WriteProfileInt(section, QStringLiteral("ForeColor"), static_cast<int32_t>(colorState.foreColor));
    store.WriteProfileInt(section, QStringLiteral("BackColor"), static_cast<int32_t>(colorState.backColor));
    for (int i = 0; i < CUSTOM_COLOR_COUNT; ++i)
        store.WriteProfileInt(section, CustomColorName(i), static_cast<int32_t>(colorState.customColors[size_t(i)]));
    store.WriteProfileInt(section, QStringLiteral("ShowContrast"), dialog.contrastShown ? 1 : 0);
    store.WriteProfileInt(section, QStringLiteral("ShowVision"), dialog.visionShown ? 1 : 0);
    // A file its user made read-only is left alone on purpose: no failure.
    const QByteArray path = QFile::encodeName(store.FileName());
    if (store.Flush() || IsReadOnlyFile(path.toStdString()))
        return true;
    std::string unsaved;
    for (const auto& [key, value] : store.Unsaved()) {
        const QString name = key.mid(key.indexOf(QLatin1Char('/')) + 1);
        const bool color = name.contains(QLatin1String("Color"));
        unsaved += (unsaved.empty() ? "" : ", ") + name.toStdString() + ' ' +
                   (color ? FormatHtmlCode(static_cast<uint32_t>(value)) : std::to_string(value));
    }
    std::fprintf(stderr, "tonik: could not save the colours in %s (%s); not saved: %s\n",
                 path.constData(), std::strerror(store.FailureError()), unsaved.c_str());
    return false;
}

}  // namespace tonik
