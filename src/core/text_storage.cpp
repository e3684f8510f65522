#include "core/text_storage.h"

#include "app/fatal_stop.h"
#include "core/program_texts.h"

#include <cstdio>
#include <cstdlib>

namespace zbw {

char* AllocateTextStorage(std::size_t byteCount) {
    auto* bytes = static_cast<char*>(std::malloc(byteCount));
    if (bytes == nullptr) {
        char message[128];
        std::snprintf(message, sizeof message, texts::kAllocationFailedFormat,
                      static_cast<int>(byteCount));
        FatalStop(message, 0);
    }
    return bytes;
}

void ReleaseTextStorage(char* bytes) noexcept {
    std::free(bytes);
}

} // namespace zbw
