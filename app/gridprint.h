#pragma once
// Printing the quotes grid and the Vazod Erurid grid as lines of text on the
// program's printer, page by page: the title and the column headings at the
// top of every page, "Page N" at the foot. Positions are printer pixels.

class TOriginalForm1;

// Data lines on a page of this height; at least one on any page.
int gridLinesPerPage(int PageHeight);

// The quotes grid under the symbol; the print job is named after it too.
void printQuoteGrid(TOriginalForm1& Form);
// The Vazod Erurid grid under the document's name.
void printWizardGrid(TOriginalForm1& Form);
