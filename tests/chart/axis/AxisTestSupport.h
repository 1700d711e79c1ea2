#pragma once
// A chart on a form whose axes take their room as the chart control will
// lay them out (title, labels and ticks cut from the chart rectangle, then
// each axis placed along what is left), drawn through a canvas that logs
// the lines and texts of the axes before drawing them.

#include <memory>
#include <string>
#include <vector>

#include "chart/ChartPicture.h"
#include "chart/series/ChartTestSupport.h"

using TDrawLog = std::vector<std::string>;

class TAxisRecordingCanvas : public TTeeCanvas3D {
public:
    explicit TAxisRecordingCanvas(TDrawLog* ALog) : log_(ALog) {}
    void HorizLine3D(int Left, int Right, int Y, int Z) override {
        Log("H " + std::to_string(Left) + ".." + std::to_string(Right) + " y" + std::to_string(Y) + " z" +
            std::to_string(Z));
        TTeeCanvas3D::HorizLine3D(Left, Right, Y, Z);
    }
    void VertLine3D(int X, int Top, int Bottom, int Z) override {
        Log("V x" + std::to_string(X) + " " + std::to_string(Top) + ".." + std::to_string(Bottom) + " z" +
            std::to_string(Z));
        TTeeCanvas3D::VertLine3D(X, Top, Bottom, Z);
    }
    void ZLine3D(int X, int Y, int Z0, int Z1) override {
        Log("Z " + std::to_string(X) + "," + std::to_string(Y) + " z" + std::to_string(Z0) + ".." + std::to_string(Z1));
        TTeeCanvas3D::ZLine3D(X, Y, Z0, Z1);
    }
    void DoHorizLine(int X0, int X1, int Y) override {
        Log("GridH y" + std::to_string(Y));
        TTeeCanvas3D::DoHorizLine(X0, X1, Y);
    }
    void DoVertLine(int X, int Y0, int Y1) override {
        Log("GridV x" + std::to_string(X));
        TTeeCanvas3D::DoVertLine(X, Y0, Y1);
    }
    void TextOut3D(int X, int Y, int Z, const AnsiString& Text) override {
        Log("Text " + std::to_string(X) + "," + std::to_string(Y) + " a" + std::to_string(GetTextAlign()) + " " +
            Text.str());
        TTeeCanvas3D::TextOut3D(X, Y, Z, Text);
    }
    void RotateLabel3D(int X, int Y, int Z, const AnsiString& Text, int Angle) override {
        Log("Turn " + std::to_string(X) + "," + std::to_string(Y) + " @" + std::to_string(Angle) + " a" +
            std::to_string(GetTextAlign()) + " " + Text.str());
        TTeeCanvas3D::RotateLabel3D(X, Y, Z, Text, Angle);
    }
    // Every text this wide when set (glyph widths of a fixed-pitch face).
    int TextWidth(const AnsiString& Text) override {
        return FixedTextWidth > 0 ? FixedTextWidth : TTeeCanvas3D::TextWidth(Text);
    }
    int FixedTextWidth = 0;
    bool Recording = true;

private:
    void Log(const std::string& Line) {
        if (Recording) log_->push_back(Line);
    }
    TDrawLog* log_;
};

class TLaidOutChart : public TTestChart {
public:
    using TTestChart::TTestChart;

protected:
    void CalcAxisRect() override {
        TTestChart::CalcAxisRect();
        TRect r = GetChartRect();
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
};

struct TAxisChart {
    TAxisChart() : form(new TForm(nullptr)), chart(new TLaidOutChart(form)) {
        form->SetBounds(0, 0, 420, 270);
        chart->SetParent(form);
        chart->SetView3D(false);
        canvas = new TAxisRecordingCanvas(&log);
        chart->SetInternalCanvas(canvas);
        form->Show();
    }
    ~TAxisChart() { delete form; }
    TAxisChart(const TAxisChart&) = delete;
    TAxisChart& operator=(const TAxisChart&) = delete;

    TChartSeries* NewSeries() {
        auto* series = new TChartSeries(form);
        series->SetParentChart(chart);
        return series;
    }
    // One paint into a white bitmap of the chart's size; the log of it.
    TDrawLog Paint() {
        log.clear();
        picture = PaintOnWhite(chart);
        return log;
    }
    // Fixes the chart rectangle and an axis' range without painting.
    void Place(TCustomChartAxis* Axis, const TRect& R, double AMin, double AMax) {
        chart->SetChartRect(R);
        chart->ReCalcWidthHeight();
        Axis->SetMinMax(AMin, AMax);
        Axis->AdjustMaxMin();
        Axis->InternalCalcPositions();
    }

    TForm* form;
    TLaidOutChart* chart;
    TAxisRecordingCanvas* canvas;
    TDrawLog log;
    std::unique_ptr<TBitmap> picture;
};

// The entries of a log that start with Prefix, in order.
inline TDrawLog Only(const TDrawLog& Log, const std::string& Prefix) {
    TDrawLog result;
    for (const std::string& line : Log)
        if (line.compare(0, Prefix.size(), Prefix) == 0) result.push_back(line);
    return result;
}
