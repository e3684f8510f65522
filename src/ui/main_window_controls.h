#pragma once

#include <string_view>

// The names by which the handlers address the main window's controls. They are identifiers of
// the program, never shown.
namespace zbw::controls {

inline constexpr std::string_view kSecondList = "组合框3";
inline constexpr std::string_view kMinuteList = "组合框2";
inline constexpr std::string_view kHourList = "组合框1";
inline constexpr std::string_view kTriggerTimer = "时钟2";
inline constexpr std::string_view kConfirmationLabel = "标签12";
inline constexpr std::string_view kSetButton = "按钮2";
inline constexpr std::string_view kBrowseButton = "按钮1";
inline constexpr std::string_view kPathBox = "编辑框4";
inline constexpr std::string_view kPathLabel = "标签11";
inline constexpr std::string_view kRunProgramRadio = "单选框3";
inline constexpr std::string_view kRestartRadio = "单选框2";
inline constexpr std::string_view kShutDownRadio = "单选框1";
inline constexpr std::string_view kSecondUnitLabel = "标签9";
inline constexpr std::string_view kSecondLabel = "标签8";
inline constexpr std::string_view kMinuteUnitLabel = "标签7";
inline constexpr std::string_view kMinuteLabel = "标签6";
inline constexpr std::string_view kClockTimer = "时钟1";
inline constexpr std::string_view kHourUnitLabel = "标签5";
inline constexpr std::string_view kSetTimeUnitsLabel = "标签4";
inline constexpr std::string_view kSetTimeLabel = "标签3";
inline constexpr std::string_view kHourLabel = "标签2";
inline constexpr std::string_view kNowTimeLabel = "标签1";

} // namespace zbw::controls
