#include "support/TimeStamp.h"

namespace tonik {

// Kept apart so that only this file depends on the moment of the build.
const char* BuildDateText()
{
    return __DATE__ " " __TIME__;
}

}  // namespace tonik
