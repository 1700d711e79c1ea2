#pragma once
// An axis panel to put series on: a series colour counts as free while no
// series of the chart has it, the steps a chart control adds to the paint
// are written to a log (the axes take their ranges and pixel spans there),
// and every paint is counted. TChartOnForm shows one on a form so that
// repaint requests turn into real paints.

#include <string>
#include <vector>

#include "chart/axis/TeEngineAxis.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "platform/controls/Forms.h"

class TTestChart : public TCustomAxisPanel {
public:
    using TCustomAxisPanel::TCustomAxisPanel;

    bool IsFreeSeriesColor(TColor AColor, bool CheckBackground) override {
        if (CheckBackground && AColor == GetColor()) return false;
        for (TChartSeries* s : *GetSeriesList())
            if (s->GetSeriesColor() == AColor) return false;
        return refusedColors == 0 || (--refusedColors, false);
    }

    int CalcWallSize(const TCustomChartAxis*) override { return 0; }

    // How many colours to refuse before the usual rule applies.
    int refusedColors = 0;
    int paints = 0;
    std::vector<std::string> log;

protected:
    void InternalDraw(const TRect& Rect) override {
        ++paints;
        TCustomAxisPanel::InternalDraw(Rect);
    }
    void CalcAxisRect() override {
        log.push_back("CalcAxisRect");
        for (TCustomChartAxis* axis : GetAxesList()) {
            axis->AdjustMaxMin();
            axis->InternalCalcPositions();
        }
        CalcSize3DWalls();
    }
    void CalcSeriesRect() override { log.push_back("CalcSeriesRect"); }
    void DrawTitlesAndLegend() override { log.push_back("DrawTitlesAndLegend"); }
    void DrawWalls() override { log.push_back("DrawWalls"); }
};

struct TChartOnForm {
    TChartOnForm() : form(new TForm(nullptr)), chart(new TTestChart(form)) {
        form->SetBounds(0, 0, 420, 270);
        chart->SetParent(form);
        form->Show();
        chart->Repaint();
    }
    ~TChartOnForm() { delete form; }
    TChartOnForm(const TChartOnForm&) = delete;
    TChartOnForm& operator=(const TChartOnForm&) = delete;

    // Runs the paints asked for so far; how many there were since the last call.
    int PaintsAfterEvents() {
        Application->ProcessMessages();
        const int result = chart->paints - seen;
        seen = chart->paints;
        return result;
    }
    // A series of the form on the chart.
    TChartSeries* NewSeries() {
        auto* series = new TChartSeries(form);
        series->SetParentChart(chart);
        return series;
    }

    TForm* form;
    TTestChart* chart;
    int seen = 0;
};
