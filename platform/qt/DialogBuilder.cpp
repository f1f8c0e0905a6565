#include "platform/qt/DialogBuilder.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>

#include "platform/qt/CtlColorWidgets.h"
#include "platform/qt/DialogControls.h"
#include "platform/qt/Window.h"

namespace tonik {

namespace {

// Lets only digits be typed, as a number edit control does; text pasted or
// dropped goes in as it is, and the field's owner reads what it can of it.
class DigitKeysOnly : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        // Keys such as Ctrl+V are commands of the field, not typed characters.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        for (const QChar c : key->text()) {
            if (c.isPrint() && (c < QLatin1Char('0') || c > QLatin1Char('9')))
                return true;
        }
        return false;
    }
};

// A template's texts are English; the user's language has them translated
// (context "Dialog"), with their own mnemonic letters.
QString Text(const DialogItem& item)
{
    return item.text.empty() ? QString() : QCoreApplication::translate("Dialog", item.text.c_str());
}

Qt::Alignment StaticAlignment(uint32_t style)
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if ((style & SS_TYPEMASK) == SS_CENTER)
        horizontal = Qt::AlignHCenter;
    else if ((style & SS_TYPEMASK) == SS_RIGHT)
        horizontal = Qt::AlignRight;
    return horizontal | ((style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop);
}

QWidget* MakeButton(const DialogItem& item, QWidget* parent)
{
    switch (item.style & BS_TYPEMASK) {
    case BS_GROUPBOX: {
        // A group box only frames; the mouse goes through it to the dialog.
        auto* group = new MnemonicGroupBox(Text(item), parent);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        return group;
    }
    case BS_AUTORADIOBUTTON:
        return new DialogRadioButton(Text(item), parent);
    default:
        return new DialogPushButton(Text(item), parent);
    }
}

// Gives a static its icon or text; also for a custom control that is a label.
void FillStatic(QLabel* label, const DialogItem& item, const IconLoader& icons, QSize size)
{
    if ((item.style & SS_TYPEMASK) == SS_ICON) {
        // An icon static shows its icon at the icon's own size, top-left.
        if (icons) {
            const int side = std::min(32, std::min(size.width(), size.height()));
            label->setPixmap(icons(item.resourceId).pixmap(side, side));
        }
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return;
    }
    label->setText(Text(item));
    label->setAlignment(StaticAlignment(item.style));
}

QWidget* MakeEdit(const DialogItem& item, QWidget* parent)
{
    const bool right = (item.style & ES_RIGHT) || (item.exStyle & WS_EX_RIGHT);
    if (item.style & ES_MULTILINE) {
        auto* edit = new CtlColorTextEdit(Text(item), parent);
        edit->setReadOnly(item.style & ES_READONLY);
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (!(item.style & WS_BORDER))
            edit->setFrameShape(QFrame::NoFrame);
        return edit;
    }
    auto* edit = new CtlColorLineEdit(Text(item), parent);
    edit->setReadOnly(item.style & ES_READONLY);
    edit->setFrame(item.style & WS_BORDER);
    edit->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (item.style & ES_NUMBER)
        edit->installEventFilter(new DigitKeysOnly(edit));
    return edit;
}

QWidget* MakeTrackbar(const DialogItem& item, QWidget* parent)
{
    auto* slider = new CtlColorSlider((item.style & TBS_VERT) ? Qt::Vertical : Qt::Horizontal, parent);
    if (item.style & TBS_AUTOTICKS)
        slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

bool HasMnemonic(const DialogItem& item)
{
    const size_t at = item.text.find('&');
    return at != std::string::npos && at + 1 < item.text.size() && item.text[at + 1] != '&';
}

bool IsGroupBox(const DialogItem& item)
{
    return item.className == CLASS_BUTTON && (item.style & BS_TYPEMASK) == BS_GROUPBOX;
}

}  // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate)
{
    QFont font(QString::fromStdString(dialogTemplate.fontName));
    font.setPointSize(dialogTemplate.pointSize > 0 ? dialogTemplate.pointSize : 8);
    // QFont falls back to a similar family by itself; a sans-serif hint keeps
    // that fallback close to the intended look.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogUnits UnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogUnits units;
    units.baseX = std::max(1, (letters / 26 + 1) / 2);
    units.baseY = std::max(1, metrics.height());
    return units;
}

DialogUnits BuildDialog(QDialog* dialog, const DialogTemplate& dialogTemplate,
                        const std::map<int, ControlFactory>& factories, const IconLoader& icons)
{
    const QFont font = DialogFont(dialogTemplate);
    dialog->setFont(font);
    const DialogUnits units = UnitsOf(font);
    dialog->setWindowTitle(QString::fromStdString(dialogTemplate.caption));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialogTemplate.style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialogTemplate.style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    dialog->setWindowFlags(flags);
    const QPoint size = units.ToPixels(dialogTemplate.cx, dialogTemplate.cy);
    dialog->setFixedSize(size.x(), size.y());

    std::vector<QWidget*> widgets;
    widgets.reserve(dialogTemplate.items.size());
    for (const DialogItem& item : dialogTemplate.items) {
        const QRect rect = units.ToPixelRect(item.x, item.y, item.cx, item.cy);
        const QSize itemSize = rect.size();
        QWidget* widget = nullptr;
        if (const auto factory = factories.find(item.id); factory != factories.end())
            widget = factory->second(item, dialog);
        else if (item.className == CLASS_BUTTON)
            widget = MakeButton(item, dialog);
        else if (item.className == CLASS_STATIC)
            widget = new CtlColorLabel(dialog);
        else if (item.className == CLASS_EDIT)
            widget = MakeEdit(item, dialog);
        else if (item.className == CLASS_TRACKBAR)
            widget = MakeTrackbar(item, dialog);
        else
            widget = new QWidget(dialog);
        if (auto* label = qobject_cast<QLabel*>(widget); label && item.className == CLASS_STATIC)
            FillStatic(label, item, icons, itemSize);
        widget->setGeometry(rect);
        SetDlgCtrlID(widget, item.id);
        widget->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
        widget->setVisible(item.style & WS_VISIBLE);
        widgets.push_back(widget);
    }

    // Tab order and mnemonic buddies: a label's mnemonic goes to the next
    // control of the tab order that takes the focus.
    QWidget* previous = nullptr;
    for (size_t i = 0; i < widgets.size(); ++i) {
        const DialogItem& item = dialogTemplate.items[i];
        if (item.style & WS_TABSTOP) {
            if (previous != nullptr)
                QWidget::setTabOrder(previous, widgets[i]);
            previous = widgets[i];
        }
        if (!HasMnemonic(item) || (item.className != CLASS_STATIC && !IsGroupBox(item)))
            continue;
        QWidget* buddy = nullptr;
        for (size_t j = i + 1; j < widgets.size() && buddy == nullptr; ++j) {
            const uint32_t style = dialogTemplate.items[j].style;
            if ((style & WS_TABSTOP) && (style & WS_VISIBLE))
                buddy = widgets[j];
        }
        if (auto* label = qobject_cast<QLabel*>(widgets[i]))
            label->setBuddy(buddy);
        else if (auto* group = dynamic_cast<MnemonicGroupBox*>(widgets[i]))
            group->buddy = buddy;
    }
    return units;
}

}  // namespace tonik
