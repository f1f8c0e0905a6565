// Reads an in-memory DLGTEMPLATE (the published layout: a header, then one
// DLGITEMTEMPLATE per item, each at a 4-byte boundary) into a DialogTemplate.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/DialogTemplate.h"

namespace tonik {

// False when the bytes end before the template does.
bool ReadDlgTemplate(const uint8_t* bytes, size_t size, DialogTemplate& result);

}  // namespace tonik
