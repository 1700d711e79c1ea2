// The panel as a bitmap file, as metafiles, on the clipboard and on paper,
// each read back by a program of its own: ImageMagick, emf2svg-conv and
// wmf2svg, poppler.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "PanelTestSupport.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/MetafileSvg.h"
#include "platform/host/Clipbrd.h"
#include "support/PrintedPdf.h"
#include "support/TempDir.h"

namespace {

// A panel that paints a red and a blue box and a caption on its background.
struct PanelExport : ::testing::Test, TPanelOnForm {
    PanelExport() {
        panel->SetName("QuoteChart");
        panel->SetColor(clWhite);
        // Drawn from the corner of the rectangle the chart goes into.
        panel->OnPaint = [this](TObject*, const TRect& r) {
            ++paints;
            TCanvas3D* c = panel->GetCanvas();
            c->GetPen()->SetColor(clBlack);
            c->GetBrush()->SetStyle(bsSolid);
            c->GetBrush()->SetColor(clRed);
            c->Rectangle(r.Left + 40, r.Top + 50, r.Left + 140, r.Top + 120);
            c->GetBrush()->SetColor(clBlue);
            c->Rectangle(r.Left + 250, r.Top + 150, r.Left + 350, r.Top + 220);
            c->GetBrush()->SetStyle(bsClear);
            c->GetFont()->SetName("DejaVu Sans");
            c->GetFont()->SetHeight(-16);
            c->GetFont()->SetColor(clBlack);
            c->TextOut(r.Left + 60, r.Top + 200, "Closing");
        };
    }
    TempDir dir;
};

// ImageMagick's colour of one pixel of a file.
TColor MagickPixel(const std::string& file, int x, int y) {
    std::istringstream out(
        Shell("convert '" + file + "[1x1+" + std::to_string(x) + "+" + std::to_string(y) + "]' txt:-"));
    std::string line;
    int px, py, r, g, b;
    while (std::getline(out, line))
        if (std::sscanf(line.c_str(), "%d,%d: (%d,%d,%d", &px, &py, &r, &g, &b) == 5) return RGB(r, g, b);
    return clNone;
}

TEST_F(PanelExport, BitmapFileHasThePanelsSizeAndColours) {
    std::string file = dir.File("chart.bmp");
    panel->SaveToBitmapFile(file.c_str());
    EXPECT_EQ(Shell("identify -format '%m %wx%h' '" + file + "'"), "BMP3 400x250");
    // Red and blue in their places: the file's bytes are in the right order.
    EXPECT_EQ(MagickPixel(file, 90, 85), clRed);
    EXPECT_EQ(MagickPixel(file, 300, 185), clBlue);
    EXPECT_EQ(MagickPixel(file, 200, 30), clWhite);
    EXPECT_EQ(MagickPixel(file, 40, 50), clBlack);  // the box's outline
    EXPECT_TRUE(panel->GetBufferedDisplay());       // switched off only while drawing

    EXPECT_THROW(panel->SaveToBitmapFile(dir.File("missing/chart.bmp").c_str()), EFCreateError);
}

TEST_F(PanelExport, CreatedBitmapIsFilledOnlyForAColourOtherThanWhite) {
    // Printing leaves the panel's background out, so the fill shows.
    panel->SetPrinting(true);
    std::unique_ptr<TBitmap> yellow(panel->TeeCreateBitmap(clYellow, TRect(0, 0, 400, 250)));
    EXPECT_EQ(yellow->GetWidth(), 400);
    EXPECT_EQ(DevicePixel(yellow.get(), 200, 30), clYellow);
    EXPECT_EQ(DevicePixel(yellow.get(), 90, 85), clRed);
    std::unique_ptr<TBitmap> white(panel->TeeCreateBitmap(clWhite, TRect(0, 0, 400, 250)));
    EXPECT_EQ(DevicePixel(white.get(), 200, 30), clWhite);
    panel->SetPrinting(false);

    // Part of the panel: the bitmap is that part's size.
    std::unique_ptr<TBitmap> part(panel->TeeCreateBitmap(clWhite, TRect(0, 0, 150, 130)));
    EXPECT_EQ(part->GetWidth(), 150);
    EXPECT_EQ(part->GetHeight(), 130);
}

class PanelMetafiles : public PanelExport, public ::testing::WithParamInterface<TSvgReader> {};

TEST_P(PanelMetafiles, OtherProgramsReadTheBoxesAndTheCaption) {
    const TSvgReader& reader = GetParam();
    std::string file = dir.File(std::string("chart.") + reader.extension);
    if (reader.enhanced) panel->SaveToMetafileEnh(file.c_str());
    else panel->SaveToMetafile(file.c_str());
    TSvgPicture svg = ReadMetafileAsSvg(reader, file, dir.File("chart.svg"));
    // The metafile is one unit smaller than the panel; readers that fit
    // the picture to its size scale by 400 / 399 at most.
    EXPECT_TRUE(svg.Has("rect", "red", {40, 50, 140, 120}, 2.5)) << svg.text;
    EXPECT_TRUE(svg.Has("rect", "blue", {250, 150, 350, 220}, 2.5)) << svg.text;
    EXPECT_TRUE(svg.HasText("Closing", "black", 60, 200 + 15, 4)) << svg.text;
}

INSTANTIATE_TEST_SUITE_P(Formats, PanelMetafiles, ::testing::ValuesIn(SvgReaders()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelExport, MetafileSizesAndTheMetafileFlag) {
    std::unique_ptr<TMetafile> thin(panel->TeeCreateMetafile(true, TRect(0, 0, 1, 50)));
    EXPECT_EQ(thin->GetWidth(), 1);
    EXPECT_EQ(thin->GetHeight(), 49);
    std::unique_ptr<TMetafile> whole(panel->TeeCreateMetafile(false, panel->GetRectangle()));
    EXPECT_FALSE(whole->GetEnhanced());
    EXPECT_EQ(whole->GetWidth(), 399);

    bool metafiling = false;
    panel->OnPaint = [&](TObject*, const TRect&) { metafiling = panel->GetCanvas()->Metafiling; };
    auto bitmap = WhiteBitmap(400, 250);
    panel->DrawToMetaCanvas(bitmap->GetCanvas(), panel->GetRectangle());
    EXPECT_TRUE(metafiling);
    EXPECT_FALSE(panel->GetCanvas()->Metafiling);
    EXPECT_TRUE(panel->GetBufferedDisplay());

    // The rectangle's file replaces one that is there.
    std::string file = dir.File("part.emf");
    dir.Write("part.emf", std::string(100000, 'x'));
    panel->SaveToMetafileRect(true, file.c_str(), TRect(0, 0, 200, 100));
    EXPECT_LT(dir.Read("part.emf").size(), 100000u);
    EXPECT_EQ(dir.Read("part.emf").substr(40, 4), " EMF");
}

TEST_F(PanelExport, ClipboardTakesTheBitmapAndTheMetafile) {
    panel->CopyToClipboardBitmap();
    TBitmap pasted;
    pasted.Assign(Clipboard());
    EXPECT_EQ(pasted.GetWidth(), 400);
    EXPECT_EQ(pasted.GetHeight(), 250);
    EXPECT_EQ(DevicePixel(&pasted, 300, 185), clBlue);

    panel->CopyToClipboardMetafile(true);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_ENHMETAFILE));
    EXPECT_FALSE(Clipboard()->HasFormat(CF_METAFILEPICT));
    // The metafile's picture comes along for programs that take images.
    TBitmap played;
    played.Assign(Clipboard());
    EXPECT_EQ(DevicePixel(&played, 90, 85), clRed);
    panel->CopyToClipboardMetafile(false);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_METAFILEPICT));
}

// ---- Printing ---------------------------------------------------------------

// A page rendered by poppler at 60 pixels per inch: a pixel is ten
// printer pixels (600 per inch), whose origin lies 142 of them (the PDF
// printer's margin) inside the sheet's corner.
struct TPage {
    static constexpr int Scale = 10, Margin = 142;
    TRenderedPage page;

    explicit TPage(const std::string& pdf) : page(RenderPdfPage(pdf, 1, 60)) {}
    int width() const { return page.width; }
    int height() const { return page.height; }
    // The box of the pixels near a colour, in printer pixels.
    TRect Box(TColor colour) const {
        TRect box(1 << 30, 1 << 30, -1 << 30, -1 << 30);
        for (int y = 0; y < page.height; ++y)
            for (int x = 0; x < page.width; ++x) {
                const TColor p = page.At(x, y);
                if (std::abs(GetRValue(p) - GetRValue(colour)) < 50 && std::abs(GetGValue(p) - GetGValue(colour)) < 50 &&
                    std::abs(GetBValue(p) - GetBValue(colour)) < 50) {
                    box.Left = std::min(box.Left, x * Scale - Margin);
                    box.Top = std::min(box.Top, y * Scale - Margin);
                    box.Right = std::max(box.Right, x * Scale + Scale - Margin);
                    box.Bottom = std::max(box.Bottom, y * Scale + Scale - Margin);
                }
            }
        return box;
    }
};

::testing::AssertionResult Near(const TRect& a, const TRect& b, int tolerance) {
    bool near = std::abs(a.Left - b.Left) <= tolerance && std::abs(a.Top - b.Top) <= tolerance &&
           std::abs(a.Right - b.Right) <= tolerance && std::abs(a.Bottom - b.Bottom) <= tolerance;
    if (near) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << a.Left << ", " << a.Top << ", " << a.Right << ", " << a.Bottom
                                         << ") is not near (" << b.Left << ", " << b.Top << ", " << b.Right << ", "
                                         << b.Bottom << ")";
}

struct PanelPrinting : PanelExport {
    const std::string pdf = dir.File("chart.pdf");
    TPrintingToPdf printing{pdf};
};

TEST_F(PanelPrinting, PrintRectScalesThePanelIntoTheRectangle) {
    // 800 x 500 printer pixels: twice the panel's size.
    panel->PrintRect(TRect(300, 400, 1100, 900));
    EXPECT_EQ(Printer()->GetTitle(), "QuoteChart");
    TPage page(pdf);
    ASSERT_GT(page.width(), 0);
    EXPECT_TRUE(Near(page.Box(clRed), TRect(300 + 80, 400 + 100, 300 + 280, 400 + 240), 20));
    EXPECT_TRUE(Near(page.Box(clBlue), TRect(300 + 500, 400 + 300, 300 + 700, 400 + 440), 20));
    EXPECT_NE(Shell("pdftotext '" + pdf + "' -").find("Closing"), std::string::npos);

    // A reversed rectangle prints the same.
    panel->PrintRect(TRect(1100, 900, 300, 400));
    TPage reversed(pdf);
    EXPECT_EQ(reversed.Box(clRed), page.Box(clRed));
    EXPECT_EQ(reversed.Box(clBlue), page.Box(clBlue));
}

TEST_F(PanelPrinting, PrintUsesTheMarginsOfThePage) {
    const int pw = Printer()->GetPageWidth(), ph = Printer()->GetPageHeight();
    panel->SetPrintProportional(false);
    panel->PrintMargins = TRect(15, 15, 15, 15);
    TRect r = panel->ChartPrintRect();
    EXPECT_EQ(r.Left, static_cast<int>(std::nearbyint(pw * 0.15)));
    EXPECT_EQ(r.Right, pw - r.Left);
    EXPECT_EQ(r.Top, static_cast<int>(std::nearbyint(ph * 0.15)));

    // Proportional: the 400 x 250 panel keeps its shape, 60 % of the page's width.
    panel->SetPrintProportional(true);
    panel->Print();
    const int m = static_cast<int>(std::nearbyint(100 * (ph - 0.6 * pw * 0.625) / ph)) / 2;
    EXPECT_EQ(panel->PrintMargins, TRect(15, m, 15, m));
    TRect printed = panel->ChartPrintRect();
    TPage page(pdf);
    // The red box at (40, 50)-(140, 120) of 400 x 250, scaled into the rectangle.
    const double sx = printed.Width() / 400.0, sy = printed.Height() / 250.0;
    TRect red(printed.Left + int(40 * sx), printed.Top + int(50 * sy), printed.Left + int(140 * sx),
              printed.Top + int(120 * sy));
    EXPECT_TRUE(Near(page.Box(clRed), red, 25));
    EXPECT_EQ(Printer()->GetOrientation(), poPortrait);
}

TEST_F(PanelPrinting, LandscapeTurnsThePrinterOnlyForTheDocument) {
    panel->PrintLandscape();
    EXPECT_EQ(Printer()->GetOrientation(), poPortrait);
    TPage page(pdf);
    EXPECT_GT(page.width(), page.height());
}

TEST_F(PanelPrinting, PartialPrintLeavesThePrintersMappingAsItWas) {
    Printer()->BeginDoc();
    HDC dc = Printer()->GetHandle();
    panel->PrintPartial(TRect(100, 100, 500, 350));
    EXPECT_EQ(GetMapMode(dc), MM_TEXT);
    TPoint p(1000, 2000);
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p, TPoint(1000, 2000));
    TRect clip;
    GetClipBox(dc, &clip);
    EXPECT_EQ(clip, TRect(0, 0, Printer()->GetPageWidth(), Printer()->GetPageHeight()));
    // What the application draws next lands in printer pixels.
    TCanvas* canvas = Printer()->GetCanvas();
    canvas->GetBrush()->SetColor(clGreen);
    canvas->FillRect(TRect(1500, 2000, 1700, 2200));
    Printer()->EndDoc();
    TPage page(pdf);
    EXPECT_TRUE(Near(page.Box(clGreen), TRect(1500, 2000, 1700, 2200), 20));
    EXPECT_TRUE(Near(page.Box(clRed), TRect(100 + 40, 100 + 50, 100 + 140, 100 + 120), 20));
    EXPECT_FALSE(panel->GetPrinting());
}

TEST_F(PanelPrinting, AFailingDrawAbortsTheDocument) {
    panel->OnPaint = [](TObject*, const TRect&) { throw EInvalidOperation("no ink"); };
    EXPECT_THROW(panel->PrintRect(TRect(0, 0, 400, 250)), EInvalidOperation);
    EXPECT_FALSE(Printer()->GetPrinting());
    EXPECT_FALSE(panel->GetPrinting());
    EXPECT_FALSE(std::ifstream(pdf).good());
}

}  // namespace
