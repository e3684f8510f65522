#include "scheduler/arming.h"

namespace zbw {

void OnSetClicked(Form& /*window*/, EventRecord& /*event*/) {}

} // namespace zbw
