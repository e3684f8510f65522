#pragma once

#include <optional>

namespace zbw {

// What the trigger remembers between its ticks: the displayed time it examined last, as a second
// of the day. With it each displayed time is examined once, and seconds the display skipped
// because a tick came late are examined too, so that a set time fires exactly once per occurrence.
class TriggerMemory {
  public:
    // A late tick skips a second or two; a thread busy in a slow shell call or a modal loop a few
    // more. A longer gap is no late tick but a jump of the clock (resume from sleep, the clock
    // set), and what it passed over is not made up, as scheduled tasks do by default.
    static constexpr int kLongestCatchUp = 5;

    // Calls examine(second) for every second of the day that the display shows for the first time
    // since the last call, oldest first: the skipped seconds of a short gap, then the displayed
    // one. Nothing when the displayed time is the one examined last.
    template <typename Examine> void ExamineNewTimes(int displayedSecond, Examine examine) {
        if (lastExamined_ == displayedSecond) {
            return;
        }
        if (lastExamined_) {
            const int gap = (displayedSecond - *lastExamined_ + kSecondsPerDay) % kSecondsPerDay;
            for (int back = gap <= kLongestCatchUp ? gap - 1 : 0; back > 0; --back) {
                examine((displayedSecond - back + kSecondsPerDay) % kSecondsPerDay);
            }
        }
        lastExamined_ = displayedSecond;
        examine(displayedSecond);
    }

    void Forget() { lastExamined_.reset(); }

  private:
    static constexpr int kSecondsPerDay = 86400;
    std::optional<int> lastExamined_;
};

} // namespace zbw
