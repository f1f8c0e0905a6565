#include <QApplication>
#include <optional>
#include <string>

#include "app/ColorPickerApp.h"
#include "app/CommandLine.h"
#include "platform/qt/ClipboardKeeper.h"

int main(int argc, char* argv[])
{
    if (const int status = tonik::HandleCommandLine(argc, argv); status >= 0)
        return status;
    int status = 0;
    std::optional<std::string> clipboardText;
    {
        QApplication application(argc, argv);
        // The desktop entry's id: the Wayland app id, and what docks match the window with.
        QGuiApplication::setDesktopFileName(QStringLiteral("com.kavon.Tonik"));
        tonik::ColorPickerApp colorPicker;
        status = colorPicker.InitInstance() ? application.exec() : 0;
        clipboardText = tonik::ClipboardTextToKeep();
    }
    // The copied code outlives Tonik, as a clipboard's contents do.
    if (clipboardText)
        tonik::KeepClipboardText(*clipboardText);
    return status;
}
