#pragma once

// Every text the program shows, as code page 936 bytes. The definitions are written in Chinese in
// program_texts.cpp, which alone is compiled with the GBK execution character set.
namespace zbw::texts {

extern const char kProgramTitle[];
extern const char kInformationTitle[];
extern const char kErrorTitle[];
extern const char kNowTimeLabel[];

extern const char kRuntimeError[];
extern const char kErrorCodeLabel[];
extern const char kErrorMessageLabel[];
extern const char kAllocationFailedFormat[];
extern const char kLoadStartWindowFailed[];
extern const char kLoadWindowTemplateFailed[];
extern const char kEventWindowNotFound[];
extern const char kEventControlNotFound[];
extern const char kEventControlInvalid[];
extern const char kAccessedWindowNotLoaded[];

// What the set button reports as missing.
extern const char kEnterHour[];
extern const char kEnterMinute[];
extern const char kEnterSecond[];
extern const char kChooseCommand[];
extern const char kChooseProgramPath[];

} // namespace zbw::texts
