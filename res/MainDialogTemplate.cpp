#include "res/MainDialogTemplate.h"

#include <QtGlobal>

#include "res/ResourceIds.h"

namespace tonik {

const DialogTemplate& MainDialogTemplate()
{
    // Items in tab order; rectangles in dialog units (x, y, width, height).
    // The texts are translated as the dialog is built (context "Dialog").
    static const DialogTemplate TEMPLATE{
        "Tonik",
        0x90CA00C0u,  // popup, visible, caption, system menu, minimise box, modal frame, font
        WS_EX_APPWINDOW,
        0, 0, 332, 102,
        "Tahoma", 8,
        {
            {IDOK, CLASS_BUTTON, "OK", 0, 0, 0, 6, 6, 0x40010001u, 0},
            {IDCANCEL, CLASS_BUTTON, "Cancel", 0, 10, 0, 6, 6, 0x40010000u, 0},
            {-1, CLASS_BUTTON, QT_TRANSLATE_NOOP("Dialog", "Pick"), 0, 5, 5, 70, 90, 0x50000007u, 0},
            {IDC_DROPPER_ICON, CLASS_STATIC, "", IDI_DROPPER, 9, 14, 20, 20, 0x50000103u, 0},
            {IDC_SWATCH, CLASS_STATIC, "", 0, 35, 15, 35, 16, 0x50020201u, 0},
            {IDC_PALETTE, CLASS_STATIC, "", 0, 10, 35, 60, 55, 0x50020000u, 0},
            {-1, CLASS_BUTTON, "RGB", 0, 80, 5, 245, 56, 0x50000007u, 0},
            {IDC_RED_LABEL, CLASS_STATIC, QT_TRANSLATE_NOOP("Dialog", " &Red"), 0, 85, 15, 25, 12, 0x50020200u, 0},
            {IDC_RED_SLIDER, CLASS_TRACKBAR, "Slider1", 0, 110, 15, 173, 12, 0x50010001u, 0},
            {IDC_RED_EDIT, CLASS_EDIT, "", 0, 285, 15, 35, 12, 0x50812082u, WS_EX_RIGHT},
            {IDC_GREEN_LABEL, CLASS_STATIC, QT_TRANSLATE_NOOP("Dialog", " &Green"), 0, 85, 30, 25, 12, 0x50020200u, 0},
            {IDC_GREEN_SLIDER, CLASS_TRACKBAR, "Slider1", 0, 110, 30, 173, 12, 0x50010001u, 0},
            {IDC_GREEN_EDIT, CLASS_EDIT, "", 0, 285, 30, 35, 12, 0x50812082u, WS_EX_RIGHT},
            {IDC_BLUE_LABEL, CLASS_STATIC, QT_TRANSLATE_NOOP("Dialog", " &Blue"), 0, 85, 45, 25, 12, 0x50020200u, 0},
            {IDC_BLUE_SLIDER, CLASS_TRACKBAR, "Slider1", 0, 110, 45, 173, 12, 0x50010001u, 0},
            {IDC_BLUE_EDIT, CLASS_EDIT, "", 0, 285, 45, 35, 12, 0x50812082u, WS_EX_RIGHT},
            {IDC_FRONT, CLASS_BUTTON, QT_TRANSLATE_NOOP("Dialog", "&Front"), 0, 85, 65, 35, 15, 0x50030009u, 0},
            {IDC_BACK, CLASS_BUTTON, QT_TRANSLATE_NOOP("Dialog", "Bac&k"), 0, 85, 80, 35, 15, 0x50010009u, 0},
            {-1, CLASS_BUTTON, QT_TRANSLATE_NOOP("Dialog", "&HTML Code"), 0, 125, 65, 110, 30, 0x50000007u, 0},
            {IDC_SAFE, CLASS_BUTTON, QT_TRANSLATE_NOOP("Dialog", "&Safe"), 0, 130, 75, 24, 15, 0x50010000u, 0},
            {IDC_HTML_EDIT, CLASS_EDIT, "", 0, 160, 75, 40, 12, 0x50810082u, WS_EX_RIGHT},
            {IDC_COPY, CLASS_BUTTON, QT_TRANSLATE_NOOP("Dialog", "&Copy"), 0, 205, 75, 24, 15, 0x50010000u, 0},
            {-1, CLASS_BUTTON, QT_TRANSLATE_NOOP("Dialog", "Std."), 0, 240, 65, 30, 30, 0x50000007u, 0},
            {IDC_PAL, CLASS_BUTTON, QT_TRANSLATE_NOOP("Dialog", "Pal"), 0, 245, 75, 20, 15, 0x50010000u, 0},
            {-1, CLASS_BUTTON, QT_TRANSLATE_NOOP("Dialog", "Result"), 0, 275, 65, 51, 30, 0x50000007u, 0},
            {IDC_SAMPLE, CLASS_STATIC, QT_TRANSLATE_NOOP("Dialog", "SAMPLE"), 0, 280, 75, 40, 15, 0x50020201u, 0},
        },
    };
    return TEMPLATE;
}

}  // namespace tonik
