#pragma once
// A chart control on a form, sized so that its rectangles are known, and a
// series type that draws each point as a small square and answers clicks
// with the nearest point within 3 pixels, as the drawn series types will.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "chart/axis/TeEngineAxis.h"
#include "chart/control/Chart.h"
#include "platform/controls/Forms.h"

class TDotSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;

    int Clicked(int X, int Y) override {
        if (!GetHorizontalAxis() || !GetVerticalAxis()) return -1;
        int nearest = -1, nearestDistance = 7;
        for (int i = 0; i < Count(); ++i) {
            const int dx = std::abs(GetHorizontalAxis()->CalcXPosValue(GetxValue(i)) - X);
            const int dy = std::abs(GetVerticalAxis()->CalcYPosValue(GetyValue(i)) - Y);
            if (dx <= 3 && dy <= 3 && dx + dy < nearestDistance) {
                nearest = i;
                nearestDistance = dx + dy;
            }
        }
        return nearest;
    }
    void DrawValue(int ValueIndex) override {
        const int x = GetHorizontalAxis()->CalcXPosValue(GetxValue(ValueIndex));
        const int y = GetVerticalAxis()->CalcYPosValue(GetyValue(ValueIndex));
        TCanvas3D* canvas = GetParentChart()->GetCanvas();
        canvas->GetBrush()->SetColor(GetValueColor(ValueIndex));
        canvas->FillRect(TRect(x - 1, y - 1, x + 2, y + 2));
    }
};

struct TChartControlOnForm {
    // The chart fills a Width x Height form client, flat, without bevels.
    TChartControlOnForm(int Width = 400, int Height = 300) : form(new TForm(nullptr)), chart(new TChart(form)) {
        form->SetClientWidth(Width);
        form->SetClientHeight(Height);
        chart->SetParent(form);
        chart->SetBounds(0, 0, Width, Height);
        chart->SetBevelOuter(bvNone);
        chart->SetView3D(false);
        form->Show();
    }
    ~TChartControlOnForm() { delete form; }
    TChartControlOnForm(const TChartControlOnForm&) = delete;
    TChartControlOnForm& operator=(const TChartControlOnForm&) = delete;

    // A series with the points (i, i) for i in 0..Count-1.
    TDotSeries* NewSeries(int Count = 101) {
        auto* series = new TDotSeries(form);
        series->SetParentChart(chart);
        for (int i = 0; i < Count; ++i) series->AddXY(i, i);
        return series;
    }
    // Paints the chart on its window now, so that its rectangles and axes
    // are laid out for the mouse.
    void Paint() {
        chart->Repaint();
        Application->ProcessMessages();
    }
    // The chart drawn on a fresh picture of its size, its pixels row by row.
    std::vector<std::uint32_t> Pixels(int Width, int Height) {
        TBitmap picture;
        picture.SetSize(Width, Height);
        chart->Draw(picture.GetCanvas(), TRect(0, 0, Width, Height));
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < Height; ++y)
            pixels.insert(pixels.end(), picture.ScanLine(y), picture.ScanLine(y) + Width);
        return pixels;
    }

    TForm* form;
    TChart* chart;
};
