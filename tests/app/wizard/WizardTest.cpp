// The Vazod Erurid: advice against an independent computation, the rows and
// lists kept together through add, remove and recalculate, documents opened
// and saved, and the stock's diagram data.
#include <cmath>
#include <filesystem>
#include <numeric>

#include "app/wizard/WizardFixture.h"
#include "chart/axis/TeEngineAxis.h"
#include "chart/control/Chart.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "platform/host/Dialogs.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinListBox.h"
#include "skin/engine/KsSkinMenus.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinSpeedButton.h"

namespace {

const char* const LongMessage = "There are not enough quotes to calculate the long term advice.";
const char* const ShortMessage = "There are not enough quotes to calculate the short term advice.";

struct Advice {
    std::string Short, Long;
    friend bool operator==(const Advice&, const Advice&) = default;
};

// The advice worked out as a spreadsheet would, from the closes oldest
// first: the last close against the mean of the last 200, and against an
// exponential average seeded with the mean of the first 14 closes of its
// span (the last 200 closes when there are as many, else the last 15).
Advice IndependentAdvice(const std::vector<double>& NewestFirst) {
    const std::vector<double> closes(NewestFirst.rbegin(), NewestFirst.rend());
    const double last = closes.back();
    Advice advice;
    if (closes.size() >= 200) {
        const double mean = std::accumulate(closes.end() - 200, closes.end(), 0.0) / 200;
        advice.Long = last > mean ? "Buy" : "Sell";
    }
    if (closes.size() >= 15) {
        auto span = closes.size() >= 200 ? closes.end() - 200 : closes.end() - 15;
        double ema = std::accumulate(span, span + 14, 0.0) / 14;
        for (auto close = span + 14; close != closes.end(); ++close) ema = ema * 13 / 15 + *close * 2 / 15;
        advice.Short = last > ema ? "Buy" : "Sell";
    }
    return advice;
}

// A long rise whose last days fall back below the short average but stay
// above the long one.
std::vector<double> RiseThenDip() {
    std::vector<double> closes = Trend(250, 175, 0.5);
    for (int i = 0; i < 5; ++i) closes[i] = 150 + i;
    return closes;
}

TColor AdviceColor(const std::string& Text) { return Text == "Buy" ? clGreen : clRed; }

TEST_F(WizardTest, AdviceAgreesWithAnIndependentAverageAndColoursItsCells) {
    struct Case {
        const char* Symbol;
        std::vector<double> Closes;
        Advice Expected;
        std::vector<std::string> Messages;
    };
    const Case cases[] = {
        {"RISE", Trend(250, 200, 0.5), {"Buy", "Buy"}, {}},
        {"FALL", Trend(250, 50, -0.5), {"Sell", "Sell"}, {}},
        {"DIP", RiseThenDip(), {"Sell", "Buy"}, {}},
        {"FLAT", std::vector<double>(200, 50.0), {"Sell", "Sell"}, {}},  // equal is no reason to buy
        {"MID", Trend(150, 80, 0.25), {"Buy", ""}, {LongMessage}},
        {"DROP", Trend(15, 30, -1), {"Sell", ""}, {LongMessage}},
        {"FEW", Trend(14, 20, 1), {"", ""}, {LongMessage, ShortMessage}},
    };
    TOriginalForm1* form = Start();
    int row = 0;
    for (const Case& c : cases) {
        ++row;
        SCOPED_TRACE(c.Symbol);
        Messages.clear();
        AddStock(StockFile(std::string(c.Symbol) + ".zrq", c.Symbol, c.Closes), static_cast<int>(c.Messages.size()));
        EXPECT_EQ(Messages, c.Messages);
        EXPECT_EQ(IndependentAdvice(c.Closes), c.Expected);
        char close[32];
        std::snprintf(close, sizeof close, "%.2f", c.Closes.front());
        EXPECT_EQ(GridRow(form, row),
                  (std::vector<std::string>{c.Symbol, "1-Jan-99", close, "1000", c.Expected.Short, c.Expected.Long}));
        if (!c.Expected.Short.empty()) {
            EXPECT_EQ(form->ShortAdviceColors[row], AdviceColor(c.Expected.Short));
        }
        if (!c.Expected.Long.empty()) {
            EXPECT_EQ(form->LongAdviceColors[row], AdviceColor(c.Expected.Long));
        }
    }
    EXPECT_EQ(form->WizardCount, row);
    EXPECT_EQ(form->StringGrid1->GetRowCount(), row + 2);
    EXPECT_TRUE(form->Modified);
    EXPECT_TRUE(form->BtWizardRecalc->GetEnabled());
    EXPECT_TRUE(form->BtWizardShowDiagr->GetEnabled());

    // The advice cells are filled with their colour on screen.
    form->StringGrid1->Repaint();
    for (int shown = 1; shown <= 3; ++shown)
        for (int column : {4, 5}) {
            const TRect cell = form->StringGrid1->CellRect(column, shown);
            ASSERT_FALSE(cell.IsEmpty());
            const TColor expected = column == 4 ? form->ShortAdviceColors[shown] : form->LongAdviceColors[shown];
            EXPECT_EQ(ScreenPixel(form->StringGrid1, cell.Right - 3, cell.Top + 2), expected) << shown << column;
        }
}

TEST_F(WizardTest, RemovingTheMiddleStockMovesTheLastUpAndSavingWritesTheRest) {
    TOriginalForm1* form = Start();
    const std::string first = StockFile("first.zrq", "ONE", Trend(250, 200, 0.5));
    const std::string second = StockFile("second.zrq", "TWO", Trend(250, 50, -0.5));
    const std::string third = StockFile("third.zrq", "THREE", RiseThenDip());
    for (const std::string& path : {first, second, third}) AddStock(path);
    const std::vector<std::string> lastRow = GridRow(form, 3);

    // Nothing selected: nothing happens.
    form->WizardListBox->SetItemIndex(-1);
    form->Modified = false;
    MouseClick(form->BtWizardRem, 5, 5);
    EXPECT_EQ(form->WizardCount, 3);
    EXPECT_FALSE(form->Modified);

    form->WizardListBox->SetItemIndex(1);
    MouseClick(form->BtWizardRem, 5, 5);
    EXPECT_EQ(form->WizardCount, 2);
    EXPECT_EQ(form->StringGrid1->GetRowCount(), 4);
    EXPECT_EQ(GridRow(form, 2), lastRow);
    EXPECT_EQ(form->ShortAdviceColors[2], clRed);
    EXPECT_EQ(form->LongAdviceColors[2], clGreen);
    EXPECT_EQ(GridRow(form, 3), std::vector<std::string>(6));
    EXPECT_EQ(form->WizardListBox->GetItems()->GetCommaText(), "first,third");
    EXPECT_EQ(form->WizardHiddenList->GetItems()->GetStrings(1), third.c_str());
    EXPECT_TRUE(form->Modified);

    // A name without extension gets one; the document's name is the one typed.
    SaveAs(dir_.File("portfolio"));
    EXPECT_EQ(dir_.Read("portfolio.zrw"), first + "\n" + third + "\n");
    EXPECT_EQ(form->DocumentName, "portfolio");
    EXPECT_FALSE(form->Modified);
    EXPECT_EQ(form->WizardPath, "");  // saving does not change the document opened

    // Removing the last stocks disables the commands that need one.
    for (int i = 0; i < 2; ++i) {
        form->WizardListBox->SetItemIndex(0);
        MouseClick(form->BtWizardRem, 5, 5);
    }
    EXPECT_EQ(form->WizardCount, 0);
    EXPECT_EQ(form->StringGrid1->GetRowCount(), 2);
    EXPECT_FALSE(form->BtWizardRecalc->GetEnabled());
    EXPECT_FALSE(form->BtWizardShowDiagr->GetEnabled());
}

TEST_F(WizardTest, SavingKeepsTheOldDocumentUntilTheNewOneIsWhole) {
    TOriginalForm1* form = Start();
    const std::string one = StockFile("one.zrq", "ONE", Trend(250, 200, 0.5));
    AddStock(one);
    // A folder with a "." in its name: the file's own name still gets the extension.
    std::filesystem::create_directory(dir_.Path() / "v1.2");
    SaveAs(dir_.File("v1.2/tech"));
    EXPECT_TRUE(std::filesystem::exists(dir_.Path() / "v1.2" / "tech.zrw"));
    EXPECT_EQ(form->DocumentName, "tech");

    // An existing document that may not be written: reported, kept as it was,
    // and the changes stay unsaved.
    const std::string kept = WriteFile("kept.zrw", "/old/one.zrq\n");
    std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
    const std::string two = StockFile("two.zrq", "TWO", Trend(250, 50, -0.5));
    AddStock(two);
    AnswerMessage(mrYes);  // replace it
    AnswerMessage(mrOk);
    SaveAs(kept);
    EXPECT_EQ(MessageText(), ("Cannot write the Vazod Erurid document \"" + kept + "\": it is read-only.").c_str());
    EXPECT_EQ(dir_.Read("kept.zrw"), "/old/one.zrq\n");
    EXPECT_TRUE(form->Modified);
    EXPECT_EQ(form->DocumentName, "tech");

    // A folder that is not there.
    AnswerMessage(mrOk);
    SaveAs(dir_.File("missing/doc.zrw"));
    EXPECT_EQ(MessageText(), ("Cannot write the Vazod Erurid document \"" + dir_.File("missing/doc.zrw") +
                              "\": the folder " + dir_.File("missing") + " does not exist.")
                                 .c_str());
    EXPECT_TRUE(form->Modified);

    // Written beside the old file and renamed into place: nothing else is left.
    const std::string replaced = WriteFile("replaced.zrw", "/old/one.zrq\n/old/two.zrq\n/old/three.zrq\n");
    AnswerMessage(mrYes);
    SaveAs(replaced);
    EXPECT_FALSE(form->Modified);
    EXPECT_EQ(dir_.Read("replaced.zrw"), one + "\n" + two + "\n");
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path()))
        EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();

    // A cancelled dialog changes nothing.
    form->Modified = true;
    CancelNextFileDialog();
    MouseClick(form->ToolbWizardSaveBt, 5, 5);
    EXPECT_TRUE(form->Modified);
}

TEST_F(WizardTest, ADocumentOfMoreThan249StocksOpensTheFirst249AndSaysSo) {
    const std::string stock = StockFile("steady.zrq", "STEADY", Trend(200, 100, 0.1));
    const std::string upper = StockFile("UPPER.ZRQ", "UPPER", Trend(200, 100, -0.1));
    std::string document = "notes.txt\n\n" + upper + "\r\n";
    for (int i = 0; i < 299; ++i) document += stock + "\n";
    const std::string path = WriteFile("big.zrw", document);

    AnswerMessage(mrOk);
    TOriginalForm1* form = Start({path});
    EXPECT_EQ(MessageText(),
              "The document lists 300 stocks; the Wizard holds 249 at once, so only the first 249 were opened.");
    EXPECT_EQ(MessagesShown(), 1);
    EXPECT_EQ(form->WizardCount, 249);
    EXPECT_EQ(form->StringGrid1->GetRowCount(), 251);
    EXPECT_EQ(form->WizardListBox->GetItems()->GetCount(), 249);
    EXPECT_EQ(form->WizardHiddenList->GetItems()->GetCount(), 249);
    EXPECT_EQ(form->WizardListBox->GetItems()->GetStrings(0), "UPPER");
    EXPECT_EQ(GridRow(form, 1)[0], "UPPER");
    EXPECT_EQ(GridRow(form, 249)[0], "STEADY");
    EXPECT_EQ(form->LongAdviceColors[249], clGreen);
    EXPECT_EQ(form->DocumentName, "big.zrw");
    EXPECT_FALSE(form->Modified);

    // Full: Add says so and asks for no file.
    AnswerMessage(mrOk);
    MouseClick(form->BtWizardAdd, 5, 5);
    EXPECT_EQ(MessageText(), "You can not have more than 249 stocks in the Wizard at once.");
    EXPECT_EQ(form->WizardCount, 249);
}

TEST_F(WizardTest, AStockThatCannotBeReadIsReportedAndNeverRead) {
    const std::string good = StockFile("good.zrq", "GOOD", Trend(250, 200, 0.5));
    const std::string gone = dir_.File("gone.zrq");
    const std::string document = WriteFile("doc.zrw", good + "\n" + gone + "\n");

    // Opened from a document: kept as a row with the file's name and no advice.
    AnswerMessage(mrOk);
    TOriginalForm1* form = Start({document});
    EXPECT_NE(MessageText().Pos("gone.zrq"), 0);
    EXPECT_EQ(form->WizardCount, 2);
    EXPECT_EQ(GridRow(form, 2), (std::vector<std::string>{"gone", "", "", "", "", ""}));

    // Added: an empty file is reported and not added.
    const std::string empty = WriteFile("empty.zrq", "");
    AnswerMessage(mrOk);
    AnswerNextFileDialog(empty.c_str());
    MouseClick(form->BtWizardAdd, 5, 5);
    EXPECT_NE(MessageText().Pos("empty"), 0);
    EXPECT_EQ(form->WizardCount, 2);
    EXPECT_EQ(form->WizardListBox->GetItems()->GetCount(), 2);
    EXPECT_FALSE(form->Modified);

    // The file comes back and Recalculate reads it; the good one stays as it was.
    const std::vector<std::string> goodRow = GridRow(form, 1);
    StockFile("gone.zrq", "BACK", Trend(250, 50, -0.5));
    MouseClick(form->BtWizardRecalc, 5, 5);
    EXPECT_EQ(GridRow(form, 1), goodRow);
    EXPECT_EQ(GridRow(form, 2)[0], "BACK");
    EXPECT_EQ(GridRow(form, 2)[5], "Sell");
    EXPECT_EQ(form->StringGrid1->GetRowCount(), 4);
    EXPECT_TRUE(form->Modified);

    // Show Diagram of a file gone again: reported, the page stays.
    std::filesystem::remove(gone);
    form->WizardListBox->SetItemIndex(1);
    AnswerMessage(mrOk);
    MouseClick(form->BtWizardShowDiagr, 5, 5);
    EXPECT_NE(MessageText().Pos("gone.zrq"), 0);
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet4);
}

TEST_F(WizardTest, ShowDiagramGivesTheNewest100QuotesWithTheirAverages) {
    TOriginalForm1* form = Start();
    std::vector<double> closes;
    for (int i = 0; i < 250; ++i) closes.push_back(100 + 10 * std::sin(i / 7.0));
    AddStock(StockFile("wave.zrq", "WAVE", closes));
    AddStock(StockFile("short.zrq", "SHORT", Trend(15, 30, 1)), 1);

    // Nothing chosen: said, and nothing else.
    form->WizardListBox->SetItemIndex(-1);
    AnswerMessage(mrOk);
    MouseClick(form->BtWizardShowDiagr, 5, 5);
    EXPECT_EQ(MessageText(), "Choose a stock in the list of files first.");
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet4);

    form->WizardListBox->SetItemIndex(0);
    MouseClick(form->BtWizardShowDiagr, 5, 5);
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet7);
    const TWizardDiagram& diagram = form->WizardDiagram;
    EXPECT_EQ(diagram.Title, "WAVE");
    ASSERT_EQ(diagram.Close.size(), 100u);
    ASSERT_EQ(diagram.Volume.size(), 100u);
    ASSERT_EQ(diagram.MovingAverage.size(), 100u);
    ASSERT_EQ(diagram.ExpMovingAverage.size(), 100u);
    // Oldest first: the first point is the 100th newest quote.
    EXPECT_DOUBLE_EQ(diagram.Close.front(), std::round(closes[99] * 10000) / 10000);
    EXPECT_DOUBLE_EQ(diagram.Close.back(), std::round(closes[0] * 10000) / 10000);
    EXPECT_EQ(diagram.Volume.front(), 1099);
    // 200 closes ending at a quote: only the newest 51 have as many behind them.
    for (int point = 0; point < 100; ++point) {
        const int quote = 99 - point;  // newest first
        SCOPED_TRACE(point);
        if (point < 49) {
            EXPECT_FALSE(diagram.MovingAverage[point]);
            continue;
        }
        ASSERT_TRUE(diagram.MovingAverage[point]);
        double sum = 0;
        for (int i = quote; i < quote + 200; ++i) sum += std::round(closes[i] * 10000) / 10000;
        EXPECT_NEAR(*diagram.MovingAverage[point], sum / 200, 1e-9);
    }
    // The exponential average, seeded with the 14 quotes before the range, has a value at every point.
    double ema = 0;
    for (int i = 113; i >= 100; --i) ema += std::round(closes[i] * 10000) / 10000 / 14;
    for (int point = 0; point < 100; ++point) {
        ema = ema * 13 / 15 + std::round(closes[99 - point] * 10000) / 10000 * 2 / 15;
        ASSERT_TRUE(diagram.ExpMovingAverage[point]);
        EXPECT_NEAR(*diagram.ExpMovingAverage[point], ema, 1e-9);
    }

    // On the chart: the closes and the averages on the price axis, the
    // volumes under them, each in the legend; nothing else.
    EXPECT_EQ(form->BigChart->GetTitle()->GetText()->GetStrings(0), "WAVE");
    const struct {
        TChartSeries* Series;
        const char* Title;
        TColor Color;
        int Nulls;
    } drawn[] = {{form->Series10, "Close", TColor(0xFF8000), 0},
                 {form->Series4, "Volume", TColor(0xFF8000), 0},
                 {form->Series11, "200-Day Moving Average", clRed, 49},
                 {form->Series12, "14-Day Exponential Moving Average", clLime, 0}};
    for (const auto& d : drawn) {
        SCOPED_TRACE(d.Title);
        EXPECT_EQ(d.Series->GetTitle(), d.Title);
        EXPECT_EQ(d.Series->GetSeriesColor(), d.Color);
        EXPECT_TRUE(d.Series->GetShowInLegend());
        ASSERT_EQ(d.Series->Count(), 100);
        for (int point = 0; point < 100; ++point) EXPECT_EQ(d.Series->IsNull(point), point < d.Nulls) << point;
    }
    EXPECT_DOUBLE_EQ(form->Series10->GetYValues()->GetValue(0), diagram.Close.front());
    EXPECT_DOUBLE_EQ(form->Series11->GetYValues()->GetValue(99), *diagram.MovingAverage.back());
    EXPECT_EQ(form->PriceAxis->GetTitle()->GetCaption(), "Price");
    EXPECT_EQ(form->BigChart->GetLeftAxis()->GetTitle()->GetCaption(), "Volume");
    for (TChartSeries* empty : {static_cast<TChartSeries*>(form->Series1), static_cast<TChartSeries*>(form->Series3),
                                static_cast<TChartSeries*>(form->Series5)}) {
        EXPECT_EQ(empty->Count(), 0);
        EXPECT_FALSE(empty->GetShowInLegend());
    }

    // Fifteen quotes: no averages at all, and both said. From the menu, as
    // the button's page is no longer shown.
    form->WizardListBox->SetItemIndex(1);
    Messages.clear();
    AcknowledgeMessages(2);
    form->FindMenuItem("Vazod Erurid", "Show Diagram")->Click();
    EXPECT_EQ(Messages, (std::vector<std::string>{"There are not enough quotes to calculate the Moving Average.",
                                                  "There are not enough quotes to calculate the Exponential Moving "
                                                  "Average."}));
    EXPECT_EQ(form->WizardDiagram.Close.size(), 15u);
    EXPECT_TRUE(form->WizardDiagram.MovingAverage.empty());
    EXPECT_TRUE(form->WizardDiagram.ExpMovingAverage.empty());
    EXPECT_EQ(form->Series10->Count(), 15);
    EXPECT_EQ(form->Series11->Count(), 0);
    EXPECT_TRUE(form->Series11->GetShowInLegend());
}

TEST_F(WizardTest, ShortFilesSeedTheExponentialAverageInsideTheRange) {
    // Fifty quotes: the seed is the oldest 14, the other 36 points have values.
    std::vector<double> closes = Trend(50, 60, 1);
    linkedList quotes;
    for (double close : closes) {
        quotes.Current.Close = close;
        quotes.appendRecord();
    }
    const TWizardDiagram diagram = wizardDiagram(quotes);
    ASSERT_EQ(diagram.ExpMovingAverage.size(), 50u);
    EXPECT_TRUE(diagram.MovingAverage.empty());
    double ema = std::accumulate(closes.end() - 14, closes.end(), 0.0) / 14;
    for (int point = 0; point < 50; ++point) {
        SCOPED_TRACE(point);
        if (point < 14) {
            EXPECT_FALSE(diagram.ExpMovingAverage[point]);
            continue;
        }
        ema = ema * 13 / 15 + closes[49 - point] * 2 / 15;
        ASSERT_TRUE(diagram.ExpMovingAverage[point]);
        EXPECT_NEAR(*diagram.ExpMovingAverage[point], ema, 1e-9);
    }
}

TEST_F(WizardTest, NewAndOpenOfferToSaveAndKeepTheDocumentWhenTheSaveIsCancelled) {
    TOriginalForm1* form = Start();
    const std::string stock = StockFile("one.zrq", "ONE", Trend(250, 200, 0.5));
    AddStock(stock);

    // Yes, then the save dialog cancelled: the document stays.
    AnswerMessage(mrYes);
    CancelNextFileDialog();
    MouseClick(form->ToolbWizardNewBt, 5, 5);
    EXPECT_EQ(form->WizardCount, 1);
    EXPECT_TRUE(form->Modified);

    // Cancel: the same.
    AnswerMessage(mrCancel);
    MouseClick(form->ToolbWizardOpenBt, 5, 5);
    EXPECT_EQ(form->WizardCount, 1);

    // Yes and saved: a new document.
    AnswerMessage(mrYes);
    AnswerNextFileDialog(dir_.File("saved.zrw").c_str());
    MouseClick(form->ToolbWizardNewBt, 5, 5);
    EXPECT_EQ(dir_.Read("saved.zrw"), stock + "\n");
    EXPECT_EQ(form->WizardCount, 0);
    EXPECT_EQ(form->DocumentName, "Untitled");
    EXPECT_EQ(form->WizardListBox->GetItems()->GetCount(), 0);
    EXPECT_FALSE(form->Modified);

    // Open reads the saved document back; a cancelled dialog changes nothing.
    CancelNextFileDialog();
    MouseClick(form->ToolbWizardOpenBt, 5, 5);
    EXPECT_EQ(form->WizardCount, 0);
    AnswerNextFileDialog(dir_.File("saved.zrw").c_str());
    MouseClick(form->ToolbWizardOpenBt, 5, 5);
    EXPECT_EQ(form->WizardCount, 1);
    EXPECT_EQ(form->WizardPath, dir_.File("saved.zrw").c_str());
    EXPECT_EQ(form->DocumentName, "saved.zrw");
    EXPECT_EQ(GridRow(form, 1)[0], "ONE");
    EXPECT_FALSE(form->Modified);
    EXPECT_EQ(form->OpenDialog1->GetTitle(), "Open Vazod Erurid File");
}

}  // namespace
