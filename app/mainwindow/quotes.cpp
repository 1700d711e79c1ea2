#include "app/mainwindow/quotes.h"

#include <span>

#include "app/quotes/quotefile.h"
#include "app/quotes/quotewindow.h"
#include "app/mainwindow/zrmain.h"
#include "platform/runtime/SysUtils.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinPages.h"

namespace {

// The text of a quote in the quotes grid's column Column: nothing in the
// heading column, then date, open, high, low, close and volume.
AnsiString quoteCellText(const QuoteRecord& Quote, int Column) {
    switch (Column) {
    case 1: return Quote.Date.Text();
    case 2: return FormatQuotePrice(Quote.Open);
    case 3: return FormatQuotePrice(Quote.High);
    case 4: return FormatQuotePrice(Quote.Low);
    case 5: return FormatQuotePrice(Quote.Close);
    case 6: return IntToStr(Quote.Volume);
    default: return AnsiString();
    }
}

}  // namespace

void fillQuoteGrid(const linkedList& Quotes, TSeCustomStringGrid* Grid) {
    const linkedList* quotes = &Quotes;
    Grid->SetCellSource(1, static_cast<int>(Quotes.Records().size()), [quotes](int ACol, int ARow) {
        const std::span<const QuoteRecord> records = quotes->Records();
        const auto index = static_cast<std::size_t>(ARow - 1);
        return index < records.size() ? quoteCellText(records[index], ACol) : AnsiString();
    });
}

void fillDateCombos(const linkedList& Quotes, TSeCustomComboBox* StartCombo, TSeCustomComboBox* EndCombo) {
    const linkedList* quotes = &Quotes;
    const int count = static_cast<int>(Quotes.Records().size());
    for (TSeCustomComboBox* combo : {StartCombo, EndCombo}) {
        combo->Clear();
        combo->SetItemSource(count, [quotes](int Index) {
            return Index <= quotes->Last() ? quoteDateOldestFirst(*quotes, Index) : AnsiString();
        });
        combo->SetItemIndex(0);
    }
}

bool openQuoteFile(TOriginalForm1& Form, const AnsiString& Path) {
    QuoteFileContents contents;
    try {
        // Read aside: the series only changes when the whole file was read.
        contents = loadQuoteFile(Path, Form.Quotes);
    } catch (const EQuoteFileError& e) {
        Form.SeSkinMessage1->MessageDlg(e.GetMessage(), mtError, TMsgDlgButtons{mbOK}, 0);
        return false;
    }
    Form.QuoteFilePath = Path;
    TSeSkinStringGrid* grid = Form.StringGrid2;
    grid->SetRowCount(contents.QuoteCount + 1);
    grid->SetCells(0, 0, contents.Header.Symbol);
    fillQuoteGrid(Form.Quotes, grid);
    fillDateCombos(Form.Quotes, Form.StartDateCombo, Form.EndDateCombo);
    Form.BtCreateAnalysis->SetEnabled(true);
    Form.PageControl1->SetActivePage(Form.TabSheet5);
    return true;
}

void resetQuoteChart(TOriginalForm1& Form) { Form.ResetBigChart(Form.StringGrid2->GetCells(0, 0)); }

void findChosenDates(TOriginalForm1& Form) {
    TSeCustomComboBox* start = Form.StartDateCombo;
    TSeCustomComboBox* end = Form.EndDateCombo;
    findChosenDates(Form.Quotes, start->GetItems()->GetStrings(start->GetItemIndex()),
                    end->GetItems()->GetStrings(end->GetItemIndex()));
}
