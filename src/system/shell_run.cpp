#include "system/shell_run.h"

#include "core/text_value.h"

#include <windows.h>

#include <shellapi.h>

namespace zbw {

void ShellRun(std::string_view file) {
    const TextValue path = TextValue::CopyOf(file);
    // The result is dropped on purpose: a path that cannot be started is not reported.
    static_cast<void>(ShellExecuteA(nullptr, nullptr, path.CStr(), nullptr, "", SW_SHOWNORMAL));
}

} // namespace zbw
