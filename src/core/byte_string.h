#pragma once

#include "core/text_storage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace zbw {

// An owned block of bytes with its length, from the same heap as texts; an empty one is absent.
class ByteString {
  public:
    ByteString() = default;

    static ByteString CopyOf(std::span<const std::uint8_t> bytes);

    bool IsAbsent() const { return !bytes_; }
    std::span<const std::uint8_t> Bytes() const { return {bytes_.get(), size_}; }

  private:
    struct Release {
        void operator()(std::uint8_t* bytes) const noexcept {
            ReleaseTextStorage(reinterpret_cast<char*>(bytes));
        }
    };
    std::unique_ptr<std::uint8_t[], Release> bytes_;
    std::size_t size_ = 0;
};

inline ByteString ByteString::CopyOf(std::span<const std::uint8_t> bytes) {
    ByteString copy;
    if (!bytes.empty()) {
        copy.bytes_.reset(reinterpret_cast<std::uint8_t*>(AllocateTextStorage(bytes.size())));
        std::copy(bytes.begin(), bytes.end(), copy.bytes_.get());
        copy.size_ = bytes.size();
    }
    return copy;
}

} // namespace zbw
