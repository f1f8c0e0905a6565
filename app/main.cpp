#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
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
        // Tonik's own texts are the template's; Qt's, such as the colour
        // chooser's, speak the user's language, as in every Qt application.
        QTranslator qtTranslations;
        if (qtTranslations.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTranslations);
        tonik::ColorPickerApp colorPicker;
        status = colorPicker.InitInstance() ? application.exec() : 0;
        clipboardText = tonik::ClipboardTextToKeep();
    }
    // The copied code outlives Tonik, as a clipboard's contents do.
    if (clipboardText)
        tonik::KeepClipboardText(*clipboardText);
    return status;
}
