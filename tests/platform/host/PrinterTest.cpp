// The printer: its sheet and printable area, pages read back by poppler as
// vectors (text in an embedded font, shapes as paths, pictures as images)
// that show what the raster draws, file names, the document brackets and
// the paint pass between pages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/controls/Forms.h"
#include "platform/gdi/CanvasTestSupport.h"
#include "platform/gdi/Metafile.h"
#include "platform/host/Printers.h"
#include "support/PrintedPdf.h"
#include "support/TempDir.h"

namespace {

// The PDF printer's A4 sheet at 600 pixels per inch, and its margins of 6 mm.
constexpr int Margin = 142;
constexpr int AreaWidth = 4674, AreaHeight = 6733;

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        printer.SetPrinterIndex(0);
        printer.SetTitle("Quotes");
        printer.SetFileName(pdf.c_str());
    }
    TempDir dir;
    const std::string pdf = dir.File("printed.pdf");
    TPrinter printer;
};

TEST_F(PrinterTest, ThePdfPrinterIsAlwaysFirst) {
    ASSERT_FALSE(printer.GetPrinters().empty());
    EXPECT_EQ(printer.GetPrinters()[0], "Print to PDF file");
    EXPECT_EQ(printer.GetPrinterIndex(), 0);
    EXPECT_THROW(printer.SetPrinterIndex(static_cast<int>(printer.GetPrinters().size())), EPrinter);
    EXPECT_EQ(Printer(), Printer());
}

// A frame around the printable area lands 6 mm inside the sheet's edges.
TEST_F(PrinterTest, TheDeviceIsThePrintableAreaOfAnA4Sheet) {
    const struct {
        TPrinterOrientation orientation;
        int width, height;
        double points[2];
    } sheets[] = {{poPortrait, AreaWidth, AreaHeight, {595, 842}}, {poLandscape, AreaHeight, AreaWidth, {842, 595}}};
    for (const auto& sheet : sheets) {
        SCOPED_TRACE(sheet.orientation);
        printer.SetOrientation(sheet.orientation);
        HDC dc = printer.GetHandle();
        EXPECT_EQ(printer.GetPageWidth(), sheet.width);
        EXPECT_EQ(printer.GetPageHeight(), sheet.height);
        EXPECT_EQ(GetDeviceCaps(dc, HORZRES), sheet.width);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), sheet.width + 2 * Margin);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), Margin);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), Margin);
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 600);
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 600);
        printer.BeginDoc();
        EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
        TCanvas* c = printer.GetCanvas();
        c->GetFont()->SetSize(10);
        EXPECT_EQ(c->GetFont()->GetHeight(), -83);
        c->GetPen()->SetWidth(6);
        c->GetBrush()->SetStyle(bsClear);
        c->Rectangle(0, 0, sheet.width, sheet.height);
        printer.EndDoc();
        const TPdfInfo info = ReadPdfInfo(pdf);
        EXPECT_EQ(info.pages, 1);
        EXPECT_EQ(info.width, sheet.points[0]);
        EXPECT_EQ(info.height, sheet.points[1]);
        // At 100 pixels per inch a device pixel is a sixth of one.
        const TRenderedPage page = RenderPdfPage(pdf, 1, 100);
        ASSERT_GT(page.width, 0);
        const int left = Margin / 6, right = (Margin + sheet.width) / 6, middle = page.height / 2;
        EXPECT_EQ(page.At(left, middle), clBlack);
        EXPECT_EQ(page.At(left - 2, middle), clWhite);
        EXPECT_NE(page.At(right, middle), clWhite);
        EXPECT_EQ(page.At(right + 2, middle), clWhite);
    }
}

TEST_F(PrinterTest, PagesAreTextAndPathsInTheirPlaces) {
    printer.BeginDoc();
    EXPECT_TRUE(printer.GetPrinting());
    EXPECT_EQ(printer.GetPageNumber(), 1);
    TCanvas* c = printer.GetCanvas();
    c->GetBrush()->SetColor(clBlack);
    c->FillRect(TRect(600, 600, 1800, 1200));
    c->GetBrush()->SetStyle(bsClear);
    c->GetFont()->SetName("Tahoma");
    c->GetFont()->SetSize(24);
    c->TextOut(600, 2400, "Velmora");
    printer.NewPage();
    EXPECT_EQ(printer.GetPageNumber(), 2);
    c->GetPen()->SetWidth(24);
    c->MoveTo(600, 4000);
    c->LineTo(4000, 4000);
    c->TextOut(2400, 6000, "Page 2");
    printer.EndDoc();
    EXPECT_FALSE(printer.GetPrinting());
    EXPECT_EQ(printer.GetDocumentFileName(), pdf);

    const TPdfInfo info = ReadPdfInfo(pdf);
    EXPECT_EQ(info.pages, 2);
    EXPECT_EQ(info.title, "Quotes");
    EXPECT_EQ(CountPdfImages(pdf), 0);
    const std::vector<std::string> fonts = ReadPdfFonts(pdf);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_NE(fonts[0].find("LiberationSans"), std::string::npos) << fonts[0];
    EXPECT_NE(fonts[0].find("TrueType"), std::string::npos) << fonts[0];
    EXPECT_EQ(ReadPdfLines(pdf), (TPdfLines{{"Velmora"}, {"Page 2"}}));

    // At 50 pixels per inch a device pixel is a twelfth of one.
    auto at = [](int device) { return (device + Margin) / 12; };
    const TRenderedPage one = RenderPdfPage(pdf, 1, 50), two = RenderPdfPage(pdf, 2, 50);
    ASSERT_GT(two.width, 0);
    EXPECT_EQ(one.At(at(600) + 1, at(600) + 1), clBlack);
    EXPECT_EQ(one.At(at(1800) - 1, at(1200) - 1), clBlack);
    EXPECT_EQ(one.At(at(1800) + 1, at(900)), clWhite);
    EXPECT_EQ(two.At(at(600) + 1, at(600) + 1), clWhite);
    EXPECT_EQ(two.At(at(2000), at(4000)), clBlack);
    EXPECT_EQ(two.At(at(2000), at(4000) + 3), clWhite);
}

// ---- What the page shows ----------------------------------------------------

// Every kind of drawing call once, within 1,200 x 1,100 device pixels.
void DrawScene(TCanvas* c, TBitmap* Picture) {
    c->GetFont()->SetPixelsPerInch(600);
    c->GetPen()->SetColor(clBlack);
    c->GetBrush()->SetColor(clYellow);
    c->Rectangle(20, 20, 300, 200);
    c->GetPen()->SetWidth(12);
    c->GetPen()->SetColor(clBlue);
    c->GetBrush()->SetStyle(bsClear);
    c->Rectangle(340, 20, 640, 200);
    c->Ellipse(680, 20, 1000, 200);
    c->GetPen()->SetWidth(1);
    c->GetPen()->SetColor(clBlack);
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(clRed);
    const TPoint triangle[] = {{40, 420}, {300, 240}, {320, 440}};
    c->Polygon(triangle, 3);
    c->GetBrush()->SetColor(clLime);
    c->Pie(340, 240, 600, 440, 600, 340, 470, 240);
    c->RoundRect(640, 240, 900, 440, 80, 80);
    c->FillRect(TRect(1040, 20, 1180, 200));
    c->GetPen()->SetStyle(psDash);
    c->MoveTo(20, 480);
    c->LineTo(1150, 480);
    c->GetPen()->SetStyle(psSolid);
    c->GetPen()->SetWidth(20);
    c->GetPen()->SetColor(clGreen);
    c->MoveTo(40, 530);
    c->LineTo(600, 690);
    c->GetPen()->SetWidth(1);
    c->Arc(640, 500, 1000, 700, 1000, 600, 640, 600);
    c->GetBrush()->SetColor(clNavy);
    c->GetBrush()->SetStyle(bsDiagCross);
    c->Rectangle(20, 720, 400, 880);
    c->StretchDraw(TRect(440, 720, 680, 880), Picture);
    c->GetFont()->SetName("Tahoma");
    c->GetFont()->SetSize(8);
    c->GetFont()->SetColor(clBlack);
    c->GetBrush()->SetStyle(bsClear);
    c->TextOut(720, 730, "2400700 Page 7");
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(clAqua);
    c->TextOut(720, 810, "Close");
    c->TextRect(TRect(1040, 240, 1150, 330), 1040, 250, "Clipped");
    // An ellipse cut by a clip rectangle.
    IntersectClipRect(c->GetHandle(), 1040, 520, 1150, 700);
    c->GetBrush()->SetColor(clFuchsia);
    c->Ellipse(1000, 500, 1200, 720);
    SelectClipRgn(c->GetHandle(), nullptr);
    // A picture whose key colour lets the yellow under it show.
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(clYellow);
    c->FillRect(TRect(20, 920, 260, 1080));
    Picture->SetTransparent(true);
    c->StretchDraw(TRect(20, 920, 260, 1080), Picture);
    Picture->SetTransparent(false);
    // A block in the brush, hatched.
    c->GetBrush()->SetStyle(bsCross);
    c->GetBrush()->SetColor(clMaroon);
    c->Rectangle(300, 920, 301, 921);
    PatBlt(c->GetHandle(), 300, 920, 200, 160, PATCOPY);
    // Text turned upright.
    LOGFONT turned;
    GetObject(c->GetFont()->GetHandle(), sizeof turned, &turned);
    turned.lfEscapement = 900;
    c->GetFont()->SetHandle(CreateFontIndirect(&turned));
    c->GetBrush()->SetStyle(bsClear);
    c->TextOut(560, 1090, "Turned");
}

constexpr int SceneWidth = 1200, SceneHeight = 1100;

struct TScenePixels {
    std::vector<TColor> pixels = std::vector<TColor>(SceneWidth * SceneHeight);
    TColor& At(int x, int y) { return pixels[static_cast<std::size_t>(y * SceneWidth + x)]; }
};

int Channel(TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// Pixels of a that b does not explain within Reach pixels and Tolerance
// per channel: with Blends, a pixel each of whose channels lies in the
// range of b's near pixels (an edge smoothed between them); else a pixel
// of b near it with the same colour. What is missing, misplaced or
// miscoloured counts, anti-aliased edges do not.
int Unexplained(TScenePixels& a, TScenePixels& b, bool Blends) {
    constexpr int Reach = 2, Tolerance = 48;
    int count = 0;
    for (int y = 0; y < SceneHeight; ++y)
        for (int x = 0; x < SceneWidth; ++x) {
            const TColor p = a.At(x, y);
            bool explained = false;
            int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
            for (int v = std::max(0, y - Reach); v <= std::min(SceneHeight - 1, y + Reach) && !explained; ++v)
                for (int u = std::max(0, x - Reach); u <= std::min(SceneWidth - 1, x + Reach) && !explained; ++u) {
                    const TColor q = b.At(u, v);
                    explained = true;
                    for (int c = 0; c < 3; ++c) {
                        const int value = Channel(q, 8 * c);
                        low[c] = std::min(low[c], value);
                        high[c] = std::max(high[c], value);
                        explained = explained && std::abs(value - Channel(p, 8 * c)) <= Tolerance;
                    }
                }
            for (int c = 0; c < 3 && Blends && !explained; ++c) {
                const int value = Channel(p, 8 * c);
                if (value < low[c] - Tolerance || value > high[c] + Tolerance) break;
                explained = c == 2;
            }
            count += !explained;
        }
    return count;
}

TEST_F(PrinterTest, ThePageShowsWhatTheRasterDraws) {
    TBitmap picture;
    picture.SetSize(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) picture.GetCanvas()->SetPixels(x, y, (x + y) % 2 ? clRed : clTeal);
    printer.BeginDoc();
    DrawScene(printer.GetCanvas(), &picture);
    printer.EndDoc();
    // The two pictures, and the mask of the one with a key colour.
    EXPECT_EQ(CountPdfImages(pdf), 3);

    // Today's raster at the printer's resolution: a recording canvas draws
    // as it records.
    TMetafile metafile;
    metafile.SetWidth(SceneWidth);
    metafile.SetHeight(SceneHeight);
    TMetafileCanvas raster(&metafile, printer.GetHandle());
    DrawScene(&raster, &picture);
    TScenePixels drawn, printed;
    for (int y = 0; y < SceneHeight; ++y)
        for (int x = 0; x < SceneWidth; ++x) drawn.At(x, y) = raster.GetPixels(x, y);
    const TRenderedPage page = RenderPdfPage(pdf, 1, 600, Margin, Margin, SceneWidth, SceneHeight);
    ASSERT_EQ(page.width, SceneWidth);
    for (int y = 0; y < SceneHeight; ++y)
        for (int x = 0; x < SceneWidth; ++x) printed.At(x, y) = page.At(x, y);
    // Thin slanted lines, which smoothing greys, leave a few hundred pixels
    // of the raster unmatched; text moved by three pixels doubles that.
    EXPECT_LT(Unexplained(drawn, printed, false), SceneWidth * SceneHeight / 3600);
    EXPECT_LT(Unexplained(printed, drawn, true), SceneWidth * SceneHeight / 10000);
}

// ---- Documents ------------------------------------------------------------------

TEST_F(PrinterTest, DocumentBracketsAreChecked) {
    try {
        printer.NewPage();
        ADD_FAILURE();
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.GetMessage(), "Printer is not currently printing");
    }
    EXPECT_THROW(printer.EndDoc(), EPrinter);
    printer.BeginDoc();
    try {
        printer.BeginDoc();
        ADD_FAILURE();
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.GetMessage(), "Printing in progress");
    }
    EXPECT_THROW(printer.SetOrientation(poLandscape), EPrinter);
    printer.Abort();
    EXPECT_FALSE(printer.GetPrinting());
    EXPECT_TRUE(printer.GetAborted());
    EXPECT_FALSE(std::filesystem::exists(pdf));
    printer.Abort();  // nothing open: nothing happens

    printer.SetFileName(dir.File("no/such/folder/x.pdf").c_str());
    try {
        printer.BeginDoc();
        ADD_FAILURE();
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.GetMessage().Pos("Cannot write the printed document to"), 1) << e.what();
    }
    EXPECT_FALSE(printer.GetPrinting());
}

TEST_F(PrinterTest, WithoutAFileNameEachDocumentGetsANewFileAtHome) {
    std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", dir.Path().c_str(), 1);
    printer.SetFileName("");
    printer.SetTitle("Chart: NRDQ/daily");
    dir.Write("Chart_ NRDQ_daily.pdf", "keep me");
    for (int i = 0; i < 2; ++i) {
        printer.BeginDoc();
        printer.GetCanvas()->TextOut(100, 100, "x");
        printer.EndDoc();
    }
    setenv("HOME", oldHome.c_str(), 1);
    EXPECT_EQ(dir.Read("Chart_ NRDQ_daily.pdf"), "keep me");
    EXPECT_EQ(printer.GetDocumentFileName(), dir.File("Chart_ NRDQ_daily (3).pdf"));
    EXPECT_EQ(ReadPdfInfo(dir.File("Chart_ NRDQ_daily (2).pdf")).pages, 1);
    EXPECT_TRUE(std::filesystem::exists(dir.File("Chart_ NRDQ_daily (3).pdf")));
}

// Between pages the windows are painted, and nothing else runs: a form
// released before the document is freed only after it.
TEST_F(PrinterTest, BetweenPagesOnlyPaintsRun) {
    TForm* shown = TForm::Create<TForm>(Application);
    TForm* released = TForm::Create<TForm>(Application);
    int paints = 0, paintsWhilePrinting = 0;
    bool freed = false;
    shown->OnPaint = [&](TObject*) {
        ++paints;
        paintsWhilePrinting += printer.GetPrinting();
    };
    released->OnDestroy = [&](TObject*) { freed = true; };
    shown->Show();
    Application->ProcessMessages();
    ASSERT_GT(paints, 0);
    shown->Invalidate();
    released->Release();
    printer.BeginDoc();
    printer.GetCanvas()->TextOut(100, 100, "one");
    EXPECT_EQ(paintsWhilePrinting, 0);
    printer.NewPage();
    EXPECT_EQ(paintsWhilePrinting, 1);
    EXPECT_FALSE(freed);
    printer.EndDoc();
    Application->ProcessMessages();
    EXPECT_TRUE(freed);
    shown->Free();
}

}  // namespace
