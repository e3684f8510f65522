#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zbw {

// A text put together in a buffer of its own, for the messages that must not need the heap (the
// heap may be what failed) and for integers on their way to a text. What does not fit is cut off.
template <std::size_t Capacity> class FixedText {
  public:
    FixedText& Append(std::string_view piece) {
        const std::size_t room = Capacity - length_;
        const std::size_t count = piece.size() < room ? piece.size() : room;
        std::copy_n(piece.data(), count, bytes_ + length_);
        length_ += count;
        bytes_[length_] = '\0';
        return *this;
    }

    // As "%d" writes it: no leading zeros, no width, no grouping.
    FixedText& AppendInteger(std::int32_t value) {
        char digits[12]; // "-2147483648"
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        return Append(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
    }

    // The format with its first "%d" replaced by the value.
    FixedText& AppendFormatted(std::string_view format, std::int32_t value) {
        const std::size_t marker = format.find("%d");
        if (marker == std::string_view::npos) {
            return Append(format);
        }
        Append(std::string_view(format.data(), marker));
        AppendInteger(value);
        return Append(std::string_view(format.data() + marker + 2, format.size() - marker - 2));
    }

    const char* CStr() const { return bytes_; }
    std::string_view View() const { return {bytes_, length_}; }

  private:
    char bytes_[Capacity + 1] = {};
    std::size_t length_ = 0;
};

} // namespace zbw
