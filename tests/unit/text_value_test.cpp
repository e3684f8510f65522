#include "core/fixed_text.h"
#include "core/text_storage.h"
#include "core/text_value.h"

#include <gtest/gtest.h>

#include <limits>
#include <string_view>

namespace zbw {
namespace {

TEST(CompareTexts, AbsentAndEmptyAreTheSameValue) {
    const TextValue absent;
    const TextValue emptyCopy = TextValue::CopyOf("");
    EXPECT_TRUE(emptyCopy.IsAbsent());
    EXPECT_EQ(CompareTexts(absent, ""), 0);
    EXPECT_EQ(CompareTexts("", absent), 0);
    EXPECT_EQ(CompareTexts(absent, absent), 0);
    EXPECT_EQ(CompareTexts("a", absent), 1);
    EXPECT_EQ(CompareTexts(absent, "a"), -1);
}

TEST(CompareTexts, OrdersByUnsignedBytes) {
    struct Case {
        std::string_view a;
        std::string_view b;
        int expected;
    };
    const Case cases[] = {
        {"\x80", "a", 1},            // 0x80 sorts after 'a' as an unsigned byte
        {"\xCA\xB1", "\xCA\xB1", 0}, // "时"
        {"\xCA\xB1", "\xB7\xD6", 1}, // "时" after "分"
        {"1111", "111", 1},          // a longer text after its prefix
        {"09", "9", -1},             // no numeric reading
        {"A", "a", -1},              // no case folding
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareTexts(c.a, c.b), c.expected) << c.a << " vs " << c.b;
        EXPECT_EQ(CompareTexts(c.b, c.a), -c.expected) << c.b << " vs " << c.a;
    }
}

TEST(TextByteLength, CountsBytesBeforeTheNul) {
    EXPECT_EQ(TextByteLength(TextValue{}), 0);
    EXPECT_EQ(TextByteLength("\xD6\xD3\xB0\xDA\xCE\xDD"),
              6); // "钟摆屋": three double-byte characters
    EXPECT_EQ(TextByteLength(std::string_view("ab\0cd", 5)), 2);
}

TEST(JoinTexts, CopiesPiecesWithoutSeparators) {
    const TextValue absent;
    const TextValue allAbsent = JoinTexts({absent, absent, absent});
    EXPECT_FALSE(allAbsent.IsAbsent());
    EXPECT_EQ(allAbsent.View(), "");
    EXPECT_EQ(CompareTexts(allAbsent, absent), 0);

    // A join keeps no trace of where its pieces met.
    EXPECT_EQ(JoinTexts({"1", "11", "1"}).View(), "1111");
    EXPECT_EQ(JoinTexts({"11", "1", "1"}).View(), "1111");

    const TextValue hour = IntegerToText(8);
    EXPECT_EQ(JoinTexts({"<", hour, absent, "", "\xCA\xB1", ">"}).View(), "<8\xCA\xB1>");
}

TEST(IntegerToText, SignedDecimalWithoutLeadingZeros) {
    const std::pair<int, std::string_view> cases[] = {
        {0, "0"},   {7, "7"},
        {9, "9"},   {23, "23"},
        {59, "59"}, {-1, "-1"},
        {-5, "-5"}, {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
    };
    for (const auto& [value, text] : cases) {
        const TextValue formed = IntegerToText(value);
        EXPECT_FALSE(formed.IsAbsent());
        EXPECT_EQ(formed.View(), text);
    }
}

TEST(TextValueFilled, EndsAtTheFirstNulOrTheWrittenCount) {
    struct Case {
        std::string_view written; // what the filler writes
        int reported;             // the count it returns
        std::string_view expected;
    };
    const Case cases[] = {
        {"12:30", 5, "12:30"},
        {"12:30", 2, "12"},                       // fewer reported than written: the count wins
        {std::string_view("ab\0cd", 5), 5, "ab"}, // an inner NUL ends the text
        {"abcde", 9, "abcde"},                    // more reported than the room: cut at the room
        {"", 0, ""},
        {"x", -1, ""}, // a failure code writes nothing
    };
    for (const Case& c : cases) {
        const TextValue text = TextValue::Filled(5, [&](char* bytes) {
            c.written.copy(bytes, c.written.size());
            return c.reported;
        });
        EXPECT_EQ(text.View(), c.expected) << c.written;
        EXPECT_EQ(text.IsAbsent(), c.expected.empty()) << c.written;
    }
}

TEST(FixedText, CutsWhatDoesNotFitAndFillsInTheInteger) {
    EXPECT_EQ(FixedText<8>().Append("abcd").Append("efghij").View(), "abcdefgh");
    EXPECT_EQ(FixedText<8>().Append("abcdefgh").AppendInteger(5).View(), "abcdefgh");
    EXPECT_EQ(FixedText<32>().AppendFormatted("<%d>", -42).View(), "<-42>");
    EXPECT_EQ(FixedText<32>().AppendFormatted("none", 42).View(), "none");
    EXPECT_STREQ(FixedText<4>().Append("abcdef").CStr(), "abcd");
}

TEST(TextStorage, FailedAllocationStopsTheProgramWithTheByteCount) {
    const std::size_t impossible = std::numeric_limits<std::size_t>::max() / 2;
    EXPECT_EXIT(AllocateTextStorage(impossible), ::testing::ExitedWithCode(255),
                "FatalStop\\(0\\): \xB7\xD6\xC5\xE4 -?[0-9]+ \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6"
                "\xCA\xA7\xB0\xDC!");
}

} // namespace
} // namespace zbw
