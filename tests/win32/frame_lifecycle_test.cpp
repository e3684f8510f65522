// The frame from process start to process end, watched from outside: each case starts the probe
// program with a scenario and reads its windows, its log and its exit code.
#include "support/child_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace zbw::test {
namespace {

constexpr DWORD kFatalExitCode = 0xFFFFFFFF; // -1

class FrameProbe {
  public:
    explicit FrameProbe(const std::string& scenario)
        : log_(TestProgramFolder() + "frame-probe-" + scenario + ".log"),
          process_(Command(scenario)) {}
    ~FrameProbe() { std::remove(log_.c_str()); }

    ChildProcess& Process() { return process_; }
    std::string Log() const {
        std::ifstream file(log_);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

  private:
    std::string Command(const std::string& scenario) {
        std::remove(log_.c_str());
        return Quoted(TestProgramFolder() + "frame_probe.exe") + " " + scenario + " " +
               Quoted(log_);
    }
    std::string log_;
    ChildProcess process_;
};

// The box of a fatal stop: its text, after which OK ends the process.
std::string FatalBoxText(ChildProcess& process) {
    const HWND box = process.WaitForWindow("#32770", "\xB4\xED\xCE\xF3"); // "错误"
    if (box == nullptr) {
        return "(no box)";
    }
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    const std::vector<std::string> texts = StaticTexts(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return texts.empty() ? std::string() : texts.back();
}

TEST(FrameLifecycle, CloseRequestRunsWillBeDestroyedOnceAndExitsWithZero) {
    FrameProbe probe("close");
    const HWND window = probe.Process().WaitForWindow("", "frame probe");
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.Process().WaitForExit(), 0u);
    EXPECT_EQ(probe.Log(), "WillBeDestroyed\nEndRoutine\n");
}

TEST(FrameLifecycle, CreatedHandlerThatDestroysTheWindowEndsTheProgramUnseen) {
    FrameProbe probe("created-destroys");
    EXPECT_EQ(probe.Process().WaitForExit(), 0u);
    // No PositionChanged follows, so the window was never announced or shown.
    EXPECT_EQ(probe.Log(), "Created\nEndRoutine\n");
}

TEST(FrameLifecycle, FatalStopHoldsEveryEventWhileItsBoxIsOpenAndExitsWithMinusOne) {
    FrameProbe probe("fatal-from-tick");
    const HWND box = probe.Process().WaitForWindow("#32770", "\xB4\xED\xCE\xF3");
    ASSERT_NE(box, nullptr);
    // The 30 ms timer keeps firing underneath the box.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (probe.Log().find("WM_TIMER\nWM_TIMER\n") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        Sleep(20);
    }
    EXPECT_EQ(FatalBoxText(probe.Process()),
              "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n" // 运行时出错!
              "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA"
              "7\r\n\r\n" // 错误代码：7
              "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"
              "probe failure\r\n"); // 错误信息：
    EXPECT_EQ(probe.Process().WaitForExit(), kFatalExitCode);
    const std::string log = probe.Log();
    EXPECT_EQ(log.rfind("Tick\nWM_TIMER\nWM_TIMER\n", 0), 0u) << log;
    EXPECT_EQ(log.find("Tick", 1), std::string::npos) << "a handler ran after the fatal stop";
    EXPECT_EQ(log.find("EndRoutine"), std::string::npos) << "the end routine ran";
    EXPECT_EQ(log.find("WillBeDestroyed"), std::string::npos);
}

TEST(FrameLifecycle, UnrecoverableErrorsStopWithTheirMessage) {
    const std::string prefix = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n"
                               "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
    const std::pair<const char*, std::string> cases[] = {
        {"allocation-fails", "\xB7\xD6\xC5\xE4 2147483632 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7"
                             "\xB0\xDC!"}, // 分配 2147483632 字节内存失败!
        {"object-allocation-fails", "\xB7\xD6\xC5\xE4 2147483632 \xD7\xD6\xBD\xDA\xC4\xDA\xB4"
                                    "\xE6\xCA\xA7\xB0\xDC!"}, // the same for an object
        {"malformed-definition", "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD"
                                 "\xB6\xCE\xB3\xF6\xB4\xED!"}, // 载入窗口模板数据段出错!
        {"raise-unknown-window", "\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4"
                                 "\xB4\xB0\xBF\xDA"}, // 未找到引发事件的窗口
        {"raise-unknown-control", "\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5"
                                  "\xC4\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE"}, // ...窗口组件
        {"raise-invalid-control", "\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA\xD7"
                                  "\xE9\xBC\xFE\xCE\xDE\xD0\xA7"}, // 引发事件的窗口组件无效
        {"tray-icon-of-unloaded-window",
         "\xD6\xB8\xB6\xA8\xB4\xB0\xBF\xDA\xBB\xF2\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE"
         "\xB2\xBB\xB4\xE6\xD4\xDA\xBB\xF2\xC9\xD0\xCE\xB4\xD4\xD8\xC8\xEB"}, // 指定...尚未载入
    };
    for (const auto& [scenario, message] : cases) {
        FrameProbe probe(scenario);
        EXPECT_EQ(FatalBoxText(probe.Process()), std::string(prefix).append(message).append("\r\n"))
            << scenario;
        EXPECT_EQ(probe.Process().WaitForExit(), kFatalExitCode) << scenario;
        EXPECT_EQ(probe.Log(), "") << scenario;
    }
}

TEST(Program, OpensItsWindowAndEndsWithZeroOnAClosingRequest) {
    ChildProcess program(Quoted(TestProgramFolder() + "zhongbaiwu.exe"));
    const HWND window = program.WaitForWindow("", "\xD6\xD3\xB0\xDA\xCE\xDD"); // "钟摆屋"
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

} // namespace
} // namespace zbw::test
