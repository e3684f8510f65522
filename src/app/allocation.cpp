// The program's allocation functions, in place of the C++ library's: exhausted memory ends the
// program through FatalStop, as it does for texts, where the library's would throw std::bad_alloc
// into code that handles no exceptions. Replacing them also keeps the library's exception runtime
// out of the executable.
#include "core/text_storage.h"

#include <cstdlib>
#include <new>

void* operator new(std::size_t byteCount) {
    void* block = std::malloc(byteCount == 0 ? 1 : byteCount);
    if (block == nullptr) {
        zbw::StopForExhaustedMemory(byteCount);
    }
    return block;
}

void* operator new(std::size_t byteCount, const std::nothrow_t& /*tag*/) noexcept {
    return std::malloc(byteCount == 0 ? 1 : byteCount);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t /*byteCount*/) noexcept {
    std::free(block);
}
