#include <QApplication>
#include <optional>
#include <string>

#include "app/ColorPickerApp.h"
#include "platform/qt/ClipboardKeeper.h"

int main(int argc, char* argv[])
{
    int status = 0;
    std::optional<std::string> clipboardText;
    {
        QApplication application(argc, argv);
        tonik::ColorPickerApp colorPicker;
        status = colorPicker.InitInstance() ? application.exec() : 0;
        clipboardText = tonik::ClipboardTextToKeep();
    }
    // The copied code outlives Tonik, as a clipboard's contents do.
    if (clipboardText)
        tonik::KeepClipboardText(*clipboardText);
    return status;
}
