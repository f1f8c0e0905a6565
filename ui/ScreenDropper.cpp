// The screen dropper: a press on the dropper icon takes the mouse, the pixel
// under the pointer is previewed in the swatch, and the release of the same
// button picks it.
#include "color/ColorState.h"
#include "platform/qt/ScreenPixel.h"
#include "res/Icons.h"
#include "res/ResourceIds.h"
#include "ui/ColorPickerDialog.h"
#include "ui/ColorSwatch.h"
#include "ui/PaletteTable.h"

namespace tonik {

std::optional<QCursor> dropperCursor;

void ColorPickerDialog::OnDropperClicked()
{
    SelectEdited(1, false);
    StartDropper();
}

bool ColorPickerDialog::OnNotify(uintptr_t wParam, NMHDR* header, intptr_t*)
{
    if (wParam == IDC_DROPPER_ICON && header != nullptr && header->code == NM_RCLICK) {
        SelectEdited(0, false);
        StartDropper();
    }
    return false;
}

void ColorPickerDialog::StartDropper()
{
    // Loaded at the first drag rather than at start-up, which it would slow.
    if (!dropperCursor) {
        if (const QCursor cursor = LoadDropperCursor(); !cursor.pixmap().isNull())
            dropperCursor = cursor;
    }
    if (dropperCursor)
        grabMouse(*dropperCursor);
    else
        grabMouse();
    dropperActive = 1;
}

void ColorPickerDialog::OnButtonUp(QPointF globalPosition, int right)
{
    if (dropperActive == 0)
        return;
    // Only the button that started the drag ends it.
    if (right == colorState.foreground)
        return;
    const DevicePoint device = ToDevicePixel(globalPosition);
    const int32_t value = ReadScreenPixel(device.x, device.y);
    releaseMouse();
    dropperActive = 0;
    if (swatch != nullptr)
        swatch->SetColor(value);
    if (value == NO_COLOR)
        return;
    colorState.current = static_cast<uint32_t>(value);
    UpdateControls(0);
}

}  // namespace tonik
