// The application: loads the colours from the settings store, runs the main
// dialog and writes the colours back however the dialog ended.
#pragma once

#include <QString>
#include <functional>

namespace tonik {

class ColorPickerDialog;

class ColorPickerApp {
public:
    // application names the settings; by default the executable's base name.
    explicit ColorPickerApp(QString application = QString());

    // Runs the program; returns false so that it ends afterwards.
    bool InitInstance();

    // Called with the dialog before it runs modally (tests close it from here).
    std::function<void(ColorPickerDialog& dialog)> beforeModal;

private:
    QString application;
};

// Settings names and the section they live in.
extern const char SETTINGS_ORGANIZATION[];
extern const char SETTINGS_SECTION[];

}  // namespace tonik
