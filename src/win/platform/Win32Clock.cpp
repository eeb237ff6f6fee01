#include "win/platform/Win32Clock.h"

#include <windows.h>

namespace vantry::win {

std::int64_t Win32Clock::steadyMilliseconds() { return static_cast<std::int64_t>(GetTickCount64()); }

LocalTime Win32Clock::localNow() {
    // The zone first, the time after: GetLocalTime reads the zone afresh, so
    // the two can disagree only within a moment of a change of zone or of
    // daylight saving time.
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    const DWORD daylight = GetDynamicTimeZoneInformation(&zone);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    // The bias is what is added to local time to give UTC: west positive.
    LONG bias = zone.Bias;
    if (daylight == TIME_ZONE_ID_DAYLIGHT)
        bias += zone.DaylightBias;
    else if (daylight == TIME_ZONE_ID_STANDARD)
        bias += zone.StandardBias;
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, static_cast<int>(-bias)};
}

}  // namespace vantry::win
