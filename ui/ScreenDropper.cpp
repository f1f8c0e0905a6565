// The screen dropper. On X11 a press on the dropper icon takes the mouse, the
// pixel under the pointer is previewed in the swatch, and the release of the
// same button picks it. In a Wayland session the press selects the colour and
// its release asks the desktop portal, whose own picker takes the user's next
// click: a picker that ends on a release (KWin's) would otherwise take the
// release of the click on the icon for the pick.
#include <QCoreApplication>
#include <QGuiApplication>

#include "color/ColorState.h"
#include "platform/qt/PortalColorPick.h"
#include "platform/qt/ScreenPixel.h"
#include "res/Icons.h"
#include "res/ResourceIds.h"
#include "ui/ColorPickerDialog.h"
#include "ui/ColorSwatch.h"
#include "ui/RightClickButton.h"
#include "ui/PaletteTable.h"

namespace tonik {

std::optional<QCursor> dropperCursor;

namespace {

const char PORTAL_MISSING_TIP[] =
    QT_TRANSLATE_NOOP("Dropper", "Picking from the whole screen needs the desktop portal (xdg-desktop-portal)");

}  // namespace

void ColorPickerDialog::SetUpPortalPick()
{
    portalPick = new PortalColorPick(this);
    connect(portalPick, &PortalColorPick::picked, this, [this](uint32_t color) {
        if (swatch != nullptr)
            swatch->SetColor(int32_t(color));
        colorState.current = color;
        UpdateControls(0);
        ShowPair(PairCause::Dropper);
    });
    connect(portalPick, &PortalColorPick::cancelled, this, [this] {
        if (swatch != nullptr)
            swatch->SetColor(NO_COLOR);
    });
    // A quiet failure: the dropper picks within Tonik's own window from now on.
    connect(portalPick, &PortalColorPick::unavailable, this, [this] {
        if (swatch != nullptr)
            swatch->SetColor(NO_COLOR);
        if (dropperIcon != nullptr)
            dropperIcon->setToolTip(QCoreApplication::translate("Dropper", PORTAL_MISSING_TIP));
    });
}

void ColorPickerDialog::OnDropperClicked()
{
    // While the portal's picker waits for the user, a press starts nothing;
    // a pick whose answer is long overdue gives way to a new one.
    if (portalPick != nullptr && portalPick->Busy())
        return;
    SelectEdited(1, false);
    StartDropper();
}

bool ColorPickerDialog::OnNotify(uintptr_t wParam, NMHDR* header, intptr_t*)
{
    if (portalPick != nullptr && portalPick->Busy())
        return false;
    if (wParam == IDC_DROPPER_ICON && header != nullptr && header->code == NM_RCLICK) {
        SelectEdited(0, false);
        StartDropper();
    }
    return false;
}

void ColorPickerDialog::StartDropper()
{
    if (portalPick != nullptr && portalPick->availability != PortalColorPick::Availability::Unavailable) {
        portalPickOnRelease = colorState.foreground != 0 ? 0 : 1;
        return;
    }
    // Loaded at the first drag rather than at start-up, which it would slow.
    if (!dropperCursor) {
        if (const QCursor cursor = LoadDropperCursor(devicePixelRatioF()); !cursor.pixmap().isNull())
            dropperCursor = cursor;
    }
    if (dropperCursor)
        grabMouse(*dropperCursor);
    else
        grabMouse();
    dropperActive = 1;
}

void ColorPickerDialog::OnDropperReleased(int right)
{
    if (portalPick == nullptr || right != portalPickOnRelease)
        return;
    portalPickOnRelease = -1;
    // The portal wants the window as "x11:" and its id in hexadecimal; a
    // Wayland window would need an exported handle, which Qt 6.4 offers no
    // way to make, so it gets none.
    const QString parent = QGuiApplication::platformName() == QLatin1String("xcb")
                               ? QStringLiteral("x11:") + QString::number(winId(), 16)
                               : QString();
    portalPick->Start(parent);  // the desktop's picker takes the next click
}

void ColorPickerDialog::OnButtonUp(QPointF globalPosition, int right)
{
    if (dropperActive == 0)
        return;
    // Only the button that started the drag ends it.
    if (right == colorState.foreground)
        return;
    const int32_t value = ReadDropperPixel(globalPosition);
    releaseMouse();
    dropperActive = 0;
    if (swatch != nullptr)
        swatch->SetColor(value);
    if (value == NO_COLOR)
        return;
    colorState.current = static_cast<uint32_t>(value);
    UpdateControls(0);
    ShowPair(PairCause::Dropper);
}

int32_t ColorPickerDialog::ReadDropperPixel(QPointF globalPosition)
{
    if (dropperRoad == DropperRoad::Portal)
        return ReadWidgetPixel(this, mapFromGlobal(globalPosition).toPoint());
    const DevicePoint device = ToDevicePixel(globalPosition);
    return ReadScreenPixel(device.x, device.y);
}

void ColorPickerDialog::done(int result)
{
    if (portalPick != nullptr)
        portalPick->Close();
    TemplateDialog::done(result);
}

}  // namespace tonik
