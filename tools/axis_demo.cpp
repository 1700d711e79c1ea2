// Renders a chart of ten years of weekly prices growing a hundredfold, on a
// date bottom axis and a logarithmic left axis, and saves it as a PNG:
//     axis_demo <output.png>
// The chart lays its axes out itself (title, labels and ticks cut from the
// chart rectangle, then each axis placed along what is left).

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "chart/axis/TeEngineAxis.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "chart/utils/TeeProcs.h"
#include "platform/controls/Forms.h"
#include "platform/runtime/DateUtils.h"

namespace {

class TDemoChart : public TCustomAxisPanel {
public:
    using TCustomAxisPanel::TCustomAxisPanel;
    bool IsFreeSeriesColor(TColor, bool) override { return true; }
    int CalcWallSize(const TCustomChartAxis*) override { return 0; }

protected:
    void CalcAxisRect() override {
        TRect r = GetChartRect();
        r.Top += 10;
        r.Right -= 20;
        for (TCustomChartAxis* axis : GetAxesList()) axis->AdjustMaxMin();
        for (TCustomChartAxis* axis : GetAxesList())
            if (IsAxisVisible(axis)) axis->CalcRect(r, true);
        SetChartRect(r);
        ReCalcWidthHeight();
        for (TCustomChartAxis* axis : GetAxesList()) {
            axis->InternalCalcPositions();
            r = GetChartRect();
            axis->CalcRect(r, false);
        }
    }
    void CalcSeriesRect() override {}
    void DrawTitlesAndLegend() override {}
    void DrawWalls() override {}
};

// Joins its points with straight lines.
class TDemoLineSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
    void DrawValue(int ValueIndex) override {
        TCanvas3D* canvas = GetParentChart()->GetCanvas();
        const TPoint p(GetHorizontalAxis()->CalcXPosValue(GetxValue(ValueIndex)),
                       GetVerticalAxis()->CalcYPosValue(GetyValue(ValueIndex)));
        if (ValueIndex > GetFirstValueIndex()) {
            canvas->GetPen()->SetColor(RGB(20, 90, 200));
            canvas->GetPen()->SetWidth(2);
            canvas->MoveTo(last_.x, last_.y);
            canvas->LineTo(p.x, p.y);
        }
        last_ = p;
    }

private:
    TPoint last_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: axis_demo <output.png>\n");
        return 2;
    }
    Application->Initialize();
    TForm* form = nullptr;
    Application->CreateForm(&form);
    form->SetBounds(0, 0, 640, 400);
    auto* chart = new TDemoChart(form);
    chart->SetParent(form);
    chart->SetAlign(alClient);
    chart->SetView3D(false);
    chart->SetColor(clWhite);

    auto* series = new TDemoLineSeries(form);
    series->SetParentChart(chart);
    series->GetXValues()->SetDateTime(true);
    const double start = EncodeDate(2014, 1, 1), days = EncodeDate(2024, 1, 1) - start;
    for (double d = 0; d <= days; d += 7) {
        const double trend = std::pow(100.0, d / days), wave = 1 + 0.25 * std::sin(d / 90);
        series->AddXY(start + d, 5 * trend * wave);
    }
    TChartAxis* bottom = chart->GetBottomAxis();
    bottom->SetDateTimeFormat("yyyy");
    // Whole years, on 1 January.
    bottom->SetDesiredIncrement(DateTimeStep[dtOneYear]);
    bottom->GetTitle()->SetCaption("Date");
    TChartAxis* left = chart->GetLeftAxis();
    left->SetLogarithmic(true);
    left->GetTitle()->SetCaption("Price");
    left->GetMinorGrid()->SetVisible(true);
    left->GetMinorGrid()->SetColor(RGB(225, 225, 225));
    left->SetMinorTickCount(8);

    TBitmap picture;
    picture.SetSize(chart->GetWidth(), chart->GetHeight());
    chart->Draw(picture.GetCanvas(), TRect(0, 0, chart->GetWidth(), chart->GetHeight()));
    const std::string png = argv[1], bmp = png + ".bmp";
    picture.SaveToFile(bmp.c_str());
    const std::string command = "convert '" + bmp + "' '" + png + "'";
    const int status = std::system(command.c_str());
    std::remove(bmp.c_str());
    if (status != 0) std::fprintf(stderr, "axis_demo: convert failed for %s\n", png.c_str());
    return status == 0 ? 0 : 1;
}
