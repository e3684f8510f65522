#pragma once

#include <array>
#include <cstdint>

namespace zbw {

// Event indexes by control kind. A window's events and a control's events are numbered apart.
namespace events {
inline constexpr std::int32_t kCreated = 0;
inline constexpr std::int32_t kCloseQuery = 1;
inline constexpr std::int32_t kWillBeDestroyed = 2;
inline constexpr std::int32_t kPositionChanged = 3;
inline constexpr std::int32_t kSizeChanged = 4;
inline constexpr std::int32_t kTrayEvent = 9;
inline constexpr std::int32_t kClicked = 0; // Button, RadioBox
inline constexpr std::int32_t kTick = 0;    // Timer
} // namespace events

// The window itself is control 0 of its window; the controls follow in definition order from 1.
inline constexpr std::uint32_t kWindowItself = 0;

struct EventRecord {
    std::uint32_t window = 0;
    std::uint32_t control = kWindowItself;
    std::int32_t eventIndex = 0;
    std::int32_t argumentCount = 0;
    std::array<std::int32_t, 5> arguments{};
    bool hasResult = false;
    std::int32_t result = 0;
};

} // namespace zbw
