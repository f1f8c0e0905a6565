// CNTimeStamp: a point in time as 100 ns ticks since 1601-01-01 00:00:00, with no
// time zone of its own. Reads times from text under a field-order string and
// writes them with strftime codes plus a few codes of its own.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Calendar.h"
#include "platform/MonthNames.h"

namespace tonik {

class CNTimeStamp {
public:
    CNTimeStamp() = default;
    explicit CNTimeStamp(uint64_t ticks) { SetTicks(ticks); }

    uint64_t Ticks() const { return (uint64_t{high} << 32) | low; }
    void SetTicks(uint64_t ticks)
    {
        low = static_cast<uint32_t>(ticks);
        high = static_cast<uint32_t>(ticks >> 32);
    }
    bool operator==(const CNTimeStamp& other) const { return low == other.low && high == other.high; }

    // The process-wide build time; parsed from the build text until that succeeds.
    static CNTimeStamp& GetBuildTime();

    // Reads text field by field, one field per character of order (see the
    // letters in the .cpp). False when either is null or a field fails; the
    // value then stays, except after a failed calendar conversion (null).
    bool Parse(const char* text, const char* order);

    // strftime (C locale) after replacing the codes %F %u %N %O %o %D %h %s %G.
    // "*** Illegal CNTimeStamp ***" for a value of 2^63 or above.
    std::string Format(std::string format) const;

    // Calendar fields of the value; false when it is illegal.
    bool ToSystemTime(SystemTime& fields) const;

    uint32_t low = 0;
    uint32_t high = 0;

private:
    bool ParseWith(const char* text, const char* order, MonthLocale months);
};

extern const CNTimeStamp NullTimeStamp;

// The build tools' date and time of this build, as in "Oct 18 2006 14:38:56".
const char* BuildDateText();

// Offset of the local time zone from UTC as "+0100"; "*ERR*" when unknown.
std::string GetTimeZoneOffsetText();

// Moves the cursor to the next ASCII letter or digit, or to the terminator;
// false for a null cursor.
bool SkipToAlnum(const char*& cursor);

// Reads decimal digits at the cursor. Returns the digit count when minimum <=
// value <= maximum, 0 when no digit stands there, minus the count when out of
// range (a value beyond 32 bits counts as out of range), -1 for a null cursor
// or minimum > maximum.
int ReadDecimalField(const char*& cursor, uint32_t& value, uint32_t minimum, uint32_t maximum);

// Matches a month name of the locale at the cursor, ignoring ASCII case; on a
// match stores 1..12 and moves the cursor past the name.
bool MatchMonthName(const char*& cursor, uint32_t& month, bool abbreviated,
                    MonthLocale which = MonthLocale::User);

}  // namespace tonik
