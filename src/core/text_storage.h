#pragma once

#include <cstddef>

namespace zbw {

// Storage for text bytes from the process heap. An allocation either succeeds or ends the process
// through FatalStop with "分配 %d 字节内存失败!".
char* AllocateTextStorage(std::size_t byteCount);
void ReleaseTextStorage(char* bytes) noexcept;

// FatalStop with "分配 %d 字节内存失败!" for an allocation of that many bytes that failed.
[[noreturn]] void StopForExhaustedMemory(std::size_t byteCount);

} // namespace zbw
