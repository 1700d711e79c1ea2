#include "app/gridprint.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "app/zrmain.h"
#include "platform/host/Printers.h"
#include "platform/runtime/SysUtils.h"
#include "skin/engine/KsSkinGrids.h"

namespace {

constexpr int TitleTop = 100;
constexpr int HeadingTop = 300;
constexpr int FirstLineTop = 500;
constexpr int LineHeight = 150;

// Column Columns[i] of the grid is printed at Lefts[i].
struct TPrintedColumns {
    int First;
    std::initializer_list<int> Lefts;
};

void printRow(TCanvas* Canvas, TSeCustomStringGrid* Grid, int FirstColumn, const std::vector<int>& Lefts, int Row,
              int Top) {
    int column = FirstColumn;
    for (int left : Lefts) Canvas->TextOut(left, Top, Grid->GetCells(column++, Row));
}

// The columns' positions, drawn closer together in proportion when the last
// column's widest text (in the canvas's font) would run off the page.
std::vector<int> fittedLefts(TCanvas* Canvas, TSeCustomStringGrid* Grid, const TPrintedColumns& Columns,
                             int PageWidth) {
    std::vector<int> lefts(Columns.Lefts);
    const int lastColumn = Columns.First + static_cast<int>(lefts.size()) - 1;
    int widest = 0;
    for (int row = 0; row < Grid->GetRowCount(); ++row)
        widest = std::max(widest, Canvas->TextWidth(Grid->GetCells(lastColumn, row)));
    const long long needed = static_cast<long long>(lefts.back()) + widest;
    if (needed > PageWidth && PageWidth > 0)
        for (int& left : lefts) left = static_cast<int>(left * static_cast<long long>(PageWidth) / needed);
    return lefts;
}

void printGrid(const AnsiString& Title, TSeCustomStringGrid* Grid, const TPrintedColumns& Columns) {
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
        const std::vector<int> lefts = fittedLefts(canvas, Grid, Columns, printer->GetPageWidth());
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
}

}  // namespace

int gridLinesPerPage(int PageHeight) {
    return std::max(1, (PageHeight - HeadingTop) / LineHeight - 3);
}

void printQuoteGrid(TOriginalForm1& Form) {
    printGrid(Form.StringGrid2->GetCells(0, 0), Form.StringGrid2, {1, {0, 500, 1000, 1500, 2000, 2500}});
}

void printWizardGrid(TOriginalForm1& Form) {
    printGrid(Form.DocumentName, Form.StringGrid1, {0, {0, 700, 1200, 1600, 2100, 2400}});
}
