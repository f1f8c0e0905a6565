#include "platform/qt/Window.h"

#include <QVariant>
#include <QWidget>

namespace tonik {
namespace {

const char ID_PROPERTY[] = "tonikControlId";

template <typename Handler>
Handler* FindAncestor(QWidget* control)
{
    for (QWidget* w = control ? control->parentWidget() : nullptr; w != nullptr; w = w->parentWidget()) {
        if (auto* handler = dynamic_cast<Handler*>(w))
            return handler;
    }
    return nullptr;
}

}  // namespace

void SetDlgCtrlID(QWidget* control, int id)
{
    if (control != nullptr)
        control->setProperty(ID_PROPERTY, id);
}

int GetDlgCtrlID(const QWidget* control)
{
    if (control == nullptr)
        return 0;
    return control->property(ID_PROPERTY).toInt();
}

QWidget* GetDlgItem(const QWidget* dialog, int id)
{
    if (dialog == nullptr || id == 0)
        return nullptr;
    const auto children = dialog->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (GetDlgCtrlID(child) == id)
            return child;
    }
    return nullptr;
}

QColor ColorRefToQColor(uint32_t color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

uint32_t QColorToColorRef(const QColor& color)
{
    return uint32_t(color.red()) | uint32_t(color.green()) << 8 | uint32_t(color.blue()) << 16;
}

CtlColorAnswer RequestCtlColor(QWidget* control, unsigned type)
{
    CtlColorAnswer answer;
    if (auto* handler = FindAncestor<CtlColorHandler>(control))
        answer.brush = handler->OnCtlColor(answer.dc, control, type);
    return answer;
}

bool SendNotify(QWidget* control, int code)
{
    auto* handler = FindAncestor<NotifyHandler>(control);
    if (handler == nullptr)
        return false;
    NMHDR header;
    header.hwndFrom = control;
    header.idFrom = static_cast<uintptr_t>(GetDlgCtrlID(control));
    header.code = code;
    intptr_t result = 0;
    handler->OnNotify(header.idFrom, &header, &result);
    return true;
}

}  // namespace tonik
