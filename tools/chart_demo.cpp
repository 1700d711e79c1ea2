// Shows the closing prices of a quote file as a line on a chart window:
//     chart_demo [quotes.zrq] [seconds]
// The file is the samples' text format: a header line, then one row a day,
// "d-Mon-yy,open,high,low,close,volume", newest first. Drag down and right
// to zoom, up or left to undo, drag with the right button to scroll, and
// turn the wheel to move the price axis; Ctrl+P opens the print preview.
// Without seconds the window stays until it is closed.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "chart/axis/TeEngineAxis.h"
#include "chart/control/Chart.h"
#include "chart/preview/TeePrevi.h"
#include "chart/seriestypes/Series.h"
#include "chart/utils/TeeProcs.h"
#include "platform/controls/Forms.h"
#include "platform/runtime/DateUtils.h"

namespace {

struct TClose {
    double date, close;
};

// The month of a three-letter English name, 1..12, or 0.
int MonthOf(const char* Name) {
    static const char* const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m < 12; ++m)
        if (std::strncmp(Name, names[m], 3) == 0) return m + 1;
    return 0;
}

// The rows that parse, oldest first; a row that does not is skipped.
std::vector<TClose> ReadCloses(const std::string& FileName, std::string& Symbol) {
    std::vector<TClose> result;
    std::ifstream in(FileName);
    std::string line;
    if (!std::getline(in, line)) return result;
    const std::size_t comma = line.rfind(',');
    Symbol = comma == std::string::npos ? line : line.substr(comma + 1);
    while (std::getline(in, line)) {
        int day = 0, year = 0;
        char month[4] = {};
        double open, high, low, close, volume;
        if (std::sscanf(line.c_str(), "%d-%3[A-Za-z]-%d,%lf,%lf,%lf,%lf,%lf", &day, month, &year, &open, &high, &low,
                        &close, &volume) != 8)
            continue;
        const int m = MonthOf(month);
        if (m == 0 || day < 1 || day > 31) continue;
        year += year < 70 ? 2000 : (year < 100 ? 1900 : 0);
        result.push_back({EncodeDate(static_cast<Word>(year), static_cast<Word>(m), static_cast<Word>(day)), close});
    }
    return {result.rbegin(), result.rend()};
}

}  // namespace

int main(int argc, char** argv) {
    const std::string fileName = argc > 1 ? argv[1] : "data/samples/NRDQ.zrq";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 0;
    std::string symbol;
    const std::vector<TClose> closes = ReadCloses(fileName, symbol);
    if (closes.empty()) {
        std::fprintf(stderr, "chart_demo: no quotes in %s\n", fileName.c_str());
        return 1;
    }

    Application->Initialize();
    TForm* form = nullptr;
    Application->CreateForm(&form);
    form->SetCaption(AnsiString("Closes of " + symbol));
    form->SetBounds(40, 40, 760, 480);
    auto* chart = new TChart(form);
    chart->SetParent(form);
    chart->SetAlign(alClient);
    chart->SetView3D(false);
    chart->SetColor(clWhite);
    chart->GetTitle()->GetText()->Add(AnsiString(symbol + " daily close"));
    chart->GetLegend()->SetLegendStyle(lsSeries);
    chart->GetLegend()->SetAlignment(laTop);

    auto* series = new TLineSeries(form);
    series->SetParentChart(chart);
    series->SetTitle(AnsiString(symbol));
    series->SetSeriesColor(RGB(20, 90, 200));
    series->GetXValues()->SetDateTime(true);
    for (const TClose& c : closes) series->AddXY(c.date, c.close);

    TChartAxis* bottom = chart->GetBottomAxis();
    // Steps counted in days, months or years fall on whole days, first
    // days of months and first days of years; the axis widens the step
    // from one day as the range asks.
    bottom->SetDesiredIncrement(DateTimeStep[dtOneDay]);
    bottom->SetDateTimeFormat("mmm yyyy");
    // Months and years while the range spans most of a year, days within.
    chart->OnBeforeDrawAxes = [bottom](TObject*) {
        const double days = bottom->GetMaximum() - bottom->GetMinimum();
        bottom->SetDateTimeFormat(days > 300 ? "mmm yyyy" : "d mmm yy");
    };
    bottom->GetTitle()->SetCaption("Date");
    TChartAxis* left = chart->GetLeftAxis();
    left->GetTitle()->SetCaption("Close");
    left->GetGrid()->SetColor(RGB(215, 215, 215));
    bottom->GetGrid()->SetColor(RGB(215, 215, 215));

    form->SetKeyPreview(true);
    form->OnKeyDown = [form, chart](TObject*, Word& Key, TShiftState Shift) {
        if (Key == 'P' && Shift.Contains(ssCtrl)) ChartPreview(form, chart);
    };

    if (seconds > 0) {
        auto* timer = new TTimer(form);
        timer->SetInterval(static_cast<Cardinal>(seconds) * 1000);
        timer->OnTimer = [form](TObject*) { form->Close(); };
    }
    Application->Run();
    return 0;
}
