#include "system/power.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

namespace zbw {
namespace {

const HANDLE kToken = reinterpret_cast<HANDLE>(0x1234);
constexpr LUID kShutdownLuid{19, 0};

// How the played platform answers, and what the power actions asked of it.
struct Platform {
    DWORD platformId = VER_PLATFORM_WIN32_NT;
    bool tokenOpens = true;
    BOOL adjustResult = TRUE;
    DWORD adjustError = ERROR_SUCCESS;
    BOOL exitResult = TRUE;
};

struct Calls {
    int versionQueries = 0;
    bool versionQueryZeroFilled = true;
    DWORD versionQuerySize = 0;
    std::vector<std::string> order;
    HANDLE tokenProcess = nullptr;
    DWORD tokenAccess = 0;
    std::string privilegeName;
    bool privilegeSystemNull = false;
    HANDLE adjustedToken = nullptr;
    BOOL disableAll = TRUE;
    TOKEN_PRIVILEGES adjusted{};
    bool previousStateAsked = true;
    std::vector<UINT> exitFlags;
    DWORD exitReason = 1;
    std::vector<HANDLE> closed;
};

Platform platform;
Calls calls;

BOOL WINAPI PlayGetVersion(OSVERSIONINFOA* version) {
    ++calls.versionQueries;
    calls.versionQuerySize = version->dwOSVersionInfoSize;
    const auto* bytes = reinterpret_cast<const unsigned char*>(version);
    for (std::size_t i = sizeof version->dwOSVersionInfoSize; i < sizeof *version; ++i) {
        calls.versionQueryZeroFilled = calls.versionQueryZeroFilled && bytes[i] == 0;
    }
    version->dwPlatformId = platform.platformId;
    return TRUE;
}

BOOL WINAPI PlayOpenProcessToken(HANDLE process, DWORD access, HANDLE* token) {
    calls.order.push_back("open");
    calls.tokenProcess = process;
    calls.tokenAccess = access;
    if (!platform.tokenOpens) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    *token = kToken;
    return TRUE;
}

BOOL WINAPI PlayLookupPrivilegeValue(const char* system, const char* name, LUID* identifier) {
    calls.order.push_back("lookup");
    calls.privilegeSystemNull = system == nullptr;
    calls.privilegeName = name;
    *identifier = kShutdownLuid;
    return TRUE;
}

BOOL WINAPI PlayAdjustTokenPrivileges(HANDLE token, BOOL disableAll, TOKEN_PRIVILEGES* newState,
                                      DWORD previousStateLength, TOKEN_PRIVILEGES* previousState,
                                      DWORD* returnLength) {
    calls.order.push_back("adjust");
    calls.adjustedToken = token;
    calls.disableAll = disableAll;
    calls.adjusted = *newState;
    calls.previousStateAsked =
        previousStateLength != 0 || previousState != nullptr || returnLength != nullptr;
    SetLastError(platform.adjustError);
    return platform.adjustResult;
}

BOOL WINAPI PlayExitWindows(UINT flags, DWORD reason) {
    calls.order.push_back("exit");
    calls.exitFlags.push_back(flags);
    calls.exitReason = reason;
    return platform.exitResult;
}

BOOL WINAPI PlayCloseHandle(HANDLE handle) {
    calls.order.push_back("close");
    calls.closed.push_back(handle);
    return TRUE;
}

class PowerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform = {};
        calls = {};
        real_ = SetPowerApi({PlayGetVersion, PlayOpenProcessToken, PlayLookupPrivilegeValue,
                             PlayAdjustTokenPrivileges, PlayExitWindows, PlayCloseHandle});
    }
    void TearDown() override { SetPowerApi(real_); }

  private:
    PowerApi real_{};
};

TEST_F(PowerTest, FlagsFollowModeForceAndThePlatformAskedOnEachCall) {
    struct Case {
        DWORD platformId;
        std::int32_t mode;
        bool force;
        UINT flags;
    };
    constexpr DWORD kOther = VER_PLATFORM_WIN32_WINDOWS;
    const Case cases[] = {
        {VER_PLATFORM_WIN32_NT, 1, true, 0xC},  {kOther, 1, true, 0x5},
        {VER_PLATFORM_WIN32_NT, 2, true, 0x6},  {kOther, 2, true, 0x6},
        {VER_PLATFORM_WIN32_NT, 1, false, 0x8}, {kOther, 1, false, 0x1},
        {VER_PLATFORM_WIN32_NT, 2, false, 0x2}, {kOther, 2, false, 0x2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "platform " << c.platformId << " mode " << c.mode << " force " << c.force);
        calls = {};
        platform.platformId = c.platformId;
        EXPECT_TRUE(ShutDownSystem(c.mode, c.force));
        EXPECT_EQ(calls.exitFlags, std::vector<UINT>{c.flags});
        EXPECT_EQ(calls.exitReason, 0u);
        EXPECT_EQ(calls.versionQuerySize, 148u);
        EXPECT_TRUE(calls.versionQueryZeroFilled);
        if (c.platformId == VER_PLATFORM_WIN32_NT) {
            const std::vector<std::string> order{"open", "lookup", "adjust", "close", "exit"};
            EXPECT_EQ(calls.order, order);
        } else {
            EXPECT_EQ(calls.order, std::vector<std::string>{"exit"}); // no token on this platform
        }
    }
}

TEST_F(PowerTest, EnablesTheShutdownPrivilegeInTheProcessToken) {
    EXPECT_TRUE(EnableShutdownPrivilege());

    EXPECT_EQ(calls.tokenProcess, GetCurrentProcess());
    EXPECT_EQ(calls.tokenAccess, 0x28u); // TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY
    EXPECT_TRUE(calls.privilegeSystemNull);
    EXPECT_EQ(calls.privilegeName, "SeShutdownPrivilege");
    EXPECT_EQ(calls.adjustedToken, kToken);
    EXPECT_FALSE(calls.disableAll);
    EXPECT_EQ(calls.adjusted.PrivilegeCount, 1u);
    EXPECT_EQ(calls.adjusted.Privileges[0].Luid.LowPart, kShutdownLuid.LowPart);
    EXPECT_EQ(calls.adjusted.Privileges[0].Luid.HighPart, kShutdownLuid.HighPart);
    EXPECT_EQ(calls.adjusted.Privileges[0].Attributes, DWORD{SE_PRIVILEGE_ENABLED});
    EXPECT_FALSE(calls.previousStateAsked);
    EXPECT_EQ(calls.closed, std::vector<HANDLE>{kToken});
}

TEST_F(PowerTest, PlatformIsAskedAgainOnEveryCall) {
    EXPECT_TRUE(ShutDownSystem(1, true));
    platform.platformId = VER_PLATFORM_WIN32_WINDOWS;
    EXPECT_TRUE(ShutDownSystem(1, true));
    EXPECT_EQ(calls.exitFlags, (std::vector<UINT>{0xC, 0x5}));
}

TEST_F(PowerTest, FailuresAreReportedAndStopBeforeTheRequest) {
    struct Case {
        const char* label;
        Platform platform;
        bool result;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {"token not opened", {.tokenOpens = false}, false, {"open"}},
        // The adjustment succeeds for an account without the privilege; the last error tells.
        {"privilege not held",
         {.adjustResult = TRUE, .adjustError = ERROR_NOT_ALL_ASSIGNED},
         false,
         {"open", "lookup", "adjust", "close"}},
        {"adjustment reports failure but leaves no error",
         {.adjustResult = FALSE, .adjustError = ERROR_SUCCESS},
         true,
         {"open", "lookup", "adjust", "close", "exit"}},
        {"request refused",
         {.exitResult = FALSE},
         false,
         {"open", "lookup", "adjust", "close", "exit"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        calls = {};
        platform = c.platform;
        SetLastError(ERROR_INVALID_FUNCTION); // a stale error must not decide
        EXPECT_EQ(ShutDownSystem(1, true), c.result);
        EXPECT_EQ(calls.order, c.order);
    }
}

TEST_F(PowerTest, ModesOtherThanShutDownAndRestartAskForNothing) {
    for (const std::int32_t mode : {0, 3, -1}) {
        EXPECT_FALSE(ShutDownSystem(mode, true)) << mode;
    }
    EXPECT_TRUE(calls.order.empty());
    EXPECT_EQ(calls.versionQueries, 0);
}

// The real calls, short of the request itself: the shutdown privilege can be enabled here.
TEST(PowerRealPlatform, EnablesTheShutdownPrivilege) {
    EXPECT_TRUE(EnableShutdownPrivilege());
}

} // namespace
} // namespace zbw
