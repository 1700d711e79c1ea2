#include "app/wizard/wizard.h"

#include <algorithm>
#include <sstream>
#include <iterator>
#include <string>

#include "app/quotes/quotefile.h"
#include "app/mainwindow/zrmain.h"
#include "platform/runtime/FileRead.h"
#include "platform/runtime/FileUtils.h"
#include "platform/runtime/SysUtils.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinListBox.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinSpeedButton.h"

linkedList WizardQuotes;

namespace {

constexpr int WizardColumns = 6;

void tell(TOriginalForm1& Form, const AnsiString& Text, TMsgDlgType Type = mtInformation) {
    Form.SeSkinMessage1->MessageDlg(Text, Type, TMsgDlgButtons{mbOK}, 0);
}

// The file name without its folder and extension, as the list shows it.
AnsiString baseName(const AnsiString& Path) { return ChangeFileExt(ExtractFileName(Path), ""); }

void enableStockButtons(TOriginalForm1& Form, bool Enabled) {
    Form.BtWizardShowDiagr->SetEnabled(Enabled);
    Form.BtWizardRecalc->SetEnabled(Enabled);
}

// A stock in all four places: the path, the name, the row and its advice.
void appendStock(TOriginalForm1& Form, const AnsiString& Path) {
    Form.WizardHiddenList->GetItems()->Add(Path);
    Form.WizardListBox->GetItems()->Add(baseName(Path));
    ++Form.WizardCount;
    computeAdvice(Form, Form.WizardCount, baseName(Path));
    enableStockButtons(Form, true);
}

void clearWizardRows(TOriginalForm1& Form) {
    while (Form.WizardCount > 0) removeWizardRow(Form, Form.WizardCount);
}

bool isQuoteFileLine(const std::string& Line) {
    return Line.size() >= 4 && AnsiString(Line.substr(Line.size() - 4)).UpperCase() == ".ZRQ";
}

}  // namespace

bool loadWizardQuotes(TOriginalForm1& Form, const AnsiString& Path) {
    QuoteFileContents contents;
    try {
        contents = loadQuoteFile(Path, WizardQuotes);
    } catch (const EQuoteFileError& e) {
        WizardQuotes.clearList();
        WizardQuotes.HeaderSymbol = "";
        WizardQuotes.NewestDate = "";
        tell(Form, e.GetMessage(), mtError);
        return false;
    }
    WizardQuotes.HeaderSymbol = contents.Header.Symbol;
    WizardQuotes.NewestDate = WizardQuotes.Records().front().Date;
    WizardQuotes.WindowCount = contents.QuoteCount;
    return true;
}

bool smaAdvice(std::span<const QuoteRecord> Quotes) {
    double sum = 0;
    for (const QuoteRecord& quote : Quotes) sum += quote.Close;
    return Quotes.front().Close > sum / static_cast<double>(Quotes.size());
}

bool emaAdvice(std::span<const QuoteRecord> Quotes, int N) {
    const std::size_t n = static_cast<std::size_t>(N), oldest = Quotes.size() - 1;
    const double alpha = 2.0 / (N + 1);
    double ema = 0;
    for (std::size_t i = oldest; i > oldest - n; --i) ema += Quotes[i].Close;
    ema /= N;
    for (std::size_t i = oldest - n + 1; i-- > 0;) ema += (Quotes[i].Close - ema) * alpha;
    return Quotes.front().Close > ema;
}

void computeAdvice(TOriginalForm1& Form, int Row, const AnsiString& FileName) {
    TSeSkinStringGrid* grid = Form.StringGrid1;
    linkedList& quotes = WizardQuotes;
    const int count = static_cast<int>(quotes.Records().size());
    auto advise = [&](int Column, TColor* Colors, bool Buy) {
        grid->SetCells(Column, Row, Buy ? "Buy" : "Sell");
        Colors[Row] = Buy ? clGreen : clRed;
    };
    if (count == 0) {
        grid->SetCells(0, Row, FileName);  // the stock could not be read: its name, and no advice
    } else {
        const std::span<const QuoteRecord> records = quotes.Records();
        if (count < LongAdvicePeriod) {
            tell(Form, "There are not enough quotes to calculate the long term advice.");
        } else {
            advise(5, Form.LongAdviceColors, smaAdvice(records.first(LongAdvicePeriod)));
        }
        if (count <= ShortAdvicePeriod) {
            tell(Form, "There are not enough quotes to calculate the short term advice.");
        } else {
            // With the long-term range read, the short-term average starts there too.
            const int span = count < LongAdvicePeriod ? ShortAdvicePeriod + 1 : LongAdvicePeriod;
            advise(4, Form.ShortAdviceColors, emaAdvice(records.first(static_cast<std::size_t>(span)), ShortAdvicePeriod));
        }
        quotes.Cursor = 0;
        quotes.loadCurrent();
        grid->SetCells(0, Row, quotes.HeaderSymbol);
        grid->SetCells(1, Row, quotes.NewestDate.Text());
        grid->SetCells(2, Row, FormatQuotePrice(quotes.Current.Close));
        grid->SetCells(3, Row, IntToStr(quotes.Current.Volume));
    }
    grid->SetRowCount(grid->GetRowCount() + 1);
}

bool addWizardStock(TOriginalForm1& Form, const AnsiString& Path) {
    if (Form.WizardCount >= MaxWizardStocks || !loadWizardQuotes(Form, Path)) return false;
    appendStock(Form, Path);
    return true;
}

void removeWizardRow(TOriginalForm1& Form, int Row) {
    TSeSkinStringGrid* grid = Form.StringGrid1;
    const int last = Form.WizardCount;
    for (int row = Row; row < last; ++row) {
        for (int column = 0; column < WizardColumns; ++column)
            grid->SetCells(column, row, grid->GetCells(column, row + 1));
        Form.ShortAdviceColors[row] = Form.ShortAdviceColors[row + 1];
        Form.LongAdviceColors[row] = Form.LongAdviceColors[row + 1];
    }
    for (int column = 0; column < WizardColumns; ++column) grid->SetCells(column, last, "");
    Form.ShortAdviceColors[last] = Form.LongAdviceColors[last] = TColor(0);
    grid->SetRowCount(grid->GetRowCount() - 1);
    if (--Form.WizardCount == 0) enableStockButtons(Form, false);
}

void removeWizardStock(TOriginalForm1& Form, int Index) {
    if (Index < 0 || Index >= Form.WizardCount) return;
    removeWizardRow(Form, Index + 1);
    Form.WizardListBox->GetItems()->Delete(Index);
    Form.WizardHiddenList->GetItems()->Delete(Index);
    Form.Modified = true;
}

void resetWizard(TOriginalForm1& Form) {
    Form.Modified = false;
    clearWizardRows(Form);
    Form.WizardCount = 0;
    Form.WizardListBox->GetItems()->Clear();
    Form.WizardHiddenList->GetItems()->Clear();
    enableStockButtons(Form, false);
    Form.WizardPath = "";
    Form.DocumentPath = "";
    Form.DocumentName = "Untitled";
}

bool readWizardDocument(TOriginalForm1& Form, const AnsiString& Path, std::string& Text) {
    const AnsiString fault = TryReadRegularFile(Path, MaxWizardDocumentBytes, Text);
    if (fault.IsEmpty()) return true;
    tell(Form, "Cannot open the Vazod Erurid document \"" + Path + "\": " + fault + ".", mtError);
    return false;
}

void openWizardFile(TOriginalForm1& Form) {
    std::string text;
    if (readWizardDocument(Form, Form.WizardPath, text)) fillWizardDocument(Form, text);
}

void fillWizardDocument(TOriginalForm1& Form, const std::string& Text) {
    std::istringstream in(Text);
    int listed = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!isQuoteFileLine(line)) continue;
        if (++listed > MaxWizardStocks) continue;  // counted for the message below
        loadWizardQuotes(Form, AnsiString(line));
        appendStock(Form, AnsiString(line));
    }
    if (listed > MaxWizardStocks)
        tell(Form, "The document lists " + IntToStr(listed) + " stocks; the Wizard holds " +
                       IntToStr(MaxWizardStocks) + " at once, so only the first " + IntToStr(MaxWizardStocks) +
                       " were opened.",
             mtWarning);
}

void recalculateWizard(TOriginalForm1& Form) {
    const int count = Form.WizardCount;
    clearWizardRows(Form);
    Form.WizardCount = count;
    enableStockButtons(Form, count > 0);
    for (int row = 1; row <= count; ++row) {
        loadWizardQuotes(Form, Form.WizardHiddenList->GetItems()->GetStrings(row - 1));
        computeAdvice(Form, row, Form.WizardListBox->GetItems()->GetStrings(row - 1));
    }
    Form.Modified = true;
}

AnsiString wizardDocumentText(const TOriginalForm1& Form) {
    std::string text;
    for (int i = 0; i < Form.WizardCount; ++i) (text += Form.WizardHiddenList->GetItems()->GetStrings(i).str()) += '\n';
    return AnsiString(text);
}
