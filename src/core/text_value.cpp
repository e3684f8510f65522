#include "core/text_value.h"

#include "core/fixed_text.h"
#include "core/text_storage.h"

#include <cstring>

namespace zbw {
namespace {

std::string_view BeforeNul(std::string_view bytes) {
    const std::size_t nul = bytes.find('\0');
    return nul == std::string_view::npos ? bytes : std::string_view(bytes.data(), nul);
}

} // namespace

void TextValue::Release::operator()(char* bytes) const noexcept {
    ReleaseTextStorage(bytes);
}

TextValue TextValue::CopyOf(std::string_view bytes) {
    bytes = BeforeNul(bytes);
    if (bytes.empty()) {
        return {};
    }
    return JoinTexts({bytes});
}

std::int32_t CompareTexts(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const auto left = static_cast<unsigned char>(a[i]);
        const auto right = static_cast<unsigned char>(b[i]);
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

std::int32_t TextByteLength(std::string_view text) {
    return static_cast<std::int32_t>(BeforeNul(text).size());
}

TextValue JoinTexts(std::initializer_list<std::string_view> pieces) {
    std::size_t total = 1;
    for (const std::string_view piece : pieces) {
        total += static_cast<std::size_t>(TextByteLength(piece));
    }
    std::unique_ptr<char[], TextValue::Release> bytes(AllocateTextStorage(total));
    char* end = bytes.get();
    for (const std::string_view piece : pieces) {
        const auto length = static_cast<std::size_t>(TextByteLength(piece));
        std::memcpy(end, piece.data(), length);
        end += length;
    }
    *end = '\0';
    return TextValue(std::move(bytes));
}

TextValue IntegerToText(std::int32_t value) {
    return TextValue::CopyOf(FixedText<11>().AppendInteger(value).View());
}

} // namespace zbw
