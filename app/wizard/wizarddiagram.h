#pragma once
// The diagram of one Vazod Erurid stock: its newest quotes' closes and
// volumes with the two averages the advice is taken from, and their drawing
// on the main window's chart.

#include <optional>
#include <vector>

#include "app/quotes/llist.h"

class TOriginalForm1;

// What the Diagram page shows for a stock: the newest 100 quotes (all when
// there are fewer), oldest first, one point per quote; an average has no
// value (nullopt) where it lacks the quotes it needs, and no points at all
// when the file is too short for it.
struct TWizardDiagram {
    AnsiString Title;  // the symbol
    std::vector<double> Close;
    std::vector<double> Volume;
    std::vector<std::optional<double>> MovingAverage;     // of LongAdvicePeriod closes
    std::vector<std::optional<double>> ExpMovingAverage;  // of ShortAdvicePeriod closes
};

constexpr int WizardDiagramQuotes = 100;

// The diagram of a stock's quotes (newest first, at least one).
TWizardDiagram wizardDiagram(const linkedList& Quotes);

// Shows the diagram of the stock chosen in the list of files: reads its
// file (reported when it cannot be read: false then), fills Form's
// WizardDiagram and the chart (the title its symbol, the closes and the
// averages on the price axis, the volumes below), says which average has
// too few quotes, and shows the Diagram page.
bool showWizardDiagram(TOriginalForm1& Form, const AnsiString& Path);
