#include "scheduler/clock_texts.h"
#include "scheduler/trigger_memory.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace zbw {
namespace {

int At(int hour, int minute, int second) {
    return hour * 3600 + minute * 60 + second;
}

TEST(JoinClockTexts, KeepsTimesWithTheSameDigitsApart) {
    // Joined without a separator all three would read "1111".
    const TextValue set = JoinClockTexts("1", "11", "1");
    EXPECT_EQ(set.View(), "1:11:1");
    EXPECT_NE(CompareTexts(set, JoinClockTexts("1", "1", "11")), 0);
    EXPECT_NE(CompareTexts(set, JoinClockTexts("11", "1", "1")), 0);
    EXPECT_EQ(CompareTexts(set, JoinClockTexts("1", "11", "1")), 0);
}

TEST(SecondOfDayShown, ReadsOnlyWhatTheDisplayWrites) {
    EXPECT_EQ(SecondOfDayShown("9", "5", "3"), At(9, 5, 3));
    EXPECT_EQ(SecondOfDayShown("23", "59", "59"), At(23, 59, 59));
    EXPECT_EQ(SecondOfDayShown("0", "0", "0"), 0);
    for (const auto& [h, m, s] : std::vector<std::array<const char*, 3>>{{"", "", ""},
                                                                         {"09", "5", "3"},
                                                                         {"24", "0", "0"},
                                                                         {"1", "60", "0"},
                                                                         {"1", "2", "x"},
                                                                         {"-1", "0", "0"},
                                                                         {"123", "0", "0"}}) {
        EXPECT_FALSE(SecondOfDayShown(h, m, s)) << h << ":" << m << ":" << s;
    }
}

std::vector<int> Examined(TriggerMemory& memory, int displayed) {
    std::vector<int> seconds;
    memory.ExamineNewTimes(displayed, [&](int second) { seconds.push_back(second); });
    return seconds;
}

TEST(TriggerMemory, ExaminesEachDisplayedTimeOnce) {
    TriggerMemory memory;
    EXPECT_EQ(Examined(memory, At(10, 0, 0)), std::vector<int>{At(10, 0, 0)});
    EXPECT_TRUE(Examined(memory, At(10, 0, 0)).empty()); // a late display tick: same time again
    EXPECT_EQ(Examined(memory, At(10, 0, 1)), std::vector<int>{At(10, 0, 1)});
}

TEST(TriggerMemory, CatchesUpOnSecondsALateTickSkipped) {
    TriggerMemory memory;
    Examined(memory, At(10, 0, 0));
    EXPECT_EQ(Examined(memory, At(10, 0, 3)),
              (std::vector<int>{At(10, 0, 1), At(10, 0, 2), At(10, 0, 3)}));
    // Across midnight too.
    Examined(memory, At(23, 59, 58));
    EXPECT_EQ(Examined(memory, At(0, 0, 1)), (std::vector<int>{At(23, 59, 59), 0, 1}));
    // The longest gap that is still made up.
    Examined(memory, At(12, 0, 0));
    EXPECT_EQ(Examined(memory, At(12, 0, TriggerMemory::kLongestCatchUp)).size(),
              static_cast<std::size_t>(TriggerMemory::kLongestCatchUp));
}

TEST(TriggerMemory, MakesNothingUpAfterAJumpOfTheClock) {
    TriggerMemory memory;
    Examined(memory, At(10, 0, 0));
    EXPECT_EQ(Examined(memory, At(11, 0, 0)), std::vector<int>{At(11, 0, 0)});
    EXPECT_EQ(Examined(memory, At(11, 0, TriggerMemory::kLongestCatchUp + 1)),
              std::vector<int>{At(11, 0, TriggerMemory::kLongestCatchUp + 1)});
    // The clock set back a second is a jump as well, not a day's worth of skipped seconds.
    EXPECT_EQ(Examined(memory, At(11, 0, 0)), std::vector<int>{At(11, 0, 0)});
}

} // namespace
} // namespace zbw
