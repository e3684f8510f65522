#pragma once

#include "core/text_storage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>

namespace zbw {

// A text in the ANSI code page: bytes ended by a NUL. An absent text and the empty text are the
// same value to every operation; only JoinTexts hands out a present empty text.
class TextValue {
  public:
    TextValue() = default;
    TextValue(TextValue&&) noexcept = default;
    TextValue& operator=(TextValue&&) noexcept = default;
    TextValue(const TextValue&) = delete;
    TextValue& operator=(const TextValue&) = delete;
    ~TextValue() = default;

    // A fresh copy of the bytes before the first NUL; an empty copy comes back absent.
    static TextValue CopyOf(std::string_view bytes);
    // A fresh text written in place by `fill`, which receives room for `capacity` bytes and a NUL
    // and returns how many bytes it wrote (below 1: none). The text ends at the first NUL; an empty
    // one comes back absent. Reading a platform text this way copies it once.
    template <typename Fill> static TextValue Filled(std::size_t capacity, Fill fill);

    bool IsAbsent() const { return !bytes_; }
    const char* CStr() const { return bytes_ ? bytes_.get() : ""; }
    std::string_view View() const { return CStr(); }
    operator std::string_view() const { return View(); }

  private:
    struct Release {
        void operator()(char* bytes) const noexcept;
    };
    explicit TextValue(std::unique_ptr<char[], Release> bytes) : bytes_(std::move(bytes)) {}

    friend TextValue JoinTexts(std::initializer_list<std::string_view> pieces);

    std::unique_ptr<char[], Release> bytes_;
};

template <typename Fill> TextValue TextValue::Filled(std::size_t capacity, Fill fill) {
    std::unique_ptr<char[], Release> bytes(AllocateTextStorage(capacity + 1));
    const auto written = fill(bytes.get());
    const std::size_t length =
        written > 0 ? std::min(static_cast<std::size_t>(written), capacity) : std::size_t{0};
    bytes[length] = '\0';
    if (bytes[0] == '\0') {
        return {};
    }
    return TextValue(std::move(bytes));
}

// 0 when equal, -1 when a sorts first, +1 when b does; bytes compare as unsigned values.
std::int32_t CompareTexts(std::string_view a, std::string_view b);

std::int32_t TextByteLength(std::string_view text);

// Measures every piece first, then copies them without separators into one allocation. The result
// is present even when every piece is empty.
TextValue JoinTexts(std::initializer_list<std::string_view> pieces);

// "%d": no leading zeros, no width, no grouping.
TextValue IntegerToText(std::int32_t value);

} // namespace zbw
