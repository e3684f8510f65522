// Reads what Windows and Explorer read from an executable file without running it: its version
// texts, its icons, and the execution level its manifest asks for.
//
//   release_facts PATH
//
// prints tab-separated lines in UTF-8:
//
//   product       the ProductName text
//   description   the FileDescription text
//   version       the ProductVersion text
//   file-version  the file version numbers, as a.b.c.d
//   icons         how many icons Explorer finds in the file
//   program-icon  1 when the file's first icon is the program's own icon, byte for byte
//   level         the requestedExecutionLevel of the manifest
#include "ui/program_icon.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include <shellapi.h>

namespace {

constexpr std::size_t kIconFileHeaderSize = 6 + 16; // the header and the one directory entry

std::string Utf8(std::wstring_view text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

std::wstring VersionText(const std::vector<BYTE>& block, const wchar_t* name) {
    if (block.empty()) {
        return {};
    }
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &size) ||
        size < sizeof(Translation)) {
        return {};
    }
    wchar_t path[128] = {};
    wsprintfW(path, L"\\StringFileInfo\\%04x%04x\\%s", translations[0].language,
              translations[0].codePage, name);
    wchar_t* text = nullptr;
    if (!VerQueryValueW(block.data(), path, reinterpret_cast<void**>(&text), &size)) {
        return {};
    }
    return std::wstring(text, size > 0 ? size - 1 : 0);
}

std::string FileVersion(const std::vector<BYTE>& block) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (block.empty() ||
        !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size)) {
        return {};
    }
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + '.' +
           std::to_string(LOWORD(fixed->dwFileVersionMS)) + '.' +
           std::to_string(HIWORD(fixed->dwFileVersionLS)) + '.' +
           std::to_string(LOWORD(fixed->dwFileVersionLS));
}

std::span<const BYTE> ResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module, name, type);
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, found);
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, found)};
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first) {
    *reinterpret_cast<LPCWSTR*>(first) = name;
    return FALSE;
}

// The image of the first icon group's first icon, compared with the image in the program's icon
// file.
bool FirstIconIsProgramIcon(HMODULE module) {
    LPCWSTR group = nullptr;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14), TakeFirstName, // RT_GROUP_ICON
                       reinterpret_cast<LONG_PTR>(&group));
    if (group == nullptr) {
        return false;
    }
    const auto directory = ResourceBytes(module, group, MAKEINTRESOURCEW(14));
    constexpr std::size_t kFirstIconIdOffset = 6 + 12; // header, then 12 bytes into the entry
    if (directory.size() < kFirstIconIdOffset + 2) {
        return false;
    }
    const WORD iconId =
        static_cast<WORD>(directory[kFirstIconIdOffset] | directory[kFirstIconIdOffset + 1] << 8);
    const auto image = ResourceBytes(module, MAKEINTRESOURCEW(iconId), MAKEINTRESOURCEW(3));
    const auto expected = zbw::ProgramIconFile().subspan(kIconFileHeaderSize);
    return std::ranges::equal(image, expected);
}

std::string ExecutionLevel(HMODULE module) {
    const auto manifest = ResourceBytes(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    const std::string_view text(reinterpret_cast<const char*>(manifest.data()), manifest.size());
    constexpr std::string_view kElement = "<requestedExecutionLevel";
    constexpr std::string_view kLevel = "level=\"";
    const auto element = text.find(kElement);
    const auto level = element == std::string_view::npos ? element : text.find(kLevel, element);
    if (level == std::string_view::npos) {
        return {};
    }
    const auto begin = level + kLevel.size();
    return std::string(text.substr(begin, text.find('"', begin) - begin));
}

} // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 2) {
        return 2;
    }
    const std::wstring path = arguments[1];
    LocalFree(arguments);

    std::vector<BYTE> block(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    if (block.empty() ||
        !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) {
        block.clear();
    }
    const UINT icons = ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 0);
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        return 1;
    }
    const std::string report =
        "product\t" + Utf8(VersionText(block, L"ProductName")) + "\ndescription\t" +
        Utf8(VersionText(block, L"FileDescription")) + "\nversion\t" +
        Utf8(VersionText(block, L"ProductVersion")) + "\nfile-version\t" + FileVersion(block) +
        "\nicons\t" + std::to_string(icons) + "\nprogram-icon\t" +
        (FirstIconIsProgramIcon(module) ? "1" : "0") + "\nlevel\t" + ExecutionLevel(module) + '\n';
    FreeLibrary(module);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), report.data(), static_cast<DWORD>(report.size()),
              &written, nullptr);
    return 0;
}
