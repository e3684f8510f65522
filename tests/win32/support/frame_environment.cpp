#include "support/frame_environment.h"

#include "app/frame.h"

namespace zbw::test {

void FrameEnvironment::SetUp() {
    InitFrame({});
}

} // namespace zbw::test
