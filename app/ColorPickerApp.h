// The application: loads the colours from the settings store, runs the main
// dialog and takes the one road out, however the end was asked for.
#pragma once

#include <QString>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace tonik {

class ColorPickerDialog;
class SettingsStore;

class ColorPickerApp {
public:
    // application names the settings; by default the executable's base name.
    explicit ColorPickerApp(QString application = QString());

    // Runs the program; returns false so that it ends afterwards, with
    // ExitStatus: 0, or 1 when the colours could not be saved.
    bool InitInstance();
    int ExitStatus() const { return exitStatus; }

    // Called with the dialog before it runs modally (tests close it from here).
    std::function<void(ColorPickerDialog& dialog)> beforeModal;

    // The X display Tonik runs on, where the clipboard keeper serves the code.
    std::string displayName;

    // An end asked for from outside the dialog (a quit signal): every nested
    // window closes, then the dialog ends as Escape ends it.
    static void RequestEnd(ColorPickerDialog& dialog);

private:
    bool SaveSettings(SettingsStore& store, const ColorPickerDialog& dialog) const;
    void EndRun(SettingsStore& store, const ColorPickerDialog& dialog);
    void OnDisplayLost(SettingsStore& store, const ColorPickerDialog& dialog, bool reconnects);
    QString application;
    int exitStatus = 0;
    // One save at a time (Qt may find a lost display on a thread of its own);
    // what the end's save gave, once it ran.
    std::mutex saveMutex;
    std::optional<bool> endSaved;
};

// Settings names and the section they live in.
extern const char SETTINGS_ORGANIZATION[];
extern const char SETTINGS_SECTION[];

}  // namespace tonik
