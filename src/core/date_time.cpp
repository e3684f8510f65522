#include "core/date_time.h"

#include <cmath>

namespace zbw {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr DateTime kEarliest = -657434.0; // 1 January 100
constexpr DateTime kLatest = 2958465.0;   // 31 December 9999

// Days from 1 March of year 0 (proleptic Gregorian) to the given date.
long long DaysFromCivilEpoch(long long year, long long month, long long day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

std::int32_t SecondOfDay(DateTime value) {
    if (value < kEarliest) {
        value = kEarliest;
    } else if (value > kLatest) {
        value = kLatest;
    }
    // Half a second towards the nearest whole second, so that a whole-second value lying a hair
    // below its second in binary is not read as the second before it.
    value += value > 0 ? 0.5 / kSecondsPerDay : -0.5 / kSecondsPerDay;
    value = std::fabs(value);
    const double fraction = value - std::floor(value);
    return static_cast<std::int32_t>(fraction * kSecondsPerDay);
}

} // namespace

DateTime DateTimeFromCivil(const CivilTime& time) {
    const long long days =
        DaysFromCivilEpoch(time.year, time.month, time.day) - DaysFromCivilEpoch(1899, 12, 30);
    const int secondOfDay = time.hour * 3600 + time.minute * 60 + time.second;
    return static_cast<double>(days) + secondOfDay * (1.0 / kSecondsPerDay);
}

std::int32_t HourOfDay(DateTime value) {
    return SecondOfDay(value) / 3600;
}
std::int32_t MinuteOfHour(DateTime value) {
    return SecondOfDay(value) / 60 % 60;
}
std::int32_t SecondOfMinute(DateTime value) {
    return SecondOfDay(value) % 60;
}

} // namespace zbw
