#include "app/fatal_stop.h"

#include "app/frame.h"
#include "core/program_texts.h"

#include <string>

#include <windows.h>

namespace zbw {

void FatalStop(std::string_view message, std::int32_t code) {
    HoldEventsForGood();

    std::string text = texts::kRuntimeError;
    text += "\r\n\r\n";
    if (code != 0) {
        text += texts::kErrorCodeLabel;
        text += std::to_string(code);
        text += "\r\n\r\n";
    }
    if (!message.empty()) {
        text += texts::kErrorMessageLabel;
        text += message;
        text += "\r\n";
    }
    MessageBoxA(nullptr, text.c_str(), texts::kErrorTitle, MB_ICONHAND);

    SetEndRoutine(nullptr);
    ExitFrame(-1);
    ExitProcess(static_cast<UINT>(-1));
}

} // namespace zbw
