#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "app/Translations.h"
#include "color/ColorVision.h"
#include "color/Contrast.h"
#include "color/CssColor.h"
#include "color/HtmlCode.h"

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

QString Tr(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// tonik --contrast: the strip's line for the pair and, below 7:1, the colour
// Fix gives the text; with --vision, a line for each colour-vision
// deficiency. 0 when the pair passes AA (with --vision: as each reader sees
// it), 1 when not, 2 for a colour that cannot be read.
int PrintContrast(const QString& textColour, const QString& backgroundColour, bool vision)
{
    std::optional<CssColor> colours[2];
    const QString given[2] = {textColour, backgroundColour};
    for (int i = 0; i < 2; ++i) {
        const std::optional<CssPaste> paste = ParseCssPaste(given[i].toStdString());
        if (!paste || !paste->edited) {
            Print(stderr, Tr(QT_TRANSLATE_NOOP("CommandLine", "tonik: not a CSS colour: \"%1\"\n")).arg(given[i]));
            return 2;
        }
        // A background's declaration names no text colour. (A "color: ..."
        // given as the background is taken, as scripts have passed it.)
        const bool declaredBackground = paste->property == "background-color" || paste->property == "background";
        if (i == 0 && declaredBackground) {
            Print(stderr, Tr(QT_TRANSLATE_NOOP("CommandLine", "tonik: TEXT takes a text colour, not a %1 declaration: \"%2\"\n"))
                              .arg(QString::fromStdString(paste->property), given[i]));
            return 2;
        }
        colours[i] = paste->edited;
    }
    const auto [text, background] = SeenColors(*colours[0], *colours[1]);
    const double ratio = ContrastRatio(text, background);
    std::string report = ContrastText(ratio) + "\n";
    if (const std::optional<uint32_t> fixed = FixContrast(text, background))
        report += "Fix: " + FormatHtmlCode(*fixed) + " (" + FormatContrastRatio(ContrastRatio(*fixed, background)) +
                  ":1)\n";
    bool passes = ratio >= AA_RATIO;
    for (size_t i = 1; vision && i < VISIONS.size(); ++i) {
        const VisionPair seen = SeePair(text, background, VISIONS[i]);
        report += std::string(VisionName(seen.vision)) + ": " + ContrastText(seen.ratio) + "\n";
        passes = passes && seen.ratio >= AA_RATIO;
    }
    // Lines for scripts: English and UTF-8 (the check marks) in every locale.
    std::fputs(report.c_str(), stdout);
    std::fflush(stdout);
    return passes ? 0 : 1;
}

}  // namespace

int HandleCommandLine(int argc, char** argv)
{
    if (argc <= 1)
        return -1;
    // A core application needs no display; it is gone before Tonik's own starts.
    int count = argc;
    const QCoreApplication core(count, argv);
    const Translations translations;
    QCoreApplication::setApplicationName(QStringLiteral("tonik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TONIK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Tr(QT_TRANSLATE_NOOP("CommandLine", "Chooses the text and background colours of web text; its colours are kept in\n"
           "~/.config/Kavon/tonik.conf.")));
    // Qt's options are spelt with one dash, as long options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption contrast(
        QStringLiteral("contrast"),
        Tr(QT_TRANSLATE_NOOP("CommandLine", "Prints the WCAG 2 contrast of a TEXT colour on a BACKGROUND colour, each in any CSS "
           "colour syntax, and below 7:1 the text colour Fix would give; ends with status 0 when "
           "the pair passes AA, 1 when it does not, 2 for a colour it cannot read. Needs no display.")));
    parser.addOption(contrast);
    const QCommandLineOption vision(
        QStringLiteral("vision"),
        Tr(QT_TRANSLATE_NOOP("CommandLine", "With --contrast: adds the contrast as readers with protanopia, deuteranopia, "
           "tritanopia and achromatopsia see the pair (simulated: Machado, Oliveira and Fernandes "
           "2009), and ends with status 1 when any of them fails AA.")));
    parser.addOption(vision);
    parser.addPositionalArgument(QStringLiteral("TEXT"), Tr(QT_TRANSLATE_NOOP("CommandLine", "With --contrast: the text colour.")),
                                 QStringLiteral("[--contrast TEXT BACKGROUND]"));
    parser.addPositionalArgument(QStringLiteral("BACKGROUND"), Tr(QT_TRANSLATE_NOOP("CommandLine", "With --contrast: the background colour.")),
                                 QStringLiteral(" "));  // named in the first one's syntax
    for (const auto& [name, takesValue] : QT_OPTIONS) {
        QCommandLineOption option(QString::fromLatin1(name));
        if (takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const bool parsed = parser.parse(QCoreApplication::arguments());
    const QStringList extra = parser.positionalArguments();
    if (parsed && parser.isSet(contrast) && extra.size() == 2)
        return PrintContrast(extra[0], extra[1], parser.isSet(vision));
    if (!parsed || !extra.isEmpty() || parser.isSet(contrast) || parser.isSet(vision)) {
        const QString error = !parsed                 ? parser.errorText()
                              : parser.isSet(contrast) ? Tr(QT_TRANSLATE_NOOP("CommandLine", "--contrast takes two colours."))
                              : parser.isSet(vision)   ? Tr(QT_TRANSLATE_NOOP("CommandLine", "--vision goes with --contrast."))
                                                       : Tr(QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument '%1'.")).arg(extra.first());
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

void PrintNoDisplay()
{
    // No application object: Qt would first complain of a locale that is not UTF-8.
    const char* message = QT_TRANSLATE_NOOP("CommandLine",
                                            "tonik: no display to open a window on (neither X11 nor Wayland); "
                                            "tonik --contrast TEXT BACKGROUND works without one\n");
    QString text = QString::fromUtf8(message);
    QTranslator tonik;
    if (tonik.load(QLocale::system(), QStringLiteral("tonik"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        if (const QString translated = tonik.translate("CommandLine", message); !translated.isEmpty())
            text = translated;
    }
    Print(stderr, text);
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
