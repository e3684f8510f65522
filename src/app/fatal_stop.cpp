#include "app/fatal_stop.h"

#include "app/frame.h"
#include "core/fixed_text.h"
#include "core/program_texts.h"

#include <windows.h>

namespace zbw {

void FatalStop(std::string_view message, std::int32_t code) {
    HoldEventsForGood();

    // Put together without the heap: the stop may come from memory running out.
    FixedText<1024> text;
    text.Append(texts::kRuntimeError).Append("\r\n\r\n");
    if (code != 0) {
        text.Append(texts::kErrorCodeLabel).AppendInteger(code).Append("\r\n\r\n");
    }
    if (!message.empty()) {
        text.Append(texts::kErrorMessageLabel).Append(message).Append("\r\n");
    }
    MessageBoxA(nullptr, text.CStr(), texts::kErrorTitle, MB_ICONHAND);

    SetEndRoutine(nullptr);
    ExitFrame(-1);
    ExitProcess(static_cast<UINT>(-1));
}

} // namespace zbw
