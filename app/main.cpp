#include <QApplication>
#include <cstring>
#include <string>

#include "app/ColorPickerApp.h"
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "platform/qt/ClipboardKeeper.h"
#include "platform/qt/DisplayProbe.h"

int main(int argc, char* argv[])
{
    // The clipboard keeper Tonik starts as it ends is Tonik itself, without Qt.
    if (argc == 3 && std::strcmp(argv[1], tonik::CLIPBOARD_KEEPER_MODE) == 0)
        return tonik::RunClipboardKeeper(argv[2]);
    if (const int status = tonik::HandleCommandLine(argc, argv); status >= 0)
        return status;
    const std::string display = tonik::DisplayName(argc, argv);
    // Over ssh or in a text console Qt would abort; a script can still ask
    // for a pair's contrast.
    if (!tonik::DisplayReachable(argc, argv, display)) {
        tonik::PrintNoDisplay();
        return 1;
    }
    QApplication application(argc, argv);
    // The desktop entry's id: the Wayland app id, and what docks match the window with.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.kavon.Tonik"));
    const tonik::Translations translations;
    tonik::ColorPickerApp colorPicker;
    colorPicker.displayName = display;
    return colorPicker.InitInstance() ? application.exec() : colorPicker.ExitStatus();
}
