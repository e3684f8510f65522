#include "core/date_time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zbw {
namespace {

struct Fields {
    int hour;
    int minute;
    int second;
};

Fields FieldsOf(DateTime value) {
    return {HourOfDay(value), MinuteOfHour(value), SecondOfMinute(value)};
}

TEST(DateTimeFromCivil, CountsDaysFromTheEpochUnderTheGregorianRule) {
    struct Case {
        CivilTime time;
        double days;
    };
    const Case cases[] = {
        {{1899, 12, 30}, 0.0},     {{1900, 1, 1}, 2.0},
        {{1900, 3, 1}, 61.0},    // 1900 is a century without a leap day
        {{2000, 3, 1}, 36586.0}, // 2000 has one
        {{2026, 12, 11}, 46367.0}, {{1899, 12, 29}, -1.0},
        {{100, 1, 1}, -657434.0},  {{9999, 12, 31}, 2958465.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateTimeFromCivil(c.time), c.days) << c.time.year << "-" << c.time.month;
    }
    EXPECT_DOUBLE_EQ(DateTimeFromCivil({2026, 12, 11, 12, 0, 0}), 46367.5);
}

TEST(ClockFields, TakeHourMinuteAndSecondOfAReading) {
    const Fields morning = FieldsOf(DateTimeFromCivil({2026, 12, 11, 9, 5, 3}));
    EXPECT_EQ(morning.hour, 9);
    EXPECT_EQ(morning.minute, 5);
    EXPECT_EQ(morning.second, 3);

    const Fields noon = FieldsOf(0.5);
    EXPECT_EQ(noon.hour, 12);
    EXPECT_EQ(noon.minute, 0);
    EXPECT_EQ(noon.second, 0);
}

TEST(ClockFields, EveryWholeSecondOfADayReadsAsItself) {
    // Whole seconds are inexact as doubles; the half-second rounding keeps each on its own second.
    for (int second = 0; second < 86400; ++second) {
        const DateTime value =
            DateTimeFromCivil({2026, 12, 11, second / 3600, second / 60 % 60, second % 60});
        const Fields fields = FieldsOf(value);
        ASSERT_EQ(fields.hour * 3600 + fields.minute * 60 + fields.second, second);
        const Fields hairBelow = FieldsOf(std::nextafter(value, 0.0));
        ASSERT_EQ(hairBelow.hour * 3600 + hairBelow.minute * 60 + hairBelow.second, second);
    }
}

TEST(ClockFields, RoundToTheNearestSecondAndClampTheRange) {
    const Fields beforeMidnight = FieldsOf(46367.0 - 0.4 / 86400.0);
    EXPECT_EQ(beforeMidnight.hour, 0);
    EXPECT_EQ(beforeMidnight.minute, 0);
    EXPECT_EQ(beforeMidnight.second, 0);

    // Before the epoch the time of day is the fraction's absolute value.
    const Fields beforeEpoch = FieldsOf(-1.25);
    EXPECT_EQ(beforeEpoch.hour, 6);

    // Values beyond 31 December 9999 and before 1 January 100 read as those whole days.
    EXPECT_EQ(HourOfDay(1e12), 0);
    EXPECT_EQ(HourOfDay(-1e12), 0);
    EXPECT_EQ(SecondOfMinute(2958465.9), 0);
}

} // namespace
} // namespace zbw
