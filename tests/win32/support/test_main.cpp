#include "support/frame_environment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new zbw::test::FrameEnvironment);
    return RUN_ALL_TESTS();
}
