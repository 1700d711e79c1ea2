#include <gtest/gtest.h>

#include "chart/messages/TeeExceptions.h"
#include "chart/utils/TeeProcs.h"
#include "chart/messages/TeeConst.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/runtime/SeparatorGuard.h"

namespace {

TEST(TeeProcs, PaletteRepeatsEverySixteenColours) {
    EXPECT_EQ(GetDefaultColor(0), clRed);
    EXPECT_EQ(GetDefaultColor(1), clGreen);
    EXPECT_EQ(GetDefaultColor(15), clBlack);
    EXPECT_EQ(GetDefaultColor(16), clRed);
    EXPECT_EQ(GetDefaultColor(17), clGreen);
    EXPECT_EQ(GetDefaultColor(13 + 16 * 40), clSilver);
    EXPECT_EQ(GetDefaultColor(-1), clBlack);
    EXPECT_EQ(GetDefaultColor(-16), clRed);
}

TEST(TeeProcs, AnglesOutsideAFullTurnAreRefused) {
    EXPECT_NO_THROW(TeeCheckAngle(0, "Axis Title"));
    EXPECT_NO_THROW(TeeCheckAngle(359, "Axis Title"));
    for (int angle : {360, -1, 720}) {
        try {
            TeeCheckAngle(angle, TeeMsgText(TeeMsg_AxisTitle));
            FAIL() << angle;
        } catch (const ChartException& e) {
            EXPECT_EQ(e.GetMessage(), "Axis Title Angle must be between 0 and 359 degrees");
        }
    }
    EXPECT_THROW(TeeCheckAngle(360, TeeMsgText(TeeMsg_AxisLabels)), ChartException);
}

TEST(TeeProcs, DefaultFontComesFromTheMessageTable) {
    EXPECT_EQ(GetDefaultFontName(), "Arial");
    EXPECT_EQ(GetDefaultFontSize(), 8);
    SetResourceString(TeeMsg_DefaultFontName.Id, "Verdana");
    SetResourceString(TeeMsg_DefaultFontSize.Id, "10");
    EXPECT_EQ(GetDefaultFontName(), "Verdana");
    EXPECT_EQ(GetDefaultFontSize(), 10);
    SetResourceString(TeeMsg_DefaultFontSize.Id, "ten");
    EXPECT_EQ(GetDefaultFontSize(), 8);
    RegisterChartMessages();
}

TEST(TeeProcs, DefaultFontsAreMadeAndRecognised) {
    int changes = 0;
    TFont* font = CreateDefaultFont([&](TObject*) { ++changes; });
    EXPECT_EQ(font->GetName(), "Arial");
    EXPECT_EQ(font->GetSize(), 8);
    EXPECT_EQ(font->GetColor(), clBlack);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(IsDefaultFont(font));
    font->SetColor(clRed);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(IsDefaultFont(font));
    font->SetColor(clBlack);
    font->SetStyle(TFontStyles{fsItalic});
    EXPECT_FALSE(IsDefaultFont(font));
    font->SetStyle(TFontStyles());
    font->SetSize(9);
    EXPECT_FALSE(IsDefaultFont(font));
    font->SetSize(8);
    font->SetName("Verdana");
    EXPECT_FALSE(IsDefaultFont(font));
    delete font;
    EXPECT_EQ(GetScreenLogPixels(), Screen->GetPixelsPerInch());
}

TEST(TeeProcs, ControlsAreEnabledTogether) {
    TPanel first(nullptr), second(nullptr);
    EnableControls(false, {&first, &second});
    EXPECT_FALSE(first.GetEnabled());
    EXPECT_FALSE(second.GetEnabled());
    EnableControls(true, {&second});
    EXPECT_FALSE(first.GetEnabled());
    EXPECT_TRUE(second.GetEnabled());
}

TEST(TeeProcs, MultiLineTexts) {
    AnsiString s = "Jan 2003 Close";
    TeeSplitInLines(s, " ");
    EXPECT_EQ(s, "Jan\r2003\rClose");
    EXPECT_EQ(TeeNumTextLines(s), 3);

    s = "a--b--c";
    TeeSplitInLines(s, "--");
    EXPECT_EQ(s, "a\r-b\r-c");
    // A separator that begins with the line separator is split once per
    // occurrence, not searched for again and again.
    s = "a\r\nb\r\n";
    TeeSplitInLines(s, "\r\n");
    EXPECT_EQ(s, "a\r\nb\r\n");
    s = "ab";
    TeeSplitInLines(s, "");
    EXPECT_EQ(s, "ab");

    EXPECT_EQ(TeeNumTextLines(""), 0);
    EXPECT_EQ(TeeNumTextLines("a"), 1);
    EXPECT_EQ(TeeNumTextLines("a\r"), 1);
    EXPECT_EQ(TeeNumTextLines("\r"), 1);
    EXPECT_EQ(TeeNumTextLines("a\r\rb"), 3);
}

TEST(TeeProcs, NumberFormatsBetweenStandardAndLocalSeparators) {
    EXPECT_EQ(StandardToLocalFormat("#,##0.###"), "#,##0.###");
    SeparatorGuard german(',', '.');
    EXPECT_EQ(StandardToLocalFormat("#,##0.###"), "#.##0,###");
    EXPECT_EQ(LocalToStandardFormat("#.##0,###"), "#,##0.###");
    SeparatorGuard swiss('.', '\'');
    EXPECT_EQ(StandardToLocalFormat("#,##0.00 %"), "#'##0.00 %");
    EXPECT_EQ(LocalToStandardFormat("#'##0.00"), "#,##0.00");
}

TEST(TeeProcs, SemicolonFields) {
    EXPECT_EQ(TeeNumFields(""), 0);
    EXPECT_EQ(TeeNumFields("a"), 1);
    EXPECT_EQ(TeeNumFields("a;b;c"), 3);
    EXPECT_EQ(TeeNumFields(";"), 2);

    EXPECT_EQ(TeeExtractField("a;b;c", 1), "a");
    EXPECT_EQ(TeeExtractField("a;b;c", 2), "b");
    EXPECT_EQ(TeeExtractField("a;b;c", 3), "c");
    EXPECT_EQ(TeeExtractField("a;b;c", 5), "c");
    EXPECT_EQ(TeeExtractField("a;b;c", 0), "c");
    EXPECT_EQ(TeeExtractField("a;b;c", -2), "c");
    EXPECT_EQ(TeeExtractField("Open;;Close", 2), "");
    EXPECT_EQ(TeeExtractField("High;Low", 1), "High");
    EXPECT_EQ(TeeExtractField("a;", 2), "");
    EXPECT_EQ(TeeExtractField("", 1), "");
}

TEST(TeeProcs, UniqueNamesTakeTheFirstFreeNumber) {
    TComponent owner(nullptr);
    EXPECT_EQ(TeeGetUniqueName(&owner, "Series"), "Series1");
    auto* first = new TComponent(&owner);
    first->SetName("Series1");
    auto* third = new TComponent(&owner);
    third->SetName("series3");
    EXPECT_EQ(TeeGetUniqueName(&owner, "Series"), "Series2");
    auto* second = new TComponent(&owner);
    second->SetName(TeeGetUniqueName(&owner, "Series"));
    EXPECT_EQ(TeeGetUniqueName(&owner, "Series"), "Series4");
    EXPECT_EQ(TeeGetUniqueName(&owner, "Chart"), "Chart1");
    EXPECT_EQ(TeeGetUniqueName(nullptr, "Series"), "Series1");
}

TEST(TeeProcs, HandCursorIdentifierAndImageExtensions) {
    int cursor = 0;
    EXPECT_TRUE(TeeIdentToCursor("crTeeHand", cursor));
    EXPECT_EQ(cursor, 2020);
    cursor = 7;
    EXPECT_FALSE(TeeIdentToCursor("crTeeFoot", cursor));
    EXPECT_EQ(cursor, 7);
    AnsiString ident;
    EXPECT_TRUE(TeeCursorToIdent(2020, ident));
    EXPECT_EQ(ident, "crTeeHand");
    ident = "kept";
    EXPECT_FALSE(TeeCursorToIdent(2021, ident));
    EXPECT_EQ(ident, "kept");
    // The standard cursors keep their own identifiers.
    EXPECT_TRUE(TeeIdentToCursor("crHandPoint", cursor));
    EXPECT_EQ(cursor, crHandPoint);
    EXPECT_TRUE(TeeIdentToCursor("CRSIZEALL", cursor));
    EXPECT_EQ(cursor, crSizeAll);
    EXPECT_TRUE(TeeCursorToIdent(crCross, ident));
    EXPECT_EQ(ident, "crCross");
    EXPECT_TRUE(TeeCursorToIdent(crDefault, ident));
    EXPECT_EQ(ident, "crDefault");

    EXPECT_EQ(TeeGetImageExtension(0), "BMP");
    EXPECT_EQ(TeeGetImageExtension(1), "WMF");
    EXPECT_EQ(TeeGetImageExtension(2), "EMF");
    EXPECT_EQ(TeeGetImageExtension(3), "TEE");
    EXPECT_EQ(TeeGetImageExtension(4), "JPG");
    EXPECT_EQ(TeeGetImageExtension(5), "");
    EXPECT_EQ(TeeGetImageExtension(-1), "");
}

}  // namespace
