// The local time zone, as the C library sees it (TZ is honoured).
#pragma once

#include <cstdint>
#include <functional>

namespace tonik {

// Which bias is in force; any other answer of a query means it failed.
constexpr int TIME_ZONE_ID_UNKNOWN = 0;
constexpr int TIME_ZONE_ID_STANDARD = 1;
constexpr int TIME_ZONE_ID_DAYLIGHT = 2;
constexpr int TIME_ZONE_ID_INVALID = -1;

// Biases in minutes, with UTC = local time + bias (+ the bias in force).
struct TimeZoneInformation {
    int32_t bias = 0;
    int32_t standardBias = 0;
    int32_t daylightBias = 0;
};

// Fills info and returns one of the TIME_ZONE_ID_ values.
int GetTimeZoneInformation(TimeZoneInformation& info);

// Test seam: replaces the query until called with an empty function.
using TimeZoneQuery = std::function<int(TimeZoneInformation&)>;
void SetTimeZoneQueryForTesting(TimeZoneQuery query);

}  // namespace tonik
