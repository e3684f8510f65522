#include "scheduler/arming.h"

#include "core/program_texts.h"
#include "scheduler/selected_command.h"
#include "system/message_box.h"
#include "ui/form.h"
#include "ui/main_window_controls.h"
#include "ui/properties.h"

namespace zbw {
namespace {

constexpr std::int32_t kStopIcon = 16; // MB_ICONHAND with an OK button
constexpr std::int32_t kTriggerInterval = 1000;

bool IsEmpty(std::string_view text) {
    return CompareTexts(text, "") == 0;
}

TextValue ReadText(Form& window, std::string_view control) {
    return ReadProperty(window[control], TextProperty::Text);
}

} // namespace

void OnSetClicked(Form& window, EventRecord& /*event*/) {
    struct Check {
        std::string_view list;
        const char* missing;
    };
    for (const Check& check : {Check{controls::kHourList, texts::kEnterHour},
                               Check{controls::kMinuteList, texts::kEnterMinute},
                               Check{controls::kSecondList, texts::kEnterSecond}}) {
        if (IsEmpty(ReadText(window, check.list))) {
            ShowMessageBox(check.missing, kStopIcon);
            return;
        }
    }
    if (SelectedCommand == 0) {
        ShowMessageBox(texts::kChooseCommand, kStopIcon);
        return;
    }
    if (SelectedCommand < 1 || SelectedCommand > 3) {
        return;
    }
    if (SelectedCommand == 3 && IsEmpty(ReadText(window, controls::kPathBox))) {
        ShowMessageBox(texts::kChooseProgramPath, kStopIcon);
        return;
    }

    WriteProperty(window[controls::kTriggerTimer], IntegerProperty::Interval, kTriggerInterval);
    const TextValue hour = ReadText(window, controls::kHourList);
    const TextValue minute = ReadText(window, controls::kMinuteList);
    const TextValue second = ReadText(window, controls::kSecondList);
    TextValue confirmation;
    switch (SelectedCommand) {
    case 1:
        confirmation = JoinTexts({texts::kArmedPrefix, hour, texts::kHourUnit, minute,
                                  texts::kMinuteUnit, second, texts::kArmedShutDown});
        break;
    case 2:
        confirmation = JoinTexts({texts::kArmedPrefix, hour, texts::kHourUnit, minute,
                                  texts::kMinuteUnit, second, texts::kArmedRestart});
        break;
    default:
        confirmation =
            JoinTexts({texts::kArmedPrefix, hour, texts::kHourUnit, minute, texts::kMinuteUnit,
                       second, texts::kArmedRun, ReadText(window, controls::kPathBox)});
        break;
    }
    WriteProperty(window[controls::kConfirmationLabel], TextProperty::Caption, confirmation);
}

} // namespace zbw
