#include "app/mainwindow/gridprint.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "app/mainwindow/zrmain.h"
#include "platform/host/Printers.h"
#include "platform/runtime/SysUtils.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinMessage.h"

namespace {

constexpr int TitleTop = 100;
constexpr int HeadingTop = 300;
constexpr int FirstLineTop = 500;
constexpr int LineHeight = 150;

// Column First + i of the grid is printed at Lefts[i].
struct TPrintedColumns {
    int First;
    std::initializer_list<int> Lefts;
};

void printRow(TCanvas* Canvas, TSeCustomStringGrid* Grid, int FirstColumn, const std::vector<int>& Lefts, int Row,
              int Top) {
    int column = FirstColumn;
    for (int left : Lefts) Canvas->TextOut(left, Top, Grid->GetCells(column++, Row));
}

// The columns' positions on this page, measured with the canvas's font.
std::vector<int> pageLefts(TCanvas* Canvas, TSeCustomStringGrid* Grid, const TPrintedColumns& Columns,
                           int PageWidth) {
    std::vector<int> widths;
    for (int column = Columns.First; column < Columns.First + static_cast<int>(Columns.Lefts.size()); ++column) {
        int widest = 0;
        for (int row = 0; row < Grid->GetRowCount(); ++row)
            widest = std::max(widest, Canvas->TextWidth(Grid->GetCells(column, row)));
        widths.push_back(widest);
    }
    return fittedColumnLefts(std::vector<int>(Columns.Lefts), widths, PageWidth);
}

void printGrid(TOriginalForm1& Form, const AnsiString& Title, TSeCustomStringGrid* Grid,
               const TPrintedColumns& Columns) {
    TPrinter* printer = Printer();
    printer->SetTitle(Title);
    printer->BeginDoc();
    try {
        const int lines = gridLinesPerPage(printer->GetPageHeight());
        const int footerTop = FirstLineTop + (lines + 1) * LineHeight;
        TCanvas* canvas = printer->GetCanvas();
        TFont* font = canvas->GetFont();
        font->SetName("Tahoma");
        font->SetColor(clBlack);
        font->SetSize(8);
        const std::vector<int> lefts = pageLefts(canvas, Grid, Columns, printer->GetPageWidth());
        const int rows = Grid->GetRowCount();
        int lineOnPage = 0;
        int page = 1;
        for (int row = 1; row < rows; ++row) {
            if (lineOnPage == 0) {
                font->SetSize(10);
                font->SetStyle(TFontStyles{fsBold});
                canvas->TextOut(0, TitleTop, Title);
                font->SetSize(8);
                printRow(canvas, Grid, Columns.First, lefts, 0, HeadingTop);
                font->SetStyle(TFontStyles{});
            }
            printRow(canvas, Grid, Columns.First, lefts, row, FirstLineTop + lineOnPage * LineHeight);
            ++lineOnPage;
            const bool lastRow = row == rows - 1;
            if (lineOnPage == lines || lastRow) {
                canvas->TextOut(0, footerTop, "Page " + IntToStr(page));
                // No empty page after the last row.
                if (!lastRow) printer->NewPage();
                lineOnPage = 0;
                ++page;
            }
        }
        printer->EndDoc();
    } catch (...) {
        printer->Abort();
        throw;
    }
    // A printer says nothing; a file is where the user would not look for it.
    if (!printer->GetDocumentFileName().IsEmpty())
        tellWherePrinted(Form, printer->GetPageNumber(), printer->GetDocumentFileName());
}

}  // namespace

int gridLinesPerPage(int PageHeight) {
    return std::max(1, (PageHeight - HeadingTop) / LineHeight - 3);
}

std::vector<int> fittedColumnLefts(std::vector<int> Lefts, const std::vector<int>& TextWidths, int PageWidth) {
    // The largest share (Part / Whole) of each position that keeps every
    // column's text on the page.
    long long part = 1, whole = 1;
    for (std::size_t i = 0; i < Lefts.size(); ++i) {
        if (Lefts[i] <= 0 || Lefts[i] + TextWidths[i] <= PageWidth) continue;
        const long long room = std::max(0, PageWidth - TextWidths[i]);
        if (room * whole < part * Lefts[i]) {
            part = room;
            whole = Lefts[i];
        }
    }
    for (int& left : Lefts) left = static_cast<int>(left * part / whole);
    return Lefts;
}

void printQuoteGrid(TOriginalForm1& Form) {
    printGrid(Form, Form.StringGrid2->GetCells(0, 0), Form.StringGrid2, {1, {0, 500, 1000, 1500, 2000, 2500}});
}

void printWizardGrid(TOriginalForm1& Form) {
    printGrid(Form, Form.DocumentName, Form.StringGrid1, {0, {0, 700, 1200, 1600, 2100, 2400}});
}

void tellWherePrinted(TOriginalForm1& Form, int Pages, const AnsiString& File) {
    const AnsiString pages = IntToStr(Pages) + (Pages == 1 ? " page" : " pages");
    Form.SeSkinMessage1->MessageDlg("Printed " + pages + " to " + File + ".", mtInformation, TMsgDlgButtons{mbOK}, 0);
}
