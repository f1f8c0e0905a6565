// Month names from the C library's locale data.
#pragma once

#include <string>

namespace tonik {

// Which locale's names to give.
enum class MonthLocale { User, English };

// Full or abbreviated name of month 1..12 in the user's LC_TIME locale, or in
// English; empty when it cannot be obtained. At most 62 bytes.
std::string GetMonthName(int month, bool abbreviated, MonthLocale which = MonthLocale::User);

}  // namespace tonik
