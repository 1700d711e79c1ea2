#include <gtest/gtest.h>

#include <climits>

#include "SeparatorGuard.h"
#include "platform/runtime/SysUtils.h"

namespace {

TEST(StrToInt, AcceptsWhatTheClassLibraryAccepts) {
    const std::pair<const char*, int> cases[] = {
        {"123", 123},       {"  -45", -45},       {"+7", 7},
        {"$1F", 31},        {"0x1f", 31},         {"0X1F", 31},
        {"-$10", -16},      {"$FFFFFFFF", -1},    {"$7FFFFFFF", INT_MAX},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"007", 7},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(StrToInt(text), value) << text;
}

TEST(StrToInt, RejectsEverythingElse) {
    const char* bad[] = {"", " ", "abc", "12 ", "12a", "1.5", "2147483648", "-2147483649",
                         "$", "0x", "$100000000", "--1", "- 1", "1e3"};
    for (const char* text : bad) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "'" << text << "' was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.GetMessage(), AnsiString("'") + text + "' is not a valid integer value");
        }
        EXPECT_EQ(StrToIntDef(text, -1), -1) << text;
    }
    EXPECT_EQ(StrToIntDef("42", -1), 42);
    EXPECT_EQ(AnsiString("x").ToIntDef(9), 9);
}

TEST(StrToFloat, ParsesWithTheDecimalSeparator) {
    EXPECT_EQ(StrToFloat("1.5"), 1.5);
    EXPECT_EQ(StrToFloat(" -2.5e3 "), -2500.0);
    EXPECT_EQ(StrToFloat(".5"), 0.5);
    EXPECT_EQ(StrToFloat("5."), 5.0);
    EXPECT_EQ(StrToFloat("1E-2"), 0.01);
    EXPECT_EQ(StrToFloat("1e-400"), 0.0);  // underflow reads as zero
    const char* bad[] = {"", "x", "1,5", "1e", "e5", ".", "1.2.3", "1e400", "INF", "NAN", "1 000"};
    for (const char* text : bad) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "'" << text << "' was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.GetMessage(), AnsiString("'") + text + "' is not a valid floating point value");
        }
    }
    SeparatorGuard guard(',', '.');
    EXPECT_EQ(StrToFloat("1,5"), 1.5);
    EXPECT_THROW(StrToFloat("1.5"), EConvertError);
}

TEST(IntToText, DecimalAndHex) {
    EXPECT_EQ(IntToStr(-12), "-12");
    EXPECT_EQ(IntToStr(LLONG_MAX), "9223372036854775807");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0xABC, 1), "ABC");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(-1LL, 0), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(IntToHex(static_cast<short>(-1), 0), "FFFF");
    EXPECT_EQ(IntToHex(0u, 3), "000");
}

TEST(TextHelpers, CaseTrimAndCompare) {
    EXPECT_EQ(UpperCase("abc\xC3\xA4z"), "ABC\xC3\xA4Z");  // only ASCII letters change
    EXPECT_EQ(LowerCase("ABC\xC3\x84Z"), "abc\xC3\x84z");
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
    EXPECT_EQ(CompareText("abc", "ABC"), 0);
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_GT(CompareText("ab", "A"), 0);
    EXPECT_LT(CompareText("", "a"), 0);
    EXPECT_GT(CompareText("_", "a"), 0);  // compared upper-cased: '_' > 'A'
}

TEST(StringTable, MissingTextsAreEmptyAndReplacementsShowAtOnce) {
    EXPECT_EQ(LoadStr(64999), "");
    SetResourceString(64999, "Axis Title");
    EXPECT_EQ(LoadStr(64999), "Axis Title");
    SetResourceString(64999, "Title");
    EXPECT_EQ(LoadStr(64999), "Title");
    RemoveResourceString(64999);
    EXPECT_EQ(LoadStr(64999), "");
}

}  // namespace
