#pragma once

#include <cstdint>

namespace zbw {

// Days since 30 December 1899, 00:00 local time; the fraction is the time of day.
using DateTime = double;

struct CivilTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Builds the DateTime of a calendar date and time of day under the Gregorian leap-year rule.
DateTime DateTimeFromCivil(const CivilTime& time);

std::int32_t HourOfDay(DateTime value);
std::int32_t MinuteOfHour(DateTime value);
std::int32_t SecondOfMinute(DateTime value);

} // namespace zbw
