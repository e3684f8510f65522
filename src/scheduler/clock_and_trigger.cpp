#include "scheduler/clock_and_trigger.h"

#include "core/now_date_time.h"
#include "scheduler/clock_texts.h"
#include "scheduler/selected_command.h"
#include "scheduler/trigger_memory.h"
#include "system/power.h"
#include "system/shell_run.h"
#include "ui/form.h"
#include "ui/main_window_controls.h"
#include "ui/properties.h"

namespace zbw {
namespace {

// The displayed times the trigger has examined; a new main window starts a new display.
TriggerMemory examinedTimes;

TextValue ClockTextOf(int secondOfDay) {
    return JoinClockTexts(IntegerToText(secondOfDay / 3600), IntegerToText(secondOfDay / 60 % 60),
                          IntegerToText(secondOfDay % 60));
}

} // namespace

void ForgetExaminedTimes() {
    examinedTimes.Forget();
}

void OnClockTick(Form& window, EventRecord& /*event*/) {
    // One reading for all three labels, so that the display never shows a time that did not
    // exist (9:0:0 at the step from 9:59:59 to 10:00:00).
    const DateTime now = NowDateTime();
    WriteProperty(window[controls::kHourLabel], TextProperty::Caption,
                  IntegerToText(HourOfDay(now)));
    WriteProperty(window[controls::kMinuteLabel], TextProperty::Caption,
                  IntegerToText(MinuteOfHour(now)));
    WriteProperty(window[controls::kSecondLabel], TextProperty::Caption,
                  IntegerToText(SecondOfMinute(now)));
}

void OnTriggerTick(Form& window, EventRecord& /*event*/) {
    const TextValue setTime =
        JoinClockTexts(ReadProperty(window[controls::kHourList], TextProperty::Text),
                       ReadProperty(window[controls::kMinuteList], TextProperty::Text),
                       ReadProperty(window[controls::kSecondList], TextProperty::Text));
    const TextValue hourShown = ReadProperty(window[controls::kHourLabel], TextProperty::Caption);
    const TextValue minuteShown =
        ReadProperty(window[controls::kMinuteLabel], TextProperty::Caption);
    const TextValue secondShown =
        ReadProperty(window[controls::kSecondLabel], TextProperty::Caption);
    const auto displayed = SecondOfDayShown(hourShown, minuteShown, secondShown);
    if (!displayed) {
        return;
    }

    bool matched = false;
    examinedTimes.ExamineNewTimes(*displayed, [&](int second) {
        const TextValue shown = second == *displayed
                                    ? JoinClockTexts(hourShown, minuteShown, secondShown)
                                    : ClockTextOf(second);
        matched = matched || CompareTexts(setTime, shown) == 0;
    });
    if (!matched) {
        return;
    }
    switch (SelectedCommand) {
    case 1:
        ShutDownSystem(1, true);
        break;
    case 2:
        ShutDownSystem(2, true);
        break;
    case 3:
        ShellRun(ReadProperty(window[controls::kPathBox], TextProperty::Text));
        break;
    default:
        break;
    }
}

} // namespace zbw
