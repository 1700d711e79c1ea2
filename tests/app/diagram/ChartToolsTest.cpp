// The Diagram page's tools, driven with the mouse on the real chart: the
// two mode buttons, trend lines and their Fibonacci arcs read back from the
// chart's pixels, the 20-line table, zoom dropping the lines, the pane
// separator, and the export to a bitmap file read by ImageMagick.
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/mainwindow/MainWindowFixture.h"
#include "chart/control/Chart.h"
#include "chart/preview/TeePrevi.h"
#include "platform/controls/StdCtrls.h"
#include "platform/host/Printers.h"
#include "platform/runtime/SysUtils.h"
#include "platform/host/Dialogs.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinMenus.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinSpeedButton.h"

namespace {

class ChartToolsTest : public MainWindowTest {
protected:
    // The sample's chart of closes and volumes on the Diagram page, its
    // plotting rectangle known after a paint.
    void SetUp() override {
        MainWindowTest::SetUp();
        const char* source = std::getenv("VELMORA_SOURCE_DIR");
        ASSERT_NE(source, nullptr);
        Start({std::string(source) + "/data/samples/NRDQ.zrq"});
        form_->QuoteTypeCombo->SetItemIndex(3);
        form_->AnalysisTypeCombo->SetItemIndex(10);
        form_->FindMenuItem("Analysis", "Create Analysis")->Click();
        chart = form_->BigChart;
        chart->Repaint();
        plot = chart->GetChartRect();
    }
    bool On(TSeSkinSpeedButton* Button) const { return !Button->GetTransparent(); }
    void Drag(int X1, int Y1, int X2, int Y2) {
        MouseDown(chart, mbLeft, X1, Y1);
        MouseMove(chart, (X1 + X2) / 2, (Y1 + Y2) / 2);
        MouseMove(chart, X2, Y2);
        MouseUp(chart, mbLeft, X2, Y2);
    }
    TColor Pixel(int X, int Y) { return SurfacePixel(chart, X, Y); }

    TChart* chart = nullptr;
    TRect plot;
};

TEST_F(ChartToolsTest, TheModeButtonsKeepTheirStateInTransparent) {
    TOriginalForm1* form = form_;
    EXPECT_FALSE(On(form->BtDiagrTrendl));
    EXPECT_FALSE(On(form->BtDiagrFibonacci));
    MouseClick(form->BtDiagrFibonacci, 5, 5);  // arcs need line mode
    EXPECT_FALSE(On(form->BtDiagrFibonacci));
    MouseClick(form->BtDiagrTrendl, 5, 5);
    EXPECT_TRUE(On(form->BtDiagrTrendl));
    MouseClick(form->BtDiagrFibonacci, 5, 5);
    EXPECT_TRUE(On(form->BtDiagrFibonacci));
    MouseClick(form->BtDiagrTrendl, 5, 5);  // off, and the arcs with it
    EXPECT_FALSE(On(form->BtDiagrTrendl));
    EXPECT_FALSE(On(form->BtDiagrFibonacci));
    form->FindMenuItem("Diagram", "Draw Trendlines")->Click();
    form->FindMenuItem("Diagram", "Draw Fibonacci Arcs")->Click();
    EXPECT_TRUE(On(form->BtDiagrTrendl) && On(form->BtDiagrFibonacci));
    form->FindMenuItem("Diagram", "Erase Trendlines and Arcs")->Click();
    EXPECT_FALSE(On(form->BtDiagrTrendl) || On(form->BtDiagrFibonacci));
    // A zoomed chart takes no line: the buttons do not react.
    form->ChartZoomed = true;
    MouseClick(form->BtDiagrTrendl, 5, 5);
    EXPECT_FALSE(On(form->BtDiagrTrendl));
}

TEST_F(ChartToolsTest, DragsToTheRightStoreLinesWithTheirArcs) {
    TOriginalForm1* form = form_;
    MouseClick(form->BtDiagrTrendl, 5, 5);
    const int x = plot.Left + 60, y = plot.Top + 20;
    // The band inverts what it crosses, and goes when the mouse is back
    // left of the start.
    const TColor under = Pixel(x + 50, y + 10);
    MouseDown(chart, mbLeft, x, y + 10);
    MouseMove(chart, x + 100, y + 10);
    EXPECT_EQ(Pixel(x + 50, y + 10), TColor(~under & 0xFFFFFF));
    MouseMove(chart, x - 10, y + 10);
    EXPECT_EQ(Pixel(x + 50, y + 10), under);
    MouseUp(chart, mbLeft, x - 10, y + 10);
    // To the left of the start: no band, no line, and the zoom is back.
    Drag(x + 200, y + 100, x, y + 200);
    EXPECT_EQ(form->LineCount, 0);
    EXPECT_TRUE(chart->GetAllowZoom());
    // Outside the plot: nothing starts.
    Drag(plot.Left - 5, y, x + 100, y);
    EXPECT_EQ(form->LineCount, 0);
    EXPECT_FALSE(chart->GetZoomed());

    // A falling line of length 100 (60 across, 80 down) with arcs: radii 38, 50, 61 above its end.
    MouseClick(form->BtDiagrFibonacci, 5, 5);
    Drag(x, y, x + 60, y + 80);
    ASSERT_EQ(form->LineCount, 1);
    const TrendLine& line = form->Lines[0];
    EXPECT_EQ((std::vector<int>{line.X1, line.Y1, line.X2, line.Y2}), (std::vector<int>{x, y, x + 60, y + 80}));
    EXPECT_TRUE(line.Fibonacci);
    EXPECT_TRUE(chart->GetAllowZoom());
    ProcessMessagesUntil([] { return true; }, 1000);
    EXPECT_EQ(Pixel(x + 30, y + 40), clBlack) << "the line";
    for (int r : {38, 50, 61}) {
        EXPECT_EQ(Pixel(line.X2 + r, line.Y2), clBlack) << r;
        EXPECT_EQ(Pixel(line.X2, line.Y2 - r), clBlack) << r;
        EXPECT_NE(Pixel(line.X2, line.Y2 + r), clBlack) << "no arc below " << r;
    }
    // A rising line gets its arcs below its end.
    MouseClick(form->BtDiagrFibonacci, 5, 5);
    Drag(x + 100, y + 180, x + 160, y + 100);
    ASSERT_EQ(form->LineCount, 2);
    EXPECT_EQ(Pixel(x + 160, y + 100 + 38), clBlack);
    EXPECT_NE(Pixel(x + 160, y + 100 - 38), clBlack);
}

// The table holds 20 lines: a 21st drag stores nothing and writes nowhere,
// and the chart's zoom comes back after it all the same.
TEST_F(ChartToolsTest, TwentyLinesAtMostAndAZoomDropsThem) {
    TOriginalForm1* form = form_;
    MouseClick(form->BtDiagrTrendl, 5, 5);
    for (int i = 0; i < 21; ++i) Drag(plot.Left + 10, plot.Top + 10 + i, plot.Left + 100, plot.Top + 30 + i);
    EXPECT_EQ(form->LineCount, 20);
    EXPECT_EQ(form->Lines[19].Y1, plot.Top + 29);
    EXPECT_TRUE(chart->GetAllowZoom());
    EXPECT_FALSE(form->Dragging);

    // With line mode off the same drag zooms, and the lines are gone for good.
    MouseClick(form->BtDiagrTrendl, 5, 5);
    Drag(plot.Left + 20, plot.Top + 20, plot.Left + 200, plot.Top + 150);
    EXPECT_TRUE(chart->GetZoomed());
    EXPECT_TRUE(form->ChartZoomed);
    EXPECT_EQ(form->LineCount, 0);
    MouseClick(form->BtDiagrTrendl, 5, 5);
    EXPECT_FALSE(On(form->BtDiagrTrendl)) << "no line mode while zoomed";
    chart->UndoZoom();
    EXPECT_FALSE(form->ChartZoomed);
    EXPECT_EQ(form->LineCount, 0);
}

TEST_F(ChartToolsTest, AGreySeparatorLiesBetweenThePanes) {
    const int y = plot.Bottom / 2 + plot.Top / 2 - 2;
    int grey = 0;
    for (int x = plot.Left + 5; x < plot.Right - 5; x += 7) grey += Pixel(x, y) == TColor(0x808080);
    EXPECT_GT(grey, (plot.Right - plot.Left - 10) / 7 / 2) << "most of the line, the axes' grid crossing it";
}

// The chart drawn elsewhere and larger (as on a printed page) carries its
// lines over the same place of its plot.
TEST_F(ChartToolsTest, LinesFollowThePlotWhereverTheChartIsDrawn) {
    MouseClick(form_->BtDiagrTrendl, 5, 5);
    const int x = plot.Left + 40, y = plot.Top + 30;
    Drag(x, y, x + 200, y + 100);
    ASSERT_EQ(form_->LineCount, 1);
    const int w = chart->GetWidth(), h = chart->GetHeight();
    TBitmap page;
    page.SetSize(2 * w + 100, 2 * h + 80);
    page.GetCanvas()->GetBrush()->SetColor(clWhite);
    page.GetCanvas()->FillRect(TRect(0, 0, page.GetWidth(), page.GetHeight()));
    chart->Draw(page.GetCanvas(), TRect(100, 80, 100 + 2 * w, 80 + 2 * h));
    const TRect drawn = chart->GetChartRect();
    EXPECT_GT(drawn.Width(), plot.Width() * 3 / 2) << "the plot drawn larger";
    // The line's middle, found where the plot drawn there puts it (the
    // chart is laid out in the rectangle's own coordinates).
    const int midX = 100 + drawn.Left + MulDiv(x + 100 - plot.Left, drawn.Width(), plot.Width());
    const int midY = 80 + drawn.Top + MulDiv(y + 50 - plot.Top, drawn.Height(), plot.Height());
    int black = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) black += page.GetCanvas()->GetPixels(midX + dx, midY + dy) == clBlack;
    EXPECT_GT(black, 0) << "the line runs through its middle at " << midX << "," << midY;
}

// Print Diagram opens the chart's preview; its Print writes the chart with
// the lines drawn on it, which pdftotext reads back by the chart's title.
TEST_F(ChartToolsTest, PrintDiagramPrintsTheChartThroughItsPreview) {
    const std::string pdf = dir_.File("diagram.pdf");
    Printer()->SetPrinterIndex(0);
    Printer()->SetFileName(pdf.c_str());
    const TPrinterOrientation before = Printer()->GetOrientation();
    TCustomTeePanel* previewed = nullptr;
    AnswerNextModalForm([&](TCustomForm* Form) {
        auto* preview = static_cast<TChartPreview*>(Form);
        previewed = preview->PreviewPage->GetImage();
        MouseClick(preview->BPrint, 10, 10);
        MouseClick(preview->BClose, 10, 10);
    });
    AnswerMessage(mrOk);
    form_->FindMenuItem("File", "Print Diagram")->Click();
    EXPECT_EQ(MessageText(), ("Printed 1 page to " + pdf + ".").c_str());
    Printer()->SetFileName("");
    Printer()->SetPrinterIndex(-1);
    EXPECT_EQ(previewed, chart);
    EXPECT_EQ(Printer()->GetOrientation(), before);
    EXPECT_EQ(form_->PageControl1->GetActivePage(), form_->TabSheet7);
    FILE* text = popen(("pdftotext '" + pdf + "' - 2>&1").c_str(), "r");
    std::string printed;
    for (char buffer[256]; std::fgets(buffer, sizeof buffer, text);) printed += buffer;
    pclose(text);
    EXPECT_NE(printed.find("NRDQ"), std::string::npos) << printed;
    EXPECT_NE(printed.find("Volume"), std::string::npos) << printed;
}

TEST_F(ChartToolsTest, ExportWritesABitmapUnderTheNameAndBmp) {
    for (const std::string& name : {std::string("chart"), std::string("chart.bmp")}) {
        AnswerNextFileDialog(dir_.File(name).c_str());
        form_->FindMenuItem("Diagram", "Export to Bitmap")->Click();
        const std::string written = dir_.File(name + ".bmp");
        ASSERT_TRUE(std::filesystem::exists(written)) << written;
        const std::string command = "identify -format '%m %w %h' '" + written + "' 2>&1";
        FILE* identify = popen(command.c_str(), "r");
        char text[128] = {};
        ASSERT_NE(std::fgets(text, sizeof text, identify), nullptr);
        pclose(identify);
        EXPECT_EQ(std::string(text),
                  "BMP3 " + std::to_string(chart->GetWidth()) + " " + std::to_string(chart->GetHeight()))
            << name;
    }
    // An existing picture is replaced only when the user says so.
    const std::string kept = dir_.File("chart.bmp");
    const auto before = std::filesystem::last_write_time(kept);
    AnswerNextFileDialog(dir_.File("chart").c_str());
    AnswerMessage(mrNo);
    form_->FindMenuItem("Diagram", "Export to Bitmap")->Click();
    EXPECT_EQ(MessageText(), (kept + " already exists.\nDo you want to replace it?").c_str());
    EXPECT_EQ(std::filesystem::last_write_time(kept), before);
}

}  // namespace
