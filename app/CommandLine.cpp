#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tonik {
namespace {

// Qt's own options of every Qt GUI application (QGuiApplication, QApplication
// and the xcb platform), accepted so that Qt still gets them; true for those
// that take a value.
const std::pair<const char*, bool> QT_OPTIONS[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"reverse", false},
    {"session", true}, {"display", true}, {"name", true}, {"geometry", true}, {"title", true},
    {"visual", true}, {"style", true}, {"stylesheet", true}, {"widgetcount", false},
    {"nograb", false}, {"dograb", false}, {"sync", false}, {"qmljsdebugger", true},
};

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

int HandleCommandLine(int argc, char** argv)
{
    if (argc <= 1)
        return -1;
    // A core application needs no display; it is gone before Tonik's own starts.
    int count = argc;
    const QCoreApplication core(count, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tonik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TONIK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Chooses the text and background colours of web text. Tonik has no other options;\n"
                       "its colours are kept in ~/.config/Kavon/tonik.conf."));
    // Qt's options are spelt with one dash, as long options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const auto& [name, takesValue] : QT_OPTIONS) {
        QCommandLineOption option(QString::fromLatin1(name));
        if (takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QStringList extra = parser.positionalArguments();
        const QString error =
            extra.isEmpty() ? parser.errorText() : QStringLiteral("Unexpected argument '%1'.").arg(extra.first());
        Print(stderr, QStringLiteral("tonik: %1\n\n%2").arg(error, parser.helpText()));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("tonik %1\n").arg(QStringLiteral(TONIK_VERSION)));
        return 0;
    }
    return -1;
}

std::string DisplayName(int argc, char** argv)
{
    // Qt reads "-display name" and "--display name", the last one counting.
    std::string display;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-display") == 0 || std::strcmp(argv[i], "--display") == 0)
            display = argv[++i];
    }
    if (display.empty()) {
        if (const char* environment = std::getenv("DISPLAY"))
            display = environment;
    }
    return display;
}

}  // namespace tonik
