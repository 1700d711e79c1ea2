// A chart printed on the PDF printer, read back by poppler: the whole chart
// (title, axes and their labels, the series) lies inside the print
// rectangle of the printable area, its texts as text.
#include <gtest/gtest.h>

#include "ChartControlTestSupport.h"
#include "chart/seriestypes/Series.h"
#include "support/PrintedPdf.h"
#include "support/TempDir.h"

namespace {

// At 60 pixels per inch a rendered pixel is ten printer pixels (600 per
// inch), whose origin lies 142 of them (the PDF printer's margin) inside
// the sheet's corner.
constexpr int Scale = 10, Margin = 142;

struct ChartPrint : ::testing::Test, TChartControlOnForm {
    TempDir dir;
    const std::string pdf = dir.File("chart.pdf");
    TPrintingToPdf printing{pdf};
};

TEST_F(ChartPrint, TheChartLiesInsideThePrintRectangle) {
    chart->GetTitle()->GetText()->Add("NRDQ");
    auto* closes = new TLineSeries(form);
    closes->SetParentChart(chart);
    closes->SetSeriesColor(clRed);
    for (int i = 0; i < 60; ++i) closes->AddXY(i, 130 + (i % 7) * 2 + i / 5.0);
    Paint();
    chart->Print();
    const TRect printed = chart->ChartPrintRect();
    ASSERT_EQ(ReadPdfInfo(pdf).pages, 1);
    const TRenderedPage page = RenderPdfPage(pdf, 1, 60);
    ASSERT_GT(page.width, 0);

    // Every mark on the sheet, and the red line's, in printer pixels.
    TRect ink(1 << 30, 1 << 30, -(1 << 30), -(1 << 30)), line = ink;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x) {
            const TColor p = page.At(x, y);
            if (p == clWhite) continue;
            const TRect cell(x * Scale - Margin, y * Scale - Margin, (x + 1) * Scale - Margin, (y + 1) * Scale - Margin);
            auto take = [&](TRect& box) {
                box = TRect(std::min(box.Left, cell.Left), std::min(box.Top, cell.Top), std::max(box.Right, cell.Right),
                            std::max(box.Bottom, cell.Bottom));
            };
            take(ink);
            if (GetRValue(p) > 200 && GetGValue(p) < 80 && GetBValue(p) < 80) take(line);
        }
    EXPECT_GE(ink.Left, printed.Left - Scale);
    EXPECT_GE(ink.Top, printed.Top - Scale);
    EXPECT_LE(ink.Right, printed.Right + Scale);
    EXPECT_LE(ink.Bottom, printed.Bottom + Scale);
    // The chart fills its rectangle: the title near the top, the axes'
    // labels near the left and the bottom.
    EXPECT_LT(ink.Top - printed.Top, printed.Height() / 10);
    EXPECT_LT(ink.Left - printed.Left, printed.Width() / 10);
    EXPECT_LT(printed.Bottom - ink.Bottom, printed.Height() / 10);
    EXPECT_GT(line.Width(), printed.Width() / 2);
    EXPECT_GT(line.Height(), printed.Height() / 4);

    const TPdfLines text = ReadPdfLines(pdf);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].front(), "NRDQ");
}

}  // namespace
