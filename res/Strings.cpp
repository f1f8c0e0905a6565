#include "res/Strings.h"

#include <QtGlobal>

#include "res/ResourceIds.h"

namespace tonik {

std::string LoadStringResource(int id)
{
    switch (id) {
    case IDS_ABOUTBOX: return QT_TRANSLATE_NOOP("Menu", "&About Tonik...");  // translated where it is shown
    default: return {};
    }
}

}  // namespace tonik
