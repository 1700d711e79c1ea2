#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "SeparatorGuard.h"
#include "platform/runtime/SysUtils.h"

namespace {

TEST(Format, IntegerDirectives) {
    EXPECT_EQ(Format("%d", 42), "42");
    EXPECT_EQ(Format("%d", -7), "-7");
    EXPECT_EQ(Format("%5d|", 42), "   42|");
    EXPECT_EQ(Format("%-5d|", 42), "42   |");
    EXPECT_EQ(Format("%.5d", -42), "-00042");
    EXPECT_EQ(Format("%2d", 12345), "12345");  // width never cuts
    EXPECT_EQ(Format("%d", 9000000000LL), "9000000000");
    EXPECT_EQ(Format("%u", -1), "4294967295");
    EXPECT_EQ(Format("%u", 7u), "7");
    EXPECT_EQ(Format("%x", 255), "FF");
    EXPECT_EQ(Format("%.4x", 255), "00FF");
    EXPECT_EQ(Format("%x", -1), "FFFFFFFF");
    EXPECT_EQ(Format("%x", -1LL), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Format("%D and %X", 3, 10), "3 and A");  // types ignore case
}

TEST(Format, StringsCharactersAndPercent) {
    EXPECT_EQ(Format("<%s>", "abc"), "<abc>");
    EXPECT_EQ(Format("<%s>", AnsiString("x y")), "<x y>");
    EXPECT_EQ(Format("%.2s", "abc"), "ab");
    EXPECT_EQ(Format("%6.2s|", "abc"), "    ab|");
    EXPECT_EQ(Format("%-4s|", "ab"), "ab  |");
    EXPECT_EQ(Format("%s", 'c'), "c");
    EXPECT_EQ(Format("100%%"), "100%");
    EXPECT_EQ(Format("%s%%", "50"), "50%");
    EXPECT_EQ(Format("no directives"), "no directives");
}

TEST(Format, IndexAndStarTakeTheirValuesFromTheArguments) {
    EXPECT_EQ(Format("%1:s %0:s %s", "a", "b"), "b a b");
    EXPECT_EQ(Format("%0:s-%0:s", "x"), "x-x");
    EXPECT_EQ(Format("%*d", 5, 42), "   42");
    EXPECT_EQ(Format("%-*s|", 4, "ab"), "ab  |");
    EXPECT_EQ(Format("%.*f", 3, 1.5), "1.500");
    EXPECT_EQ(Format("%*.*f", 7, 1, 2.25), "    2.3");
    EXPECT_EQ(Format("%*d|", -3, 7), "7|");  // a negative width is no width
}

TEST(Format, FloatDirectives) {
    EXPECT_EQ(Format("%f", 1.5), "1.50");
    EXPECT_EQ(Format("%.0f", 2.5), "3");
    EXPECT_EQ(Format("%.3f", -0.0004), "0.000");
    EXPECT_EQ(Format("%8.2f|", 3.14159), "    3.14|");
    EXPECT_EQ(Format("%e", 1234.5), "1.23450000000000E+003");
    EXPECT_EQ(Format("%.3e", 1234.5), "1.23E+003");
    EXPECT_EQ(Format("%.2e", -0.00012), "-1.2E-004");
    EXPECT_EQ(Format("%g", 0.1), "0.1");
    EXPECT_EQ(Format("%g", 1e20), "1E20");
    EXPECT_EQ(Format("%.3g", 1234.5), "1.23E3");
    EXPECT_EQ(Format("%n", 1234567.891), "1,234,567.89");
    EXPECT_EQ(Format("%.0n", 1234567.891), "1,234,568");
    EXPECT_EQ(Format("%m", -1234.5), "-1,234.50");
    EXPECT_EQ(Format("%s Angle must be between 0 and 359 degrees", "Axis Title"),
              "Axis Title Angle must be between 0 and 359 degrees");
    EXPECT_EQ(Format("3D effect percent must be between %d and %d", 1, 100),
              "3D effect percent must be between 1 and 100");
}

TEST(Format, PointerIsFullWidthHex) {
    int object = 0;
    const void* p = &object;
    AnsiString text = Format("%p", p);
    EXPECT_EQ(text.Length(), static_cast<int>(2 * sizeof(void*)));
    EXPECT_EQ(std::stoull(text.str(), nullptr, 16), reinterpret_cast<std::uintptr_t>(p));
    EXPECT_EQ(Format("%p", static_cast<const void*>(nullptr)), AnsiString::StringOfChar('0', 2 * sizeof(void*)));
}

TEST(Format, FollowsTheSeparators) {
    SeparatorGuard guard(',', '.');
    EXPECT_EQ(Format("%.2f", 1.5), "1,50");
    EXPECT_EQ(Format("%n", 1234.5), "1.234,50");
    EXPECT_EQ(Format("%g", 0.25), "0,25");
}

TEST(Format, WrongOrMissingArgumentsRaise) {
    struct Case {
        const char* fmt;
        std::function<AnsiString(const char*)> run;
    };
    const Case cases[] = {
        {"%d", [](const char* f) { return Format(f, 1.5); }},
        {"%f", [](const char* f) { return Format(f, 3); }},
        {"%s", [](const char* f) { return Format(f, 3); }},
        {"%d", [](const char* f) { return Format(f, "x"); }},
        {"%d", [](const char* f) { return Format(f, true); }},
        {"%p", [](const char* f) { return Format(f, 3); }},
        {"%d %d", [](const char* f) { return Format(f, 1); }},
        {"%d", [](const char* f) { return Format(f); }},
        {"%", [](const char* f) { return Format(f, 1); }},
        {"%5", [](const char* f) { return Format(f, 1); }},
        {"%z", [](const char* f) { return Format(f, 1); }},
        {"%*d", [](const char* f) { return Format(f, "5", 1); }},
        {"%3:d", [](const char* f) { return Format(f, 1); }},
        {"%*d", [](const char* f) { return Format(f, 2000000000, 1); }},
        {"%99999999999d", [](const char* f) { return Format(f, 1); }},
    };
    for (const Case& c : cases) {
        try {
            c.run(c.fmt);
            ADD_FAILURE() << c.fmt << " did not raise";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.GetMessage(), AnsiString("Format '") + c.fmt + "' invalid or incompatible with argument");
        }
    }
}

}  // namespace
