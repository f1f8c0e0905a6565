// The dialog's own system menu: X11 gives an application no access to the
// window manager's menu, so the dialog carries a popup with the window
// commands and the entries Tonik appends, routed like system commands.
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QWindow>

#include "color/ColorState.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"
#include "ui/ColorPickerDialog.h"
#include "version/AboutBox.h"

namespace tonik {
namespace {

constexpr QKeyCombination PASTE_COLOUR_KEY = Qt::CTRL | Qt::SHIFT | Qt::Key_V;
// Left free by Qt's fields and by the desktops Tonik runs on.
constexpr QKeyCombination COLOUR_VISION_KEY = Qt::CTRL | Qt::SHIFT | Qt::Key_D;
// The forms keep their CSS names in every language; their letters may move.
constexpr std::pair<const char*, CssFormat> COPY_AS_FORMS[] = {{QT_TRANSLATE_NOOP("Menu", "&Hex"), CssFormat::Hex},
                                                             {QT_TRANSLATE_NOOP("Menu", "&RGB"), CssFormat::Rgb},
                                                             {QT_TRANSLATE_NOOP("Menu", "H&SL"), CssFormat::Hsl},
                                                             {QT_TRANSLATE_NOOP("Menu", "&OKLCH"), CssFormat::OkLch}};

QString Tr(const char* text)
{
    return QCoreApplication::translate("Menu", text);
}

}  // namespace

void ColorPickerDialog::AddSystemMenu()
{
    for (const QKeySequence& key : {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::Key_Menu),
                                    QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this] { ShowSystemMenu(mapToGlobal(QPoint(0, 0)), true); });
    }
    // Help (F1): Tonik's one piece of help is its About box, reachable even
    // where the window manager keeps Alt+Space for itself.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OnSysCommand(IDM_ABOUTBOX); });
    // Paste Colour works anywhere in the dialog; Ctrl+V in a field stays the field's own.
    auto* paste = new QShortcut(PASTE_COLOUR_KEY, this);
    connect(paste, &QShortcut::activated, this, &ColorPickerDialog::OnPasteColour);
    auto* vision = new QShortcut(COLOUR_VISION_KEY, this);
    connect(vision, &QShortcut::activated, this, [this] { ShowVision(!visionShown); });
}

// The menu is made when it is first wanted, so that it costs the start nothing.
QMenu* ColorPickerDialog::SystemMenu()
{
    if (systemMenu != nullptr)
        return systemMenu;
    systemMenu = new QMenu(this);
    auto add = [this](const QString& text, unsigned command) {
        QAction* action = systemMenu->addAction(text);
        connect(action, &QAction::triggered, this, [this, command] { OnSysCommand(command); });
    };
    add(Tr(QT_TRANSLATE_NOOP("Menu", "&Move")), SC_MOVE);
    add(Tr(QT_TRANSLATE_NOOP("Menu", "Mi&nimize")), SC_MINIMIZE);
    add(Tr(QT_TRANSLATE_NOOP("Menu", "&Close")), SC_CLOSE);
    systemMenu->addSeparator();
    showContrastAction = systemMenu->addAction(Tr(QT_TRANSLATE_NOOP("Menu", "Show Con&trast")));
    showContrastAction->setCheckable(true);
    showContrastAction->setChecked(contrastShown);
    connect(showContrastAction, &QAction::toggled, this, &ColorPickerDialog::ShowContrast);
    connect(systemMenu->addAction(Tr(QT_TRANSLATE_NOOP("Menu", "Copy as CS&S"))), &QAction::triggered, this,
            &ColorPickerDialog::OnCopyCss);
    // Copy As: each form shows what it copies, written when the menu opens.
    QMenu* copyAs = systemMenu->addMenu(Tr(QT_TRANSLATE_NOOP("Menu", "Cop&y As")));
    for (const auto& [name, format] : COPY_AS_FORMS) {
        QAction* action = copyAs->addAction(Tr(name));
        connect(action, &QAction::triggered, this, [this, format] { OnCopyAs(format); });
    }
    connect(copyAs, &QMenu::aboutToShow, this, [this, copyAs] {
        for (size_t i = 0; i < std::size(COPY_AS_FORMS); ++i)
            copyAs->actions()[qsizetype(i)]->setText(
                QStringLiteral("%1\t%2").arg(Tr(COPY_AS_FORMS[i].first),
                                             QString::fromStdString(FormatCssColor(colorState.current, COPY_AS_FORMS[i].second))));
    });
    QAction* paste = systemMenu->addAction(Tr(QT_TRANSLATE_NOOP("Menu", "&Paste Colour")));
    paste->setShortcut(PASTE_COLOUR_KEY);  // shown; the dialog's own shortcut takes the key
    paste->setShortcutContext(Qt::WidgetShortcut);
    connect(paste, &QAction::triggered, this, &ColorPickerDialog::OnPasteColour);
    visionAction = systemMenu->addAction(Tr(QT_TRANSLATE_NOOP("Menu", "Colour &Vision")));
    visionAction->setCheckable(true);
    visionAction->setChecked(visionShown);
    visionAction->setShortcut(COLOUR_VISION_KEY);  // shown; the dialog's own shortcut takes the key
    visionAction->setShortcutContext(Qt::WidgetShortcut);
    connect(visionAction, &QAction::triggered, this, &ColorPickerDialog::ShowVision);
    const std::string about = LoadStringResource(IDS_ABOUTBOX);
    if (!about.empty()) {
        systemMenu->addSeparator();
        add(Tr(about.c_str()), IDM_ABOUTBOX);
    }
    return systemMenu;
}

void ColorPickerDialog::ShowSystemMenu(QPoint globalPosition, bool fromKeyboard)
{
    QMenu* menu = SystemMenu();
    menu->popup(globalPosition);
    if (fromKeyboard && !menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().first());
}

void ColorPickerDialog::OnSysCommand(unsigned command)
{
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        AboutBox about(this);
        about.DoModal();
        return;
    }
    switch (command & 0xFFF0) {
    case SC_MOVE:
        // The window manager moves the window with the pointer, on X11 and Wayland alike.
        if (QWindow* window = windowHandle())
            window->startSystemMove();
        break;
    case SC_MINIMIZE: showMinimized(); break;
    case SC_CLOSE: close(); break;
    default: break;
    }
}

}  // namespace tonik
