#include "platform/TimeZone.h"

#include <ctime>
#include <utility>

namespace tonik {
namespace {

TimeZoneQuery& TestQuery()
{
    static TimeZoneQuery query;
    return query;
}

bool LocalTime(time_t when, tm& out)
{
    return localtime_r(&when, &out) != nullptr;
}

int QueryCLibrary(TimeZoneInformation& info)
{
    tzset();
    const time_t now = time(nullptr);
    tm current{};
    if (!LocalTime(now, current))
        return TIME_ZONE_ID_INVALID;
    // Half a year away the other offset of a zone with daylight saving is in force.
    tm other{};
    if (!LocalTime(now + 183 * 24 * 3600, other))
        return TIME_ZONE_ID_INVALID;
    const tm* standard = current.tm_isdst > 0 ? &other : &current;
    const tm* daylight = current.tm_isdst > 0 ? &current : (other.tm_isdst > 0 ? &other : nullptr);
    info.bias = static_cast<int32_t>(-standard->tm_gmtoff / 60);
    info.standardBias = 0;
    if (daylight == nullptr || standard->tm_isdst > 0) {
        info.daylightBias = 0;
        return TIME_ZONE_ID_UNKNOWN;
    }
    info.daylightBias = static_cast<int32_t>(-daylight->tm_gmtoff / 60) - info.bias;
    return current.tm_isdst > 0 ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}

}  // namespace

int GetTimeZoneInformation(TimeZoneInformation& info)
{
    if (TestQuery())
        return TestQuery()(info);
    return QueryCLibrary(info);
}

void SetTimeZoneQueryForTesting(TimeZoneQuery query)
{
    TestQuery() = std::move(query);
}

}  // namespace tonik
