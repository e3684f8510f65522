#include "system/browse_for_path.h"

#include "system/modal_scope.h"

#include <memory>

#include <windows.h>

#include <shlobj.h>

namespace zbw {
namespace {

// The shell hands out item identifier lists from its own allocator, and they go back to it.
struct ShellAllocatorRelease {
    void operator()(IMalloc* allocator) const noexcept { allocator->Release(); }
};
using ShellAllocator = std::unique_ptr<IMalloc, ShellAllocatorRelease>;

struct ItemListFree {
    void operator()(ITEMIDLIST* list) const noexcept {
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(SHGetMalloc(&allocator))) {
            const ShellAllocator owner(allocator);
            owner->Free(list);
        }
    }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

} // namespace

TextValue BrowseForPath(std::string_view title, bool includeFiles) {
    char displayName[MAX_PATH] = {};
    const TextValue dialogTitle = TextValue::CopyOf(title);
    BROWSEINFOA browse{};
    browse.pszDisplayName = displayName;
    browse.lpszTitle = dialogTitle.CStr();
    browse.ulFlags = includeFiles ? BIF_BROWSEINCLUDEFILES | BIF_EDITBOX : BIF_EDITBOX;

    ItemList chosen;
    {
        const ModalScope modal;
        browse.hwndOwner = modal.Owner();
        chosen.reset(SHBrowseForFolderA(&browse));
    }
    if (!chosen) {
        return {};
    }
    displayName[0] = '\0';
    // An item outside the file system, such as a virtual folder, has no path and gives none.
    if (!SHGetPathFromIDListA(chosen.get(), displayName)) {
        return {};
    }
    return TextValue::CopyOf(displayName);
}

} // namespace zbw
