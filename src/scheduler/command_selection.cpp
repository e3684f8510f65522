#include "scheduler/command_selection.h"

#include "core/now_date_time.h"
#include "core/program_texts.h"
#include "scheduler/clock_and_trigger.h"
#include "scheduler/selected_command.h"
#include "system/browse_for_path.h"
#include "ui/form.h"
#include "ui/main_window_controls.h"
#include "ui/properties.h"

#include <string_view>

namespace zbw {
namespace {

// The path box and the browse button serve only the third action.
void DisablePathControls(Form& window, std::int32_t disabled) {
    WriteProperty(window[controls::kPathBox], IntegerProperty::Disabled, disabled);
    WriteProperty(window[controls::kBrowseButton], IntegerProperty::Disabled, disabled);
}

// A radio button's click: its action is chosen when the click left it checked.
void Choose(Form& window, std::string_view radio, std::int32_t command, bool usesPath) {
    const bool chosen = ReadProperty(window[radio], IntegerProperty::Checked) == 1;
    if (chosen) {
        SelectedCommand = command;
    }
    DisablePathControls(window, chosen == usesPath ? 0 : 1);
}

} // namespace

void OnMainWindowCreated(Form& window, EventRecord& /*event*/) {
    DisablePathControls(window, 1);
    // One reading for all three lists, so that they preset a time that existed.
    const DateTime now = NowDateTime();
    SelectEntryByText(window[controls::kHourList], IntegerToText(HourOfDay(now)));
    SelectEntryByText(window[controls::kMinuteList], IntegerToText(MinuteOfHour(now)));
    SelectEntryByText(window[controls::kSecondList], IntegerToText(SecondOfMinute(now)));
    ForgetExaminedTimes();
}

void OnShutDownChosen(Form& window, EventRecord& /*event*/) {
    Choose(window, controls::kShutDownRadio, 1, false);
}

void OnRestartChosen(Form& window, EventRecord& /*event*/) {
    Choose(window, controls::kRestartRadio, 2, false);
}

void OnRunProgramChosen(Form& window, EventRecord& /*event*/) {
    Choose(window, controls::kRunProgramRadio, 3, true);
}

void OnBrowseClicked(Form& window, EventRecord& /*event*/) {
    const TextValue path = BrowseForPath(texts::kChooseProgram, true);
    // A cancelled or pathless choice keeps whatever path the box holds.
    if (!path.IsAbsent()) {
        WriteProperty(window[controls::kPathBox], TextProperty::Text, path);
    }
}

} // namespace zbw
