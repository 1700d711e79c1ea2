// Printing the quotes grid and the Vazod Erurid grid on the PDF printer,
// read back by poppler's text extraction: rows per page, the title and the
// headings on every page, the page numbers at the foot.
#include <cstdio>
#include <sstream>

#include "WizardFixture.h"
#include "app/gridprint.h"
#include "platform/host/Printers.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinSpeedButton.h"

namespace {

// The printed pages, each as its lines of text without blank ones, the
// words of a line separated by single spaces.
using PrintedPages = std::vector<std::vector<std::string>>;

PrintedPages ReadPdfText(const std::string& File) {
    std::string text;
    if (FILE* pipe = popen(("pdftotext -layout '" + File + "' - 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
        pclose(pipe);
    }
    PrintedPages pages;
    std::istringstream pageTexts(text);
    std::string pageText;
    while (std::getline(pageTexts, pageText, '\f')) {
        std::vector<std::string> lines;
        std::istringstream lineTexts(pageText);
        std::string line;
        while (std::getline(lineTexts, line)) {
            std::istringstream words(line);
            std::string word, joined;
            while (words >> word) joined += (joined.empty() ? "" : " ") + word;
            if (!joined.empty()) lines.push_back(joined);
        }
        pages.push_back(lines);
    }
    // Every page ends with a form feed, so the text after the last is no page.
    if (!pages.empty() && pages.back().empty()) pages.pop_back();
    return pages;
}

class GridPrintTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        Printer()->SetPrinterIndex(0);
        Printer()->SetFileName(pdf_.c_str());
    }
    void TearDown() override {
        Printer()->SetFileName("");
        Printer()->SetPrinterIndex(-1);
        WizardTest::TearDown();
    }
    // Opens a quote file of Count quotes of XYZ into the quotes grid and prints it.
    PrintedPages PrintQuotes(int Count) {
        std::vector<double> closes;
        for (int i = 0; i < Count; ++i) closes.push_back(1000 + i);
        AnswerNextFileDialog(StockFile("xyz.zrq", "XYZ", closes).c_str());
        MouseClick(form_->ToolbAnalysisOpenBt, 5, 5);
        MouseClick(form_->ToolbAnalysisPrintQuotesBt, 5, 5);
        return ReadPdfText(pdf_);
    }

    const std::string pdf_ = dir_.File("printed.pdf");
};

TEST_F(GridPrintTest, TheQuotesGridPrintsEighteenRowsToAnA4Page) {
    Start();
    const PrintedPages pages = PrintQuotes(40);
    EXPECT_EQ(form_->PageControl1->GetActivePage(), form_->TabSheet5);
    ASSERT_EQ(pages.size(), 3u);
    const std::size_t rowsOnPage[] = {18, 18, 4};
    int quote = 0;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(page);
        const std::vector<std::string>& lines = pages[page];
        ASSERT_EQ(lines.size(), rowsOnPage[page] + 3);
        EXPECT_EQ(lines.front(), "XYZ");
        EXPECT_EQ(lines[1], "Date Open High Low Close Volume");
        for (std::size_t row = 0; row < rowsOnPage[page]; ++row, ++quote) {
            const std::string& printed = lines[row + 2];
            // The date, the prices as the grid shows them and the volume.
            char price[16];
            std::snprintf(price, sizeof price, "1,%03d.00", quote);
            const std::string date = std::to_string(1 + quote % 28) + (quote < 28 ? "-Jan-99" : "-Feb-99");
            const std::string expected = date + " " + price;
            EXPECT_EQ(printed.substr(0, expected.size()), expected) << printed;
            EXPECT_EQ(printed.substr(printed.rfind(' ') + 1), std::to_string(1000 + quote));
        }
        EXPECT_EQ(lines.back(), "Page " + std::to_string(page + 1));
    }
    EXPECT_EQ(Printer()->GetTitle(), "XYZ");
}

TEST_F(GridPrintTest, AFullLastPageIsNotFollowedByAnEmptyOne) {
    Start();
    for (int count : {18, 19}) {
        SCOPED_TRACE(count);
        const PrintedPages pages = PrintQuotes(count);
        ASSERT_EQ(pages.size(), count == 18 ? 1u : 2u);
        EXPECT_EQ(pages.back().back(), count == 18 ? "Page 1" : "Page 2");
    }
}

TEST_F(GridPrintTest, TheWizardGridPrintsUnderTheDocumentsName) {
    TOriginalForm1* form = Start();
    AddStock(StockFile("rise.zrq", "RISE", Trend(250, 200, 0.5)));
    AddStock(StockFile("fall.zrq", "FALL", Trend(250, 50, -0.5)));
    AddStock(StockFile("few.zrq", "FEW", Trend(20, 20, 1)), 1);
    SaveAs(dir_.File("tech"));
    form->PageControl1->SetActivePage(form->TabSheet5);
    MouseClick(form->ToolbWizardPrintBt, 5, 5);
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet4);
    const PrintedPages pages = ReadPdfText(pdf_);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], (std::vector<std::string>{"tech", "Symbol Name Date Close Volume Short Long",
                                                  "RISE 1-Jan-99 200.00 1000 Buy Buy",
                                                  "FALL 1-Jan-99 50.00 1000 Sell Sell", "FEW 1-Jan-99 20.00 1000 Buy",
                                                  "Page 1"}));
}

TEST(GridLinesPerPage, AtLeastOneLineOnAnyPage) {
    const struct {
        int Height, Lines;
    } cases[] = {{3508, 18}, {3000, 15}, {1200, 3}, {1050, 2}, {900, 1}, {750, 1}, {300, 1}, {0, 1}, {-4000, 1}};
    for (const auto& c : cases) EXPECT_EQ(gridLinesPerPage(c.Height), c.Lines) << c.Height;
}

}  // namespace
