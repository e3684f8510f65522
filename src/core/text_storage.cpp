#include "core/text_storage.h"

#include "app/fatal_stop.h"
#include "core/fixed_text.h"
#include "core/program_texts.h"

#include <cstdlib>

namespace zbw {

char* AllocateTextStorage(std::size_t byteCount) {
    auto* bytes = static_cast<char*>(std::malloc(byteCount));
    if (bytes == nullptr) {
        StopForExhaustedMemory(byteCount);
    }
    return bytes;
}

void StopForExhaustedMemory(std::size_t byteCount) {
    FatalStop(
        FixedText<128>()
            .AppendFormatted(texts::kAllocationFailedFormat, static_cast<std::int32_t>(byteCount))
            .View(),
        0);
}

void ReleaseTextStorage(char* bytes) noexcept {
    std::free(bytes);
}

} // namespace zbw
