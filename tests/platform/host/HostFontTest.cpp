// A number's width added up from its characters is the width the host's
// layout gives it, in every family, weight, slant and size the program uses,
// and upright numbers keep their ink inside their line height and within
// half a "W" (less a pixel) of their advance.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "platform/gdi/Graphics.h"
#include "platform/host/HostFont.h"

namespace {

TEST(HostFontTest, NumbersAreAsWideAsTheirLayout) {
    std::mt19937 random(26);
    const std::string characters = "0123456789.,-+ %E";
    std::uniform_int_distribution<std::size_t> pick(0, characters.size() - 1), length(1, 14);
    for (const char* face : {"Arial", "Times New Roman", "Courier New", "Arial Narrow"})
        for (int weight : {FW_NORMAL, FW_BOLD})
            for (Byte italic : {Byte(0), Byte(1)})
                for (int height : {-8, -11, -13, -24}) {
                    LOGFONT font;
                    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
                    font.lfWeight = weight;
                    font.lfItalic = italic;
                    const THostFont host(font, height);
                    for (int i = 0; i < 200; ++i) {
                        std::string text;
                        for (std::size_t n = length(random); n > 0; --n) text += characters[pick(random)];
                        ASSERT_EQ(host.TextWidth(text.c_str(), -1), host.LaidOutWidth(text))
                            << face << " " << weight << (italic ? " italic " : " ") << height << ": \"" << text << "\"";
                    }
                }
}

// What lets the chart's marks be taken as their boxes.
TEST(HostFontTest, UprightNumbersInkInsideTheirCell) {
    const AnsiString numbers[] = {"1,234,567", "-0.5%", "+9E-12", "48 76", "0123456789", "%%,,..--++EE"};
    TBitmap picture;
    picture.SetSize(400, 80);
    TCanvas* canvas = picture.GetCanvas();
    canvas->GetBrush()->SetStyle(bsClear);
    for (const char* face : {"Arial", "Times New Roman", "Courier New", "Arial Narrow"})
        for (bool bold : {false, true})
            for (int size : {6, 8, 10, 13, 18, 28})
                for (const AnsiString& text : numbers) {
                    canvas->GetFont()->SetName(face);
                    canvas->GetFont()->SetStyle(bold ? TFontStyles() << fsBold : TFontStyles());
                    canvas->GetFont()->SetSize(size);
                    canvas->GetBrush()->SetColor(clWhite);
                    canvas->GetBrush()->SetStyle(bsSolid);
                    canvas->FillRect(TRect(0, 0, 400, 80));
                    canvas->GetBrush()->SetStyle(bsClear);
                    canvas->TextOut(20, 10, text);
                    const int slack = canvas->TextWidth("W") / 2 - 1;
                    const int left = 20 - slack, right = 20 + canvas->TextWidth(text) + slack;
                    const int bottom = 10 + canvas->TextHeight(AnsiString());
                    for (int y = 0; y < 80; ++y)
                        for (int x = 0; x < 400; ++x)
                            if ((picture.ScanLine(y)[x] & 0xFFFFFF) != 0xFFFFFF) {
                                ASSERT_TRUE(x >= left && x < right && y >= 10 && y < bottom)
                                    << face << (bold ? " bold " : " ") << size << " \"" << text.c_str() << "\" at "
                                    << x << ", " << y;
                            }
                }
}

}  // namespace
