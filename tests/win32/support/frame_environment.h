#pragma once

#include <gtest/gtest.h>

namespace zbw::test {

// Starts the frame once for a test program, as the program's start routine does, with no
// definitions to check; each test then loads and destroys its own windows.
class FrameEnvironment : public ::testing::Environment {
  public:
    void SetUp() override;
};

} // namespace zbw::test
