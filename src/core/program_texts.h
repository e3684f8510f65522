#pragma once

// Every text the program shows, as code page 936 bytes. The definitions are written in Chinese in
// program_texts.cpp, which alone is compiled with the GBK execution character set.
namespace zbw::texts {

extern const char kProgramTitle[];
extern const char kInformationTitle[];
extern const char kErrorTitle[];
extern const char kNowTimeLabel[];
extern const char kSetTimeLabel[];
extern const char kSetTimeUnits[];
extern const char kHourUnit[];
extern const char kMinuteUnit[];
extern const char kSecondUnit[];
extern const char kShutDownChoice[];
extern const char kRestartChoice[];
extern const char kRunProgramChoice[];
extern const char kSetButton[];
extern const char kProgramPathLabel[];
extern const char kBrowseButton[];
// The face of the time fonts; a font's name is matched in the system's code page.
extern const char kSongTypeface[];

// The chooser's title and the confirmation of an armed schedule, joined around the set time.
extern const char kChooseProgram[];
extern const char kArmedPrefix[];
extern const char kArmedShutDown[];
extern const char kArmedRestart[];
extern const char kArmedRun[];

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
extern const char kWindowMissingOrNotLoaded[];

// What the set button reports as missing.
extern const char kEnterHour[];
extern const char kEnterMinute[];
extern const char kEnterSecond[];
extern const char kChooseCommand[];
extern const char kChooseProgramPath[];

} // namespace zbw::texts
