// Calendar conversion between 100 ns ticks since 1601-01-01 and calendar fields,
// proleptic Gregorian, for the years 1601 to 30827.
#pragma once

#include <cstdint>

namespace tonik {

// Calendar fields, each a 16-bit unsigned number; day of week 0 is Sunday.
struct SystemTime {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t dayOfWeek = 0;
    uint16_t day = 0;
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t milliseconds = 0;
};

// Ticks for the fields (day of week ignored); false for any field out of range
// or a year outside 1601..30827.
bool SystemTimeToFileTime(const SystemTime& fields, uint64_t& ticks);

// Fields for ticks, day of week included; false for ticks of 2^63 and above.
bool FileTimeToSystemTime(uint64_t ticks, SystemTime& fields);

// Day of the year, 0 for 1 January.
int DayOfYear(const SystemTime& fields);

}  // namespace tonik
