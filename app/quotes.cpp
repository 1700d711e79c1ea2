#include "app/quotes.h"

#include "app/quotefile.h"
#include "app/quotewindow.h"
#include "app/zrmain.h"
#include "platform/runtime/SysUtils.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinPages.h"

void fillQuoteGrid(const linkedList& Quotes, TSeCustomStringGrid* Grid) {
    int row = 1;
    for (const QuoteRecord& quote : Quotes) {
        const AnsiString cells[] = {AnsiString(), quote.Date.Text(), FormatQuotePrice(quote.Open),
                                    FormatQuotePrice(quote.High), FormatQuotePrice(quote.Low),
                                    FormatQuotePrice(quote.Close), IntToStr(quote.Volume)};
        Grid->SetRowCells(row++, cells, 7);
    }
}

void fillDateCombos(const linkedList& Quotes, TSeCustomComboBox* StartCombo, TSeCustomComboBox* EndCombo) {
    TStringList dates;
    for (const AnsiString& date : quoteDatesOldestFirst(Quotes)) dates.Add(date);
    for (TSeCustomComboBox* combo : {StartCombo, EndCombo}) {
        combo->Clear();
        combo->SetItems(&dates);
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

void findChosenDates(TOriginalForm1& Form) {
    TSeCustomComboBox* start = Form.StartDateCombo;
    TSeCustomComboBox* end = Form.EndDateCombo;
    findChosenDates(Form.Quotes, start->GetItems()->GetStrings(start->GetItemIndex()),
                    end->GetItems()->GetStrings(end->GetItemIndex()));
}
