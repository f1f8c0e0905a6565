#include "platform/MonthNames.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace tonik {

std::string GetMonthName(int month, bool abbreviated, MonthLocale which)
{
    if (month < 1 || month > 12)
        return {};
    // newlocale reads LC_ALL, LC_TIME and LANG afresh, so the names follow the
    // user's settings whatever the process locale is.
    const char* name = which == MonthLocale::English ? "C" : "";
    locale_t loc = newlocale(LC_TIME_MASK, name, static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr))
        loc = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr))
        return {};
    const nl_item item = static_cast<nl_item>((abbreviated ? ABMON_1 : MON_1) + month - 1);
    const char* text = nl_langinfo_l(item, loc);
    std::string result = text ? std::string(text, strnlen(text, 62)) : std::string();
    freelocale(loc);
    return result;
}

}  // namespace tonik
