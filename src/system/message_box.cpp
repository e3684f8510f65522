#include "system/message_box.h"

#include "core/program_texts.h"
#include "core/text_value.h"

#include <windows.h>

namespace zbw {

std::int32_t ShowMessageBox(std::string_view message, std::int32_t flags,
                            std::optional<std::string_view> title) {
    auto style = static_cast<UINT>(flags);
    if ((style & MB_SYSTEMMODAL) == 0) {
        style |= MB_TASKMODAL;
    }
    const TextValue shownMessage = TextValue::CopyOf(message);
    const TextValue shownTitle = TextValue::CopyOf(title.value_or(texts::kInformationTitle));
    return MessageBoxA(nullptr, shownMessage.CStr(), shownTitle.CStr(), style);
}

} // namespace zbw
