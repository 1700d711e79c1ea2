#pragma once
// Printing the quotes grid and the Vazod Erurid grid as lines of text on the
// program's printer, page by page: the title and the column headings at the
// top of every page, "Page N" at the foot. Positions are printer pixels of
// the printable area; a document printed to a file ends with a message
// saying where it went.

#include <vector>

#include "platform/runtime/AnsiString.h"

class TOriginalForm1;

// Data lines on a page of this height; at least one on any page.
int gridLinesPerPage(int PageHeight);

// The columns' left edges as the layout gives them where every column's
// widest text ends on the page; else each drawn closer to the page's left
// edge by one share, the largest that keeps the text on the page (a sheet
// narrower than the layout).
std::vector<int> fittedColumnLefts(std::vector<int> Lefts, const std::vector<int>& TextWidths, int PageWidth);

// The quotes grid under the symbol; the print job is named after it too.
void printQuoteGrid(TOriginalForm1& Form);
// The Vazod Erurid grid under the document's name.
void printWizardGrid(TOriginalForm1& Form);

// "Printed 3 pages to <File>.": a document printed to a file, where the
// user would not look for it.
void tellWherePrinted(TOriginalForm1& Form, int Pages, const AnsiString& File);
