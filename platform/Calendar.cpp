#include "platform/Calendar.h"

namespace tonik {
namespace {

constexpr uint64_t TICKS_PER_MILLISECOND = 10000;
constexpr uint64_t TICKS_PER_SECOND = 10000000;
constexpr uint64_t TICKS_PER_DAY = 864000000000;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : DAYS[month - 1];
}

// Days from 1601-01-01 to the given date (proleptic Gregorian).
int64_t DaysFrom1601(int year, int month, int day)
{
    const int64_t y = year - 1601;
    int64_t days = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m)
        days += DaysInMonth(year, m);
    return days + day - 1;
}

}  // namespace

bool SystemTimeToFileTime(const SystemTime& f, uint64_t& ticks)
{
    if (f.year < 1601 || f.year > 30827 || f.month < 1 || f.month > 12)
        return false;
    if (f.day < 1 || f.day > DaysInMonth(f.year, f.month))
        return false;
    if (f.hour > 23 || f.minute > 59 || f.second > 59 || f.milliseconds > 999)
        return false;
    const uint64_t days = static_cast<uint64_t>(DaysFrom1601(f.year, f.month, f.day));
    const uint64_t seconds = uint64_t{f.hour} * 3600 + uint64_t{f.minute} * 60 + f.second;
    ticks = days * TICKS_PER_DAY + seconds * TICKS_PER_SECOND + f.milliseconds * TICKS_PER_MILLISECOND;
    return true;
}

bool FileTimeToSystemTime(uint64_t ticks, SystemTime& f)
{
    if (ticks >= (uint64_t{1} << 63))
        return false;
    int64_t days = static_cast<int64_t>(ticks / TICKS_PER_DAY);
    const uint64_t inDay = ticks % TICKS_PER_DAY;
    // 1601-01-01 was a Monday.
    f.dayOfWeek = static_cast<uint16_t>((days + 1) % 7);

    // Whole 400-, 100-, 4- and 1-year cycles from 1601, the start of a 400-year cycle.
    int year = 1601;
    year += static_cast<int>(days / 146097) * 400;
    days %= 146097;
    int64_t centuries = days / 36524;
    if (centuries == 4)
        centuries = 3;
    year += static_cast<int>(centuries) * 100;
    days -= centuries * 36524;
    year += static_cast<int>(days / 1461) * 4;
    days %= 1461;
    int64_t years = days / 365;
    if (years == 4)
        years = 3;
    year += static_cast<int>(years);
    days -= years * 365;

    int month = 1;
    while (days >= DaysInMonth(year, month)) {
        days -= DaysInMonth(year, month);
        ++month;
    }
    f.year = static_cast<uint16_t>(year);
    f.month = static_cast<uint16_t>(month);
    f.day = static_cast<uint16_t>(days + 1);
    const uint64_t seconds = inDay / TICKS_PER_SECOND;
    f.hour = static_cast<uint16_t>(seconds / 3600);
    f.minute = static_cast<uint16_t>(seconds / 60 % 60);
    f.second = static_cast<uint16_t>(seconds % 60);
    f.milliseconds = static_cast<uint16_t>(inDay % TICKS_PER_SECOND / TICKS_PER_MILLISECOND);
    return true;
}

int DayOfYear(const SystemTime& f)
{
    if (f.month < 1 || f.month > 12)
        return 0;
    return static_cast<int>(DaysFrom1601(f.year, f.month, f.day) - DaysFrom1601(f.year, 1, 1));
}

}  // namespace tonik
