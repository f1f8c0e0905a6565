#pragma once

#include "platform/DialogTemplate.h"

namespace tonik {

// Dialog template 102: the main dialog.
const DialogTemplate& MainDialogTemplate();

}  // namespace tonik
