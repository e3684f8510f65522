#pragma once

#include <string_view>

namespace zbw {

// Hands the file to the shell with its default verb: a program is started, a document opened with
// its application. A relative path is resolved against the current directory. Failure is not
// reported.
void ShellRun(std::string_view file);

} // namespace zbw
