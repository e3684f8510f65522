#include "core/program_texts.h"

#include <gtest/gtest.h>

#include <string_view>

namespace zbw {
namespace {

// The program's texts are stored as code page 936 bytes; these pin them.
TEST(ProgramTexts, AreCodePage936Bytes) {
    struct Case {
        const char* text;
        std::string_view bytes;
    };
    const Case cases[] = {
        {texts::kProgramTitle, "\xD6\xD3\xB0\xDA\xCE\xDD"},
        {texts::kInformationTitle, "\xD0\xC5\xCF\xA2\xA3\xBA"},
        {texts::kErrorTitle, "\xB4\xED\xCE\xF3"},
        {texts::kRuntimeError, "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!"},
        {texts::kErrorCodeLabel, "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA"},
        {texts::kErrorMessageLabel, "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"},
        {texts::kAllocationFailedFormat,
         "\xB7\xD6\xC5\xE4 %d \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!"},
        {texts::kLoadStartWindowFailed, "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7"
                                        "\xB0\xDC"},
        {texts::kNowTimeLabel, "\xCF\xD6\xD4\xDA\xCA\xB1\xBC\xE4\xA3\xBA "},
        {texts::kSetTimeLabel, "\xC9\xE8\xB6\xA8\xCA\xB1\xBC\xE4\xA3\xBA"},
        {texts::kSetTimeUnits, "  \xCA\xB1       \xB7\xD6       \xC3\xEB"},
        {texts::kHourUnit, "\xCA\xB1"},
        {texts::kMinuteUnit, "\xB7\xD6"},
        {texts::kSecondUnit, "\xC3\xEB"},
        {texts::kShutDownChoice, "\xB9\xD8\xBB\xFA"},
        {texts::kRestartChoice, "\xD6\xD8\xC6\xF4"},
        {texts::kRunProgramChoice, "\xD4\xCB\xD0\xD0\xB3\xCC\xD0\xF2"},
        {texts::kSetButton, "\xC9\xE8\xB6\xA8"},
        {texts::kProgramPathLabel, "\xB3\xCC\xD0\xF2\xC2\xB7\xBE\xB6"},
        {texts::kBrowseButton, "\xE4\xAF\xC0\xC0"},
        {texts::kSongTypeface, "\xCB\xCE\xCC\xE5"},
        {texts::kChooseProgram, "\xC7\xEB\xD1\xA1\xD4\xF1\xB3\xCC\xD0\xF2"},
        {texts::kArmedPrefix, "\xC9\xE8\xB6\xA8\xB3\xC9\xB9\xA6\xA3\xA1\xC4\xFA\xB5\xC4"
                              "\xB5\xE7\xC4\xD4\xBD\xAB\xD4\xDA "},
        {texts::kArmedShutDown, "\xC3\xEB \xB9\xD8\xBB\xFA"},
        {texts::kArmedRestart, "\xC3\xEB \xD6\xD8\xC6\xF4"},
        {texts::kArmedRun, "\xC3\xEB\xD6\xB4\xD0\xD0 "},
        {texts::kEnterHour, "\xC7\xEB\xCA\xE4\xC8\xEB\xCA\xB1\xA3\xA1"},
        {texts::kEnterMinute, "\xC7\xEB\xCA\xE4\xC8\xEB\xB7\xD6\xA3\xA1"},
        {texts::kEnterSecond, "\xC7\xEB\xCA\xE4\xC8\xEB\xC3\xEB\xA3\xA1"},
        {texts::kChooseCommand, "\xC7\xEB\xD1\xA1\xD4\xF1\xD2\xAA\xD6\xB4\xD0\xD0\xB5\xC4"
                                "\xC3\xFC\xC1\xEE\xA3\xA1"},
        {texts::kWindowMissingOrNotLoaded, "\xD6\xB8\xB6\xA8\xB4\xB0\xBF\xDA\xBB\xF2\xB4\xB0"
                                           "\xBF\xDA\xD7\xE9\xBC\xFE\xB2\xBB\xB4\xE6\xD4\xDA"
                                           "\xBB\xF2\xC9\xD0\xCE\xB4\xD4\xD8\xC8\xEB"},
        {texts::kChooseProgramPath, "\xC7\xEB\xD1\xA1\xD4\xF1\xD2\xAA\xD6\xB4\xD0\xD0\xB3"
                                    "\xCC\xD0\xF2\xB5\xC4\xC2\xB7\xBE\xB6\xA3\xA1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(std::string_view(c.text), c.bytes);
    }
}

} // namespace
} // namespace zbw
