// Ids of Tonik's resources and of the main dialog's controls.
#pragma once

namespace tonik {

enum ResourceId {
    IDS_ABOUTBOX = 101,
    IDD_MAIN = 102,
    IDR_MAINFRAME = 130,    // the program's icon
    IDC_DROPPER = 131,      // the dropper cursor
    IDI_DROPPER = 132,      // the dropper icon
};

enum ControlId {
    IDC_RED_EDIT = 1003,
    IDC_GREEN_EDIT = 1004,
    IDC_BLUE_EDIT = 1005,
    IDC_HTML_EDIT = 1006,
    IDC_COPY = 1007,
    IDC_SAFE = 1008,
    IDC_SAMPLE = 1009,
    IDC_RED_SLIDER = 1012,
    IDC_SWATCH = 1013,
    IDC_GREEN_SLIDER = 1014,
    IDC_BLUE_SLIDER = 1015,
    IDC_PALETTE = 1016,
    IDC_PAL = 1019,
    IDC_DROPPER_ICON = 1023,
    IDC_FRONT = 1024,
    IDC_BACK = 1025,
    IDC_BLUE_LABEL = 1026,
    IDC_GREEN_LABEL = 1027,
    IDC_RED_LABEL = 1028,
};

}  // namespace tonik
