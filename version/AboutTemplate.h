// The About box's dialog template, held in the program's own data.
#pragma once

#include <array>
#include <cstdint>

namespace tonik {

// A DLGTEMPLATE: the header (popup, caption, system menu, modal frame, font;
// 235 x 81 units; "About"; Tahoma 8), then OK (1), the icon static showing
// icon 128, and the read-only multi-line text field 1007.
extern const std::array<uint8_t, 138> ABOUT_TEMPLATE;

constexpr int IDC_ABOUT_TEXT = 1007;
constexpr int IDI_ABOUT_ICON = 128;

}  // namespace tonik
