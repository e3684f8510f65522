#include "core/now_date_time.h"

namespace zbw {
namespace {

LocalTimeReader localTimeReader = &GetLocalTime;

} // namespace

void SetLocalTimeReader(LocalTimeReader reader) {
    localTimeReader = reader != nullptr ? reader : &GetLocalTime;
}

DateTime NowDateTime() {
    SYSTEMTIME now{};
    localTimeReader(&now);
    return DateTimeFromCivil(
        {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
}

} // namespace zbw
