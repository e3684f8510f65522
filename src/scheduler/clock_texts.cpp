#include "scheduler/clock_texts.h"

namespace zbw {
namespace {

constexpr std::string_view kSeparator = ":";

std::optional<int> NumberShown(std::string_view text, int limit) {
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[0] == '0')) {
        return std::nullopt;
    }
    int value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    return value < limit ? std::optional<int>(value) : std::nullopt;
}

} // namespace

TextValue JoinClockTexts(std::string_view hour, std::string_view minute, std::string_view second) {
    return JoinTexts({hour, kSeparator, minute, kSeparator, second});
}

std::optional<int> SecondOfDayShown(std::string_view hour, std::string_view minute,
                                    std::string_view second) {
    const auto h = NumberShown(hour, 24);
    const auto m = NumberShown(minute, 60);
    const auto s = NumberShown(second, 60);
    if (!h || !m || !s) {
        return std::nullopt;
    }
    return *h * 3600 + *m * 60 + *s;
}

} // namespace zbw
