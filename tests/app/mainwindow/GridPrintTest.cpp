// Printing the quotes grid and the Vazod Erurid grid on the PDF printer,
// read back by poppler: every row and column in full on pages of the
// layout's height, the title and the headings on every page, the page
// numbers at the foot, text in a font, all within the printable area, and
// the message that says where the file went.
#include <cmath>
#include <cstdlib>

#include "app/wizard/WizardFixture.h"
#include "app/mainwindow/gridprint.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "support/PrintedPdf.h"

namespace {

// The printable area of the PDF printer's A4 sheet, in points, and its height in printer pixels.
constexpr double Margin = 142 * 72.0 / 600, SheetWidth = 595, SheetHeight = 842;
constexpr int AreaHeight = 6733;

class GridPrintTest : public WizardTest {
protected:
    // Opens the quote file into the quotes grid and prints it, answering the message.
    void PrintQuotes(const std::string& File) {
        AnswerNextFileDialog(File.c_str());
        MouseClick(form_->ToolbAnalysisOpenBt, 5, 5);
        AnswerMessage(IDOK);
        MouseClick(form_->ToolbAnalysisPrintQuotesBt, 5, 5);
    }
    // A quote file of Count quotes of XYZ.
    std::string XyzQuotes(int Count) {
        std::vector<double> closes;
        for (int i = 0; i < Count; ++i) closes.push_back(1000 + i);
        return StockFile("xyz.zrq", "XYZ", closes);
    }
    // The grid's row as the printed line reads.
    std::string PrintedRow(TSeCustomStringGrid* Grid, int FirstColumn, int Row) {
        std::string line;
        for (int column = FirstColumn; column < FirstColumn + 6; ++column)
            if (!Grid->GetCells(column, Row).IsEmpty()) line += (line.empty() ? "" : " ") + Grid->GetCells(column, Row).str();
        return line;
    }

    const std::string pdf_ = dir_.File("printed.pdf");
    TPrintingToPdf printing_{pdf_};
};

TEST_F(GridPrintTest, TheSamplesQuotesPrintInFullOnPagesOfTheLayoutsHeight) {
    Start();
    const char* source = std::getenv("VELMORA_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    PrintQuotes(std::string(source) + "/data/samples/NRDQ.zrq");
    EXPECT_EQ(form_->PageControl1->GetActivePage(), form_->TabSheet5);
    TSeCustomStringGrid* grid = form_->StringGrid2;
    const int quotes = grid->GetRowCount() - 1;
    ASSERT_EQ(quotes, 2520);

    const int linesPerPage = (AreaHeight - 300) / 150 - 3;
    const int pages = (quotes + linesPerPage - 1) / linesPerPage;
    EXPECT_EQ(linesPerPage, 39);
    EXPECT_EQ(ReadPdfInfo(pdf_).pages, pages);
    EXPECT_EQ(MessageText(), "Printed " + std::to_string(pages) + " pages to " + pdf_ + ".");
    EXPECT_EQ(MessageCaption(), "Information");
    const std::vector<std::string> fonts = ReadPdfFonts(pdf_);
    ASSERT_FALSE(fonts.empty());
    EXPECT_NE(fonts[0].find("LiberationSans"), std::string::npos) << fonts[0];

    const TPdfLines printed = ReadPdfLines(pdf_);
    ASSERT_EQ(static_cast<int>(printed.size()), pages);
    int row = 1;
    for (int page = 0; page < pages; ++page) {
        SCOPED_TRACE(page);
        const std::vector<std::string>& lines = printed[static_cast<std::size_t>(page)];
        const int rowsOnPage = std::min(linesPerPage, quotes - page * linesPerPage);
        ASSERT_EQ(static_cast<int>(lines.size()), rowsOnPage + 3);
        EXPECT_EQ(lines.front(), "NRDQ");
        EXPECT_EQ(lines[1], "Date Open High Low Close Volume");
        for (int line = 0; line < rowsOnPage; ++line, ++row) EXPECT_EQ(lines[line + 2], PrintedRow(grid, 1, row));
        EXPECT_EQ(lines.back(), "Page " + std::to_string(page + 1));
    }

    // The columns stand where the layout puts them, and every word ends
    // within the printable area.
    for (const TPdfWord& word : ReadPdfWords(pdf_)) {
        if (word.text == "Volume" || word.text == "2400700") {
            EXPECT_NEAR(word.left, Margin + 2500 * 72.0 / 600, 1);
        }
        EXPECT_GE(word.left, Margin - 0.5) << word.text;
        EXPECT_LE(word.right, SheetWidth - Margin) << word.text;
        EXPECT_LE(word.bottom, SheetHeight - Margin) << word.text;
    }
}

TEST_F(GridPrintTest, AFullLastPageIsNotFollowedByAnEmptyOne) {
    Start();
    for (int count : {39, 40}) {
        SCOPED_TRACE(count);
        PrintQuotes(XyzQuotes(count));
        const TPdfLines pages = ReadPdfLines(pdf_);
        ASSERT_EQ(pages.size(), count == 39 ? 1u : 2u);
        EXPECT_EQ(pages.back().back(), count == 39 ? "Page 1" : "Page 2");
        EXPECT_EQ(MessageText(), count == 39 ? "Printed 1 page to " + pdf_ + "." : "Printed 2 pages to " + pdf_ + ".");
    }
}

TEST_F(GridPrintTest, TheWizardGridPrintsUnderTheDocumentsName) {
    TOriginalForm1* form = Start();
    AddStock(StockFile("rise.zrq", "RISE", Trend(250, 200, 0.5)));
    AddStock(StockFile("fall.zrq", "FALL", Trend(250, 50, -0.5)));
    AddStock(StockFile("few.zrq", "FEW", Trend(20, 20, 1)), 1);
    SaveAs(dir_.File("tech"));
    form->PageControl1->SetActivePage(form->TabSheet5);
    AnswerMessage(IDOK);
    MouseClick(form->ToolbWizardPrintBt, 5, 5);
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet4);
    EXPECT_EQ(MessageText(), "Printed 1 page to " + pdf_ + ".");
    EXPECT_EQ(ReadPdfLines(pdf_), (TPdfLines{{"tech", "Symbol Name Date Close Volume Short Long",
                                              "RISE 1-Jan-99 200.00 1000 Buy Buy", "FALL 1-Jan-99 50.00 1000 Sell Sell",
                                              "FEW 1-Jan-99 20.00 1000 Buy", "Page 1"}}));
    EXPECT_FALSE(ReadPdfFonts(pdf_).empty());
    const double lefts[] = {0, 700, 1200, 1600, 2100, 2400};
    const std::vector<TPdfWord> words = ReadPdfWords(pdf_);
    for (const TPdfWord& word : words)
        if (word.text == "RISE" || word.text == "1-Jan-99" || word.text == "200.00" || word.text == "Buy") {
            EXPECT_TRUE(std::any_of(std::begin(lefts), std::end(lefts),
                                    [&](double left) { return std::abs(word.left - (Margin + left * 72 / 600)) < 1; }))
                << word.text << " at " << word.left;
        }
}

TEST(GridLinesPerPage, AtLeastOneLineOnAnyPage) {
    const struct {
        int Height, Lines;
    } cases[] = {{6733, 39}, {3000, 15}, {1200, 3}, {1050, 2}, {900, 1}, {750, 1}, {300, 1}, {0, 1}, {-4000, 1}};
    for (const auto& c : cases) EXPECT_EQ(gridLinesPerPage(c.Height), c.Lines) << c.Height;
}

// The quotes layout's columns with their widest texts: kept where they fit,
// drawn closer together on a narrower sheet until the widest end fits.
TEST(FittedColumnLefts, ColumnsMoveOnlyWhereTheirTextWouldLeaveThePage) {
    const std::vector<int> lefts = {0, 500, 1000, 1500, 2000, 2500}, widths = {290, 260, 260, 260, 260, 260};
    const struct {
        int PageWidth;
        std::vector<int> Lefts;
    } cases[] = {
        {4674, lefts},
        {2760, lefts},
        {2759, {0, 499, 999, 1499, 1999, 2499}},
        {1260, {0, 200, 400, 600, 800, 1000}},
        {200, {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(fittedColumnLefts(lefts, widths, c.PageWidth), c.Lefts) << c.PageWidth;
    // A column's own text counts, not only the last one's.
    EXPECT_EQ(fittedColumnLefts({0, 1000, 1200}, {100, 900, 100}, 1500), (std::vector<int>{0, 600, 720}));
}

}  // namespace
