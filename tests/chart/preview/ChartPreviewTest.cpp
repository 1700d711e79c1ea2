// The print preview: the sheet's layout, the margins dragged, typed and
// stepped with their refusals, the cursors over the sheet, orientation and
// printer set-up, and printing to the PDF printer, read back by poppler and
// ImageMagick.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "chart/panel/PanelTestSupport.h"
#include "chart/preview/TeePrevi.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/runtime/SysUtils.h"
#include "platform/testing/TestInput.h"
#include "support/TempDir.h"

namespace {

TEST(PreviewSheet, LiesAlongTheClientAsThePagesLongSideDoes) {
    struct Case {
        int pageWidth, pageHeight, clientWidth, clientHeight;
        TRect sheet;
        const char* why;
    };
    for (const Case& c : {Case{4800, 6600, 400, 300, TRect(102, 15, 298, 285), "portrait: 90 % of the height, centred"},
                          Case{6600, 4800, 400, 300, TRect(20, 19, 380, 281), "landscape: 90 % of the width"},
                          Case{6600, 4800, 465, 400, TRect(23, 47, 442, 352), "46.5 rounds to 46, 23.25 to 23"},
                          Case{0, 0, 400, 300, TRect(20, 0, 380, 300), "a 0 x 0 page: 90 % wide, full height"}})
        EXPECT_EQ(PreviewPaperRect(c.pageWidth, c.pageHeight, c.clientWidth, c.clientHeight), c.sheet) << c.why;
}

// A red box at (40, 50)-(140, 120) of the chart, a green disc and a caption.
void PaintSample(TCanvas3D* Canvas, const TRect& R) {
    Canvas->GetPen()->SetColor(clBlack);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(clRed);
    Canvas->Rectangle(R.Left + 40, R.Top + 50, R.Left + 140, R.Top + 120);
    Canvas->GetBrush()->SetColor(clGreen);
    Canvas->Ellipse(R.Left + 260, R.Top + 60, R.Left + 360, R.Top + 160);
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->GetFont()->SetName("DejaVu Sans");
    Canvas->GetFont()->SetHeight(-16);
    Canvas->TextOut(R.Left + 50, R.Top + 190, "Closing");
}

// A 400 x 250 panel drawing the sample, previewed
// in a window shown (not modally) on the PDF printer.
struct ChartPreviewTest : ::testing::Test, TPanelOnForm {
    ChartPreviewTest() {
        ClearAutomation();
        Printer()->SetPrinterIndex(0);
        Printer()->SetOrientation(poPortrait);
        Printer()->SetFileName(pdf.c_str());
        panel->SetName("QuoteChart");
        panel->SetColor(clWhite);
        panel->OnPaint = [this](TObject*, const TRect& r) { PaintSample(panel->GetCanvas(), r); };
    }
    ~ChartPreviewTest() override {
        if (preview) preview->Free();
        Printer()->SetFileName("");
        Printer()->SetPrinterIndex(-1);
        Printer()->SetOrientation(poPortrait);
        Screen->SetCursor(crDefault);
        ClearAutomation();
    }

    void Open(const TRect& Margins, bool Proportional = false) {
        panel->SetPrintProportional(Proportional);
        panel->PrintMargins = Margins;
        preview = TForm::Create<TChartPreview>(form);
        preview->PreviewPage->SetImage(panel);
        preview->Show();
        Application->ProcessMessages();
    }
    TTeePreviewPage* Page() const { return preview->PreviewPage; }
    TRect Image() const { return Page()->GetImageRect(); }
    TRect Paper() const { return Page()->GetPaperRect(); }
    TPoint Middle() const { return {(Image().Left + Image().Right) / 2, (Image().Top + Image().Bottom) / 2}; }
    // Puts the margins back and paints the sheet for them.
    void SetMargins(const TRect& Margins) {
        panel->PrintMargins = Margins;
        Page()->Repaint();
    }
    void Drag(TPoint From, TPoint To) {
        MouseDown(Page(), mbLeft, From.x, From.y);
        MouseMove(Page(), To.x, To.y);
        MouseUp(Page(), mbLeft, To.x, To.y);
        Application->ProcessMessages();
    }
    // How many of the sheet's pixels in column X, from Top to Bottom, show a margin line.
    int LinePixels(int X, int Top, int Bottom) const {
        int count = 0;
        for (int y = Top; y < Bottom; ++y) count += ScreenPixel(Page(), X, y) == ColorToRGB(clSilver);
        return count;
    }

    TempDir dir;
    const std::string pdf = dir.File("preview.pdf");
    TChartPreview* preview = nullptr;
};

TEST_F(ChartPreviewTest, TheSheetShowsThePrintersPageAndTheMarginsInTheEdits) {
    Open(TRect(10, 20, 30, 25));
    EXPECT_EQ(Printer()->GetOrientation(), poLandscape) << "the window turns the printer";
    EXPECT_EQ(preview->Orientation->GetItemIndex(), 1);
    EXPECT_EQ(Paper(), PreviewPaperRect(Printer()->GetPageWidth(), Printer()->GetPageHeight(), Page()->GetWidth(),
                                        Page()->GetHeight()));
    EXPECT_GT(Paper().Width(), Paper().Height());
    const TRect p = Paper();
    EXPECT_EQ(Image(), TRect(p.Left + MulDiv(10, p.Width(), 100), p.Top + MulDiv(20, p.Height(), 100),
                             p.Right - MulDiv(30, p.Width(), 100), p.Bottom - MulDiv(25, p.Height(), 100)));
    EXPECT_EQ(preview->SELeftMa->GetText(), "10");
    EXPECT_EQ(preview->SETopMa->GetText(), "20");
    EXPECT_EQ(preview->SERightMa->GetText(), "30");
    EXPECT_EQ(preview->SEBotMa->GetText(), "25");
    EXPECT_FALSE(preview->BReset->GetEnabled());
    EXPECT_FALSE(preview->CBProp->GetChecked());
    // The red box sits where the chart's 400 x 250 are scaled into the image.
    const TPoint red(Image().Left + 90 * Image().Width() / 400, Image().Top + 85 * Image().Height() / 250);
    EXPECT_EQ(ScreenPixel(Page(), red.x, red.y), clRed);
    EXPECT_EQ(ScreenPixel(Page(), p.Left + 2, p.Top + 2), clWhite);
    EXPECT_EQ(ScreenPixel(Page(), p.Right + 2, p.Bottom + 2), clBlack) << "the sheet's shadow";
}

TEST_F(ChartPreviewTest, DragsMoveTheMarginsOrAreRefused) {
    Open(TRect(20, 20, 20, 20));
    struct Case {
        const char* what;
        std::function<void(const TRect& image, const TRect& paper, TPoint& from, TPoint& to)> points;
        TRect margins;
        int slack = 0;  // whole percents of the sheet lost or won in rounding
    };
    const Case cases[] = {
        {"the left line onto the sheet's edge",
         [](const TRect& i, const TRect& p, TPoint& from, TPoint& to) { from = {i.Left, p.Top + 30}, to = {p.Left, p.Top + 30}; },
         TRect(0, 20, 20, 20)},
        {"the left line beyond the chart's right edge",
         [](const TRect& i, const TRect& p, TPoint& from, TPoint& to) { from = {i.Left, p.Top + 30}, to = {i.Right + 10, p.Top + 30}; },
         TRect(20, 20, 20, 20)},
        {"the lower right corner into the sheet's corner",
         [](const TRect& i, const TRect& p, TPoint& from, TPoint& to) { from = {i.Right, i.Bottom}, to = {p.Right - 1, p.Bottom - 1}; },
         TRect(20, 20, 0, 0)},
        {"the chart whole until its right edge reaches the sheet's",
         [](const TRect& i, const TRect& p, TPoint& from, TPoint& to) {
             from = {i.Left + 10, i.Top + 10}, to = {from.x + p.Right - i.Right, from.y};
         },
         TRect(20, 20, 20, 20)},
        {"the chart whole until its bottom edge reaches the sheet's",
         [](const TRect& i, const TRect& p, TPoint& from, TPoint& to) {
             from = {i.Left + 10, i.Top + 10}, to = {from.x, from.y + p.Bottom - i.Bottom};
         },
         TRect(20, 20, 20, 20)},
        {"the chart whole to one pixel short of the sheet's right edge",
         [](const TRect& i, const TRect& p, TPoint& from, TPoint& to) {
             from = {i.Left + 10, i.Top + 10}, to = {from.x + p.Right - i.Right - 1, from.y};
         },
         TRect(40, 20, 0, 20), 1},
        {"a press on the paper off the chart's edges",
         [](const TRect&, const TRect& p, TPoint& from, TPoint& to) { from = {p.Left + 2, p.Top + 2}, to = {p.Left + 40, p.Top + 40}; },
         TRect(20, 20, 20, 20)},
    };
    for (const Case& c : cases) {
        SetMargins(TRect(20, 20, 20, 20));
        TPoint from, to;
        c.points(Image(), Paper(), from, to);
        Drag(from, to);
        const TRect& m = panel->PrintMargins;
        EXPECT_NEAR(m.Left, c.margins.Left, c.slack) << c.what;
        EXPECT_NEAR(m.Top, c.margins.Top, c.slack) << c.what;
        EXPECT_NEAR(m.Right, c.margins.Right, c.slack) << c.what;
        EXPECT_NEAR(m.Bottom, c.margins.Bottom, c.slack) << c.what;
    }
}

TEST_F(ChartPreviewTest, WhileDraggedOnlyTheDottedLineMovesAndTheChartFollowsOnRelease) {
    Open(TRect(20, 20, 20, 20));
    const TRect image = Image(), paper = Paper();
    const int from = image.Left, to = image.Left - 30;
    EXPECT_GT(LinePixels(from - 1, paper.Top + 1, image.Top - 2), 5);
    EXPECT_EQ(LinePixels(to - 1, paper.Top + 1, image.Top - 2), 0);
    MouseDown(Page(), mbLeft, from, image.Top + 20);
    MouseMove(Page(), to, image.Top + 20);
    EXPECT_EQ(LinePixels(from - 1, paper.Top + 1, image.Top - 2), 0) << "drawn again in not-xor: gone";
    EXPECT_GT(LinePixels(to - 1, paper.Top + 1, image.Top - 2), 5);
    EXPECT_EQ(Image().Left, to);
    MouseUp(Page(), mbLeft, to, image.Top + 20);
    Application->ProcessMessages();
    // Repainted from the new margin, a whole percent of the sheet: within half a percent of the drop.
    EXPECT_NEAR(Image().Left, to, paper.Width() / 200 + 1);
    EXPECT_GT(LinePixels(Image().Left - 1, paper.Top + 1, image.Top - 2), 5);

    preview->ShowMargins->SetChecked(false);
    Application->ProcessMessages();
    EXPECT_FALSE(Page()->GetShowMargins());
    EXPECT_EQ(LinePixels(Image().Left - 1, paper.Top + 1, image.Top - 2), 0);
}

TEST_F(ChartPreviewTest, TheCursorShowsWhatAPressWouldDrag) {
    Open(TRect(20, 20, 20, 20));
    const TRect i = Image(), p = Paper();
    const TPoint m = Middle();
    struct Case {
        TPoint at;
        TCursor resizing, fixedSize, fixedPlace;  // AllowResize and AllowMove on; AllowResize off; AllowMove off
    };
    const Case cases[] = {
        {{i.Left, m.y}, crHSplit, crDefault, crHSplit},
        {{m.x, i.Top + 4}, crVSplit, crDefault, crVSplit},
        {{i.Right - 4, m.y}, crHSplit, crDefault, crHSplit},
        {{m.x, i.Bottom + 4}, crVSplit, crDefault, crVSplit},
        {m, crTeeHand, crTeeHand, crDefault},
        {{i.Left + 1, i.Top - 1}, crSizeNWSE, crDefault, crSizeNWSE},
        {{i.Right + 2, i.Top}, crSizeNESW, crDefault, crSizeNESW},
        {{i.Left - 4, i.Bottom}, crSizeNESW, crDefault, crSizeNESW},
        {{i.Right, i.Bottom}, crSizeNWSE, crDefault, crSizeNWSE},
        {{p.Left + 2, p.Top + 2}, crDefault, crDefault, crDefault},
    };
    auto shown = [&](TPoint at) {
        MouseMove(Page(), at.x, at.y);
        return ShownCursor(preview);
    };
    for (const Case& c : cases) EXPECT_EQ(shown(c.at), c.resizing) << c.at.x << ", " << c.at.y;
    Page()->SetAllowResize(false);
    for (const Case& c : cases) EXPECT_EQ(shown(c.at), c.fixedSize) << c.at.x << ", " << c.at.y;
    Drag(m, {m.x - (i.Left - p.Left), m.y});
    EXPECT_EQ(panel->PrintMargins.Left, 0) << "the chart still moves";
    SetMargins(TRect(20, 20, 20, 20));
    Page()->SetAllowResize(true);
    Page()->SetAllowMove(false);
    for (const Case& c : cases) EXPECT_EQ(shown(c.at), c.fixedPlace) << c.at.x << ", " << c.at.y;
}

TEST_F(ChartPreviewTest, AMarginThatWouldMeetItsOppositeIsPutBack) {
    Open(TRect(15, 15, 15, 40));
    struct Step {
        std::function<void()> act;
        int top;
        const char* what;
    };
    const Step steps[] = {
        {[&] { preview->SETopMa->SetText("60"); }, 15, "60 and 40 make the whole page: back to 15"},
        {[&] {
             MouseClick(preview->SETopMa, 5, 5);
             PressKey(preview, 'A', TShiftState() << ssCtrl);
             TypeText(preview, "60");
         },
         6, "typed: the 6 is taken, the 0 refused"},
        {[&] {
             PressKey(preview, VK_BACK);
             TypeText(preview, "59");
         },
         59, "59 leaves a sliver"},
        {[&] { MouseClick(preview->UDTopMa, 7, 3); }, 59, "stepped up to 60: refused"},
        {[&] { PressKey(preview, VK_DOWN); }, 58, "Down in the edit steps down"},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(panel->PrintMargins.Top, s.top) << s.what;
        EXPECT_EQ(preview->UDTopMa->GetPosition(), s.top) << s.what;
        EXPECT_EQ(preview->SETopMa->GetText(), IntToStr(s.top)) << s.what;
    }
    EXPECT_EQ(panel->PrintMargins.Bottom, 40);
    EXPECT_TRUE(preview->BReset->GetEnabled());
}

TEST_F(ChartPreviewTest, TypedMarginsAreNotReplacedByProportionalOnesWhenPrinting) {
    Open(TRect(15, 15, 15, 15), true);
    ASSERT_TRUE(preview->CBProp->GetChecked());
    MouseClick(preview->SELeftMa, 5, 5);
    PressKey(preview, 'A', TShiftState() << ssCtrl);
    TypeText(preview, "5");
    EXPECT_FALSE(preview->CBProp->GetChecked());
    EXPECT_FALSE(panel->GetPrintProportional());
    EXPECT_EQ(panel->ChartPrintRect().Left, Round(Printer()->GetPageWidth() * 5 / 100.0));
}

TEST_F(ChartPreviewTest, ADragClearsProportionalAndResetBringsBackTheOpeningMargins) {
    Open(TRect(15, 15, 15, 15), true);
    const TRect opened = panel->PrintMargins;
    EXPECT_EQ(opened, panel->CalcProportionalMargins()) << "proportional for the landscape page";
    EXPECT_TRUE(preview->CBProp->GetChecked());
    EXPECT_FALSE(preview->BReset->GetEnabled());
    Drag({Image().Left, Middle().y}, {Paper().Left, Middle().y});
    EXPECT_EQ(panel->PrintMargins.Left, 0);
    EXPECT_FALSE(preview->CBProp->GetChecked());
    EXPECT_FALSE(panel->GetPrintProportional());
    EXPECT_TRUE(preview->BReset->GetEnabled());
    EXPECT_EQ(preview->SELeftMa->GetText(), "0");

    MouseClick(preview->BReset, 10, 10);
    EXPECT_EQ(panel->PrintMargins, opened);
    EXPECT_FALSE(preview->BReset->GetEnabled());
    EXPECT_EQ(preview->SELeftMa->GetText(), IntToStr(opened.Left));

    SetMargins(TRect(5, 5, 5, 5));
    MouseClick(preview->CBProp, 5, 8);
    EXPECT_TRUE(panel->GetPrintProportional());
    EXPECT_EQ(panel->PrintMargins, opened) << "proportional again";
}

TEST_F(ChartPreviewTest, DetailSetsThePanelsPrintResolution) {
    Open(TRect(20, 20, 20, 20));
    EXPECT_EQ(preview->Resolution->GetPosition(), 0);
    preview->Resolution->SetFocus();
    PressKey(preview, VK_HOME);
    EXPECT_EQ(panel->GetPrintResolution(), -100) << "More";
    PressKey(preview, VK_NEXT);
    EXPECT_EQ(panel->GetPrintResolution(), -90);
}

TEST_F(ChartPreviewTest, PrinterSetUpAndThePrinterListFollowThePrinter) {
    Open(TRect(20, 20, 20, 20));
    ASSERT_EQ(preview->Printers->GetItems()->GetCount(), static_cast<int>(Printer()->GetPrinters().size()));
    EXPECT_EQ(preview->Printers->GetItems()->GetStrings(0), "Print to PDF file");
    EXPECT_EQ(preview->Printers->GetItemIndex(), Printer()->GetPrinterIndex());
    QueueAutomationAnswer("PrinterSetup", [](TAutomationRequest& r) {
        Printer()->SetOrientation(poPortrait);
        r.Result = IDOK;
    });
    MouseClick(preview->BSetupPrinter, 10, 10);
    Application->ProcessMessages();
    EXPECT_EQ(preview->Orientation->GetItemIndex(), 0);
    EXPECT_LT(Paper().Width(), Paper().Height()) << "the sheet turned with the printer";
    EXPECT_EQ(preview->Printers->GetItemIndex(), 0);
}

// The box of the red pixels on the printed page, in printer pixels: poppler
// renders the sheet at 60 pixels per inch, and the printer's origin lies its
// physical offset inside the sheet's corner.
TRect PrintedRedBox(const std::string& Pdf, const std::string& Png) {
    Shell("pdftoppm -r 60 -singlefile -png '" + Pdf + "' '" + Png.substr(0, Png.size() - 4) + "'");
    const std::string box = Shell("convert '" + Png + "' -fuzz 25% -fill white +opaque 'rgb(255,0,0)' -format '%@' info:");
    int w = 0, h = 0, x = 0, y = 0;
    if (std::sscanf(box.c_str(), "%dx%d+%d+%d", &w, &h, &x, &y) != 4 || w == 0) return TRect();
    HDC dc = Printer()->GetHandle();
    const double scale = GetDeviceCaps(dc, LOGPIXELSX) / 60.0;
    const int dx = GetDeviceCaps(dc, PHYSICALOFFSETX), dy = GetDeviceCaps(dc, PHYSICALOFFSETY);
    return TRect(int(x * scale) - dx, int(y * scale) - dy, int((x + w) * scale) - dx, int((y + h) * scale) - dy);
}

TEST_F(ChartPreviewTest, PrintingPutsTheChartIntoThePrintRectangle) {
    for (bool asBitmap : {false, true}) {
        Open(TRect(10, 20, 30, 25));
        Page()->SetAsBitmap(asBitmap);
        MouseClick(preview->BPrint, 10, 10);
        EXPECT_EQ(Screen->GetCursor(), crDefault);
        const TRect rect = panel->ChartPrintRect();
        const int pw = Printer()->GetPageWidth();
        EXPECT_EQ(rect.Left, Round(pw * 10 / 100.0));
        const double sx = rect.Width() / 400.0, sy = rect.Height() / 250.0;
        const TRect red(rect.Left + int(40 * sx), rect.Top + int(50 * sy), rect.Left + int(140 * sx),
                        rect.Top + int(120 * sy));
        const TRect printed = PrintedRedBox(pdf, dir.File("page.png"));
        const int tolerance = pw / 100;
        EXPECT_NEAR(printed.Left, red.Left, tolerance) << "as bitmap " << asBitmap;
        EXPECT_NEAR(printed.Top, red.Top, tolerance) << "as bitmap " << asBitmap;
        EXPECT_NEAR(printed.Right, red.Right, tolerance) << "as bitmap " << asBitmap;
        EXPECT_NEAR(printed.Bottom, red.Bottom, tolerance) << "as bitmap " << asBitmap;
        EXPECT_NE(Shell("pdfinfo '" + pdf + "'").find("842 x 595"), std::string::npos) << "landscape A4";
        // Text drawn through the metafile is text on the page; a bitmap is only a picture.
        EXPECT_EQ(Shell("pdftotext '" + pdf + "' -").find("Closing") != std::string::npos, !asBitmap);
        preview->Free();
        preview = nullptr;
    }
}

TEST_F(ChartPreviewTest, ClosingGivesThePrinterItsOrientationBack) {
    struct Case {
        TPrinterOrientation found;
        int chosen;  // 0 portrait, 1 landscape, -1 none
    };
    for (const Case& c : {Case{poPortrait, -1}, Case{poPortrait, 0}, Case{poLandscape, 0}, Case{poLandscape, 1}}) {
        Printer()->SetOrientation(c.found);
        bool seen = false;
        AnswerNextModalForm([&](TCustomForm* form) {
            auto* shown = static_cast<TChartPreview*>(form);
            seen = Printer()->GetOrientation() == poLandscape;
            if (c.chosen >= 0) MouseClick(shown->Orientation->GetControls(c.chosen), 5, 8);
            const TPrinterOrientation chosen = c.chosen == 0 ? poPortrait : poLandscape;
            EXPECT_EQ(Printer()->GetOrientation(), chosen);
            Application->ProcessMessages();
            const TRect sheet = shown->PreviewPage->GetPaperRect();
            EXPECT_EQ(sheet.Width() > sheet.Height(), chosen == poLandscape);
            MouseClick(shown->BClose, 10, 10);
        });
        ChartPreview(form, panel);
        EXPECT_TRUE(seen) << "shown in landscape";
        EXPECT_EQ(Printer()->GetOrientation(), c.found) << "found " << c.found << ", chosen " << c.chosen;
    }
}

}  // namespace
