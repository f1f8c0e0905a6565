#include "support/TimeStamp.h"

#include <clocale>
#include <ctime>
#include <locale.h>
#include <memory>

#include "platform/TimeZone.h"
#include "support/NumberText.h"

namespace tonik {

const CNTimeStamp NullTimeStamp;

namespace {

constexpr uint64_t TICKS_PER_SECOND = 10000000;
constexpr uint64_t TICKS_PER_DAY = 864000000000;
constexpr size_t STRFTIME_FIRST_SIZE = 4096;
constexpr size_t STRFTIME_LAST_SIZE = 65536;

bool IsAsciiAlnum(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

char LowerAscii(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

void ReplaceAll(std::string& text, const char* code, const std::string& replacement)
{
    for (size_t at = text.find(code); at != std::string::npos;
         at = text.find(code, at + replacement.size()))
        text.replace(at, 2, replacement);
}

std::string Decimal(uint64_t value)
{
    return FormatText("%llu", static_cast<unsigned long long>(value));
}

struct CLocale {
    locale_t handle = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    ~CLocale()
    {
        if (handle != static_cast<locale_t>(nullptr))
            freelocale(handle);
    }
};

std::string StrftimeC(const std::string& format, const tm& fields)
{
    CLocale c;
    for (size_t size = STRFTIME_FIRST_SIZE; size <= STRFTIME_LAST_SIZE; size *= 2) {
        std::unique_ptr<char[]> buffer(new char[size]);
        const size_t n = c.handle != static_cast<locale_t>(nullptr)
                             ? strftime_l(buffer.get(), size, format.c_str(), &fields, c.handle)
                             : strftime(buffer.get(), size, format.c_str(), &fields);
        if (n != 0)
            return std::string(buffer.get(), n);
    }
    return format;
}

}  // namespace

CNTimeStamp& CNTimeStamp::GetBuildTime()
{
    static CNTimeStamp buildTime;
    // The build text is always English, whatever the user's locale.
    if (buildTime == NullTimeStamp)
        buildTime.ParseWith(BuildDateText(), "bdYHMS", MonthLocale::English);
    return buildTime;
}

bool CNTimeStamp::Parse(const char* text, const char* order)
{
    return ParseWith(text, order, MonthLocale::User);
}

// Field letters: B/b full/abbreviated month name; Y year; y year, two digits
// meaning 1936..2035; m month; d day; H hour; M minute; S second; N milliseconds;
// F fraction of a second; u microseconds. Any other letter reads a number and
// discards it.
bool CNTimeStamp::ParseWith(const char* text, const char* order, MonthLocale months)
{
    if (text == nullptr || order == nullptr)
        return false;
    SystemTime fields;
    uint64_t extraTicks = 0;
    bool haveCalendar = false;
    const char* cursor = text;

    auto readNumber = [&cursor](uint32_t& value, uint32_t minimum, uint32_t maximum) {
        return ReadDecimalField(cursor, value, minimum, maximum) > 0;
    };
    auto setCalendar = [&haveCalendar](uint16_t& target, uint32_t value) {
        // A value beyond 16 bits would otherwise wrap into some other valid year.
        if (value > 0xFFFF)
            return false;
        target = static_cast<uint16_t>(value);
        haveCalendar = true;
        return true;
    };

    for (const char* letter = order; *letter != '\0'; ++letter) {
        SkipToAlnum(cursor);
        uint32_t value = 0;
        bool ok = true;
        switch (*letter) {
        case 'B':
        case 'b':
            ok = MatchMonthName(cursor, value, *letter == 'b', months) && setCalendar(fields.month, value);
            break;
        case 'Y':
            ok = readNumber(value, 0, 4294967295u) && setCalendar(fields.year, value);
            break;
        case 'y':
            ok = readNumber(value, 0, 2999);
            if (ok && value < 100)
                value += value < 36 ? 2000 : 1900;
            ok = ok && setCalendar(fields.year, value);
            break;
        case 'm': ok = readNumber(value, 1, 12) && setCalendar(fields.month, value); break;
        case 'd': ok = readNumber(value, 1, 31) && setCalendar(fields.day, value); break;
        case 'H': ok = readNumber(value, 0, 23) && setCalendar(fields.hour, value); break;
        case 'M': ok = readNumber(value, 0, 59) && setCalendar(fields.minute, value); break;
        case 'S': ok = readNumber(value, 0, 59) && setCalendar(fields.second, value); break;
        case 'N': ok = readNumber(value, 0, 999) && setCalendar(fields.milliseconds, value); break;
        case 'F': {
            const int digits = ReadDecimalField(cursor, value, 0, 9999999);
            ok = digits > 0;
            uint64_t ticks = value;
            for (int n = digits; ok && n < 7; ++n)
                ticks *= 10;
            if (ok)
                extraTicks += ticks;
            break;
        }
        case 'u':
            ok = readNumber(value, 0, 999999);
            if (ok)
                extraTicks += uint64_t{value} * 10;
            break;
        default:
            ok = readNumber(value, 0, 4294967295u);
            break;
        }
        if (!ok)
            return false;
    }

    SetTicks(0);
    if (haveCalendar) {
        uint64_t ticks = 0;
        if (!SystemTimeToFileTime(fields, ticks))
            return false;
        SetTicks(ticks);
    }
    SetTicks(Ticks() + extraTicks);
    return true;
}

bool CNTimeStamp::ToSystemTime(SystemTime& fields) const
{
    return FileTimeToSystemTime(Ticks(), fields);
}

std::string CNTimeStamp::Format(std::string format) const
{
    if (format.empty())
        return format;
    SystemTime f;
    if (!ToSystemTime(f))
        return "*** Illegal CNTimeStamp ***";
    const uint64_t value = Ticks();
    const unsigned fatDate = ((static_cast<unsigned>(f.year) - 1980u) & 0x7Fu) << 9 | unsigned{f.month} << 5 | f.day;
    const unsigned fatTime = unsigned{f.hour} << 11 | unsigned{f.minute} << 5 | unsigned{f.second} / 2u;

    ReplaceAll(format, "%F", FormatText("%07llu", static_cast<unsigned long long>(value % TICKS_PER_SECOND)));
    ReplaceAll(format, "%u", FormatText("%06llu", static_cast<unsigned long long>(value / 10 % 1000000)));
    ReplaceAll(format, "%N", FormatText("%03u", unsigned{f.milliseconds}));
    ReplaceAll(format, "%O", FormatText("%04x", fatDate & 0xFFFFu));
    ReplaceAll(format, "%o", FormatText("%04x", fatTime & 0xFFFFu));
    ReplaceAll(format, "%D", Decimal(value / TICKS_PER_DAY));
    ReplaceAll(format, "%h", Decimal(value / TICKS_PER_SECOND / 3600));
    ReplaceAll(format, "%s", Decimal(value / TICKS_PER_SECOND));
    if (format.find("%G") != std::string::npos)
        ReplaceAll(format, "%G", GetTimeZoneOffsetText());

    // The value has no time zone: %Z and %z give nothing, while the day of the
    // year (%j, %U, %W) comes from the date itself.
    tm fields{};
    fields.tm_mday = f.day;
    fields.tm_mon = f.month - 1;
    fields.tm_year = f.year - 1900;
    fields.tm_wday = f.dayOfWeek % 7;
    fields.tm_hour = f.hour;
    fields.tm_min = f.minute;
    fields.tm_sec = f.second;
    fields.tm_yday = DayOfYear(f);
    fields.tm_isdst = -1;
    return StrftimeC(format, fields);
}

std::string GetTimeZoneOffsetText()
{
    TimeZoneInformation info;
    int64_t bias = 0;
    switch (GetTimeZoneInformation(info)) {
    case TIME_ZONE_ID_UNKNOWN: bias = info.bias; break;
    case TIME_ZONE_ID_STANDARD: bias = int64_t{info.bias} + info.standardBias; break;
    case TIME_ZONE_ID_DAYLIGHT: bias = int64_t{info.bias} + info.daylightBias; break;
    default: return "*ERR*";
    }
    const uint64_t magnitude = bias < 0 ? uint64_t(-bias) : uint64_t(bias);
    return FormatText("%c%2.2llu%2.2llu", bias < 0 ? '+' : '-',
                      static_cast<unsigned long long>(magnitude / 60),
                      static_cast<unsigned long long>(magnitude % 60));
}

bool SkipToAlnum(const char*& cursor)
{
    if (cursor == nullptr)
        return false;
    while (*cursor != '\0' && !IsAsciiAlnum(*cursor))
        ++cursor;
    return true;
}

int ReadDecimalField(const char*& cursor, uint32_t& value, uint32_t minimum, uint32_t maximum)
{
    if (cursor == nullptr || minimum > maximum)
        return -1;
    value = 0;
    int count = 0;
    bool overflow = false;
    while (*cursor >= '0' && *cursor <= '9') {
        const uint64_t next = uint64_t{value} * 10 + static_cast<unsigned>(*cursor - '0');
        overflow = overflow || next > 0xFFFFFFFFu;
        value = static_cast<uint32_t>(next);
        if (count < 0x7FFFFFFF)
            ++count;
        ++cursor;
    }
    if (count == 0)
        return 0;
    return (!overflow && value >= minimum && value <= maximum) ? count : -count;
}

bool MatchMonthName(const char*& cursor, uint32_t& month, bool abbreviated, MonthLocale which)
{
    if (cursor == nullptr)
        return false;
    for (int m = 1; m <= 12; ++m) {
        const std::string name = GetMonthName(m, abbreviated, which);
        if (name.empty())
            continue;
        size_t i = 0;
        while (i < name.size() && cursor[i] != '\0' && LowerAscii(cursor[i]) == LowerAscii(name[i]))
            ++i;
        if (i == name.size()) {
            month = static_cast<uint32_t>(m);
            cursor += name.size();
            return true;
        }
    }
    return false;
}

}  // namespace tonik
