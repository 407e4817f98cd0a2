#pragma once
// Tests that compare local-time texts run with the local time zone set to UTC.

#include <cstdlib>
#include <ctime>

inline void UseUtcAsLocalTime()
{
#ifdef _WIN32
    _putenv("TZ=UTC0");
    _tzset();
#else
    setenv("TZ", "UTC", 1);
    tzset();
#endif
}
