#include "res/Strings.h"

#include "res/ResourceIds.h"

namespace tonik {

std::string LoadStringResource(int id)
{
    switch (id) {
    case IDS_ABOUTBOX: return "&About Tonik...";
    default: return {};
    }
}

}  // namespace tonik
