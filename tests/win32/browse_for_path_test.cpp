#include "system/browse_for_path.h"

#include "support/child_process.h"
#include "support/dialogs.h"
#include "support/loaded_window.h"
#include "support/message_pump.h"
#include "support/test_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>

namespace zbw {
namespace {

constexpr char kTitle[] = "Pick a path";

// The names under which the browse tree lists an item and its ancestors, from the desktop's child
// down to the item itself: the shell folders' ordinary display names.
std::vector<std::string> TreeNamesOf(LPCITEMIDLIST item) {
    std::vector<std::string> names;
    LPITEMIDLIST prefix = ILClone(item);
    while (prefix != nullptr && !ILIsEmpty(prefix)) {
        IShellFolder* parent = nullptr;
        LPCITEMIDLIST last = nullptr;
        if (FAILED(SHBindToParent(prefix, IID_IShellFolder, reinterpret_cast<void**>(&parent),
                                  &last))) {
            names.clear();
            break;
        }
        STRRET name{};
        char text[MAX_PATH] = {};
        if (SUCCEEDED(parent->GetDisplayNameOf(last, SHGDN_NORMAL, &name))) {
            StrRetToBufA(&name, last, text, MAX_PATH);
        }
        parent->Release();
        names.insert(names.begin(), text);
        ILRemoveLastID(prefix);
    }
    ILFree(prefix);
    return names;
}

std::vector<std::string> TreeNamesOfPath(const std::string& path) {
    LPITEMIDLIST item = ILCreateFromPathA(path.c_str());
    std::vector<std::string> names = TreeNamesOf(item);
    ILFree(item);
    return names;
}

std::vector<std::string> TreeNamesOfMyComputer() {
    LPITEMIDLIST item = nullptr;
    SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &item);
    std::vector<std::string> names = TreeNamesOf(item);
    ILFree(item);
    return names;
}

std::string ItemText(HWND tree, HTREEITEM item) {
    char text[MAX_PATH] = {};
    TVITEMA query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = MAX_PATH;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
    return text;
}

// Walks the dialog's tree from the desktop, expanding on the way as a user would, and selects
// the item; false when the tree does not list it.
bool SelectInTree(HWND dialog, const std::vector<std::string>& names) {
    if (names.empty()) {
        return false;
    }
    const HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (const std::string& name : names) {
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        auto child = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
        while (child != nullptr && ItemText(tree, child) != name) {
            child = reinterpret_cast<HTREEITEM>(
                SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
        }
        if (child == nullptr) {
            return false;
        }
        item = child;
    }
    return SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

std::string ProgramFolder() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

// What a watcher thread saw and did while the test's thread sat in the dialog.
struct SeenDialog {
    bool found = false;
    bool titleShown = false;
    bool mainWindowEnabled = true;
    bool otherWindowEnabled = true;
    bool disabledWindowEnabled = true;
    bool ticked = false;
    bool selected = false;
};

// The program's main window, enabled and active, with a ticking timer; beside it two other
// top-level windows of the program, one enabled and one disabled before the chooser opens.
class BrowseForPathTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(disabled_.Get(), nullptr);
        ASSERT_NE(other_.Get(), nullptr);
        ASSERT_NE(main_.Get(), nullptr);
        EnableWindow(disabled_.Handle(), FALSE);
        SetForegroundWindow(main_.Handle());
        SetActiveWindow(main_.Handle());
        test::PumpMessages();
        ASSERT_EQ(GetActiveWindow(), main_.Handle());

        std::ofstream(kFileName) << "target";
        file_ = ProgramFolder() + "\\" + kFileName;
    }
    void TearDown() override { DeleteFileA(kFileName); }

    // Opens the chooser; a watcher thread selects the item that the names lead to, if any, then
    // presses the button.
    TextValue Browse(bool includeFiles, const std::vector<std::string>& names, int button) {
        const HWND mainWindow = main_.Handle();
        const HWND otherWindow = other_.Handle();
        const HWND disabledWindow = disabled_.Handle();
        seen_ = {};
        test::DialogWatcher watcher(GetCurrentThreadId(), [&](HWND dialog) {
            seen_.found = true;
            const std::vector<std::string> texts = test::StaticTexts(dialog);
            seen_.titleShown = std::find(texts.begin(), texts.end(), kTitle) != texts.end();
            seen_.mainWindowEnabled = IsWindowEnabled(mainWindow) != FALSE;
            seen_.otherWindowEnabled = IsWindowEnabled(otherWindow) != FALSE;
            seen_.disabledWindowEnabled = IsWindowEnabled(disabledWindow) != FALSE;
            const int ticksAtOpen = test::TickCount();
            seen_.ticked = test::PollUntil([&] { return test::TickCount() >= ticksAtOpen + 3; });
            seen_.selected = SelectInTree(dialog, names);
            test::PressDialogButton(dialog, button);
        });
        return BrowseForPath(kTitle, includeFiles);
    }

    void ExpectModalWhileOpenAndRestoredAfter() {
        EXPECT_TRUE(seen_.found);
        EXPECT_TRUE(seen_.titleShown);
        EXPECT_FALSE(seen_.mainWindowEnabled);
        EXPECT_FALSE(seen_.otherWindowEnabled);
        EXPECT_FALSE(seen_.disabledWindowEnabled);
        EXPECT_TRUE(seen_.ticked);
        EXPECT_TRUE(IsWindowEnabled(main_.Handle()));
        EXPECT_EQ(GetActiveWindow(), main_.Handle());
        EXPECT_TRUE(IsWindowEnabled(other_.Handle()));
        EXPECT_FALSE(IsWindowEnabled(disabled_.Handle()));
    }

    static constexpr char kFileName[] = "browse_target.txt";
    test::LoadedWindow disabled_{test::PlainWindowDefinition()};
    test::LoadedWindow other_{test::PlainWindowDefinition()};
    test::LoadedWindow main_{test::TickingWindowDefinition()};
    std::string file_;
    SeenDialog seen_;
};

TEST_F(BrowseForPathTest, ChoosingAFileOrAFolderGivesItsPath) {
    struct Case {
        const char* label;
        std::string path;
    };
    const Case cases[] = {{"file", file_}, {"folder", ProgramFolder()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const TextValue chosen = Browse(true, TreeNamesOfPath(c.path), IDOK);
        EXPECT_TRUE(seen_.selected);
        EXPECT_EQ(chosen.View(), c.path);
        ExpectModalWhileOpenAndRestoredAfter();
    }
}

TEST_F(BrowseForPathTest, CancellingOrChoosingAnItemWithoutPathGivesAbsentText) {
    const TextValue cancelled = Browse(true, TreeNamesOfPath(file_), IDCANCEL);
    EXPECT_TRUE(seen_.selected);
    EXPECT_TRUE(cancelled.IsAbsent());
    ExpectModalWhileOpenAndRestoredAfter();

    const TextValue virtualItem = Browse(true, TreeNamesOfMyComputer(), IDOK);
    EXPECT_TRUE(seen_.selected);
    EXPECT_TRUE(virtualItem.IsAbsent());
    ExpectModalWhileOpenAndRestoredAfter();
}

TEST_F(BrowseForPathTest, WithoutFilesTheTreeListsFoldersOnly) {
    const std::vector<std::string> fileNames = TreeNamesOfPath(file_);
    ASSERT_FALSE(fileNames.empty());
    const TextValue file = Browse(false, fileNames, IDCANCEL);
    EXPECT_FALSE(seen_.selected);
    EXPECT_TRUE(file.IsAbsent());

    const TextValue folder = Browse(false, TreeNamesOfPath(ProgramFolder()), IDOK);
    EXPECT_TRUE(seen_.selected);
    EXPECT_EQ(folder.View(), ProgramFolder());
    ExpectModalWhileOpenAndRestoredAfter();
}

} // namespace
} // namespace zbw
