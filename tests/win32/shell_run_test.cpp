#include "system/shell_run.h"

#include "support/message_pump.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include <windows.h>

namespace zbw {
namespace {

// The frame made the test program's folder the current directory; marker_writer.exe lies there
// and appends a line to marker.txt beside itself each time it runs.
class ShellRunTest : public ::testing::Test {
  protected:
    void SetUp() override { DeleteFileA(kMarker); }
    void TearDown() override { DeleteFileA(kMarker); }

    static std::string FolderPath() {
        char folder[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, folder);
        return folder;
    }

    static std::string Marker() {
        std::ifstream file(kMarker, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    static bool MarkerReads(const std::string& expected) {
        return test::PumpUntil([&] { return Marker() == expected; });
    }

    static constexpr char kMarker[] = "marker.txt";
};

TEST_F(ShellRunTest, StartsAProgramByAbsolutePathAndByPathRelativeToTheProgramFolder) {
    ShellRun(FolderPath() + "\\marker_writer.exe");
    EXPECT_TRUE(MarkerReads("started\r\n"));

    ShellRun("marker_writer.exe");
    EXPECT_TRUE(MarkerReads("started\r\nstarted\r\n"));
}

TEST_F(ShellRunTest, EmptyOrMissingPathStartsNothingAndReportsNothing) {
    ShellRun("");
    ShellRun("no_such_program.exe");
    // Proof that the shell had its chance: a later launch still lands, and nothing came before it.
    ShellRun("marker_writer.exe");
    EXPECT_TRUE(MarkerReads("started\r\n"));
}

} // namespace
} // namespace zbw
