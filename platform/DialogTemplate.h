// Dialog templates: a dialog's caption, style, font, size and items, in dialog
// units, as the dialog builder reads them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tonik {

// Window and control styles the builder understands.
enum : uint32_t {
    WS_POPUP = 0x80000000u,
    WS_CHILD = 0x40000000u,
    WS_VISIBLE = 0x10000000u,
    WS_CAPTION = 0x00C00000u,
    WS_BORDER = 0x00800000u,
    WS_SYSMENU = 0x00080000u,
    WS_GROUP = 0x00020000u,
    WS_MINIMIZEBOX = 0x00020000u,
    WS_TABSTOP = 0x00010000u,
    DS_MODALFRAME = 0x80u,
    DS_SETFONT = 0x40u,
    WS_EX_RIGHT = 0x1000u,
    WS_EX_APPWINDOW = 0x40000u,

    BS_PUSHBUTTON = 0x0u,
    BS_DEFPUSHBUTTON = 0x1u,
    BS_GROUPBOX = 0x7u,
    BS_AUTORADIOBUTTON = 0x9u,
    BS_TYPEMASK = 0xFu,

    SS_LEFT = 0x0u,
    SS_CENTER = 0x1u,
    SS_RIGHT = 0x2u,
    SS_ICON = 0x3u,
    SS_TYPEMASK = 0x1Fu,
    SS_NOTIFY = 0x100u,
    SS_CENTERIMAGE = 0x200u,

    ES_CENTER = 0x1u,
    ES_RIGHT = 0x2u,
    ES_MULTILINE = 0x4u,
    ES_AUTOHSCROLL = 0x80u,
    ES_READONLY = 0x800u,
    ES_NUMBER = 0x2000u,

    TBS_AUTOTICKS = 0x1u,
    TBS_VERT = 0x2u,
};

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Control classes by name; the predefined ordinals 0x80..0x82 map to them.
extern const char CLASS_BUTTON[];
extern const char CLASS_EDIT[];
extern const char CLASS_STATIC[];
extern const char CLASS_TRACKBAR[];

struct DialogItem {
    int id = 0;
    std::string className;
    std::string text;     // empty when the item names a resource
    int resourceId = 0;   // an icon resource, for SS_ICON statics
    int x = 0, y = 0, cx = 0, cy = 0;
    uint32_t style = 0;
    uint32_t exStyle = 0;
};

struct DialogTemplate {
    std::string caption;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string fontName;
    int pointSize = 8;
    std::vector<DialogItem> items;
};

}  // namespace tonik
