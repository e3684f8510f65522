#include "ui/main_window_definition.h"

#include "app/event_record.h"
#include "core/program_texts.h"
#include "scheduler/arming.h"
#include "scheduler/clock_and_trigger.h"
#include "scheduler/command_selection.h"
#include "tray/tray_handlers.h"
#include "ui/main_window_controls.h"
#include "ui/program_icon.h"

#include <array>
#include <cstddef>

namespace zbw {
namespace {

// "0" to "59", the entries of the set-time lists; the hour list takes the first 24.
constexpr std::size_t kNumberEntryCount = 60;

constexpr std::array<std::array<char, 3>, kNumberEntryCount> MakeNumberTexts() {
    std::array<std::array<char, 3>, kNumberEntryCount> texts{};
    for (std::size_t number = 0; number < kNumberEntryCount; ++number) {
        auto& text = texts[number];
        if (number < 10) {
            text[0] = static_cast<char>('0' + number);
        } else {
            text[0] = static_cast<char>('0' + number / 10);
            text[1] = static_cast<char>('0' + number % 10);
        }
    }
    return texts;
}

constexpr auto kNumberTexts = MakeNumberTexts();

constexpr std::array<const char*, kNumberEntryCount> MakeNumberEntries() {
    std::array<const char*, kNumberEntryCount> entries{};
    for (std::size_t number = 0; number < kNumberEntryCount; ++number) {
        entries[number] = kNumberTexts[number].data();
    }
    return entries;
}

constexpr auto kNumberEntries = MakeNumberEntries();
constexpr std::span<const char* const> kHourEntries(kNumberEntries.data(), 24);
constexpr std::span<const char* const> kMinuteOrSecondEntries(kNumberEntries);

constexpr FontDefinition kSetTimeFont{
    .face = texts::kSongTypeface, .height = 12, .weight = 700, .charSet = 134};
constexpr FontDefinition kClockFont{
    .face = texts::kSongTypeface, .height = 16, .weight = 700, .charSet = 134};
constexpr Colour kDarkGreen = 0x008000;

constexpr EventBinding kWindowEvents[] = {
    {events::kCreated, &OnMainWindowCreated},
    {events::kWillBeDestroyed, &OnMainWindowDestroyed},
    {events::kPositionChanged, &OnMainWindowPositionChanged},
    {events::kTrayEvent, &OnTrayEvent},
};
constexpr EventBinding kTriggerTick[] = {{events::kTick, &OnTriggerTick}};
constexpr EventBinding kClockTick[] = {{events::kTick, &OnClockTick}};
constexpr EventBinding kSetClicked[] = {{events::kClicked, &OnSetClicked}};
constexpr EventBinding kBrowseClicked[] = {{events::kClicked, &OnBrowseClicked}};
constexpr EventBinding kRunProgramChosen[] = {{events::kClicked, &OnRunProgramChosen}};
constexpr EventBinding kRestartChosen[] = {{events::kClicked, &OnRestartChosen}};
constexpr EventBinding kShutDownChosen[] = {{events::kClicked, &OnShutDownChosen}};

constexpr ControlDefinition SetTimeList(std::string_view name, int left,
                                        std::span<const char* const> entries) {
    return {.kind = ControlKind::ComboBox,
            .name = name,
            .left = left,
            .top = 48,
            .width = 37,
            .height = 20,
            .inFocusOrder = true,
            .font = &kSetTimeFont,
            .backColour = kWhite,
            .items = entries,
            .selectedIndex = 0};
}

constexpr ControlDefinition PlainLabel(std::string_view name, int left, int top, int width,
                                       const char* caption) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = 24,
            .text = caption};
}

constexpr ControlDefinition ClockLabel(std::string_view name, int left, int top,
                                       HorizontalAlignment alignment) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = 20,
            .height = 24,
            .font = &kClockFont,
            .horizontalAlignment = alignment};
}

constexpr ControlDefinition PushButton(std::string_view name, int left, int top,
                                       const char* caption, std::span<const EventBinding> clicked) {
    return {.kind = ControlKind::Button,
            .name = name,
            .left = left,
            .top = top,
            .width = 32,
            .height = 20,
            .inFocusOrder = true,
            .events = clicked,
            .text = caption};
}

constexpr ControlDefinition Radio(std::string_view name, int left, int width, const char* caption,
                                  std::span<const EventBinding> clicked) {
    return {.kind = ControlKind::RadioBox,
            .name = name,
            .left = left,
            .top = 80,
            .width = width,
            .height = 24,
            .inFocusOrder = true,
            .events = clicked,
            .text = caption};
}

constexpr ControlDefinition Ticker(std::string_view name, int left, int top, std::int32_t interval,
                                   std::span<const EventBinding> tick) {
    return {.kind = ControlKind::Timer,
            .name = name,
            .left = left,
            .top = top,
            .width = 26,
            .height = 26,
            .visible = false,
            .events = tick,
            .interval = interval};
}

// Definition order: the first entry lies on top where controls overlap, and breaks ties in the
// focus order.
constexpr ControlDefinition kControls[] = {
    SetTimeList(controls::kSecondList, 245, kMinuteOrSecondEntries),
    SetTimeList(controls::kMinuteList, 191, kMinuteOrSecondEntries),
    SetTimeList(controls::kHourList, 137, kHourEntries),
    Ticker(controls::kTriggerTimer, 344, 64, 0, kTriggerTick),
    {.kind = ControlKind::Label,
     .name = controls::kConfirmationLabel,
     .left = 30,
     .top = 160,
     .width = 320,
     .height = 48,
     .textColour = kDarkGreen,
     .horizontalAlignment = HorizontalAlignment::Centre,
     .wordWrap = true},
    PushButton(controls::kSetButton, 259, 80, texts::kSetButton, kSetClicked),
    PushButton(controls::kBrowseButton, 316, 130, texts::kBrowseButton, kBrowseClicked),
    {.kind = ControlKind::EditBox,
     .name = controls::kPathBox,
     .left = 26,
     .top = 131,
     .width = 288,
     .height = 20,
     .inFocusOrder = true,
     .backColour = kWhite},
    PlainLabel(controls::kPathLabel, 26, 106, 56, texts::kProgramPathLabel),
    Radio(controls::kRunProgramRadio, 183, 74, texts::kRunProgramChoice, kRunProgramChosen),
    Radio(controls::kRestartRadio, 136, 48, texts::kRestartChoice, kRestartChosen),
    Radio(controls::kShutDownRadio, 89, 48, texts::kShutDownChoice, kShutDownChosen),
    PlainLabel(controls::kSecondUnitLabel, 285, 12, 16, texts::kSecondUnit),
    ClockLabel(controls::kSecondLabel, 256, 11, HorizontalAlignment::Left),
    PlainLabel(controls::kMinuteUnitLabel, 231, 12, 16, texts::kMinuteUnit),
    ClockLabel(controls::kMinuteLabel, 205, 11, HorizontalAlignment::Left),
    Ticker(controls::kClockTimer, 336, 24, 1000, kClockTick),
    PlainLabel(controls::kHourUnitLabel, 177, 12, 16, texts::kHourUnit),
    PlainLabel(controls::kSetTimeUnitsLabel, 165, 46, 139, texts::kSetTimeUnits),
    PlainLabel(controls::kSetTimeLabel, 70, 44, 64, texts::kSetTimeLabel),
    ClockLabel(controls::kHourLabel, 152, 12, HorizontalAlignment::Centre),
    PlainLabel(controls::kNowTimeLabel, 70, 12, 56, texts::kNowTimeLabel),
};

ControlDefinition WindowEntry() {
    return {.kind = ControlKind::Window,
            .left = 50,
            .top = 50,
            .width = 380,
            .height = 250,
            .events = kWindowEvents,
            .text = texts::kProgramTitle,
            // Centred on the screen when built; the stored place is not used.
            .windowState = 1,
            .icon = ProgramIconFile(),
            .minimizeButton = true,
            .escapeCloses = true,
            .dragMoves = true};
}

} // namespace

const WindowDefinition& MainWindowDefinition() {
    static const WindowDefinition definition{.window = WindowEntry(), .controls = kControls};
    return definition;
}

} // namespace zbw
